#include "view/pixel_drawing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

namespace {

const QColor Ink(255, 0, 0);

class PixelDrawingTest : public ::testing::Test {
 protected:
  PixelDrawingTest() : Image(40, 30, QImage::Format_ARGB32_Premultiplied) { Image.fill(Qt::black); }

  void Line(QPoint from, QPoint to) {
    QPainter painter(&Image);
    DrawLine(painter, from, to, Ink, Image.width(), Image.height());
  }

  bool Inked(int x, int y) const { return Image.pixel(x, y) == Ink.rgb(); }

  int InkCount() const {
    int count = 0;
    for (int y = 0; y < Image.height(); ++y) {
      for (int x = 0; x < Image.width(); ++x) count += Inked(x, y) ? 1 : 0;
    }
    return count;
  }

  QImage Image;
};

}  // namespace

TEST_F(PixelDrawingTest, LinesExcludeTheirEndPoint) {
  Line({2, 3}, {10, 3});
  EXPECT_TRUE(Inked(2, 3));
  EXPECT_TRUE(Inked(9, 3));
  EXPECT_FALSE(Inked(10, 3));
  EXPECT_EQ(InkCount(), 8);
}

TEST_F(PixelDrawingTest, BackwardLinesKeepTheirStartAndDropTheirEnd) {
  Line({5, 20}, {5, 4});
  EXPECT_TRUE(Inked(5, 20));
  EXPECT_TRUE(Inked(5, 5));
  EXPECT_FALSE(Inked(5, 4));
  EXPECT_EQ(InkCount(), 16);
}

TEST_F(PixelDrawingTest, DiagonalLinesStepOnePixelPerColumn) {
  Line({1, 1}, {9, 5});
  EXPECT_EQ(InkCount(), 8);
  EXPECT_TRUE(Inked(1, 1));
  EXPECT_FALSE(Inked(9, 5));
  for (int x = 1; x < 9; ++x) {
    int inColumn = 0;
    for (int y = 0; y < 30; ++y) inColumn += Inked(x, y) ? 1 : 0;
    EXPECT_EQ(inColumn, 1) << x;
  }
}

TEST_F(PixelDrawingTest, ZeroLengthLineDrawsNothing) {
  Line({3, 3}, {3, 3});
  EXPECT_EQ(InkCount(), 0);
}

TEST_F(PixelDrawingTest, FarOffLinesAreClippedExactly) {
  Line({-100000, 7}, {100000, 7});
  EXPECT_EQ(InkCount(), 40);
  Image.fill(Qt::black);
  // A steep line that crosses the image: the same pixels as its unclipped course.
  Line({-20, -200}, {60, 600});
  QImage clipped = Image;
  QImage whole(400, 1000, QImage::Format_ARGB32_Premultiplied);
  whole.fill(Qt::black);
  {
    QPainter painter(&whole);
    DrawLine(painter, {180, 0}, {260, 800}, Ink, 400, 1000);
  }
  EXPECT_EQ(clipped, whole.copy(200, 200, 40, 30));
}

TEST_F(PixelDrawingTest, BoxesExcludeTheirRightAndBottomEdges) {
  {
    QPainter painter(&Image);
    OutlineBox(painter, 2, 3, 7, 9, Ink);
  }
  EXPECT_TRUE(Inked(2, 3));
  EXPECT_TRUE(Inked(6, 8));
  EXPECT_FALSE(Inked(7, 8));
  EXPECT_FALSE(Inked(6, 9));
  EXPECT_FALSE(Inked(4, 5));
  EXPECT_EQ(InkCount(), 2 * 5 + 2 * 4);
  Image.fill(Qt::black);
  {
    QPainter painter(&Image);
    FillBox(painter, 2, 3, 7, 9, Ink);
    FillBox(painter, 10, 10, 10, 20, Ink);
  }
  EXPECT_EQ(InkCount(), 5 * 6);
}
