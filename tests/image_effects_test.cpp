#include "external/image_effects.h"

#include <climits>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace cw {
namespace {

constexpr uint32_t kBack = 0x00123456u;  // destination background, never a key
constexpr uint32_t kBlack = 0x00000000u;
constexpr uint32_t kWhite = 0x00FFFFFFu;

Surface Picture(std::initializer_list<std::initializer_list<uint32_t>> rows) {
  Surface s(int(rows.begin()->size()), int(rows.size()));
  int y = 0;
  for (const auto& row : rows) {
    int x = 0;
    for (uint32_t c : row) s.Set(x++, y, c);
    ++y;
  }
  return s;
}

// The part of a picture at (x, y) of size w x h, kBack where it hangs outside.
Surface Crop(const Surface& s, int x, int y, int w, int h) {
  Surface out(w, h, kBack);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i)
      if (s.Contains(x + i, y + j)) out.Set(i, j, s.Get(x + i, y + j));
  return out;
}

void ExpectSame(const Surface& expected, const Surface& actual) {
  ASSERT_EQ(expected.width, actual.width);
  ASSERT_EQ(expected.height, actual.height);
  for (int y = 0; y < expected.height; ++y)
    for (int x = 0; x < expected.width; ++x) EXPECT_EQ(expected.Get(x, y), actual.Get(x, y)) << "at " << x << "," << y;
}

// 4 x 2, every pixel different.
Surface Asymmetric() { return Picture({{1, 2, 3, 4}, {5, 6, 7, 8}}); }

Surface Gradient(int w, int h) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.Set(x, y, Rgb(uint8_t(x * 17), uint8_t(y * 23), uint8_t((x * y) & 0xFF)));
  return s;
}

void Rotate(Surface& dst, int x, int y, const Surface& src, double angle, uint32_t key = kCyan) {
  FoxRotate(dst, x, y, src, src, key, angle, 1);
}

// ---- FoxRotate

TEST(FoxRotateTest, ZeroDegreesCopiesWithCentreAtPoint) {
  Surface dst(8, 6, kBack);
  Rotate(dst, 4, 3, Asymmetric(), 0.0);
  ExpectSame(Picture({{1, 2, 3, 4}, {5, 6, 7, 8}}), Crop(dst, 2, 2, 4, 2));
  EXPECT_EQ(kBack, dst.Get(1, 2));
  EXPECT_EQ(kBack, dst.Get(6, 2));
  EXPECT_EQ(kBack, dst.Get(2, 1));
  EXPECT_EQ(kBack, dst.Get(2, 4));
}

TEST(FoxRotateTest, NinetyDegreesTurnsClockwise) {
  Surface dst(8, 8, kBack);
  Rotate(dst, 4, 4, Asymmetric(), 90.0);
  // The top row now runs down the right-hand column.
  ExpectSame(Picture({{5, 1}, {6, 2}, {7, 3}, {8, 4}}), Crop(dst, 3, 2, 2, 4));
  EXPECT_EQ(kBack, dst.Get(2, 3));
  EXPECT_EQ(kBack, dst.Get(5, 3));
  EXPECT_EQ(kBack, dst.Get(3, 1));
  EXPECT_EQ(kBack, dst.Get(3, 6));
}

TEST(FoxRotateTest, OneEightyDegreesTurnsUpsideDown) {
  Surface dst(8, 6, kBack);
  Rotate(dst, 4, 3, Asymmetric(), 180.0);
  ExpectSame(Picture({{8, 7, 6, 5}, {4, 3, 2, 1}}), Crop(dst, 2, 2, 4, 2));
}

TEST(FoxRotateTest, MinusNinetyAndFullTurnsReduce) {
  Surface expected(8, 8, kBack);
  Rotate(expected, 4, 4, Asymmetric(), 270.0);
  ExpectSame(Picture({{4, 8}, {3, 7}, {2, 6}, {1, 5}}), Crop(expected, 3, 2, 2, 4));
  Surface minus(8, 8, kBack);
  Rotate(minus, 4, 4, Asymmetric(), -90.0);
  ExpectSame(expected, minus);
  Surface plain(8, 8, kBack), turned(8, 8, kBack);
  Rotate(plain, 4, 4, Asymmetric(), 90.0);
  Rotate(turned, 4, 4, Asymmetric(), 450.0);
  ExpectSame(plain, turned);
}

TEST(FoxRotateTest, OddSizeKeepsMiddlePixelOnPoint) {
  const Surface src = Picture({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  for (double angle : {0.0, 90.0, 180.0, 270.0, 33.0}) {
    Surface dst(9, 9, kBack);
    Rotate(dst, 4, 4, src, angle);
    EXPECT_EQ(5u, dst.Get(4, 4)) << angle;
  }
  Surface dst(9, 9, kBack);
  Rotate(dst, 4, 4, src, 90.0);
  ExpectSame(Picture({{7, 4, 1}, {8, 5, 2}, {9, 6, 3}}), Crop(dst, 3, 3, 3, 3));
}

TEST(FoxRotateTest, KeyColourLeftOut) {
  const Surface src = Picture({{1, kCyan}, {kCyan, 4}});
  Surface dst(4, 4, kBack);
  Rotate(dst, 2, 2, src, 0.0);
  ExpectSame(Picture({{1, kBack}, {kBack, 4}}), Crop(dst, 1, 1, 2, 2));
}

TEST(FoxRotateTest, KeyComparesColourBitsOnly) {
  const Surface src = Picture({{0xFF000000u, 3}});
  Surface dst(4, 4, kBack);
  Rotate(dst, 2, 2, src, 0.0, kBlack);
  EXPECT_EQ(kBack, dst.Get(1, 2));
  EXPECT_EQ(3u, dst.Get(2, 2));
}

TEST(FoxRotateTest, FortyFiveDegreesLeavesNoHoles) {
  const Surface src(10, 10, 7);
  Surface dst(30, 30, kBack);
  Rotate(dst, 15, 15, src, 45.0);
  // The turned square is the diamond |dx| + |dy| <= 5 * sqrt(2) around (15, 15).
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) {
      const double d = std::fabs(x + 0.5 - 15) + std::fabs(y + 0.5 - 15);
      if (d <= 6.5) {
        EXPECT_EQ(7u, dst.Get(x, y)) << x << "," << y;
      }
      if (d >= 7.6) {
        EXPECT_EQ(kBack, dst.Get(x, y)) << x << "," << y;
      }
    }
  }
}

TEST(FoxRotateTest, InPlaceEqualsRotatingACopy) {
  Surface inPlace = Gradient(20, 16);
  inPlace.Set(3, 3, kBlack);
  Surface copy = inPlace;
  Surface expected = inPlace;
  Rotate(expected, 10, 8, copy, 30.0, kBlack);
  FoxRotate(inPlace, 10, 8, inPlace, inPlace, kBlack, 30.0, 1);
  ExpectSame(expected, inPlace);
}

TEST(FoxRotateTest, ModeDoesNotChangeResult) {
  Surface a(12, 12, kBack), b(12, 12, kBack);
  const Surface src = Gradient(5, 3);
  FoxRotate(a, 6, 6, src, src, kCyan, 20.0, 0);
  FoxRotate(b, 6, 6, src, src, kCyan, 20.0, 1);
  ExpectSame(a, b);
}

// ---- FoxMosaic

TEST(FoxMosaicTest, BlockOneIsPlainCopyWithoutKey) {
  Surface src = Gradient(6, 5);
  src.Set(2, 1, kWhite);
  Surface dst(10, 10, kBack);
  FoxMosaic(dst, 2, 3, 6, 5, src, 0, 0, 1, kWhite, 1);
  Surface expected = src;
  expected.Set(2, 1, kBack);
  ExpectSame(expected, Crop(dst, 2, 3, 6, 5));
  EXPECT_EQ(kBack, dst.Get(1, 3));
  EXPECT_EQ(kBack, dst.Get(8, 3));
}

TEST(FoxMosaicTest, BlockZeroAndNegativeBehaveAsOne) {
  const Surface src = Gradient(7, 7);
  Surface one(9, 9, kBack), zero(9, 9, kBack), negative(9, 9, kBack);
  FoxMosaic(one, 1, 1, 7, 7, src, 0, 0, 1, kWhite, 1);
  FoxMosaic(zero, 1, 1, 7, 7, src, 0, 0, 0, kWhite, 1);
  FoxMosaic(negative, 1, 1, 7, 7, src, 0, 0, -3, kWhite, 1);
  ExpectSame(one, zero);
  ExpectSame(one, negative);
}

TEST(FoxMosaicTest, TwoByTwoBlocksTakeTopLeftColour) {
  const Surface src = Picture({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}});
  Surface dst(6, 6, kBack);
  FoxMosaic(dst, 1, 1, 4, 4, src, 0, 0, 2, kWhite, 1);
  ExpectSame(Picture({{1, 1, 3, 3}, {1, 1, 3, 3}, {9, 9, 11, 11}, {9, 9, 11, 11}}), Crop(dst, 1, 1, 4, 4));
  EXPECT_EQ(kBack, dst.Get(0, 0));
  EXPECT_EQ(kBack, dst.Get(5, 5));
}

TEST(FoxMosaicTest, PartialBlocksAtRightAndBottom) {
  const Surface src = Picture({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}});
  Surface dst(4, 4, kBack);
  FoxMosaic(dst, 0, 0, 4, 4, src, 0, 0, 3, kWhite, 1);
  ExpectSame(Picture({{1, 1, 1, 4}, {1, 1, 1, 4}, {1, 1, 1, 4}, {13, 13, 13, 16}}), dst);
}

TEST(FoxMosaicTest, SourceOffsetAndKeyBlockLeftOut) {
  const Surface src = Picture({{0, 0, 0}, {0, kWhite, 2}, {0, 3, 4}});
  Surface dst(2, 2, kBack);
  FoxMosaic(dst, 0, 0, 2, 2, src, 1, 1, 1, kWhite, 1);
  ExpectSame(Picture({{kBack, 2}, {3, 4}}), dst);
  Surface coarse(2, 2, kBack);
  FoxMosaic(coarse, 0, 0, 2, 2, src, 1, 1, 2, kWhite, 1);
  ExpectSame(Surface(2, 2, kBack), coarse);
}

TEST(FoxMosaicTest, HugeBlockIsOneColour) {
  const Surface src = Gradient(5, 4);
  Surface dst(5, 4, kBack);
  FoxMosaic(dst, 0, 0, 5, 4, src, 0, 0, INT_MAX, kWhite, 1);
  ExpectSame(Surface(5, 4, src.Get(0, 0)), dst);
}

TEST(FoxMosaicTest, BlocksStayAlignedWhenCutAtTopLeft) {
  const Surface src = Picture({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}});
  Surface dst(3, 3, kBack);
  FoxMosaic(dst, -1, -1, 4, 4, src, 0, 0, 2, kWhite, 1);
  ExpectSame(Picture({{1, 3, 3}, {9, 11, 11}, {9, 11, 11}}), dst);
}

// ---- FoxBrightness

TEST(FoxBrightnessTest, LevelZeroLeavesPictureUnchanged) {
  const Surface original = Gradient(8, 6);
  Surface pic = original;
  FoxBrightness(pic, pic, pic, pic, 0, 0, 0);
  ExpectSame(original, pic);
  Surface other(8, 6, kBack);
  FoxBrightness(other, other, original, original, 0, 0, 0);
  ExpectSame(original, other);
}

TEST(FoxBrightnessTest, PlusFiftyIsWhiteMinusFiftyIsBlack) {
  Surface bright = Gradient(8, 6);
  FoxBrightness(bright, bright, bright, bright, 0, 50, 0);
  ExpectSame(Surface(8, 6, kWhite), bright);
  Surface dark = Gradient(8, 6);
  FoxBrightness(dark, dark, dark, dark, 0, -50, 0);
  ExpectSame(Surface(8, 6, kBlack), dark);
}

TEST(FoxBrightnessTest, MidLevelsScaleLinearly) {
  Surface up = Picture({{Rgb(100, 0, 255)}});
  FoxBrightness(up, up, up, up, 0, 25, 0);
  EXPECT_EQ(Rgb(177, 127, 255), up.Get(0, 0));
  Surface down = Picture({{Rgb(100, 0, 255)}});
  FoxBrightness(down, down, down, down, 0, -25, 0);
  EXPECT_EQ(Rgb(50, 0, 128), down.Get(0, 0));
}

TEST(FoxBrightnessTest, LevelsBeyondFiftyClamp) {
  Surface pic = Gradient(3, 3);
  FoxBrightness(pic, pic, pic, pic, 0, 1000, 0);
  ExpectSame(Surface(3, 3, kWhite), pic);
  FoxBrightness(pic, pic, pic, pic, 0, INT_MIN, 0);
  ExpectSame(Surface(3, 3, kBlack), pic);
}

TEST(FoxBrightnessTest, OnlySharedAreaWritten) {
  const Surface src(2, 3, Rgb(10, 10, 10));
  Surface dst(3, 2, kBack);
  FoxBrightness(dst, dst, src, src, 0, 0, 0);
  ExpectSame(Picture({{Rgb(10, 10, 10), Rgb(10, 10, 10), kBack}, {Rgb(10, 10, 10), Rgb(10, 10, 10), kBack}}), dst);
}

// ---- FoxAlphaBlend

TEST(FoxAlphaBlendTest, MixesOnScaleOf255) {
  const Surface src = Picture({{Rgb(200, 100, 0), Rgb(10, 20, 250)}});
  Surface dst(2, 1, Rgb(0, 100, 255));
  FoxAlphaBlend(dst, 0, 0, 2, 1, src, 0, 0, 100, kCyan, 0);
  // (s * 100 + d * 155 + 127) / 255 per channel.
  EXPECT_EQ(Rgb(78, 100, 155), dst.Get(0, 0));
  EXPECT_EQ(Rgb(4, 69, 253), dst.Get(1, 0));
}

TEST(FoxAlphaBlendTest, EndsOfScale) {
  const Surface src = Gradient(3, 2);
  Surface full(3, 2, kBack), none(3, 2, kBack);
  FoxAlphaBlend(full, 0, 0, 3, 2, src, 0, 0, 255, kCyan, 0);
  FoxAlphaBlend(none, 0, 0, 3, 2, src, 0, 0, 0, kCyan, 0);
  ExpectSame(src, full);
  ExpectSame(Surface(3, 2, kBack), none);
  Surface over(3, 2, kBack);
  FoxAlphaBlend(over, 0, 0, 3, 2, src, 0, 0, 9999, kCyan, 0);
  ExpectSame(src, over);
}

TEST(FoxAlphaBlendTest, KeyLeftOutAndSourceOffset) {
  const Surface src = Picture({{9, 9, 9}, {9, kCyan, Rgb(255, 255, 255)}});
  Surface dst(4, 3, kBlack);
  FoxAlphaBlend(dst, 2, 1, 2, 1, src, 1, 1, 100, kCyan, 0);
  EXPECT_EQ(kBlack, dst.Get(2, 1));
  EXPECT_EQ(Rgb(100, 100, 100), dst.Get(3, 1));
  EXPECT_EQ(kBlack, dst.Get(1, 1));
  EXPECT_EQ(kBlack, dst.Get(3, 0));
}

// ---- FoxBumpMap

TEST(FoxBumpMapTest, FlatPictureIsMidGrey) {
  const Surface src(4, 3, Rgb(90, 40, 200));
  Surface dst(4, 3, kBack);
  FoxBumpMap(dst, 0, 0, 4, 3, src, 0, 0, kWhite, 1);
  ExpectSame(Surface(4, 3, Rgb(128, 128, 128)), dst);
}

TEST(FoxBumpMapTest, EdgesLitFromTopLeft) {
  // A bright middle column: its left edge faces the light, its right edge faces away.
  const Surface src = Picture({{kBlack, 0x00C0C0C0u, kBlack}, {kBlack, 0x00C0C0C0u, kBlack}});
  Surface dst(3, 2, kBack);
  FoxBumpMap(dst, 0, 0, 3, 2, src, 0, 0, kWhite, 1);
  const uint32_t mid = Rgb(128, 128, 128);
  ExpectSame(Picture({{mid, mid, mid}, {mid, Rgb(255, 255, 255), Rgb(0, 0, 0)}}), dst);
}

TEST(FoxBumpMapTest, ExactReliefValue) {
  const Surface src = Picture({{Rgb(100, 100, 100), kBlack}, {kBlack, Rgb(150, 150, 150)}});
  Surface dst(2, 2, kBack);
  FoxBumpMap(dst, 0, 0, 2, 2, src, 0, 0, kWhite, 1);
  // A grey's luminance is its own level: 128 + 150 - 100.
  EXPECT_EQ(Rgb(178, 178, 178), dst.Get(1, 1));
}

TEST(FoxBumpMapTest, KeyPixelsUntouchedAndDeterministic) {
  Surface src = Gradient(6, 5);
  src.Set(1, 1, kWhite);
  src.Set(4, 3, kWhite);
  Surface first(8, 7, kBack), second(8, 7, kBack);
  FoxBumpMap(first, 1, 1, 6, 5, src, 0, 0, kWhite, 1);
  FoxBumpMap(second, 1, 1, 6, 5, src, 0, 0, kWhite, 1);
  ExpectSame(first, second);
  EXPECT_EQ(kBack, first.Get(2, 2));
  EXPECT_EQ(kBack, first.Get(5, 4));
  EXPECT_NE(kBack, first.Get(3, 2));
}

// ---- Clipping

using Draw = void (*)(Surface& dst, int x, int y);
const Surface& ClipSource() {
  static const Surface s = [] {
    Surface g = Gradient(5, 4);
    g.Set(2, 2, kCyan);
    return g;
  }();
  return s;
}

void DrawRotate(Surface& d, int x, int y) { FoxRotate(d, x, y, ClipSource(), ClipSource(), kCyan, 25.0, 1); }
void DrawBlend(Surface& d, int x, int y) { FoxAlphaBlend(d, x, y, 5, 4, ClipSource(), 0, 0, 100, kCyan, 0); }
void DrawBump(Surface& d, int x, int y) { FoxBumpMap(d, x, y, 5, 4, ClipSource(), 0, 0, kCyan, 1); }
void DrawMosaic(Surface& d, int x, int y) { FoxMosaic(d, x, y, 5, 4, ClipSource(), 0, 0, 2, kCyan, 1); }

// Whatever hangs over an edge is cut off; the visible part looks as on a large buffer.
TEST(ImageEffectsClipTest, OverhangAtEveryEdgeIsCut) {
  constexpr int kMargin = 10;
  for (Draw draw : {DrawRotate, DrawBlend, DrawBump, DrawMosaic}) {
    for (auto [x, y] : std::vector<std::pair<int, int>>{{-2, 1}, {4, 1}, {1, -2}, {1, 4}, {-3, -3}, {5, 5}}) {
      Surface small(6, 6, kBack);
      Surface large(6 + 2 * kMargin, 6 + 2 * kMargin, kBack);
      draw(small, x, y);
      draw(large, x + kMargin, y + kMargin);
      ExpectSame(Crop(large, kMargin, kMargin, 6, 6), small);
    }
  }
}

TEST(ImageEffectsClipTest, RotateAtCornerShowsOnlyItsQuarter) {
  Surface dst(3, 3, kBack);
  Rotate(dst, 0, 0, Asymmetric(), 0.0);
  ExpectSame(Picture({{7, 8, kBack}, {kBack, kBack, kBack}, {kBack, kBack, kBack}}), dst);
  Surface far(3, 3, kBack);
  Rotate(far, 4, 3, Asymmetric(), 0.0);
  ExpectSame(Picture({{kBack, kBack, kBack}, {kBack, kBack, kBack}, {kBack, kBack, 1}}), far);
}

TEST(ImageEffectsClipTest, SourceRectangleOutsideSourceIsLeftOut) {
  const Surface src = Picture({{1, 2}, {3, 4}});
  Surface blend(3, 3, kBack);
  FoxAlphaBlend(blend, 0, 0, 3, 3, src, -1, -1, 255, kCyan, 0);
  ExpectSame(Picture({{kBack, kBack, kBack}, {kBack, 1, 2}, {kBack, 3, 4}}), blend);
  Surface mosaic(3, 3, kBack);
  FoxMosaic(mosaic, 0, 0, 3, 3, src, -1, -1, 2, kWhite, 1);
  ExpectSame(Picture({{kBack, kBack, kBack}, {kBack, 1, 2}, {kBack, 3, 4}}), mosaic);
  Surface bump(3, 3, kBack);
  FoxBumpMap(bump, 0, 0, 3, 3, src, 1, 1, kCyan, 1);
  ExpectSame(Picture({{Rgb(128, 128, 128), kBack, kBack}, {kBack, kBack, kBack}, {kBack, kBack, kBack}}), bump);
}

TEST(ImageEffectsClipTest, AbsurdArgumentsDrawNothingOrStayInside) {
  const Surface src = Gradient(5, 4);
  const Surface empty;
  const Surface untouched(6, 6, kBack);
  Surface dst = untouched;
  for (int big : {INT_MAX, INT_MIN, INT_MAX / 2, INT_MIN / 2}) {
    Rotate(dst, big, 2, src, 10.0);
    Rotate(dst, 2, big, src, 10.0);
    FoxAlphaBlend(dst, big, big, 5, 4, src, 0, 0, 100, kCyan, 0);
    FoxAlphaBlend(dst, 0, 0, 5, 4, src, big, big, 100, kCyan, 0);
    FoxBumpMap(dst, big, 0, 5, 4, src, 0, 0, kCyan, 1);
    FoxBumpMap(dst, 0, 0, 5, 4, src, 0, big, kCyan, 1);
    FoxMosaic(dst, 0, big, 5, 4, src, 0, 0, 3, kCyan, 1);
    FoxMosaic(dst, 0, 0, 5, 4, src, big, 0, 3, kCyan, 1);
  }
  for (int size : {0, -1, -1000, INT_MIN}) {
    FoxAlphaBlend(dst, 0, 0, size, 4, src, 0, 0, 100, kCyan, 0);
    FoxBumpMap(dst, 0, 0, 5, size, src, 0, 0, kCyan, 1);
    FoxMosaic(dst, 0, 0, size, size, src, 0, 0, 3, kCyan, 1);
  }
  Rotate(dst, 2, 2, empty, 45.0);
  FoxAlphaBlend(dst, 0, 0, 5, 4, empty, 0, 0, 100, kCyan, 0);
  FoxBumpMap(dst, 0, 0, 5, 4, empty, 0, 0, kCyan, 1);
  FoxMosaic(dst, 0, 0, 5, 4, empty, 0, 0, 3, kCyan, 1);
  ExpectSame(untouched, dst);

  Surface none;
  Rotate(none, 0, 0, src, 45.0);
  FoxAlphaBlend(none, 0, 0, 5, 4, src, 0, 0, 100, kCyan, 0);
  FoxBumpMap(none, 0, 0, 5, 4, src, 0, 0, kCyan, 1);
  FoxMosaic(none, 0, 0, 5, 4, src, 0, 0, 3, kCyan, 1);
  FoxBrightness(none, none, src, src, 0, 20, 0);
  FoxBrightness(dst, dst, none, none, 0, 20, 0);
  EXPECT_TRUE(none.Empty());
  ExpectSame(untouched, dst);

  // Oversized rectangles and odd angles still stay inside the buffers.
  FoxAlphaBlend(dst, -3, -3, INT_MAX, INT_MAX, src, 0, 0, -7, kCyan, 0);
  FoxBumpMap(dst, INT_MIN, INT_MIN, INT_MAX, INT_MAX, src, INT_MIN, INT_MIN, kCyan, 1);
  FoxMosaic(dst, 1, 1, INT_MAX, INT_MAX, src, -2, -2, INT_MIN, kCyan, 1);
  for (double angle : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300,
                       -1e-300, 123456789.5}) {
    Rotate(dst, 3, 3, src, angle);
  }
  Surface nanDrawn(6, 6, kBack), zeroDrawn(6, 6, kBack);
  Rotate(nanDrawn, 3, 3, src, std::numeric_limits<double>::quiet_NaN());
  Rotate(zeroDrawn, 3, 3, src, 0.0);
  ExpectSame(zeroDrawn, nanDrawn);
}

}  // namespace
}  // namespace cw
