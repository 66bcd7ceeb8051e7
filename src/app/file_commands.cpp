#include "app/file_commands.h"

#include <QFile>
#include <QFileInfo>
#include <memory>

#include "app/emulator_launch.h"
#include "app/message_boxes.h"
#include "editing/editor_session.h"
#include "editing/hero_start.h"
#include "editing/level_files.h"
#include "editing/write_check.h"
#include "levelfile/file_paths.h"
#include "model/map.h"
#include "model/message_texts.h"

namespace {

// The open dialog's one filter: every file.
constexpr char OpenFilter[] = "Zubo map (*)";

// A failed write names the file, as typed or under the program folder.
constexpr char SaveFailure[] = "Could not save %1: %2";
constexpr char EmulatorCopyFailure[] = "Could not write %1 for the emulator: %2";

QString Text(const char* text) {
  return QString::fromLatin1(text);
}

bool Exists(const std::string& path) {
  return QFileInfo::exists(QString::fromStdString(path));
}

}  // namespace

std::string SystemPath(const std::string& path) {
  return QFile::encodeName(QString::fromStdString(path)).toStdString();
}

FileCommands::FileCommands(MessageBoxes& boxes, EditorSession& session)
    : Boxes(boxes), Session(session) {}

bool FileCommands::MayDropChanges(const char* question) const {
  return Session.Document.Saved() || Boxes.Confirm(Text(question));
}

std::optional<std::string> FileCommands::ChooseLevel() const {
  const QString chosen =
      Boxes.ChooseOpenFile(QString::fromStdString(Session.ProgramFolder), Text(OpenFilter));
  if (chosen.isEmpty()) return std::nullopt;
  std::optional<std::string> name =
      NameInProgramFolder(Session.ProgramFolder, chosen.toStdString());
  if (!name) Boxes.ShowMessage(Text(MessageTexts::OutsideEditorFolder));
  return name;
}

// A name where nothing exists leaves the map and its Saved as they were;
// anything else that is there (a folder, a FIFO, a device, a file that is
// no level) is opened, and fails as a level.
std::optional<std::string> FileCommands::ExistingLevel() const {
  const std::string path = LevelFilePath(Session.ProgramFolder, Session.Document.FileName());
  if (Exists(path)) return SystemPath(path);
  Boxes.ShowMessage(Text(MessageTexts::FileNotFound));
  return std::nullopt;
}

std::optional<std::string> FileCommands::ChooseSaveName() const {
  const std::string& name = Session.Document.FileName();
  const QString chosen =
      Boxes.ChooseSaveFile(QString::fromStdString(LevelFilePath(Session.ProgramFolder, name)));
  if (chosen.isEmpty()) return std::nullopt;
  return NameForPath(Session.ProgramFolder, chosen.toStdString());
}

// Save runs whether or not the map has unsaved changes.
bool FileCommands::Save(bool customTexts) {
  const std::string& name = Session.Document.FileName();
  if (name.empty()) {
    Boxes.ShowMessage(Text(MessageTexts::NoFileName));
    return false;
  }
  const std::string path = LevelFilePath(Session.ProgramFolder, name);
  if (Exists(path) && !Boxes.Confirm(QString::fromStdString(OverwriteQuestion(name)))) return false;
  return CheckForWrite(customTexts) &&
         Reported(SaveLevelFile(Session.Document, SystemPath(path),
                                Session.Tools.FinishedPlatformCount()),
                  SaveFailure, name);
}

void FileCommands::RunEmulator(bool customTexts, const std::string& argumentString,
                               std::optional<CellPosition> start) {
  if (!CheckForWrite(customTexts)) return;
  const std::string missing = MissingForEmulator(Session.ProgramFolder);
  if (!missing.empty()) {
    Boxes.ShowMessage(QString::fromStdString(missing));
    return;
  }
  const std::string path = SystemPath(EmulatorLevelPath(Session.ProgramFolder));
  const MapToWrite written(Session.Document.GetMap(), Session.Tools.FinishedPlatformCount());
  std::unique_ptr<Map> moved;
  if (start) {
    moved = std::make_unique<Map>(written.Get());
    const std::string refusal = MoveHeroTo(*moved, start->X, start->Y);
    if (!refusal.empty()) {
      Boxes.ShowMessage(QString::fromStdString(refusal));
      return;
    }
  }
  if (!Reported(WriteLevelFile(moved ? *moved : written.Get(), path), EmulatorCopyFailure,
                EmulatorLevelName))
    return;
  const std::string failure = StartEmulator(Session.ProgramFolder, argumentString);
  if (!failure.empty()) Boxes.ShowMessage(QString::fromStdString(failure));
}

bool FileCommands::CheckForWrite(bool customTexts) {
  const ValidationResult result =
      ::CheckForWrite(Session.Document, customTexts, Session.Tools.FinishedPlatformCount());
  Session.Tools.SettleStep();
  for (const std::string& message : result.Messages)
    Boxes.ShowMessage(QString::fromStdString(message));
  return result.Passed;
}

bool FileCommands::Reported(const WriteOutcome& outcome, const char* failure,
                            const std::string& name) {
  if (outcome.Ok) return true;
  QString message =
      Text(failure).arg(QString::fromStdString(name), QString::fromStdString(outcome.Error));
  if (!message.endsWith(QLatin1Char('.'))) message += QLatin1Char('.');
  Boxes.ShowMessage(message);
  return false;
}
