#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <memory>

#include "model/map.h"
#include "tile_folder.h"
#include "view/map_view.h"

// A map view over the sample sets, drawing into an 801 x 569 buffer at
// zoom 10 with the spring tool (no palette) unless a test changes that.
class MapViewTest : public ::testing::Test {
 protected:
  MapViewTest();

  void SetZoom(int zoom);
  bool Redraw() { return View.RedrawView(Buffer, *TheMap, Inputs); }
  void Refresh(int x, int y) { View.RefreshCell(Buffer, *TheMap, Inputs, x, y); }

  QRgb At(int x, int y) const { return Buffer.pixel(x, y); }
  // How many pixels of `area` have exactly `colour`.
  int Count(const QRect& area, const QColor& colour) const;

  static constexpr int Width = 801;
  static constexpr int Height = 569;

  SampleSets Sample;
  std::unique_ptr<Map> TheMap = std::make_unique<Map>();
  MapView View{Sample.Sets};
  QImage Buffer{Width, Height, QImage::Format_ARGB32_Premultiplied};
  ViewInputs Inputs;
};
