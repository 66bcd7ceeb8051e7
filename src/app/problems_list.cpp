#include "app/problems_list.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

ProblemsList::ProblemsList(QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("ProblemsList"));
  setWordWrap(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { Choose(row(item)); });
}

void ProblemsList::Show(const std::vector<MapProblem>& problems) {
  const int chosen = currentRow();
  Listed = problems;
  clear();
  for (const MapProblem& problem : Listed) addItem(QString::fromStdString(ProblemLines(problem)));
  if (Listed.empty()) {
    auto* none = new QListWidgetItem(QStringLiteral("No problems: a save would pass."), this);
    none->setFlags(Qt::NoItemFlags);
    return;
  }
  setCurrentRow(std::clamp(chosen, 0, count() - 1));
}

void ProblemsList::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Choose(currentRow());
    return;
  }
  if (event->matches(QKeySequence::Copy)) {
    if (currentRow() >= 0)
      QApplication::clipboard()->setText(
          QString::fromStdString(Listed[static_cast<size_t>(currentRow())].Text));
    return;
  }
  QListWidget::keyPressEvent(event);
}

void ProblemsList::Choose(int row) {
  if (row < 0 || row >= static_cast<int>(Listed.size()) || !OnChosen) return;
  OnChosen(Listed[static_cast<size_t>(row)]);
}

QString ProblemCount(size_t count) {
  if (count == 0) return {};
  return count == 1 ? QStringLiteral("1 problem") : QStringLiteral("%1 problems").arg(count);
}
