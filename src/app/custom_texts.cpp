#include "app/custom_texts.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include "model/latin1_text.h"

// Each line is one block of the memo's document (the memo does not wrap).
// The blocks' own texts keep every character, where the plain text would
// turn a no-break space into a blank.
std::vector<std::string> CustomTextLines(const QPlainTextEdit& memo) {
  const QTextDocument& document = *memo.document();
  std::vector<std::string> lines;
  if (document.isEmpty()) return lines;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    lines.push_back(Utf8ToLatin1(block.text().toStdString()));
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
