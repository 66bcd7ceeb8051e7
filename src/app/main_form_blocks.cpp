// Block selection and copy, and the export of a selected block as text.

#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/control_panel.h"
#include "app/main_form.h"
#include "app/message_boxes.h"
#include "app/screen_output.h"

void TMainForm::ConnectBlocks() {
  connect(Panel1->BSelectTiles, &QPushButton::clicked, this, [this] { BSelectTilesClick(); });
  connect(Panel1->BCopyTiles, &QPushButton::clicked, this, [this] { BCopyTilesClick(); });
  connect(Panel1->BLoadScreenOutput, &QPushButton::clicked, this,
          [this] { BLoadScreenOutputClick(); });
}

void TMainForm::ClearModeSelection() {
  const QSignalBlocker programChange(Panel1->LBMode);
  Panel1->LBMode->clearSelection();
  Panel1->LBMode->setCurrentRow(-1);
}

void TMainForm::BSelectTilesClick() {
  EndPlatformPlacement();
  SelectTilesClick(Editor, Cells);
  ClearModeSelection();
}

void TMainForm::BCopyTilesClick() {
  EndPlatformPlacement();
  CopyTilesClick(Editor, Cells);
  ClearModeSelection();
}

// With fewer than two selected cells there is no block, and nothing is shown.
void TMainForm::BLoadScreenOutputClick() {
  const std::optional<std::string> text = ScreenOutputText(*EditedMap, Cells);
  if (text) Boxes.ShowMessage(QString::fromStdString(*text));
}
