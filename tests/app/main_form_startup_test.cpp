#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <utility>

#include "app/control_panel.h"
#include "app/edit_platform.h"
#include "main_form_fixture.h"
#include "model/map.h"
#include "model/message_texts.h"
#include "app/draw_surface.h"
#include "view/tile_set.h"

namespace {

QString CaptionOf(const QWidget* widget) {
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  return QStringLiteral("<no caption>");
}

}  // namespace

TEST_F(MainFormTest, WindowIsCaptionedAndHasNoCaptionButtons) {
  EXPECT_EQ(Form->windowTitle(), QStringLiteral("Zubo Editor"));
  const Qt::WindowFlags flags = Form->windowFlags();
  EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
}

TEST_F(MainFormTest, WindowCoversScreenWidthAndHeightLessFifty) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(Form->frameGeometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(Form->width(), screen.width());
  EXPECT_EQ(Form->height(), screen.height() - 50);
}

TEST_F(MainFormTest, WindowFontIsSansSerifAtElevenPixels) {
  EXPECT_EQ(Form->font().pixelSize(), 11);
  EXPECT_EQ(Find<QWidget>("LMapWidth")->font().pixelSize(), 11);
  EXPECT_EQ(Find<QWidget>("BSave")->font().pixelSize(), 16);
  EXPECT_EQ(Find<QWidget>("LFile")->font().pixelSize(), 16);
  EXPECT_EQ(Find<QWidget>("BSelectTiles")->font().pixelSize(), 8);
  const QFont runEmu = Find<QWidget>("BRunEmu")->font();
  EXPECT_EQ(runEmu.pixelSize(), 16);
  EXPECT_TRUE(runEmu.bold());
  EXPECT_FALSE(Find<QToolButton>("IBOpenFile")->icon().isNull());
}

TEST_F(MainFormTest, EveryCaptionIsTheRunTimeOne) {
  const std::pair<const char*, const char*> captions[] = {
      {"BDown", "Down"},
      {"BExit", "Exit"},
      {"BHelp", "Help"},
      {"BLeft", "Left"},
      {"BNew", "New"},
      {"BRight", "Right"},
      {"BRunEmu", "Run Emu"},
      {"BSave", "Save"},
      {"BUp", "Up"},
      {"CBRiseDown", "Rise down"},
      {"CBRiseLeft", "Rise left"},
      {"CBShowBG", "Show BG tiles"},
      {"CBShowFG", "Show FG tiles"},
      {"CBShowMG", "Show MG tiles"},
      {"CBShowObjects", "Show objects"},
      {"CBShowPlatforms", "Show platform"},
      {"CBZoomed", "Zoomed"},
      {"LBackground", "Background"},
      {"LFile", "File"},
      {"LMapHeight", "Map height"},
      {"LMapWidth", "Map width"},
      {"LScreenHeight", "Screen height"},
      {"LScreenWidth", "Screen width"},
      {"LSelected", "Selected"},
      {"LZoom", "Zoom"},
      {"LCustomTexts", "Custom Texts"},
      {"BCopyTiles", "Copy Tiles"},
      {"BLoadScreenOutput", "Load Screen Output"},
      {"BSelectPrimaryChar", "Select Primary Char"},
      {"BSelectTiles", "Select Tiles"},
      {"LNumUsedBGTiles", "Num used BG tiles"},
      {"LNumUsedMGTiles", "Num used MG tiles"},
      {"LNumUsedFGTiles", "Num used FG tiles"},
      {"LCustomTextsLinerNumber", "ID:"},
  };
  for (const auto& [name, caption] : captions) {
    const QWidget* widget = Find<QWidget>(name);
    if (widget) {
      EXPECT_EQ(CaptionOf(widget), QString::fromLatin1(caption)) << name;
    }
  }
}

TEST_F(MainFormTest, UpDownsHaveTheirRangesAndStartValues) {
  struct Expected {
    const char* Name;
    const char* Edit;
    int Minimum;
    int Maximum;
    int Value;
  };
  const Expected upDowns[] = {
      {"UDWidth", "EWidth", 1, 255, 20},
      {"UDHeight", "EHeight", 1, 255, 20},
      {"UDZoom", "EZoom", 2, 100, 10},
      {"UDSel", "ESel", 0, 1000, 1},
      {"UDScreenWidth", "EScreenWidth", 10, 1000, 240},
      {"UDScreenHeight", "EScreenHeight", 10, 1000, 320},
  };
  for (const Expected& expected : upDowns) {
    auto* spin = Find<QSpinBox>(expected.Name);
    if (!spin) continue;
    EXPECT_EQ(spin->minimum(), expected.Minimum) << expected.Name;
    EXPECT_EQ(spin->maximum(), expected.Maximum) << expected.Name;
    EXPECT_EQ(spin->value(), expected.Value) << expected.Name;
    EXPECT_EQ(spin->text(), QString::number(expected.Value)) << expected.Name;
    auto* edit = Find<QLineEdit>(expected.Edit);
    EXPECT_TRUE(edit && spin->isAncestorOf(edit)) << expected.Edit;
  }
  // The emulator reads the text: no thousands separator.
  auto* screenWidth = Find<QSpinBox>("UDScreenWidth");
  screenWidth->setValue(1000);
  EXPECT_EQ(screenWidth->text(), QStringLiteral("1000"));
}

TEST_F(MainFormTest, SwitchesListsAndEditsStartAsLaidOut) {
  EXPECT_TRUE(Find<QCheckBox>("CBZoomed")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("CBRiseLeft")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("CBRiseDown")->isChecked());
  for (const char* name :
       {"CBShowBG", "CBShowMG", "CBShowFG", "CBShowPlatforms", "CBShowObjects"}) {
    EXPECT_TRUE(Find<QCheckBox>(name)->isChecked()) << name;
  }
  for (const char* name : {"CBRiseLeft", "CBRiseDown", "CBZoomed"}) {
    EXPECT_EQ(Find<QCheckBox>(name)->layoutDirection(), Qt::RightToLeft) << name;
  }

  auto* background = Find<QComboBox>("CBBackground");
  ASSERT_EQ(background->count(), 3);
  EXPECT_EQ(background->itemText(0), QStringLiteral("sewers"));
  EXPECT_EQ(background->itemText(1), QStringLiteral("egypt"));
  EXPECT_EQ(background->itemText(2), QStringLiteral("jungle"));
  EXPECT_EQ(background->currentIndex(), 0);

  auto* modes = Find<QListWidget>("LBMode");
  const char* names[] = {"Background", "Midground", "Foreground", "Objects",
                         "Chars",      "Springs",   "Platforms",  "Texts"};
  ASSERT_EQ(modes->count(), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(modes->item(i)->text(), QString::fromLatin1(names[i]));
  EXPECT_EQ(modes->currentRow(), 0);

  EXPECT_TRUE(Find<QLineEdit>("ESoubor")->text().isEmpty());
  for (const char* name : {"EBGTiles", "EMGTiles", "EFGTiles"}) {
    auto* counter = Find<QLineEdit>(name);
    EXPECT_EQ(counter->text(), QStringLiteral("0")) << name;
    EXPECT_TRUE(counter->isReadOnly()) << name;
  }
  auto* memo = Find<QPlainTextEdit>("MCustomTexts");
  EXPECT_TRUE(memo->toPlainText().isEmpty());
  EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(MainFormTest, CustomTextsPanelReplacesSpecialPanel) {
  EXPECT_TRUE(CustomTextsShown());
  auto* special = Find<QWidget>("SpecialPanel");
  auto* texts = Find<QWidget>("CustomTextsPanel");
  EXPECT_FALSE(special->isVisible());
  EXPECT_TRUE(texts->isVisible());
  EXPECT_EQ(special->geometry(), texts->geometry());
  for (const char* name :
       {"EBGTiles", "BSelectPrimaryChar", "BSelectTiles", "BCopyTiles", "BLoadScreenOutput"}) {
    EXPECT_FALSE(Find<QWidget>(name)->isVisible()) << name;
  }
  EXPECT_TRUE(Find<QWidget>("MCustomTexts")->isVisible());
}

TEST_F(MainFormTest, OnlyTheMemoIsInTheTabOrder) {
  const QWidget* panel = &Panel();
  const QWidget* memo = Find<QWidget>("MCustomTexts");
  int clickable = 0;
  for (const QWidget* widget : panel->findChildren<QWidget*>()) {
    if (widget == memo || memo->isAncestorOf(widget)) continue;
    EXPECT_FALSE(widget->focusPolicy() & Qt::TabFocus) << widget->objectName().toStdString();
    if (widget->focusPolicy() == Qt::ClickFocus) ++clickable;
  }
  EXPECT_GT(clickable, 20);
  EXPECT_TRUE(memo->focusPolicy() & Qt::TabFocus);
}

TEST_F(MainFormTest, StartsWithAnEmptyMapAndStartState) {
  const Map& map = TheMap();
  EXPECT_EQ(map.Width, 20);
  EXPECT_EQ(map.Height, 20);
  EXPECT_EQ(map.Background, 0);
  EXPECT_EQ(map.PrimaryCharX, -1);
  EXPECT_TRUE(map.Saved);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolPlaceTile);
  EXPECT_EQ(Tools().State().ActiveLayer, 0);
  EXPECT_EQ(Tools().State().SelectedIndex, 1);
  EXPECT_EQ(Session->View.CameraX, 0);
  EXPECT_EQ(Session->View.CameraY, 0);
  EXPECT_EQ(Session->View.Zoom, 10);
  EXPECT_EQ(Session->Sets.BaseTileSize, 16);
  EXPECT_EQ(Session->View.CellSize, 16);
  EXPECT_EQ(Session->Sets.DXBG.ImageCount(), TileFolder::BackgroundCount);
}

TEST_F(MainFormTest, RedrawTimerRunsAndCameraTimerWaits) {
  EXPECT_TRUE(RedrawTimer()->isActive());
  EXPECT_EQ(RedrawTimer()->interval(), 300);
  EXPECT_FALSE(CameraTimer()->isActive());
  EXPECT_EQ(CameraTimer()->interval(), 1);
}

TEST_F(MainFormTest, PlatformDialogIsCreatedHidden) {
  TEditPlatform* dialog = EditPlatform();
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Platform properties"));
  EXPECT_TRUE(dialog->isModal());
}

TEST_F(MainFormTest, MapMirrorsSizeAndBackgroundControls) {
  Find<QSpinBox>("UDWidth")->setValue(33);
  Find<QSpinBox>("UDHeight")->setValue(7);
  EXPECT_EQ(TheMap().Width, 33);
  EXPECT_EQ(TheMap().Height, 7);
  auto* background = Find<QComboBox>("CBBackground");
  background->setCurrentIndex(2);
  EXPECT_EQ(TheMap().Background, 2);
  TheMap().Saved = true;
  background->setCurrentIndex(0);
  EXPECT_TRUE(TheMap().Saved);
}

TEST_F(MainFormTest, ChoosingABackgroundMarksTheMapNotSaved) {
  auto* background = Find<QComboBox>("CBBackground");
  ASSERT_TRUE(TheMap().Saved);
  background->setFocus();
  QTest::keyClick(background, Qt::Key_Down);
  EXPECT_EQ(background->currentIndex(), 1);
  EXPECT_EQ(TheMap().Background, 1);
  EXPECT_FALSE(TheMap().Saved);
}

TEST(MainFormStartUp, MissingFirstBackgroundImageStopsWithItsName) {
  TileFolder folder(false);
  ASSERT_TRUE(folder.IsValid());
  FakeMessageBoxes boxes;
  EditorSession session;
  Autosave autosave;
  TMainForm form(boxes, session, autosave);
  EXPECT_FALSE(form.StartUp());
  ASSERT_EQ(boxes.Messages.size(), 1);
  EXPECT_TRUE(boxes.Messages.first().contains(QStringLiteral("img_bg/0.png")))
      << boxes.Messages.first().toStdString();
  EXPECT_FALSE(form.findChild<QTimer*>(QStringLiteral("Timer"))->isActive());
}

TEST(MainFormStartUp, MissingPrimaryMarkerStopsWithItsName) {
  TileFolder folder;
  ASSERT_TRUE(folder.IsValid());
  ASSERT_TRUE(QFile::remove(QStringLiteral("img_chars/primary.png")));
  FakeMessageBoxes boxes;
  EditorSession session;
  Autosave autosave;
  TMainForm form(boxes, session, autosave);
  EXPECT_FALSE(form.StartUp());
  ASSERT_EQ(boxes.Messages.size(), 1);
  EXPECT_TRUE(boxes.Messages.first().contains(QStringLiteral("primary.png")))
      << boxes.Messages.first().toStdString();
}

TEST(MainFormStartUp, StartsWithTheSampleTileSets) {
  const QString programDir = QStringLiteral(ZUBO_PROGRAM_DIR);
  if (!QFile::exists(programDir + QStringLiteral("/img_bg/0.png"))) {
    GTEST_SKIP() << "no sample tile sets in " << ZUBO_PROGRAM_DIR;
  }
  const QString previous = QDir::currentPath();
  QDir::setCurrent(programDir);
  {
    FakeMessageBoxes boxes;
    EditorSession session;
  Autosave autosave;
  TMainForm form(boxes, session, autosave);
    EXPECT_TRUE(form.StartUp());
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.TimerTimer();
    EXPECT_TRUE(boxes.Messages.isEmpty());
    EXPECT_GE(session.Sets.DXBG.ImageCount(), 60);
    // The sample cells are 16 pixels, shown at their own size at zoom 10.
    EXPECT_EQ(session.Sets.BaseTileSize, 16);
    EXPECT_EQ(session.View.CellSize, 16);
  }
  QDir::setCurrent(previous);
}
