#pragma once

#include <QString>
#include <string>
#include <vector>

class QPlainTextEdit;

// The custom text lines that the memo's text holds, one per line, each as
// Latin-1 bytes with "?" for a character outside Latin-1. An empty memo
// holds no lines.
std::vector<std::string> CustomTextLines(const QPlainTextEdit& memo);

// The memo text that shows the lines, one per line. When the last line is
// empty the text ends with a line break, so that every line counts.
QString CustomTextsMemoText(const std::vector<std::string>& lines);


// The text identifier of the line being edited: the 1-based number of the
// line that holds the start of the memo's selection (the caret when nothing
// is selected).
int EditedCustomTextId(const QPlainTextEdit& memo);
