#include "platform/sdl_media.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/jpeg_decode.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  std::vector<uint8_t> bytes(in ? size_t(in.tellg()) : 0);
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
  return bytes;
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A scratch folder removed after each test.
class TempDir {
 public:
  TempDir() {
    path_ = fs::temp_directory_path() / ("cw_media_" + std::to_string(::getpid()) + "_" + std::to_string(++count_));
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  static inline int count_ = 0;
  fs::path path_;
};

SdlMedia MakeMedia() {
  return SdlMedia(ReadFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"),
                  ReadFile("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
}

// --- GIF writing, just enough for tests: 8-colour palette, 4-bit LZW codes kept narrow by frequent clears.
class BitWriter {
 public:
  void Put(int code, int bits) {
    for (int i = 0; i < bits; ++i) {
      if (used_ == 0) bytes_.push_back(0);
      if (code & (1 << i)) bytes_.back() |= uint8_t(1 << used_);
      used_ = (used_ + 1) % 8;
    }
  }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  int used_ = 0;
};

void Put16(std::vector<uint8_t>& out, int v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}

std::vector<uint8_t> MakeGif(int w, int h, const std::vector<uint8_t>& indices, const uint8_t (&palette)[8][3],
                             int transparent) {
  std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a'};
  Put16(gif, w);
  Put16(gif, h);
  gif.insert(gif.end(), {0xF2, 0, 0});  // global table of 8 entries
  for (const auto& rgb : palette) gif.insert(gif.end(), {rgb[0], rgb[1], rgb[2]});
  if (transparent >= 0) gif.insert(gif.end(), {0x21, 0xF9, 4, 1, 0, 0, uint8_t(transparent), 0});
  gif.push_back(0x2C);
  Put16(gif, 0);
  Put16(gif, 0);
  Put16(gif, w);
  Put16(gif, h);
  gif.push_back(0);
  gif.push_back(3);  // minimum code size: clear 8, end 9, codes 4 bits wide
  BitWriter bits;
  for (size_t i = 0; i < indices.size(); ++i) {
    if (i % 4 == 0) bits.Put(8, 4);
    bits.Put(indices[i], 4);
  }
  bits.Put(9, 4);
  const auto& data = bits.Bytes();
  for (size_t at = 0; at < data.size(); at += 255) {
    size_t n = std::min<size_t>(255, data.size() - at);
    gif.push_back(uint8_t(n));
    gif.insert(gif.end(), data.begin() + long(at), data.begin() + long(at + n));
  }
  gif.insert(gif.end(), {0, 0x3B});
  return gif;
}

constexpr uint8_t kPalette[8][3] = {{0, 0, 0},   {255, 0, 0},     {0, 255, 255},   {0, 255, 0},
                                    {0, 0, 255}, {255, 255, 255}, {192, 192, 192}, {18, 52, 86}};
const std::vector<uint8_t> kGifIndices = {1, 2, 3, 4, 0, 5, 6, 7};
const std::vector<uint32_t> kGifColours = {kRed, kCyan, 0x0000FF00, 0x00FF0000, 0, 0x00FFFFFF, 0x00C0C0C0, 0x00563412};

// --- pictures written with SDL itself.
SDL_Surface* SurfaceOf(const std::vector<uint32_t>& colours, int w, int h) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
  for (int y = 0; y < h; ++y) {
    auto* row = static_cast<uint8_t*>(s->pixels) + y * s->pitch;
    for (int x = 0; x < w; ++x) {
      uint32_t c = colours[size_t(y * w + x)];
      row[3 * x] = RedOf(c);
      row[3 * x + 1] = GreenOf(c);
      row[3 * x + 2] = BlueOf(c);
    }
  }
  return s;
}

TEST(SdlMediaDecode, GifColoursAreExactIncludingTheTransparentIndex) {
  SdlMedia media = MakeMedia();
  auto gif = MakeGif(4, 2, kGifIndices, kPalette, 2);
  auto picture = media.DecodePicture(gif.data(), gif.size());
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->width, 4);
  EXPECT_EQ(picture->height, 2);
  EXPECT_EQ(std::vector<uint32_t>(picture->pixels.begin(), picture->pixels.end()), kGifColours);
}

TEST(SdlMediaDecode, GifFromFileMatchesMemory) {
  SdlMedia media = MakeMedia();
  TempDir dir;
  WriteFile(dir.File("mask.gif"), MakeGif(4, 2, kGifIndices, kPalette, -1));
  auto picture = media.DecodePicture(dir.File("mask.gif"));
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(std::vector<uint32_t>(picture->pixels.begin(), picture->pixels.end()), kGifColours);
}

TEST(SdlMediaDecode, TrueColourBmpIsExact) {
  SdlMedia media = MakeMedia();
  TempDir dir;
  SDL_Surface* s = SurfaceOf(kGifColours, 4, 2);
  ASSERT_EQ(SDL_SaveBMP(s, dir.File("sprite.bmp").c_str()), 0);
  SDL_FreeSurface(s);
  auto picture = media.DecodePicture(dir.File("sprite.bmp"));
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->width, 4);
  EXPECT_EQ(picture->height, 2);
  EXPECT_EQ(std::vector<uint32_t>(picture->pixels.begin(), picture->pixels.end()), kGifColours);
}

TEST(SdlMediaDecode, PalettisedBmpGivesPaletteColours) {
  SdlMedia media = MakeMedia();
  TempDir dir;
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 4, 2, 8, SDL_PIXELFORMAT_INDEX8);
  SDL_Color colours[8];
  for (int i = 0; i < 8; ++i) colours[i] = {kPalette[i][0], kPalette[i][1], kPalette[i][2], 255};
  SDL_SetPaletteColors(s->format->palette, colours, 0, 8);
  for (int i = 0; i < 8; ++i) static_cast<uint8_t*>(s->pixels)[(i / 4) * s->pitch + i % 4] = kGifIndices[size_t(i)];
  ASSERT_EQ(SDL_SaveBMP(s, dir.File("phase.bmp").c_str()), 0);
  SDL_FreeSurface(s);

  auto bytes = ReadFile(dir.File("phase.bmp"));
  ASSERT_GT(bytes.size(), 30u);
  ASSERT_EQ(bytes[28], 8);  // bits per pixel: the file really is palettised

  auto picture = media.DecodePicture(bytes.data(), bytes.size());
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(std::vector<uint32_t>(picture->pixels.begin(), picture->pixels.end()), kGifColours);
}

TEST(SdlMediaDecode, JpegColoursAreClose) {
  SdlMedia media = MakeMedia();
  TempDir dir;
  // 16 x 16 blocks of one colour each survive JPEG nearly unchanged.
  const std::vector<uint32_t> blocks = {kRed, kCyan, 0x0000FF00, 0x00808080};
  std::vector<uint32_t> colours(64 * 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 64; ++x) colours[size_t(y * 64 + x)] = blocks[size_t(x / 16)];
  SDL_Surface* s = SurfaceOf(colours, 64, 16);
  ASSERT_EQ(IMG_SaveJPG(s, dir.File("city.jpg").c_str(), 95), 0);
  SDL_FreeSurface(s);

  auto picture = media.DecodePicture(dir.File("city.jpg"));
  ASSERT_TRUE(picture.has_value());
  ASSERT_EQ(picture->width, 64);
  ASSERT_EQ(picture->height, 16);
  for (size_t i = 0; i < blocks.size(); ++i) {
    uint32_t got = picture->Get(int(i) * 16 + 8, 8);
    EXPECT_NEAR(RedOf(got), RedOf(blocks[i]), 6) << "block " << i;
    EXPECT_NEAR(GreenOf(got), GreenOf(blocks[i]), 6) << "block " << i;
    EXPECT_NEAR(BlueOf(got), BlueOf(blocks[i]), 6) << "block " << i;
    EXPECT_EQ(got >> 24, 0u);
  }
}

TEST(SdlMediaDecode, OwnJpegPathMatchesTheImageLibraryPixelForPixel) {
  auto bytes = ReadFile(fs::path(CINDERWAKE_TEST_DATA_DIR) / "hut.jpg");
  ASSERT_FALSE(bytes.empty());
  auto own = DecodeJpeg(bytes.data(), bytes.size());
  ASSERT_TRUE(own.has_value());
  SDL_Surface* decoded = IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
  ASSERT_NE(decoded, nullptr);
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_XBGR8888, 0);
  SDL_FreeSurface(decoded);
  ASSERT_EQ(own->width, rgb->w);
  ASSERT_EQ(own->height, rgb->h);
  size_t differing = 0;
  for (int y = 0; y < rgb->h; ++y) {
    auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) + size_t(y) * rgb->pitch);
    for (int x = 0; x < rgb->w; ++x) differing += (row[x] & 0x00FFFFFFu) != own->Get(x, y);
  }
  SDL_FreeSurface(rgb);
  EXPECT_EQ(differing, 0u);

  // A JPEG start followed by nonsense is refused by both paths.
  std::vector<uint8_t> broken = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00, 0x01};
  broken.resize(400, 0x5A);
  EXPECT_FALSE(DecodeJpeg(broken.data(), broken.size()).has_value());
  EXPECT_FALSE(MakeMedia().DecodePicture(broken.data(), broken.size()).has_value());
  EXPECT_FALSE(DecodeJpeg(bytes.data(), 2).has_value());
}

TEST(SdlMediaDecode, MissingFileAndGarbageGiveNothing) {
  SdlMedia media = MakeMedia();
  EXPECT_FALSE(media.DecodePicture("/nonexistent/city.jpg").has_value());
  const uint8_t garbage[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  EXPECT_FALSE(media.DecodePicture(garbage, sizeof garbage).has_value());
  EXPECT_FALSE(media.DecodePicture(nullptr, 0).has_value());
}

TEST(SdlMediaPng, SaveThenDecodeRoundTripsExactly) {
  SdlMedia media = MakeMedia();
  TempDir dir;
  Surface frame(800, 600);
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) frame.Set(x, y, Rgb(uint8_t(x), uint8_t(y), uint8_t(x ^ y)));
  ASSERT_TRUE(media.SavePng(frame, dir.File("shot.png")));
  auto picture = media.DecodePicture(dir.File("shot.png"));
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->width, 800);
  EXPECT_EQ(picture->height, 600);
  EXPECT_EQ(picture->pixels, frame.pixels);
}

TEST(SdlMediaPng, EmptyFrameOrBadPathFails) {
  SdlMedia media = MakeMedia();
  TempDir dir;
  EXPECT_FALSE(media.SavePng(Surface(), dir.File("empty.png")));
  EXPECT_FALSE(fs::exists(dir.File("empty.png")));
  EXPECT_FALSE(media.SavePng(Surface(8, 8), "/nonexistent/dir/shot.png"));
}

TEST(SdlMediaText, PointsBecomePixelsAt96Dpi) {
  EXPECT_EQ(FontPixelSize(12), 16);
  EXPECT_EQ(FontPixelSize(9), 12);
  EXPECT_EQ(FontPixelSize(8.25), 11);
}

TEST(SdlMediaText, Latin1BecomesUtf8) {
  EXPECT_EQ(Latin1ToUtf8("Ab 1"), "Ab 1");
  EXPECT_EQ(Latin1ToUtf8("\xE9\xFF"), "\xC3\xA9\xC3\xBF");
}

TEST(SdlMediaText, LineGivesAntialiasedMask) {
  SdlMedia media = MakeMedia();
  TextMask mask = media.RenderText("Ab", 12, false);
  EXPECT_GT(mask.width, 10);
  EXPECT_LT(mask.width, 40);
  EXPECT_GE(mask.height, 16);
  EXPECT_LE(mask.height, 24);
  ASSERT_EQ(mask.alpha.size(), size_t(mask.width) * size_t(mask.height));
  int solid = 0, partial = 0;
  for (uint8_t a : mask.alpha) {
    solid += a == 255;
    partial += a > 0 && a < 255;
  }
  EXPECT_GT(solid, 0);
  EXPECT_GT(partial, 0);
}

TEST(SdlMediaText, BoldDiffersFromRegular) {
  SdlMedia media = MakeMedia();
  TextMask regular = media.RenderText("Ab", 12, false);
  TextMask bold = media.RenderText("Ab", 12, true);
  EXPECT_GT(bold.width, 0);
  EXPECT_NE(bold.alpha, regular.alpha);
}

TEST(SdlMediaText, EmptyLineGivesEmptyMask) {
  SdlMedia media = MakeMedia();
  TextMask mask = media.RenderText("", 12, false);
  EXPECT_EQ(mask.width, 0);
  EXPECT_EQ(mask.height, 0);
  EXPECT_TRUE(mask.alpha.empty());
}

TEST(SdlMediaText, Latin1LetterIsDrawn) {
  SdlMedia media = MakeMedia();
  TextMask accented = media.RenderText("\xE9", 12, false);
  TextMask plain = media.RenderText("e", 12, false);
  EXPECT_EQ(accented.width, plain.width);
  EXPECT_NE(accented.alpha, plain.alpha);
}

TEST(SdlMediaText, BoldFallsBackToRegularFontWhenNoBoldGiven) {
  SdlMedia media(ReadFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"), {});
  TextMask regular = media.RenderText("Ab", 12, false);
  TextMask bold = media.RenderText("Ab", 12, true);
  EXPECT_GT(bold.width, 0);
  EXPECT_NE(bold.alpha, regular.alpha);
}

}  // namespace
}  // namespace cw
