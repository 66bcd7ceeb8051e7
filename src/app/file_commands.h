#pragma once

#include <optional>
#include <string>

#include "levelfile/level_writer.h"
#include "view/view_geometry.h"

class MessageBoxes;

// File names are kept as the user typed them; the system's name of a path
// is its local 8-bit form.
std::string SystemPath(const std::string& path);
struct EditorSession;

// The file commands' questions, checks, messages and writes on the session's
// document, through the boxes; the window resets and shows what they change.
// customTexts: the custom texts are checked before a write.
class FileCommands {
 public:
  FileCommands(MessageBoxes& boxes, EditorSession& session);

  // New, Open and Exit drop unsaved changes only when the user agrees.
  bool MayDropChanges(const char* question) const;
  // The name under the program folder of a file chosen in the open dialog;
  // none when the dialog is cancelled or the file lies outside the folder.
  std::optional<std::string> ChooseLevel() const;
  // The path of the level named in the file name box; none after "File
  // not found!". The name stays as it is whatever happens.
  std::optional<std::string> ExistingLevel() const;
  // Save As: the name for a path chosen in the save dialog, which starts at
  // the level named in the file name box; none when cancelled.
  std::optional<std::string> ChooseSaveName() const;
  // Save: the name, the question before replacing a file, the check with
  // its messages and the write. True when the file was written; a failed
  // write keeps the old file and Saved as they were.
  bool Save(bool customTexts);
  // "Run Emu": the check, the emulator's copy (which does not count as
  // saving the map) and the emulator. Both writes leave a platform being
  // placed out of the file.
  // What the emulator needs and the game folder lacks is said before
  // anything is written; a java that cannot be started is said too.
  // With a start cell ("Play from here"), the emulator's copy has the hero
  // moved there; the map in the editor stays as it is.
  void RunEmulator(bool customTexts, const std::string& argumentString,
                   std::optional<CellPosition> start = std::nullopt);

 private:
  // The check before a write and the removals it implies, with its
  // messages; true when the map may be written.
  bool CheckForWrite(bool customTexts);
  // Shows why the write of the file name failed, in the failure's words;
  // true when it succeeded.
  bool Reported(const WriteOutcome& outcome, const char* failure, const std::string& name);

  MessageBoxes& Boxes;
  EditorSession& Session;
};
