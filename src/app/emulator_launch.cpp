#include "app/emulator_launch.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace {

constexpr char EmulatorArchive[] = "korvax.jar";
constexpr char GameFolder[] = "zuboapp";

}  // namespace

std::string EmulatorArgumentString(const std::string& screenWidth, const std::string& screenHeight,
                                   bool zoomed, char classPathSeparator) {
  std::string arguments = "-Xbootclasspath/a:korvax.jar";
  arguments += classPathSeparator;
  arguments += "zuboapp qvm.korvax.MainApp -Ccom.vantorix.vlek.Main -AZubo";
  arguments += " -w" + screenWidth + " -h" + screenHeight;
  if (zoomed) arguments += " -s2";
  return arguments;
}

std::vector<std::string> EmulatorArguments(const std::string& argumentString) {
  std::vector<std::string> arguments;
  std::string current;
  for (const char c : argumentString) {
    if (c != ' ') {
      current += c;
    } else if (!current.empty()) {
      arguments.push_back(current);
      current.clear();
    }
  }
  if (!current.empty()) arguments.push_back(current);
  return arguments;
}

std::string EmulatorLevelPath(const std::string& programFolder) {
  return programFolder + EmulatorLevelName;
}

std::string EmulatorWorkingDirectory(const std::string& programFolder) {
  if (programFolder.size() > 1 && programFolder.back() == '/')
    return programFolder.substr(0, programFolder.size() - 1);
  return programFolder;
}

std::string MissingForEmulator(const std::string& programFolder) {
  const QDir folder(QString::fromStdString(programFolder));
  std::string inFolder;
  if (!QFileInfo(folder.filePath(QString::fromLatin1(EmulatorArchive))).isFile())
    inFolder = std::string("no ") + EmulatorArchive;
  if (!QFileInfo(folder.filePath(QString::fromLatin1(GameFolder))).isDir())
    inFolder += (inFolder.empty() ? "no " : " and no ") + std::string(GameFolder) + "/";
  const bool javaFound =
      !QStandardPaths::findExecutable(QString::fromLatin1(EmulatorProgram)).isEmpty();
  if (javaFound && inFolder.empty()) return {};
  std::string text = "Cannot run the emulator: ";
  if (!javaFound) text += std::string(EmulatorProgram) + " is not on the search path (PATH)";
  if (!javaFound && !inFolder.empty()) text += ", and ";
  if (!inFolder.empty()) text += "the game folder " + programFolder + " has " + inFolder;
  return text + ".";
}

std::string StartEmulator(const std::string& programFolder, const std::string& argumentString) {
  QStringList arguments;
  for (const std::string& argument : EmulatorArguments(argumentString))
    arguments.append(QString::fromStdString(argument));
  QProcess java;
  java.setProgram(QString::fromLatin1(EmulatorProgram));
  java.setArguments(arguments);
  java.setWorkingDirectory(QString::fromStdString(EmulatorWorkingDirectory(programFolder)));
  if (java.startDetached()) return {};
  return "Could not start " + std::string(EmulatorProgram) + ": " +
         java.errorString().toStdString() + ".";
}
