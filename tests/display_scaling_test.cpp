#include "platform/display_scaling.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

void ExpectViewport(const Viewport& v, int x, int y, int w, int h, double scale, bool whole) {
  EXPECT_EQ(v.x, x);
  EXPECT_EQ(v.y, y);
  EXPECT_EQ(v.w, w);
  EXPECT_EQ(v.h, h);
  EXPECT_DOUBLE_EQ(v.scale, scale);
  EXPECT_EQ(v.whole, whole);
}

TEST(DisplayScalingTest, TheLargestWholeFactorThatFitsIsCentred) {
  ExpectViewport(FitPicture(800, 600), 0, 0, 800, 600, 1, true);
  ExpectViewport(FitPicture(1920, 1080), 560, 240, 800, 600, 1, true);
  ExpectViewport(FitPicture(1600, 1200), 0, 0, 1600, 1200, 2, true);
  ExpectViewport(FitPicture(2560, 1440), 480, 120, 1600, 1200, 2, true);
  ExpectViewport(FitPicture(3840, 2160), 720, 180, 2400, 1800, 3, true);
  // The narrower side decides: 1024 wide holds one picture, however tall the window.
  ExpectViewport(FitPicture(1024, 2000), 112, 700, 800, 600, 1, true);
}

TEST(DisplayScalingTest, WindowsSmallerThanThePictureKeepItsShape) {
  ExpectViewport(FitPicture(400, 300), 0, 0, 400, 300, 0.5, false);
  ExpectViewport(FitPicture(600, 400), 33, 0, 533, 400, 400.0 / 600, false);
  ExpectViewport(FitPicture(640, 600), 0, 60, 640, 480, 0.8, false);
  ExpectViewport(FitPicture(799, 600), 0, 0, 799, 599, 799.0 / 800, false);
}

TEST(DisplayScalingTest, AnEmptyWindowGetsNoPicture) {
  ExpectViewport(FitPicture(0, 600), 0, 0, 0, 0, 1, false);
  ExpectViewport(FitPicture(800, -1), 0, 0, 0, 0, 1, false);
}

TEST(DisplayScalingTest, PointsMapBackToPicturePixels) {
  Viewport v = FitPicture(1920, 1080);  // at 560, 240, scale 1
  EXPECT_EQ(WindowToPicture(v, 560, 240, 1920, 1080, 1920, 1080).x, 0);
  EXPECT_EQ(WindowToPicture(v, 560, 240, 1920, 1080, 1920, 1080).y, 0);
  EXPECT_EQ(WindowToPicture(v, 1359, 839, 1920, 1080, 1920, 1080).x, 799);
  EXPECT_EQ(WindowToPicture(v, 1359, 839, 1920, 1080, 1920, 1080).y, 599);

  Viewport twice = FitPicture(2560, 1440);  // at 480, 120, scale 2
  PicturePoint p = WindowToPicture(twice, 480 + 2 * 712 + 1, 120 + 2 * 40 + 1, 2560, 1440, 2560, 1440);
  EXPECT_EQ(p.x, 712);
  EXPECT_EQ(p.y, 40);
}

TEST(DisplayScalingTest, PointsOutsideThePictureAreClampedToItsEdge) {
  Viewport v = FitPicture(1920, 1080);
  PicturePoint corner = WindowToPicture(v, 0, 0, 1920, 1080, 1920, 1080);
  EXPECT_EQ(corner.x, 0);
  EXPECT_EQ(corner.y, 0);
  PicturePoint far = WindowToPicture(v, 1919, 1079, 1920, 1080, 1920, 1080);
  EXPECT_EQ(far.x, 799);
  EXPECT_EQ(far.y, 599);
}

TEST(DisplayScalingTest, HighDensityDisplaysScaleWindowPointsToDrawablePixels) {
  // A 1280 x 720 window drawn at twice the density: 2560 x 1440 pixels, the picture at factor 2.
  Viewport v = FitPicture(2560, 1440);
  PicturePoint p = WindowToPicture(v, 240 + 356, 60 + 20, 1280, 720, 2560, 1440);
  EXPECT_EQ(p.x, 356);
  EXPECT_EQ(p.y, 20);
}

TEST(DisplayScalingTest, ShrunkenPicturesMapPointsByTheirScale) {
  Viewport v = FitPicture(400, 300);  // scale 0.5
  PicturePoint p = WindowToPicture(v, 356, 20, 400, 300, 400, 300);
  EXPECT_EQ(p.x, 712);
  EXPECT_EQ(p.y, 40);
}

}  // namespace
}  // namespace cw
