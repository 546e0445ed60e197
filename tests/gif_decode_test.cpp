#include "platform/gif_decode.h"

#include <filesystem>
#include <string>

#include <SDL_image.h>
#include <gtest/gtest.h>

#include "support/screens_fixtures.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

// SDL_image's reading of a whole, undamaged GIF, each index turned into its palette colour.
Surface ReadBySdlImage(const std::string& bytes) {
  SDL_Surface* s = IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
  EXPECT_NE(s, nullptr) << IMG_GetError();
  if (!s) return Surface();
  Surface out(s->w, s->h);
  const SDL_Palette* palette = s->format->palette;
  for (int y = 0; y < s->h; ++y)
    for (int x = 0; x < s->w; ++x) {
      uint8_t i = static_cast<const uint8_t*>(s->pixels)[y * s->pitch + x];
      out.Row(y)[x] = i < palette->ncolors ? Rgb(palette->colors[i].r, palette->colors[i].g, palette->colors[i].b) : 0;
    }
  SDL_FreeSurface(s);
  return out;
}

TEST(GifDecodeTest, EveryShippedGifReadsAsSdlImageReadsIt) {
  int compared = 0;
  const fs::path corpus = fs::path(CINDERWAKE_SOURCE_DIR) / "tests" / "fuzz_corpus" / "picture";
  for (const fs::path& dir : {fs::path(CINDERWAKE_TEST_DATA_DIR), corpus})
    for (const auto& entry : fs::directory_iterator(dir)) {
      const std::string bytes = test::ReadBytes(entry.path());
      const bool seed = dir != corpus || entry.path().filename().string().rfind("seed-", 0) == 0;
      if (!seed || !LooksLikeGif(bytes.data(), bytes.size())) continue;
      SCOPED_TRACE(entry.path().filename().string());
      auto ours = DecodeGif(bytes.data(), bytes.size());
      ASSERT_TRUE(ours.has_value());
      Surface theirs = ReadBySdlImage(bytes);
      ASSERT_EQ(ours->width, theirs.width);
      ASSERT_EQ(ours->height, theirs.height);
      ASSERT_TRUE(ours->pixels == theirs.pixels);
      ++compared;
    }
  EXPECT_GE(compared, 12);  // ten masks, two story pages, the seeds
}

TEST(GifDecodeTest, ASmallFrameCodeByCodeAndDamagedOnes) {
  // 3 x 2 pixels of a 4-colour table, minimum code size 2.
  auto gif = [](const std::string& image_data) {
    std::string b = "GIF89a";
    b += std::string("\x03\x00\x02\x00\x81\x00\x00", 7);
    b += std::string("\x00\x00\x00\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF", 12);
    b += std::string("\x2C\x00\x00\x00\x00\x03\x00\x02\x00\x00\x02", 11);
    return b + image_data + std::string("\x00\x3B", 2);
  };
  // Codes packed least significant bit first.
  auto pack = [](std::initializer_list<std::pair<int, int>> codes) {
    std::string out;
    uint32_t buffer = 0;
    int have = 0;
    for (auto [code, bits] : codes) {
      buffer |= uint32_t(code) << have;
      have += bits;
      while (have >= 8) out += char(buffer & 0xFF), buffer >>= 8, have -= 8;
    }
    if (have) out += char(buffer);
    return char(out.size()) + out;
  };
  const uint32_t black = Rgb(0, 0, 0), red = Rgb(255, 0, 0);
  // Clear, 0, 1, then 7: the string not yet made, "1 1" (1 and its own first index). With code 8
  // next, codes grow to 4 bits: 1, 0, end.
  std::string data = pack({{4, 3}, {0, 3}, {1, 3}, {7, 3}, {1, 4}, {0, 4}, {5, 4}});
  auto whole = DecodeGif(gif(data).data(), gif(data).size());
  ASSERT_TRUE(whole.has_value());
  EXPECT_EQ(whole->width, 3);
  EXPECT_EQ(whole->height, 2);
  EXPECT_EQ(whole->pixels, (decltype(whole->pixels){black, red, red, red, red, black}));

  // The same frame as palette indices, the table as the file gives it.
  auto indexed = DecodeGifIndexed(gif(data).data(), gif(data).size());
  ASSERT_TRUE(indexed.has_value());
  EXPECT_EQ(indexed->indices, (decltype(indexed->indices){0, 1, 1, 1, 1, 0}));
  EXPECT_EQ(indexed->palette[1], red);
  EXPECT_EQ(indexed->palette[3], Rgb(0, 0, 255));
  EXPECT_EQ(indexed->palette[4], 0u);

  // Data that stops after three pixels: the rest keeps colour 0.
  std::string cut = pack({{4, 3}, {0, 3}, {1, 3}});
  auto part = DecodeGif(gif(cut).data(), gif(cut).size());
  ASSERT_TRUE(part.has_value());
  EXPECT_EQ(part->pixels, (decltype(part->pixels){black, red, black, black, black, black}));
  // A code beyond the table ends the frame there.
  std::string wild = pack({{4, 3}, {1, 3}, {7, 3}, {1, 3}});
  auto bad = DecodeGif(gif(wild).data(), gif(wild).size());
  ASSERT_TRUE(bad.has_value());
  EXPECT_EQ(bad->pixels[0], red);
  EXPECT_EQ(bad->pixels[1], black);
  // No frame at all.
  std::string header = gif(data).substr(0, 25);
  EXPECT_FALSE(DecodeGif(header.data(), header.size()).has_value());
  EXPECT_FALSE(DecodeGif("GIF89a", 6).has_value());
}

}  // namespace
}  // namespace cw
