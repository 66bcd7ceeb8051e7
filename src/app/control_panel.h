#pragma once

#include <QFrame>
#include <functional>
#include <string>

#include "view/view_geometry.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class ArrowButton;
class SizeSpinBox;

// Panel1, the control strip along the bottom of the main window, with every
// control at its fixed place. Each edit with its up-down is one QSpinBox,
// named after the up-down; its edit carries the edit's name.
class ControlPanel : public QFrame {
 public:
  static constexpr int PanelHeight = 113;
  static constexpr int PanelLeft = -1;

  explicit ControlPanel(QWidget* parent = nullptr);

  // Panel1MouseDown: a press on the panel's free area.
  std::function<void()> OnMouseDown;
  // LBModeClick: the user chose an entry of the mode list, by a click on it
  // or by changing its selection (a press, a drag across the entries, also
  // one released outside the list, the keyboard).
  std::function<void()> OnModeChosen;

  // The mode list's entry that the program shows chosen (-1: none, for the
  // tools no mode stands for); the program's own change runs no handler.
  void ShowMode(int row);
  int ChosenMode() const;

  // What the program reads from the panel and shows on it.
  ShowSwitches Shows() const;
  int SelectedPosition() const;
  // The screen size and zoom switch the emulator is started with.
  std::string EmulatorArgumentString() const;
  // The map's size and background, shown without running the resize rules.
  void ShowMapValues(int width, int height, int background);
  // The three tile usage counters.
  void ShowTileCounts(int bg, int mg, int fg);
  // Which of the two tool panels shows.
  void ShowCustomTextsPanel(bool shown);

  // File group.
  QLabel* LFile = nullptr;
  QLineEdit* ESoubor = nullptr;
  QToolButton* IBOpenFile = nullptr;
  QPushButton* BSave = nullptr;
  QPushButton* BNew = nullptr;
  QPushButton* BHelp = nullptr;
  QPushButton* BExit = nullptr;
  // The recent levels' menu, right of the tool panels.
  QToolButton* BRecent = nullptr;

  // Map size group.
  QCheckBox* CBRiseLeft = nullptr;
  QLabel* LMapWidth = nullptr;
  SizeSpinBox* UDWidth = nullptr;
  QCheckBox* CBRiseDown = nullptr;
  QLabel* LMapHeight = nullptr;
  SizeSpinBox* UDHeight = nullptr;

  QListWidget* LBMode = nullptr;

  // Camera, zoom, selection and background.
  ArrowButton* BUp = nullptr;
  ArrowButton* BLeft = nullptr;
  ArrowButton* BRight = nullptr;
  ArrowButton* BDown = nullptr;
  QLabel* LZoom = nullptr;
  QSpinBox* UDZoom = nullptr;
  QLabel* LSelected = nullptr;
  QSpinBox* UDSel = nullptr;
  QLabel* LBackground = nullptr;
  QComboBox* CBBackground = nullptr;

  // Emulator group.
  QPushButton* BRunEmu = nullptr;
  QLabel* LScreenWidth = nullptr;
  QSpinBox* UDScreenWidth = nullptr;
  QLabel* LScreenHeight = nullptr;
  QSpinBox* UDScreenHeight = nullptr;
  QCheckBox* CBZoomed = nullptr;
  // The phone's screen drawn on the map (also the key P).
  QCheckBox* CBScreen = nullptr;
  // "Select Primary Char" beside the custom texts (also the key Z).
  QPushButton* BPrimaryChar = nullptr;

  // Display switches.
  QCheckBox* CBShowBG = nullptr;
  QCheckBox* CBShowMG = nullptr;
  QCheckBox* CBShowFG = nullptr;
  QCheckBox* CBShowPlatforms = nullptr;
  QCheckBox* CBShowObjects = nullptr;

  // The special tools panel.
  QWidget* SpecialPanel = nullptr;
  QLabel* LNumUsedBGTiles = nullptr;
  QLineEdit* EBGTiles = nullptr;
  QLabel* LNumUsedMGTiles = nullptr;
  QLineEdit* EMGTiles = nullptr;
  QLabel* LNumUsedFGTiles = nullptr;
  QLineEdit* EFGTiles = nullptr;
  QPushButton* BSelectPrimaryChar = nullptr;
  QPushButton* BSelectTiles = nullptr;
  QPushButton* BCopyTiles = nullptr;
  QPushButton* BLoadScreenOutput = nullptr;
  // Ctrl+H's "Replace tiles", beside the special tools.
  QPushButton* BReplaceTiles = nullptr;

  // The custom texts panel, in the same place.
  QWidget* CustomTextsPanel = nullptr;
  QLabel* LCustomTexts = nullptr;
  QLabel* LCustomTextsLinerNumber = nullptr;
  QPlainTextEdit* MCustomTexts = nullptr;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildFileGroup();
  void BuildMapSizeGroup();
  void BuildModeList();
  void BuildViewGroup();
  void BuildEmulatorGroup();
  void BuildDisplaySwitches();
  void BuildSpecialPanel();
  void BuildCustomTextsPanel();
  void LeaveTabOrder();
  // The wheel steps a spin box or drop-down list only while it holds the
  // focus, and the arrow keys on a button or check box move no focus.
  void GuardWheelAndArrows();
  // The entry shown selected is always the mode in force.
  void ModeSelectionChanged();
};
