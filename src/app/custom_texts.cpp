#include "app/custom_texts.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr char32_t OutsideLatin1 = '?';
constexpr char32_t LastLatin1 = 0xFF;

// One byte per character; a character outside Latin-1 (also one written
// with two UTF-16 units) becomes one "?".
std::string Latin1Line(const QString& line) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(line.size()));
  for (const char32_t character : line.toUcs4())
    bytes += static_cast<char>(character <= LastLatin1 ? character : OutsideLatin1);
  return bytes;
}

}  // namespace

// Each line is one block of the memo's document (the memo does not wrap).
// The blocks' own texts keep every character, where the plain text would
// turn a no-break space into a blank.
std::vector<std::string> CustomTextLines(const QPlainTextEdit& memo) {
  const QTextDocument& document = *memo.document();
  std::vector<std::string> lines;
  if (document.isEmpty()) return lines;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    lines.push_back(Latin1Line(block.text()));
  return lines;
}

QString CustomTextsMemoText(const std::vector<std::string>& lines) {
  QString text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += QLatin1Char('\n');
    text += QString::fromLatin1(lines[i].data(), static_cast<qsizetype>(lines[i].size()));
  }
  // The memo's empty last line does not count: an empty last line of the
  // texts needs one more line break to stay a line.
  if (!lines.empty() && lines.back().empty()) text += QLatin1Char('\n');
  return text;
}

int EditedCustomTextId(const QPlainTextEdit& memo) {
  const int start = memo.textCursor().selectionStart();
  return memo.document()->findBlock(start).blockNumber() + 1;
}
