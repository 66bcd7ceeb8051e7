// The file commands of the main window (New, Open, Save, Exit) and "Run Emu",
// which writes the emulator's copy of the map and starts the emulator.

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
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
#include "levelfile/file_paths.h"
#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"
#include "levelfile/validation.h"
#include "model/limits.h"
#include "model/map.h"
#include "model/message_texts.h"

namespace {

// The open dialog's one filter: every file.
constexpr char OpenFilter[] = "Zubo map (*)";

QString Text(const char* text) {
  return QString::fromLatin1(text);
}

// File names are kept as the user typed them; the system's name of a path
// is its local 8-bit form.
std::string SystemPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace

void TMainForm::ConnectFiles() {
  connect(Panel1->BNew, &QPushButton::clicked, this, [this] { BNewClick(); });
  connect(Panel1->IBOpenFile, &QToolButton::clicked, this, [this] { IBOpenFileClick(); });
  connect(Panel1->BSave, &QPushButton::clicked, this, [this] { BSaveClick(); });
  connect(Panel1->BExit, &QPushButton::clicked, this, [this] { BExitClick(); });
  connect(Panel1->BRunEmu, &QPushButton::clicked, this, [this] { BRunEmuClick(); });
}

void TMainForm::SetProgramFolder(const QString& folder) {
  ProgramFolderName = QString::fromStdString(ProgramFolder(folder.toStdString()));
}

void TMainForm::BNewClick() {
  if (!EditedMap->Saved && !Boxes.Confirm(Text(MessageTexts::NotSavedNew))) return;
  NewMap();
  DropRecoveryCopy();
}

void TMainForm::IBOpenFileClick() {
  const QString chosen = Boxes.ChooseOpenFile(ProgramFolderName, Text(OpenFilter));
  if (chosen.isEmpty()) return;
  const std::optional<std::string> name =
      NameInProgramFolder(ProgramFolderName.toStdString(), chosen.toStdString());
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
  if (!EditedMap->Saved && !Boxes.Confirm(Text(MessageTexts::NotSavedLoad))) return;
  const QString path = QString::fromStdString(
      LevelFilePath(ProgramFolderName.toStdString(), Panel1->ESoubor->text().toStdString()));
  if (!QFileInfo::exists(path)) {
    Boxes.ShowMessage(Text(MessageTexts::FileNotFound));
    return;
  }
  EditedMap->Saved = true;
  NewMap();
  DropRecoveryCopy();

  std::optional<LevelRecord> record = ReadLevelRecord(SystemPath(path));
  if (!record) {
    // Nothing of the file survives: an empty 20 x 20 map takes its place.
    SetMapSize(DefaultMapSize, DefaultMapSize);
    EditedMap->Saved = true;
    NewMap();
    Boxes.ShowMessage(Text(MessageTexts::LoadError));
    return;
  }
  // A line break inside a line would split it in the memo and renumber every
  // later text; it becomes a blank, and the mended map counts as unsaved.
  const bool mended = ReplaceLineBreaks(record->CustomTexts);
  // The size goes through the up-downs (their resize rules run on the empty
  // map), the background into its drop-down, the texts into the memo.
  SetMapSize(record->Width, record->Height);
  Panel1->CBBackground->setCurrentIndex(record->Background);
  StoreLevel(*record, *EditedMap);
  SetCustomTextsMemo(record->CustomTexts);
  UpdateTileCounters();
  EditedMap->Saved = !mended;
  ClearHistory();
}

// Save runs whether or not the map has unsaved changes.
void TMainForm::BSaveClick() {
  const QString name = Panel1->ESoubor->text();
  if (name.isEmpty()) {
    Boxes.ShowMessage(Text(MessageTexts::NoFileName));
    return;
  }
  const QString path =
      QString::fromStdString(LevelFilePath(ProgramFolderName.toStdString(), name.toStdString()));
  if (QFileInfo::exists(path) &&
      !Boxes.Confirm(QString::fromStdString(OverwriteQuestion(name.toStdString()))))
    return;
  if (!ValidateForWrite()) return;
  // A failed write keeps the old file and Saved as they were.
  const WriteOutcome outcome = WriteLevelFile(*EditedMap, SystemPath(path));
  if (outcome.Ok)
    DropRecoveryCopy();
  else
    Boxes.ShowMessage(QString::fromStdString(outcome.Error));
}

// Closing goes through closeEvent, which asks about unsaved changes.
void TMainForm::BExitClick() {
  close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!EditedMap->Saved && !Boxes.Confirm(Text(MessageTexts::NotSavedReallyExit))) {
    event->ignore();
    return;
  }
  EndAutosave();
  event->accept();
}

bool TMainForm::ValidateForWrite() {
  const ValidationResult result = ValidateRecorded();
  for (const std::string& message : result.Messages)
    Boxes.ShowMessage(QString::fromStdString(message));
  return result.Passed;
}

// The emulator's copy does not count as saving the map: Saved keeps its
// value whether the write succeeds or not. The emulator runs on its own in
// the program folder; whether it starts is not watched.
void TMainForm::BRunEmuClick() {
  if (!ValidateForWrite()) return;
  const std::string folder = ProgramFolderName.toStdString();
  const bool saved = EditedMap->Saved;
  const WriteOutcome outcome =
      WriteLevelFile(*EditedMap, SystemPath(QString::fromStdString(EmulatorLevelPath(folder))));
  EditedMap->Saved = saved;
  if (!outcome.Ok) {
    Boxes.ShowMessage(QString::fromStdString(outcome.Error));
    return;
  }
  const std::string argumentString = EmulatorArgumentString(
      Panel1->UDScreenWidth->text().toStdString(), Panel1->UDScreenHeight->text().toStdString(),
      Panel1->CBZoomed->isChecked());
  QStringList arguments;
  for (const std::string& argument : EmulatorArguments(argumentString))
    arguments.append(QString::fromStdString(argument));
  QProcess::startDetached(Text(EmulatorProgram), arguments,
                          QString::fromStdString(EmulatorWorkingDirectory(folder)));
}
