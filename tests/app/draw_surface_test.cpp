#include "app/draw_surface.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

namespace {

struct Press {
  Qt::MouseButton Button = Qt::NoButton;
  int X = 0;
  int Y = 0;
};

void Send(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

}  // namespace

TEST(DrawSurface, BufferFollowsTheWidgetsSize) {
  TDrawSurface surface;
  surface.resize(0, 0);
  EXPECT_FALSE(surface.IsReady());
  surface.resize(120, 80);
  surface.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
  ASSERT_TRUE(surface.IsReady());
  EXPECT_EQ(surface.Buffer().size(), QSize(120, 80));
  EXPECT_EQ(surface.Buffer().format(), QImage::Format_ARGB32_Premultiplied);
  surface.resize(200, 50);
  QApplication::processEvents();
  EXPECT_EQ(surface.Buffer().size(), QSize(200, 50));
  EXPECT_TRUE(surface.hasMouseTracking());
}

TEST(DrawSurface, FlipShowsTheBuffer) {
  TDrawSurface surface;
  surface.resize(60, 40);
  surface.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
  surface.Buffer().fill(QColor(0, 31, 27));
  QPainter(&surface.Buffer()).fillRect(10, 10, 5, 5, QColor(255, 0, 0));
  surface.Flip();
  const QImage shown = surface.grab().toImage();
  EXPECT_EQ(shown.pixel(12, 12), qRgb(255, 0, 0));
  EXPECT_EQ(shown.pixel(30, 30), qRgb(0, 31, 27));
}

TEST(DrawSurface, MouseEventsArePassedOnInSurfacePixels) {
  TDrawSurface surface;
  surface.resize(100, 100);
  surface.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
  Press down;
  Press up;
  std::vector<QPoint> moves;
  surface.OnMouseDown = [&](Qt::MouseButton button, int x, int y, Qt::KeyboardModifiers) {
    down = {button, x, y};
  };
  surface.OnMouseUp = [&](Qt::MouseButton button, int x, int y) { up = {button, x, y}; };
  surface.OnMouseMove = [&](int x, int y) { moves.emplace_back(x, y); };

  QTest::mousePress(&surface, Qt::RightButton, Qt::NoModifier, QPoint(12, 34));
  EXPECT_EQ(down.Button, Qt::RightButton);
  EXPECT_EQ(down.X, 12);
  EXPECT_EQ(down.Y, 34);
  Send(surface, QEvent::MouseMove, QPoint(-5, 140), Qt::NoButton, Qt::RightButton);
  QTest::mouseRelease(&surface, Qt::RightButton, Qt::NoModifier, QPoint(40, 50));
  EXPECT_EQ(up.Button, Qt::RightButton);
  EXPECT_EQ(up.X, 40);
  EXPECT_EQ(up.Y, 50);
  Send(surface, QEvent::MouseMove, QPoint(7, 8), Qt::NoButton, Qt::NoButton);
  ASSERT_GE(moves.size(), 2u);
  EXPECT_NE(std::find(moves.begin(), moves.end(), QPoint(-5, 140)), moves.end());
  EXPECT_EQ(moves.back(), QPoint(7, 8));
}

TEST(DrawSurface, EventsWithoutHandlersAreHarmless) {
  TDrawSurface surface;
  surface.resize(50, 50);
  Send(surface, QEvent::MouseButtonPress, QPoint(3, 3), Qt::LeftButton, Qt::LeftButton);
  Send(surface, QEvent::MouseMove, QPoint(4, 4), Qt::NoButton, Qt::LeftButton);
  Send(surface, QEvent::MouseButtonRelease, QPoint(4, 4), Qt::LeftButton, Qt::NoButton);
  EXPECT_FALSE(surface.OnMouseDown);
}
