// The Convert Region dragged on the picture: the mapping between the
// picture and the data, the boxes in drag order, the node counts proposed,
// the rubber band, and when the picture answers at all.
#include "app/region_mouse.h"

#include <gtest/gtest.h>

#include "tests/app/fake_host.h"

namespace {

using app::kLeftButton;
using app::kRightButton;
using testing_support::Call;
using testing_support::FakeHost;

// A drawn plot of size A (frame 20..150 x 5..135 mm) over data 0..100 x
// 0..100 with `points` points.
struct Drawn {
  explicit Drawn(int points) {
    c.command1 = "変換";
    m.data.nData = points;
    m.data.xMax = m.data.yMax = 100;
  }
  void Drag(int button, double x1, double y1, double x2, double y2) {
    app::Picture1_MouseDown(c, m, host, x1, y1);
    app::Picture1_MouseMove(c, m, host, button, (x1 + x2) / 2, (y1 + y2) / 2);
    app::Picture1_MouseMove(c, m, host, button, x2, y2);
    app::Picture1_MouseUp(c, m, host, x2, y2);
  }
  app::Controls c;
  app::MainState m;
  FakeHost host;
};

TEST(RegionMouse, CornersInDragOrderAndTheNodeCountsProposed) {
  Drawn d(400);
  d.Drag(kLeftButton, 150, 5, 20, 135);  // lower right to upper left, whole frame
  EXPECT_EQ(d.c.region.text21, "100.");
  EXPECT_EQ(d.c.region.text22, "100.");
  EXPECT_EQ(d.c.region.text23, "0.");
  EXPECT_EQ(d.c.region.text24, "0.");
  EXPECT_EQ(d.c.region.text25, "20");  // sqrt(400) x 1
  EXPECT_EQ(d.c.region.text26, "20");
  EXPECT_EQ(d.m.data.dragX1, 100);
  EXPECT_EQ(d.m.data.dragY2, 0);
  EXPECT_FALSE(d.m.dragging);

  Drawn q(100);
  q.Drag(kLeftButton, 20, 5, 52.5, 37.5);  // a quarter of the plot
  EXPECT_EQ(q.c.region.text23, "25.");
  EXPECT_EQ(q.c.region.text24, "75.");
  EXPECT_EQ(q.c.region.text25, "2");  // sqrt(100) x 0.25 = 2.5: halves go to even

  Drawn f(400);
  f.Drag(kLeftButton, 33.3, 17.7, 33.3, 17.7);  // no move: a degenerate frame
  EXPECT_EQ(f.c.region.text21, f.c.region.text23);
  EXPECT_EQ(f.c.region.text25, "2");
  EXPECT_EQ(f.c.region.text21, "10.23077");  // at most seven decimals, single precision
}

TEST(RegionMouse, TheBandIsDrawnInInvertModeAndTheOldFrameErased) {
  Drawn d(400);
  d.m.frame = {30, 30, 60, 60};  // a frame on the screen
  app::Picture1_MouseDown(d.c, d.m, d.host, 40, 40);
  ASSERT_EQ(d.host.Inverted().size(), 1u);  // the old frame erased
  EXPECT_EQ(d.m.frame.frameX2, 0);
  app::Picture1_MouseMove(d.c, d.m, d.host, kLeftButton, 50, 50);
  app::Picture1_MouseMove(d.c, d.m, d.host, kLeftButton, 70, 80);
  // First band drawn; then erased and the next one drawn.
  const std::vector<Call> inv = d.host.Inverted();
  ASSERT_EQ(inv.size(), 4u);
  EXPECT_EQ(inv[1].points[1].x, 50);
  EXPECT_EQ(inv[2].points[1].x, 50);
  EXPECT_EQ(inv[3].points[1].y, 80);
  app::Picture1_MouseUp(d.c, d.m, d.host, 70, 80);
  EXPECT_EQ(d.host.Inverted().size(), 4u);  // the release draws nothing
  EXPECT_EQ(d.m.frame.frameX2, 70);

  // The right button: the press and release fill the boxes, no band is drawn.
  Drawn r(400);
  r.Drag(kRightButton, 40, 40, 70, 80);
  EXPECT_TRUE(r.host.Inverted().empty());
  EXPECT_FALSE(r.c.region.text21.empty());
  EXPECT_FALSE(r.c.region.text26.empty());
}

TEST(RegionMouse, AnswersOnlyWhenADrawingIsShownOrTheAxisModeIsDragged) {
  Drawn d(400);
  d.c.command1 = "描画";
  d.c.region.text21 = "keep";
  d.Drag(kLeftButton, 40, 40, 70, 80);
  EXPECT_EQ(d.c.region.text21, "keep");
  EXPECT_TRUE(d.host.Inverted().empty());
  EXPECT_EQ(d.m.data.dragX1, 0);

  d.c.combo6 = 2;  // "指定": a frame for the next Draw, before any Draw
  d.Drag(kLeftButton, 20, 135, 85, 70);
  EXPECT_EQ(d.c.region.text21, "0.");
  EXPECT_EQ(d.m.data.dragX2, 50);
  EXPECT_EQ(d.m.data.dragY2, 50);
}

TEST(RegionMouse, APressLaysTheScreenOutAgainAfterAnExport) {
  Drawn d(400);
  d.m.page = render::PrnScl({}, 2.4, 2.4);  // the print layout: frame 30..180 mm
  d.Drag(kLeftButton, 150, 135, 150, 135);
  EXPECT_EQ(d.m.page.plotRight, 150);
  EXPECT_EQ(d.c.region.text21, "100.");
}

}  // namespace
