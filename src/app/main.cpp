#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "app/game_folder.h"
#include "app/main_form.h"
#include "app/message_boxes.h"
#include "app/start_options.h"
#include "editing/editor_session.h"
#include "model/message_texts.h"
#include "recovery/autosave.h"
#include "view/tile_set.h"

int main(int argc, char** argv) {
  // The options are read before any window system is touched: --help and a
  // bad command line need no display.
  const StartOptions options = ParseStartOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (options.Help) {
    std::fputs(UsageText().c_str(), stdout);
    return 0;
  }
  if (!options.Error.empty()) {
    std::fprintf(stderr, "zubo-editor: %s\n\n%s", options.Error.c_str(), UsageText().c_str());
    return ExitUsage;
  }

  // A file-size limit (ulimit -f) makes a write that passes it fail, as a
  // full disk does, instead of ending the editor with the map unsaved.
  std::signal(SIGXFSZ, SIG_IGN);

  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
  // The recovery copies live in the user's folder for Zubo/Editor.
  QApplication::setOrganizationName(QStringLiteral("Zubo"));
  QtMessageBoxes boxes;
  EditorSession session;
  FolderChoice choice;
  choice.Game = QString::fromLocal8Bit(options.GameFolder.c_str());
  choice.Working = QDir::currentPath();
  choice.Executable = QCoreApplication::applicationDirPath();
  choice.Installed = InstalledSampleGame(choice.Executable);
  choice.User = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  const GameFolders folders = ChooseGameFolders(choice);
  if (folders.InUserFolder) PrepareUserFolder(choice.User, choice.Installed);
  session.ProgramFolder = folders.Program;
  session.TileFolder = folders.Tiles;
  Autosave autosave;
  TMainForm mainForm(boxes, session, autosave, !options.SpecialTools);
  if (!mainForm.StartUp()) return 1;
  mainForm.CreateEditPlatform();
  mainForm.show();
  mainForm.StartAutosave(options.AutosaveSeconds);
  mainForm.OfferRecovery();
  if (!options.Level.empty()) mainForm.OpenStartLevel(options.Level);
  return QApplication::exec();
}
