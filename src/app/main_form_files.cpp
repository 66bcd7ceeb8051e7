// The file commands of the main window (New, Open, Save, Exit), "Run Emu",
// which writes the emulator's copy of the map and starts the emulator, and
// the recovery copy of unsaved changes.

#include <QCloseEvent>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QToolButton>

#include "app/control_panel.h"
#include "app/custom_texts.h"
#include "app/emulator_launch.h"
#include "app/main_form.h"
#include "app/message_boxes.h"
#include "editing/editor_session.h"
#include "editing/write_check.h"
#include "levelfile/file_paths.h"
#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"
#include "model/map.h"
#include "model/message_texts.h"
#include "recovery/autosave.h"

namespace {

// The open dialog's one filter: every file.
constexpr char OpenFilter[] = "Zubo map (*)";
constexpr char RestoreQuestion[] =
    "The editor was closed with unsaved changes (saved at %1). Restore them?";
constexpr char DamagedCopyMessage[] =
    "The copy of the unsaved changes left by the last run is damaged and was discarded.";

QString Text(const char* text) {
  return QString::fromLatin1(text);
}

// File names are kept as the user typed them; the system's name of a path
// is its local 8-bit form.
std::string SystemPath(const std::string& path) {
  return QFile::encodeName(QString::fromStdString(path)).toStdString();
}

}  // namespace

void TMainForm::ConnectFiles() {
  connect(Panel1->BNew, &QPushButton::clicked, this, [this] { BNewClick(); });
  connect(Panel1->IBOpenFile, &QToolButton::clicked, this, [this] { IBOpenFileClick(); });
  connect(Panel1->BSave, &QPushButton::clicked, this, [this] { BSaveClick(); });
  connect(Panel1->BExit, &QPushButton::clicked, this, [this] { BExitClick(); });
  connect(Panel1->BRunEmu, &QPushButton::clicked, this, [this] { BRunEmuClick(); });
  connect(Panel1->ESoubor, &QLineEdit::textChanged, this,
          [this](const QString& name) { Session.Document.SetFileName(name.toStdString()); });
}

void TMainForm::BNewClick() {
  if (!Session.Document.Saved() && !Boxes.Confirm(Text(MessageTexts::NotSavedNew))) return;
  NewMap();
  Recovery.Drop();
}

void TMainForm::IBOpenFileClick() {
  const QString folder = QString::fromStdString(Session.ProgramFolder);
  const QString chosen = Boxes.ChooseOpenFile(folder, Text(OpenFilter));
  if (chosen.isEmpty()) return;
  const std::optional<std::string> name =
      NameInProgramFolder(Session.ProgramFolder, chosen.toStdString());
  if (!name) {
    Boxes.ShowMessage(Text(MessageTexts::OutsideEditorFolder));
    return;
  }
  Panel1->ESoubor->setText(QString::fromStdString(*name));
  LoadLevelFile();
}

// The name in the file name box stays as it is whatever happens: a
// cancelled load leaves the old map under the new name. A name where nothing
// exists leaves the map and its Saved as they were; anything else that is
// there (a folder, a FIFO, a device, a file that is no level) fails the load.
void TMainForm::LoadLevelFile() {
  if (!Session.Document.Saved() && !Boxes.Confirm(Text(MessageTexts::NotSavedLoad))) return;
  const std::string path = LevelFilePath(Session.ProgramFolder, Session.Document.FileName());
  if (!QFileInfo::exists(QString::fromStdString(path))) {
    Boxes.ShowMessage(Text(MessageTexts::FileNotFound));
    return;
  }
  OpenLevel(path);
}

void TMainForm::OpenLevel(const std::string& path) {
  Session.Document.MarkSaved();
  NewMap();
  Recovery.Drop();
  std::optional<LevelRecord> record = ReadLevelRecord(SystemPath(path));
  if (!record) {
    // Nothing of the file survives: an empty 20 x 20 map takes its place.
    NewDefaultMap();
    Boxes.ShowMessage(Text(MessageTexts::LoadError));
    return;
  }
  // A line break inside a line would split it in the memo and renumber every
  // later text; it becomes a blank, and the mended map counts as unsaved.
  const bool mended = ReplaceLineBreaks(record->CustomTexts);
  auto loaded = std::make_unique<Map>(Session.Document.GetMap());
  StoreLevel(*record, *loaded);
  Session.Document.Replace(*loaded);
  SetCustomTextsMemo(record->CustomTexts);
  ShowMapValues();
  if (mended) Session.Document.MarkChanged();
}

// Save runs whether or not the map has unsaved changes. A failed write
// keeps the old file and Saved as they were.
void TMainForm::BSaveClick() {
  const std::string& name = Session.Document.FileName();
  if (name.empty()) {
    Boxes.ShowMessage(Text(MessageTexts::NoFileName));
    return;
  }
  const std::string path = LevelFilePath(Session.ProgramFolder, name);
  if (QFileInfo::exists(QString::fromStdString(path)) &&
      !Boxes.Confirm(QString::fromStdString(OverwriteQuestion(name))))
    return;
  if (!ValidateForWrite()) return;
  const WriteOutcome outcome = WriteLevelFile(Session.Document.GetMap(), SystemPath(path));
  if (!outcome.Ok) {
    Boxes.ShowMessage(QString::fromStdString(outcome.Error));
    return;
  }
  Session.Document.MarkSaved();
  Recovery.Drop();
}

// Closing goes through closeEvent, which asks about unsaved changes.
void TMainForm::BExitClick() {
  close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!Session.Document.Saved() && !Boxes.Confirm(Text(MessageTexts::NotSavedReallyExit))) {
    event->ignore();
    return;
  }
  Recovery.Stop();
  event->accept();
}

bool TMainForm::ValidateForWrite() {
  const ValidationResult result = CheckForWrite(Session.Document, CustomTextsSwitch);
  Session.Tools.SettleStep();
  for (const std::string& message : result.Messages)
    Boxes.ShowMessage(QString::fromStdString(message));
  return result.Passed;
}

// The emulator's copy does not count as saving the map. The emulator runs
// on its own in the program folder; whether it starts is not watched.
void TMainForm::BRunEmuClick() {
  if (!ValidateForWrite()) return;
  const std::string& folder = Session.ProgramFolder;
  const WriteOutcome outcome =
      WriteLevelFile(Session.Document.GetMap(), SystemPath(EmulatorLevelPath(folder)));
  if (!outcome.Ok) {
    Boxes.ShowMessage(QString::fromStdString(outcome.Error));
    return;
  }
  QStringList arguments;
  for (const std::string& argument : EmulatorArguments(Panel1->EmulatorArgumentString()))
    arguments.append(QString::fromStdString(argument));
  QProcess::startDetached(Text(EmulatorProgram), arguments,
                          QString::fromStdString(EmulatorWorkingDirectory(folder)));
}

void TMainForm::StartAutosave(int intervalSeconds) {
  Recovery.Start(QString::fromStdString(Session.ProgramFolder), intervalSeconds,
                 [this]() -> std::optional<RecoverySource> {
                   if (Session.Document.Saved()) return std::nullopt;
                   RecoverySource source;
                   source.Edited = &Session.Document.GetMap();
                   source.PlatformCount = Session.Tools.FinishedPlatformCount();
                   source.Info.FileName = Session.Document.FileName();
                   source.Info.CustomTexts = Panel1->MCustomTexts->toPlainText().toStdString();
                   source.Info.Zoom = Session.View.Zoom;
                   source.Info.CameraX = Session.View.CameraX;
                   source.Info.CameraY = Session.View.CameraY;
                   return source;
                 });
}

void TMainForm::OfferRecovery() {
  const LeftCopy left = Recovery.TakeLeftCopy();
  if (left.Found == LeftCopy::Kind::Damaged) Boxes.ShowMessage(Text(DamagedCopyMessage));
  if (left.Found != LeftCopy::Kind::Found) return;
  const QString savedAt =
      QDateTime::fromMSecsSinceEpoch(left.Info.SavedAt).toString(QStringLiteral("HH:mm"));
  if (Boxes.Confirm(Text(RestoreQuestion).arg(savedAt)))
    RestoreRecoveryCopy(*left.Copy, left.Info);
  else
    Recovery.Discard();
}

// The copy replaces the map as a load does, with its file name, zoom and
// camera; the restored map is unsaved and starts a history of its own.
void TMainForm::RestoreRecoveryCopy(const Map& copy, const RecoveryInfo& info) {
  Session.Document.MarkSaved();
  NewMap();
  Session.Document.Replace(copy);
  SetCustomTextsMemoText(QString::fromStdString(info.CustomTexts));
  Panel1->ESoubor->setText(QString::fromStdString(info.FileName));
  Session.View.CameraX = info.CameraX;
  Session.View.CameraY = info.CameraY;
  Panel1->UDZoom->setValue(info.Zoom);
  ShowMapValues();
  Session.Document.MarkChanged();
  RedrawView();
}
