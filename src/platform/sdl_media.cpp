#include "platform/sdl_media.h"

#include <cmath>
#include <cstring>
#include <vector>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include "platform/gif_decode.h"
#include "platform/host_os.h"
#include "platform/jpeg_decode.h"
#include "platform/picture_size.h"
#include "platform/utf8_path.h"

namespace cw {

namespace {

// Packed 0x00BBGGRR, the game's own pixel layout.
constexpr uint32_t kGameFormat = SDL_PIXELFORMAT_XBGR8888;

}  // namespace

int FontPixelSize(double point_size) { return int(std::lround(point_size * 96.0 / 72.0)); }

std::string Latin1ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    if (c < 0x80) {
      out += char(c);
    } else {
      out += char(0xC0 | (c >> 6));
      out += char(0x80 | (c & 0x3F));
    }
  }
  return out;
}

SdlMedia::SdlMedia(std::vector<uint8_t> regular_ttf, std::vector<uint8_t> bold_ttf)
    : regular_ttf_(std::move(regular_ttf)), bold_ttf_(std::move(bold_ttf)) {
  // JPEG and PNG come from libraries loaded on demand; BMP is built in; GIF is our own (gif_decode).
  IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
  TTF_Init();  // counted, paired with TTF_Quit below
}

SdlMedia::~SdlMedia() {
  for (auto& entry : fonts_) TTF_CloseFont(entry.second);
  TTF_Quit();
  // IMG_Quit is not counted and another SdlMedia may still decode, so it is left alone.
}

std::optional<Surface> SdlMedia::ToSurface(SDL_Surface* decoded) {
  if (!decoded) return std::nullopt;
  if (SDL_ISPIXELFORMAT_INDEXED(decoded->format->format) && decoded->format->BitsPerPixel != 8) {
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(decoded, kGameFormat, 0);  // 1- and 4-bit: rare and small
    SDL_FreeSurface(decoded);
    if (!converted) return std::nullopt;
    decoded = converted;
  }
  // Straight into the game's buffer, without a second converted copy of a picture that can be 15 MB.
  // A plain conversion copies colours as stored: colour keys and alpha do not blend.
  Surface out(decoded->w, decoded->h);
  bool ok = true;
  if (SDL_MUSTLOCK(decoded)) SDL_LockSurface(decoded);
  const SDL_Palette* palette = decoded->format->palette;
  if (decoded->format->BitsPerPixel == 8 && palette) {
    uint32_t colours[256] = {};
    for (int i = 0; i < palette->ncolors && i < 256; ++i)
      colours[i] = Rgb(palette->colors[i].r, palette->colors[i].g, palette->colors[i].b);
    const int width = out.width, height = out.height;
    for (int y = 0; y < height; ++y) {
      const uint8_t* src = static_cast<const uint8_t*>(decoded->pixels) + size_t(y) * decoded->pitch;
      uint32_t* dst = out.Row(y);
      for (int x = 0; x < width; ++x) dst[x] = colours[src[x]];
    }
  } else {
    ok = SDL_ConvertPixels(out.width, out.height, decoded->format->format, decoded->pixels, decoded->pitch, kGameFormat,
                           out.pixels.data(), out.width * 4) == 0;
    for (uint32_t& p : out.pixels) p &= 0x00FFFFFFu;
  }
  if (SDL_MUSTLOCK(decoded)) SDL_UnlockSurface(decoded);
  SDL_FreeSurface(decoded);
  if (!ok) return std::nullopt;
  return out;
}

std::optional<Surface> SdlMedia::DecodePicture(const std::string& path) {
  auto bytes = ReadWholeFile(PathFromUtf8(path));
  if (!bytes) return std::nullopt;
  return DecodePicture(bytes->data(), bytes->size());
}

std::optional<IndexedSurface> SdlMedia::DecodeIndexed(const std::string& path) {
  auto bytes = ReadWholeFile(PathFromUtf8(path));
  if (!bytes) return std::nullopt;
  return DecodeIndexed(bytes->data(), bytes->size());
}

std::optional<IndexedSurface> SdlMedia::DecodeIndexed(const void* data, size_t size) {
  // A GIF is indices already; anything else goes through 32 bits and is indexed if it can be.
  if (data && size > 0 && size <= size_t(INT32_MAX) && DeclaredSizeWithinLimit(data, size) && LooksLikeGif(data, size))
    return DecodeGifIndexed(data, size);
  auto picture = DecodePicture(data, size);
  if (!picture) return std::nullopt;
  return ToIndexed(*picture);
}

std::optional<Surface> SdlMedia::DecodePicture(const void* data, size_t size) {
  if (!data || size == 0 || size > size_t(INT32_MAX)) return std::nullopt;
  if (!DeclaredSizeWithinLimit(data, size)) return std::nullopt;
  if (LooksLikeJpeg(data, size)) {
    if (auto picture = DecodeJpeg(data, size)) return picture;
  }
  if (LooksLikeGif(data, size)) return DecodeGif(data, size);
  SDL_RWops* memory = SDL_RWFromConstMem(data, int(size));
  if (!memory) return std::nullopt;
  // Only the kinds of picture the game has: SDL_image would also try SVG, TGA, XCF and more on damaged
  // bytes, each a decoder of its own (the SVG one leaks on some).
  const char* kind = IMG_isJPG(memory) ? "JPG" : IMG_isBMP(memory) ? "BMP" : IMG_isPNG(memory) ? "PNG" : nullptr;
  if (!kind) {
    SDL_RWclose(memory);
    return std::nullopt;
  }
  return ToSurface(IMG_LoadTyped_RW(memory, 1, kind));
}

TTF_Font* SdlMedia::Font(int pixel_size, bool bold) {
  auto key = std::make_pair(pixel_size, bold);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;

  bool own_bold = bold && !bold_ttf_.empty();
  const std::vector<uint8_t>& bytes = own_bold ? bold_ttf_ : regular_ttf_;
  TTF_Font* font = nullptr;
  if (!bytes.empty()) {
    // The bytes outlive the font: both belong to this object.
    SDL_RWops* memory = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    // SDL_ttf sizes at 72 dpi, where points equal pixels.
    if (memory) font = TTF_OpenFontRW(memory, 1, pixel_size);
  }
  if (font && bold && !own_bold) TTF_SetFontStyle(font, TTF_STYLE_BOLD);
  fonts_[key] = font;  // a failure is remembered too, so it is not retried on every label
  return font;
}

TextMask SdlMedia::RenderText(const std::string& line, double point_size, bool bold) {
  TextMask mask;
  int pixel_size = FontPixelSize(point_size);
  if (line.empty() || pixel_size <= 0) return mask;
  TTF_Font* font = Font(pixel_size, bold);
  if (!font) return mask;

  SDL_Surface* text = TTF_RenderUTF8_Blended(font, Latin1ToUtf8(line).c_str(), SDL_Color{255, 255, 255, 255});
  if (!text) return mask;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(text, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(text);
  if (!argb) return mask;

  mask.width = argb->w;
  mask.height = argb->h;
  mask.alpha.resize(size_t(mask.width) * size_t(mask.height));
  if (SDL_MUSTLOCK(argb)) SDL_LockSurface(argb);
  for (int y = 0; y < mask.height; ++y) {
    const auto* src =
        reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + size_t(y) * argb->pitch);
    for (int x = 0; x < mask.width; ++x) mask.alpha[size_t(y) * mask.width + x] = uint8_t(src[x] >> 24);
  }
  if (SDL_MUSTLOCK(argb)) SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
  return mask;
}

bool SdlMedia::SavePng(const Surface& frame, const std::string& path) {
  if (frame.Empty() || frame.pixels.size() != size_t(frame.width) * size_t(frame.height)) return false;
  SDL_Surface* view = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(frame.pixels.data()), frame.width,
                                                         frame.height, 32, frame.width * 4, kGameFormat);
  if (!view) return false;
  // Three channels: no alpha in the file, and a smaller one.
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(view, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(view);
  if (!rgb) return false;
  bool ok = IMG_SavePNG(rgb, path.c_str()) == 0;
  SDL_FreeSurface(rgb);
  return ok;
}

}  // namespace cw
