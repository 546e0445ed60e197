#include "platform/picture_size.h"

#include <string>

#include <gtest/gtest.h>

namespace cw {
namespace {

bool Within(const std::string& bytes) { return DeclaredSizeWithinLimit(bytes.data(), bytes.size()); }

std::string Gif(int screen_w, int screen_h, int frame_w, int frame_h) {
  auto le = [](int v) { return std::string{char(v & 0xFF), char(v >> 8)}; };
  std::string b = "GIF89a" + le(screen_w) + le(screen_h) + std::string("\x80\x00\x00", 3);  // 2-colour table
  b += std::string(6, '\0');
  b += std::string("\x21\xF9\x04\x01\x00\x00\x00\x00", 8);  // a graphic control extension
  b += "\x2C" + le(0) + le(0) + le(frame_w) + le(frame_h) + std::string("\x00\x02\x02\x44\x01\x00\x3B", 7);
  return b;
}

TEST(PictureSizeTest, HeadersDeclaringMoreThan16MPixelsAreRefused) {
  // 4096 x 4096 is exactly the limit.
  EXPECT_TRUE(Within(Gif(4096, 4096, 4096, 4096)));
  EXPECT_FALSE(Within(Gif(4097, 4096, 10, 10)));
  EXPECT_FALSE(Within(Gif(10, 10, 65535, 65535)));  // the frame, not only the screen
  EXPECT_TRUE(Within(Gif(2000, 1900, 2000, 1900)));

  auto be = [](int v) { return std::string{char(v >> 8), char(v & 0xFF)}; };
  std::string jpeg = std::string("\xFF\xD8\xFF\xE0", 4) + be(16) + std::string(14, '\0') + "\xFF\xC0" + be(17) + "\x08";
  EXPECT_TRUE(Within(jpeg + be(1900) + be(2000) + std::string(12, '\0')));
  EXPECT_FALSE(Within(jpeg + be(65500) + be(65500) + std::string(12, '\0')));

  std::string png = std::string("\x89PNG\r\n\x1a\n\x00\x00\x00\x0DIHDR", 16);
  EXPECT_TRUE(Within(png + std::string("\x00\x00\x03\x20\x00\x00\x02\x58", 8)));   // 800 x 600
  EXPECT_FALSE(Within(png + std::string("\x00\x01\x00\x00\x00\x01\x00\x00", 8)));  // 65536 x 65536

  std::string bmp = "BM" + std::string(16, '\0');
  EXPECT_TRUE(Within(bmp + std::string("\x20\x03\x00\x00\xA8\xFD\xFF\xFF", 8)));  // 800 x -600, top-down
  EXPECT_FALSE(Within(bmp + std::string("\x00\x00\x01\x00\x00\x00\x01\x00", 8)));

  // Other bytes, or a header cut short, are left to the decoder.
  EXPECT_TRUE(Within("hello, world"));
  EXPECT_TRUE(Within("GIF89a"));
}

}  // namespace
}  // namespace cw
