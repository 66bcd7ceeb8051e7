#pragma once

#include <QListWidget>
#include <functional>
#include <vector>

#include "levelfile/map_problem.h"

// Every problem a save would meet, one entry each, in the order a save
// meets them, with the rule behind it on a second line. A click or Return
// on an entry chooses it; Ctrl+C copies the chosen entry's text.
class ProblemsList : public QListWidget {
 public:
  explicit ProblemsList(QWidget* parent);

  // Lists the problems; the chosen row stays chosen while there is one.
  void Show(const std::vector<MapProblem>& problems);
  const std::vector<MapProblem>& Problems() const { return Listed; }

  std::function<void(const MapProblem&)> OnChosen;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Choose(int row);

  std::vector<MapProblem> Listed;
};

// "3 problems", "1 problem", or nothing when there are none.
QString ProblemCount(size_t count);
