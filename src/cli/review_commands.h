#pragma once

#include <string>
#include <vector>

// The commands for levels under version control and for many levels at
// once: the text form for diffs, the comparison of two levels, and the
// check of many files.

// dump --text FILE
int DumpTextCommand(const std::string& path);

// diff [--json] OLD NEW, or, with git's seven arguments of an external diff
// driver (PATH OLD-FILE OLD-HEX OLD-MODE NEW-FILE NEW-HEX NEW-MODE), the
// same for git, which reads any status but 0 as a failure.
int DiffCommand(const std::vector<std::string>& args);

// validate [--all-problems] FILE...: with several files each line starts
// with its file; the status is the worst of all.
int ValidateFilesCommand(const std::vector<std::string>& args);
