// The wheel over the drawing surface: Ctrl + wheel zooms at the pointer, the
// wheel scrolls rows, Shift + wheel scrolls columns, all within the bounds
// of the arrow keys.

#include "app/wheel_navigation.h"

#include <QSpinBox>
#include <QWheelEvent>

#include "view/view_geometry.h"
#include "editing_fixture.h"

TEST(WheelZoom, StepsAboutAFifthPerNotchWithinTheRange) {
  struct Case {
    int Zoom;
    int Notches;
    int Expected;
  };
  const Case cases[] = {{10, 1, 12},  {12, 1, 14},  {14, 1, 17},  {17, 1, 20},   {10, 4, 20},
                        {20, -1, 17}, {17, -1, 14}, {14, -1, 12}, {12, -1, 10},  {2, 1, 3},
                        {3, -1, 2},   {2, -1, 2},   {95, 1, 100}, {100, 3, 100}, {10, 0, 10}};
  for (const Case& c : cases)
    EXPECT_EQ(WheelZoom(c.Zoom, c.Notches, 2, 100), c.Expected) << c.Zoom << " " << c.Notches;
}

TEST(WheelNotches, PartsOfANotchAddUpAndTurningBackDropsThem) {
  WheelNotches wheel;
  const int deltas[] = {40, 40, 39, 1, 240, -30, -100, 10};
  const int expected[] = {0, 0, 0, 1, 2, 0, -1, 0};
  for (size_t i = 0; i < std::size(deltas); ++i)
    EXPECT_EQ(wheel.Add(deltas[i]), expected[i]) << "step " << i;
}

// Ctrl zooms, the wheel scrolls rows, Shift or a sideways wheel columns;
// turned away from the user it shows higher rows and the columns to the left.
TEST(SurfaceWheel, TurnsIntoAZoomOrACameraMove) {
  struct Case {
    int X, Y;
    bool Zoom, Sideways;
    WheelTurn Expected;
  };
  const Case cases[] = {{0, 120, true, false, {12, 0, 0}},  {0, -120, false, false, {10, 0, -3}},
                        {0, 240, false, true, {10, -6, 0}}, {-120, 0, false, false, {10, 3, 0}},
                        {0, 60, false, false, {10, 0, 0}}};
  for (const Case& c : cases) {
    SurfaceWheel wheel;
    const WheelTurn turn = wheel.Turn(c.X, c.Y, c.Zoom, c.Sideways, 10, 2, 100);
    EXPECT_EQ(turn.Zoom, c.Expected.Zoom) << c.X << " " << c.Y;
    EXPECT_EQ(turn.Columns, c.Expected.Columns) << c.X << " " << c.Y;
    EXPECT_EQ(turn.Rows, c.Expected.Rows) << c.X << " " << c.Y;
  }
}

namespace {

class WheelTest : public EditingTest {
 protected:
  void SetUp() override {
    EditingTest::SetUp();
    SetMapSize(200, 200);
  }

  void Wheel(QPoint pixel, QPoint angle, Qt::KeyboardModifiers modifiers = {}) {
    QWheelEvent event(pixel, Surface()->mapToGlobal(pixel), QPoint(), angle, Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Surface(), &event);
  }
  int Zoom() const { return Panel().UDZoom->value(); }
};

}  // namespace

TEST_F(WheelTest, CtrlWheelZoomsThroughTheZoomControlKeepingTheCellUnderThePointer) {
  struct Case {
    int Delta;  // in eighths of a degree, sent in pieces of Piece
    int Piece;
    int Expected;
  };
  const Case cases[] = {{120, 120, 12}, {-120, -120, 10}, {240, 240, 14},
                        {120, 30, 17},  {90, 30, 17},     {-360, -120, 10}};
  Session->View.CameraX = 40;
  Session->View.CameraY = 50;
  const QPoint pointer(View().ViewWidth / 2 + 7, View().ViewHeight / 2 - 5);
  for (const Case& c : cases) {
    const CellPosition before = PointToCell(View(), pointer.x(), pointer.y());
    for (int sent = 0; sent != c.Delta; sent += c.Piece)
      Wheel(pointer, QPoint(0, c.Piece), Qt::ControlModifier);
    EXPECT_EQ(Zoom(), c.Expected) << c.Delta;
    EXPECT_EQ(View().Zoom, c.Expected);  // EZoomChange ran
    EXPECT_EQ(View().CellSize, c.Expected * 16 / 10);
    EXPECT_EQ(PointToCell(View(), pointer.x(), pointer.y()), before) << c.Delta;
  }
}

TEST_F(WheelTest, ZoomingOutNearTheOriginKeepsTheCameraWithinItsBounds) {
  Session->View.CameraX = 1;
  Session->View.CameraY = 1;
  Wheel(QPoint(View().ViewWidth - 1, 0), QPoint(0, -120), Qt::ControlModifier);
  EXPECT_EQ(Zoom(), 8);
  EXPECT_EQ(View().CameraX, 0);
  EXPECT_EQ(View().CameraY, 0);
}

TEST_F(WheelTest, WheelScrollsThreeCellsPerNotchWithinTheCameraBounds) {
  const int topBound = 255 - View().ViewHeight / View().CellSize;
  const int rightBound = 255 - View().ViewWidth / View().CellSize;
  struct Case {
    int CameraX, CameraY;
    QPoint Angle;
    Qt::KeyboardModifiers Modifiers;
    int ExpectedX, ExpectedY;
  };
  const Case cases[] = {
      {10, 10, {0, 120}, {}, 10, 13},                      // up shows higher rows
      {10, 10, {0, -240}, {}, 10, 4},                      // two notches down
      {10, 1, {0, -120}, {}, 10, 0},                       // the bottom bound
      {10, topBound - 1, {0, 120}, {}, 10, topBound},      // the top bound
      {10, topBound + 2, {0, 120}, {}, 10, topBound + 2},  // beyond it: no further
      {10, 10, {0, 120}, Qt::ShiftModifier, 7, 10},        // Shift: left
      {10, 10, {0, -120}, Qt::ShiftModifier, 13, 10},      // Shift: right
      {2, 10, {0, 120}, Qt::ShiftModifier, 0, 10},         // the left bound
      {rightBound - 1, 10, {0, -120}, Qt::ShiftModifier, rightBound, 10},
      {10, 10, {-120, 0}, {}, 13, 10},  // a sideways wheel
      {10, 10, {0, 60}, {}, 10, 10},    // half a notch
  };
  for (const Case& c : cases) {
    Session->View.CameraX = c.CameraX;
    Session->View.CameraY = c.CameraY;
    Wheel(QPoint(100, 100), c.Angle, c.Modifiers);
    EXPECT_EQ(View().CameraX, c.ExpectedX) << c.Angle.x() << "," << c.Angle.y();
    EXPECT_EQ(View().CameraY, c.ExpectedY) << c.Angle.x() << "," << c.Angle.y();
  }
  EXPECT_EQ(Zoom(), 10);
}
