#include "platform/picture_size.h"

#include <cstring>

namespace cw {
namespace {

bool Fits(int64_t width, int64_t height) {
  if (width < 0) width = -width;
  if (height < 0) height = -height;  // a BMP stored top-down
  // Divided rather than multiplied: two 32-bit sides from a damaged header overflow 64 bits.
  return width == 0 || height <= kLargestPicturePixels / width;
}

uint32_t Little16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t Big16(const uint8_t* p) { return uint32_t(p[0]) << 8 | p[1]; }
uint32_t Big32(const uint8_t* p) { return Big16(p) << 16 | Big16(p + 2); }
int32_t Little32(const uint8_t* p) { return int32_t(Little16(p) | Little16(p + 2) << 16); }

bool JpegFits(const uint8_t* b, size_t size) {
  size_t i = 2;
  while (i + 9 <= size && b[i] == 0xFF) {
    unsigned marker = b[i + 1];
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
      return Fits(Big16(b + i + 7), Big16(b + i + 5));  // a frame header: height, then width
    i += 2 + Big16(b + i + 2);
  }
  return true;
}

// The logical screen and every image descriptor up to the first one (SDL_image decodes the first frame).
bool GifFits(const uint8_t* b, size_t size) {
  if (!Fits(Little16(b + 6), Little16(b + 8))) return false;
  size_t i = 13;
  if (b[10] & 0x80) i += 3u << ((b[10] & 7) + 1);  // the global colour table
  while (i < size) {
    if (b[i] == 0x2C) return i + 9 > size || Fits(Little16(b + i + 5), Little16(b + i + 7));
    if (b[i] != 0x21 || i + 2 > size) return true;
    i += 2;  // an extension: its label, then sub-blocks up to an empty one
    while (i < size && b[i] != 0) i += 1 + b[i];
    ++i;
  }
  return true;
}

}  // namespace

bool DeclaredSizeWithinLimit(const void* data, size_t size) {
  const auto* b = static_cast<const uint8_t*>(data);
  if (!data) return true;
  if (size >= 4 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) return JpegFits(b, size);
  if (size >= 13 && (std::memcmp(b, "GIF87a", 6) == 0 || std::memcmp(b, "GIF89a", 6) == 0)) return GifFits(b, size);
  if (size >= 24 && std::memcmp(b, "\x89PNG\r\n\x1a\n", 8) == 0) return Fits(Big32(b + 16), Big32(b + 20));
  if (size >= 26 && b[0] == 'B' && b[1] == 'M') return Fits(Little32(b + 18), Little32(b + 22));
  return true;
}

}  // namespace cw
