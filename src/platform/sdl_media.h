#pragma once
// Picture decoding, text rendering and PNG writing on SDL2_image / SDL2_ttf.
// Needs no window and no audio device, so the headless backend shares it.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/indexed_surface.h"
#include "platform/media.h"
#include "platform/surface.h"

typedef struct _TTF_Font TTF_Font;
struct SDL_Surface;

namespace cw {

class SdlMedia {
 public:
  // The fonts are TrueType files held in memory; an empty bold font falls back to the
  // regular one with synthetic emboldening.
  SdlMedia(std::vector<uint8_t> regular_ttf, std::vector<uint8_t> bold_ttf);
  ~SdlMedia();
  SdlMedia(const SdlMedia&) = delete;
  SdlMedia& operator=(const SdlMedia&) = delete;

  std::optional<Surface> DecodePicture(const std::string& path);
  std::optional<Surface> DecodePicture(const void* data, size_t size);
  std::optional<IndexedSurface> DecodeIndexed(const std::string& path);
  std::optional<IndexedSurface> DecodeIndexed(const void* data, size_t size);
  // Coverage of one line; the text is Latin-1.
  TextMask RenderText(const std::string& line, double point_size, bool bold);
  bool SavePng(const Surface& frame, const std::string& path);

 private:
  TTF_Font* Font(int pixel_size, bool bold);
  static std::optional<Surface> ToSurface(SDL_Surface* decoded);

  std::vector<uint8_t> regular_ttf_;
  std::vector<uint8_t> bold_ttf_;
  std::map<std::pair<int, bool>, TTF_Font*> fonts_;
};

// Point size to pixel size at 96 dpi, rounded.
int FontPixelSize(double point_size);
// Latin-1 bytes to UTF-8.
std::string Latin1ToUtf8(const std::string& text);

}  // namespace cw
