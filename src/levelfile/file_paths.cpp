#include "levelfile/file_paths.h"

#include "model/message_texts.h"

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

std::string OverwriteQuestion(const std::string& name) {
  return std::string(MessageTexts::OverwriteFirst) + name + MessageTexts::OverwriteSecond;
}
