// The file commands of the main window (New, Open, Save, Exit, "Run Emu")
// and the recovery copy of unsaved changes.

#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <utility>

#include "app/control_panel.h"
#include "app/custom_texts.h"
#include "app/file_commands.h"
#include "app/level_navigator.h"
#include "app/main_form.h"
#include "app/message_boxes.h"
#include "app/recovery_offer.h"
#include "editing/editor_session.h"
#include "editing/level_files.h"
#include "model/map.h"
#include "model/message_texts.h"
#include "recovery/autosave.h"

namespace {

// How soon a recovery problem that had to wait is shown, if it can be then.
constexpr int RecoveryProblemRetryMs = 500;

}  // namespace

void TMainForm::ConnectFiles() {
  auto* playFromHere =
      new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this, nullptr, nullptr, Qt::WidgetShortcut);
  connect(playFromHere, &QShortcut::activated, this, [this] { PlayFromHere(); });
  connect(Panel1->BNew, &QPushButton::clicked, this, [this] { BNewClick(); });
  connect(Panel1->IBOpenFile, &QToolButton::clicked, this, [this] { IBOpenFileClick(); });
  connect(Panel1->BSave, &QPushButton::clicked, this, [this] { BSaveClick(); });
  connect(Panel1->BExit, &QPushButton::clicked, this, [this] { BExitClick(); });
  connect(Panel1->BRunEmu, &QPushButton::clicked, this, [this] { BRunEmuClick(); });
  connect(Panel1->ESoubor, &QLineEdit::textChanged, this,
          [this](const QString& name) { Session.Document.SetFileName(name.toStdString()); });
}

void TMainForm::BNewClick() {
  if (!Files.MayDropChanges(MessageTexts::NotSavedNew)) return;
  NewMap();
  Recovery.Drop();
  Levels->Closed();
}

void TMainForm::IBOpenFileClick() {
  const std::optional<std::string> name = Files.ChooseLevel();
  if (!name) return;
  Panel1->ESoubor->setText(QString::fromStdString(*name));
  LoadLevelFile();
}

// A cancelled load leaves the old map under the new name.
void TMainForm::LoadLevelFile() {
  if (!Files.MayDropChanges(MessageTexts::NotSavedLoad)) return;
  const std::optional<std::string> path = Files.ExistingLevel();
  if (path) ReadLevelFile(*path);
}

void TMainForm::OpenLevelNamed(const std::string& name) {
  if (!Files.MayDropChanges(MessageTexts::NotSavedLoad)) return;
  Panel1->ESoubor->setText(QString::fromStdString(name));
  const std::optional<std::string> path = Files.ExistingLevel();
  if (path) ReadLevelFile(*path);
}

void TMainForm::ReadLevelFile(const std::string& path) {
  Session.Document.MarkSaved();
  NewMap();
  Recovery.Drop();
  const OpenedLevel opened = OpenLevelFile(Session.Document, path);
  if (!opened.Read) {
    // Nothing of the file survives: an empty 20 x 20 map takes its place.
    NewDefaultMap();
    Levels->Closed();
    std::fprintf(stderr, "zubo-editor: could not load %s: %s\n", path.c_str(),
                 opened.Problem.c_str());
    Boxes.ShowMessage(QString::fromLatin1(MessageTexts::LoadError));
    return;
  }
  SetCustomTextsMemo(opened.CustomTexts);
  ShowMapValues();
  Levels->InFile();
  if (opened.Mended) Session.Document.MarkChanged();
}

void TMainForm::BSaveClick() {
  if (!Files.Save(CustomTextsSwitch)) return;
  Recovery.Drop();
  Levels->InFile();
}

void TMainForm::SaveAsClick() {
  const std::optional<std::string> name = Files.ChooseSaveName();
  if (!name) return;
  Panel1->ESoubor->setText(QString::fromStdString(*name));
  BSaveClick();
}

// Closing goes through closeEvent, which asks about unsaved changes.
void TMainForm::BExitClick() {
  close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!Files.MayDropChanges(MessageTexts::NotSavedReallyExit)) {
    event->ignore();
    return;
  }
  Recovery.Stop();
  event->accept();
}

// With Shift held, "Play from here".
void TMainForm::BRunEmuClick() {
  if (QApplication::keyboardModifiers() & Qt::ShiftModifier) {
    PlayFromHere();
    return;
  }
  Files.RunEmulator(CustomTextsSwitch, Panel1->EmulatorArgumentString());
}

// The game starts with the hero at the cell under the pointer, or, with the
// pointer off the map, at the middle cell of the view.
void TMainForm::PlayFromHere() {
  const ViewGeometry& view = Session.View;
  const int cellSize = std::max(1, view.CellSize);
  const CellPosition start = PointerCell
                                 ? *PointerCell
                                 : CellPosition{view.CameraX + view.ViewWidth / cellSize / 2 + 1,
                                                view.CameraY + view.ViewHeight / cellSize / 2 + 1};
  Files.RunEmulator(CustomTextsSwitch, Panel1->EmulatorArgumentString(), start);
}

void TMainForm::StartAutosave(int intervalSeconds) {
  Recovery.TellProblemsTo([this](const QString& text) { TellRecoveryProblem(text); });
  Recovery.Start(QString::fromStdString(Session.ProgramFolder), intervalSeconds, [this] {
    return RecoverySourceOf(Session, Panel1->MCustomTexts->toPlainText().toStdString());
  });
}

void TMainForm::TellRecoveryProblem(const QString& text) {
  WaitingRecoveryProblem = text;
  ShowRecoveryProblem();
}

void TMainForm::ShowRecoveryProblem() {
  if (WaitingRecoveryProblem.isEmpty()) return;
  if (UserBusy()) {
    QTimer::singleShot(RecoveryProblemRetryMs, this, [this] { ShowRecoveryProblem(); });
    return;
  }
  Boxes.ShowMessage(std::exchange(WaitingRecoveryProblem, {}));
}

bool TMainForm::UserBusy() const {
  return Session.Tools.HeldButton() != MouseButton::None ||
         QApplication::activeModalWidget() != nullptr;
}

void TMainForm::OfferRecovery() {
  const std::optional<LeftCopy> left = OfferLeftCopy(Recovery, Boxes);
  if (left) RestoreRecoveryCopy(*left->Copy, left->Info);
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
