#include "platform/indexed_surface.h"

#include <gtest/gtest.h>

#include "play/game.h"
#include "support/play_fixtures.h"

namespace cw::test {
namespace {

// 3 x 2: cyan wall, red trigger, open ground and colours one step apart.
Surface SmallMask() {
  Surface s(3, 2);
  s.pixels = {kCyan, kRed, 0x00000000, 0x00010203, 0x00010204, kCyan};
  return s;
}

TEST(IndexedSurfaceTest, AnswersTheExactColourOfEveryPixel) {
  auto indexed = ToIndexed(SmallMask());
  ASSERT_TRUE(indexed.has_value());
  EXPECT_EQ(indexed->width, 3);
  EXPECT_EQ(indexed->height, 2);
  EXPECT_EQ(indexed->indices.size(), 6u);
  EXPECT_EQ(indexed->Get(0, 0), 0x00FFFF00u);
  EXPECT_EQ(indexed->Get(1, 0), 0x000000FFu);
  EXPECT_EQ(indexed->Get(2, 0), 0x00000000u);
  EXPECT_EQ(indexed->Get(0, 1), 0x00010203u);
  EXPECT_EQ(indexed->Get(1, 1), 0x00010204u);
  EXPECT_EQ(indexed->Get(2, 1), 0x00FFFF00u);
  EXPECT_EQ(indexed->Get(3, 0), kInvalidColour);
  EXPECT_EQ(indexed->Get(0, -1), kInvalidColour);
  // Five colours, five indices; the two cyan pixels share one.
  EXPECT_EQ(indexed->indices[0], indexed->indices[5]);
  EXPECT_EQ(ToSurface(*indexed).pixels, SmallMask().pixels);
}

TEST(IndexedSurfaceTest, TwoHundredFiftySixColoursFitAndOneMoreDoesNot) {
  Surface s(257, 1);
  for (int x = 0; x < 256; ++x) s.Set(x, 0, Rgb(uint8_t(x), 7, 9));
  s.Set(256, 0, Rgb(0, 7, 9));  // a colour seen before
  auto fits = ToIndexed(s);
  ASSERT_TRUE(fits.has_value());
  EXPECT_EQ(fits->Get(255, 0), Rgb(255, 7, 9));
  EXPECT_EQ(fits->Get(256, 0), Rgb(0, 7, 9));
  s.Set(256, 0, Rgb(0, 8, 9));  // the 257th
  EXPECT_FALSE(ToIndexed(s).has_value());
}

TEST(IndexedSurfaceTest, BlitCopiesColoursClippedLikeTheThirtyTwoBitBlit) {
  auto indexed = ToIndexed(SmallMask());
  ASSERT_TRUE(indexed.has_value());
  Surface dst(4, 3, 0x00AAAAAA);
  // Its left column falls off the destination, its lower row below it.
  Blit(dst, -1, 2, 3, 2, *indexed, 0, 0);
  EXPECT_EQ(dst.pixels, (decltype(dst.pixels){0x00AAAAAA, 0x00AAAAAA, 0x00AAAAAA, 0x00AAAAAA,  //
                                              0x00AAAAAA, 0x00AAAAAA, 0x00AAAAAA, 0x00AAAAAA,  //
                                              kRed, 0x00000000, 0x00AAAAAA, 0x00AAAAAA}));
}

TEST(IndexedSurfaceTest, BlitOfRowsThatRepeatAndRowsThatChange) {
  // 11 x 4: a wall row, the same row again, a run broken after nine pixels, and one broken after one.
  Surface mask(11, 4, kCyan);
  mask.Set(9, 2, kRed);
  mask.Set(10, 2, kRed);
  for (int x = 1; x < 11; ++x) mask.Set(x, 3, 0x00000000);
  auto indexed = ToIndexed(mask);
  ASSERT_TRUE(indexed.has_value());
  Surface dst(12, 5, 0x00AAAAAA);
  Blit(dst, 1, 1, 11, 4, *indexed, 0, 0);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 12; ++x) {
      SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
      uint32_t expected = 0x00AAAAAA;
      if (y >= 1 && x >= 1) {
        expected = kCyan;
        if (y == 3 && x >= 10) expected = kRed;
        if (y == 4 && x >= 2) expected = 0x00000000;
      }
      EXPECT_EQ(dst.Get(x, y), expected);
    }
}

TEST(IndexedSurfaceTest, AMaskLoadsAtEightBitsAndOneOfMoreColoursAtThirtyTwo) {
  TestGame& t = FreshGame(OpenWorldDir());
  Game& g = t.g;
  Element& el = *g.e.picHelp_city_collid;

  Surface few(40, 30, kOpenGround);
  FillRect(few, 0, 0, 40, 2, kCyan);
  FillRect(few, 10, 10, 12, 13, kRed);
  ASSERT_TRUE(g.media.SavePng(few, (OpenWorldDir() / "eight_bit_mask.gif").string()));
  g.LoadMask(&el, "eight_bit_mask.gif");
  ASSERT_TRUE(el.indexed.has_value());
  EXPECT_TRUE(el.buffer.Empty());
  EXPECT_EQ(el.width, 40);
  EXPECT_EQ(el.height, 30);
  EXPECT_EQ(el.ColourAt(5, 1), kCyan);
  EXPECT_EQ(el.ColourAt(11, 12), kRed);
  EXPECT_EQ(el.ColourAt(11, 13), kOpenGround);
  Surface drawn(40, 30, 0x00AAAAAA);
  el.CopyTo(drawn, 0, 0, 40, 30);
  EXPECT_EQ(drawn.pixels, few.pixels);

  // 300 greys and blues: no palette holds them, so the mask stays at 32 bits and still answers exactly.
  Surface many(300, 2, kOpenGround);
  for (int x = 0; x < 300; ++x) many.Set(x, 1, Rgb(uint8_t(x), uint8_t(x), uint8_t(x / 256)));
  ASSERT_TRUE(g.media.SavePng(many, (OpenWorldDir() / "full_colour_mask.gif").string()));
  g.LoadMask(&el, "full_colour_mask.gif");
  EXPECT_FALSE(el.indexed.has_value());
  EXPECT_EQ(el.width, 300);
  EXPECT_EQ(el.ColourAt(299, 1), Rgb(43, 43, 1));
  EXPECT_EQ(el.ColourAt(299, 0), kOpenGround);
  EXPECT_EQ(el.buffer.pixels, many.pixels);
}

}  // namespace
}  // namespace cw::test
