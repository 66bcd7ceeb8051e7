#include "levelfile/file_paths.h"

#include <unistd.h>

#include "model/message_texts.h"

namespace {

bool Exists(const std::string& path) {
  return access(path.c_str(), F_OK) == 0;
}

}  // namespace

std::string ProgramFolder(const std::string& executableFolder) {
  if (!executableFolder.empty() && executableFolder.back() == '/') return executableFolder;
  return executableFolder + "/";
}

std::string LevelFilePath(const std::string& programFolder, const std::string& name) {
  const bool absolute = !name.empty() && name[0] == '/';
  return absolute ? name : programFolder + name;
}

std::optional<std::string> NameInProgramFolder(const std::string& programFolder,
                                               const std::string& chosenPath) {
  if (chosenPath.size() <= programFolder.size() ||
      chosenPath.compare(0, programFolder.size(), programFolder) != 0)
    return std::nullopt;
  return chosenPath.substr(programFolder.size());
}

std::string NameForPath(const std::string& programFolder, const std::string& absolutePath) {
  return NameInProgramFolder(programFolder, absolutePath).value_or(absolutePath);
}

std::string LevelArgumentPath(const std::string& programFolder, const std::string& workingFolder,
                              const std::string& name) {
  const std::string inProgramFolder = LevelFilePath(programFolder, name);
  if (Exists(inProgramFolder)) return inProgramFolder;
  const std::string inWorkingFolder = LevelFilePath(workingFolder, name);
  return Exists(inWorkingFolder) ? inWorkingFolder : inProgramFolder;
}

std::string FolderOfName(const std::string& name) {
  const size_t slash = name.rfind('/');
  return slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
}

std::string SiblingName(const std::string& name, const std::string& fileName) {
  return FolderOfName(name) + fileName;
}

std::string OverwriteQuestion(const std::string& name) {
  return std::string(MessageTexts::OverwriteFirst) + name + MessageTexts::OverwriteSecond;
}
