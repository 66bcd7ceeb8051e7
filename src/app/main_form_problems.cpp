// The problems a save would meet, all at once beside the map (F8), their
// count, the cell under the pointer, and the phone's screen on the map.

#include <QCheckBox>
#include <QKeySequence>
#include <QSpinBox>
#include <algorithm>
#include <QLabel>
#include <QShortcut>
#include <QToolButton>

#include "app/control_panel.h"
#include "app/level_navigator.h"
#include "app/draw_surface.h"
#include "app/main_form.h"
#include "app/problems_list.h"
#include "app/wheel_navigation.h"
#include "editing/editor_session.h"
#include "levelfile/validation.h"
#include "model/map.h"
#include "view/map_overlays.h"

namespace {

constexpr int ProblemsWidth = 420;
constexpr int StatusHeight = 22;

}  // namespace

void TMainForm::ConnectProblems() {
  BProblems = new QToolButton(this);
  BProblems->setObjectName(QStringLiteral("BProblems"));
  BProblems->setFocusPolicy(Qt::NoFocus);
  BProblems->hide();
  connect(BProblems, &QToolButton::clicked, this, [this] { ToggleProblems(); });
  LPointerCell = new QLabel(this);
  LPointerCell->setObjectName(QStringLiteral("LPointerCell"));
  LPointerCell->setAttribute(Qt::WA_TransparentForMouseEvents);
  LPointerCell->hide();
  LPointerCell->setStyleSheet(
      QStringLiteral("background: rgba(0, 0, 0, 160); color: white; padding: 1px 4px;"));
  ProblemsView = new ProblemsList(this);
  ProblemsView->hide();
  ProblemsView->OnChosen = [this](const MapProblem& problem) { ProblemChosen(problem); };
  auto* f8 = new QShortcut(QKeySequence(Qt::Key_F8), this);
  connect(f8, &QShortcut::activated, this, [this] { ToggleProblems(); });
  PlaceProblems();

  auto* p = new QShortcut(QKeySequence(Qt::Key_P), this, nullptr, nullptr, Qt::WidgetShortcut);
  connect(p, &QShortcut::activated, this, [this] { Panel1->CBScreen->toggle(); });
  connect(Panel1->CBScreen, &QCheckBox::toggled, this, [this] { RedrawView(); });
  for (QSpinBox* size : {Panel1->UDScreenWidth, Panel1->UDScreenHeight})
    connect(size, qOverload<int>(&QSpinBox::valueChanged), this, [this] { RedrawView(); });
}

// The game shows EScreenWidth x EScreenHeight of its pixels, one map cell
// per base tile size: one rectangle with its bottom-left at the pointer's
// last cell on the map, one around the primary char.
ScreenOverlay TMainForm::PhoneScreen() const {
  ScreenOverlay screen;
  if (!Panel1->CBScreen->isChecked()) return screen;
  const int width = Panel1->UDScreenWidth->value();
  const int height = Panel1->UDScreenHeight->value();
  const int tile = std::max(1, Session.Sets.BaseTileSize);
  screen.Following = ScreenAtCell(ScreenAnchor.X, ScreenAnchor.Y, width, height, tile);
  const Map& map = Session.Document.GetMap();
  if (map.PrimaryCharIsValid())
    screen.First = ScreenAroundCell(map.PrimaryCharX, map.PrimaryCharY, width, height, tile,
                                    map.Width, map.Height);
  return screen;
}

// Over the map's top-left corner: the count and the pointer's cell, and
// below them the list while it is shown.
void TMainForm::PlaceProblems() {
  if (!ProblemsView) return;
  BProblems->adjustSize();
  BProblems->move(0, 0);
  LPointerCell->adjustSize();
  LPointerCell->move(BProblems->isVisible() ? BProblems->width() + 4 : 0, 0);
  ProblemsView->setGeometry(0, StatusHeight, std::min(ProblemsWidth, DXDraw->width()),
                            std::max(0, DXDraw->height() - StatusHeight));
  for (QWidget* widget : {static_cast<QWidget*>(ProblemsView), static_cast<QWidget*>(BProblems),
                          static_cast<QWidget*>(LPointerCell)})
    widget->raise();
  Levels->PlaceStateLine(DXDraw->geometry());
}

void TMainForm::ToggleProblems() {
  if (ProblemsView->isVisible()) {
    ProblemsView->hide();
    FocusWindow();
    return;
  }
  RefreshProblems(true);
  ProblemsView->show();
  ProblemsView->setCurrentRow(ProblemsView->Problems().empty() ? -1 : 0);
  ProblemsView->setFocus();
}

// Worked out again only when the map or the check's switch changed since,
// or, forced, for a list about to be shown.
void TMainForm::RefreshProblems(bool force) {
  const uint64_t revision = Session.Document.Revision();
  if (MarkedCell && revision != MarkedRevision) MarkedCell.reset();
  if (!force && revision == ProblemsRevision && CustomTextsSwitch == ProblemsCustomTexts) return;
  ProblemsRevision = revision;
  ProblemsCustomTexts = CustomTextsSwitch;
  const std::vector<MapProblem> problems =
      FindProblems(Session.Document.GetMap(), CustomTextsSwitch);
  const QString count = ProblemCount(problems.size());
  BProblems->setText(count);
  BProblems->setVisible(!count.isEmpty());
  // A hidden list is filled when it is shown.
  if (force || ProblemsView->isVisible()) ProblemsView->Show(problems);
  PlaceProblems();
}

// The cell comes into the middle of the view and is marked until the next
// edit or click.
void TMainForm::ProblemChosen(const MapProblem& problem) {
  if (!problem.Cell) return;
  CentreOnCell(Session.View, problem.Cell->X, problem.Cell->Y);
  MarkedCell = CellPosition{problem.Cell->X, problem.Cell->Y};
  MarkedRevision = Session.Document.Revision();
  RedrawView();
}

// Column and row as the messages count them; nothing off the map.
void TMainForm::ShowPointerCell(int x, int y) {
  const CellPosition cell = PointToCell(Session.View, x, y);
  std::optional<CellPosition> shown;
  if (Session.Document.GetMap().InUse(cell.X, cell.Y)) shown = cell;
  if (shown == PointerCell) return;
  PointerCell = shown;
  if (shown) ScreenAnchor = *shown;
  LPointerCell->setText(shown ? QStringLiteral("%1, %2").arg(cell.X).arg(cell.Y) : QString());
  LPointerCell->setVisible(shown.has_value());
  LPointerCell->adjustSize();
  RedrawView();
}
