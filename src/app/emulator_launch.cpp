#include "app/emulator_launch.h"

#include <QProcess>
#include <QString>
#include <QStringList>

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

void StartEmulator(const std::string& programFolder, const std::string& argumentString) {
  QStringList arguments;
  for (const std::string& argument : EmulatorArguments(argumentString))
    arguments.append(QString::fromStdString(argument));
  QProcess::startDetached(QString::fromLatin1(EmulatorProgram), arguments,
                          QString::fromStdString(EmulatorWorkingDirectory(programFolder)));
}
