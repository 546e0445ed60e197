#include "platform/jpeg_decode.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace cw {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

void EscapeOnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1); }
void Quiet(j_common_ptr) {}  // a recoverable flaw in the data is no message for the player

// Kept apart from anything with a destructor: longjmp skips them.
bool Decode(jpeg_decompress_struct& info, ErrorManager& errors, const void* data, size_t size, Surface& out) {
  if (setjmp(errors.escape)) return false;
  jpeg_mem_src(&info, static_cast<const unsigned char*>(data), static_cast<unsigned long>(size));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  if (info.jpeg_color_space != JCS_YCbCr && info.jpeg_color_space != JCS_RGB && info.jpeg_color_space != JCS_GRAYSCALE)
    return false;
  // Bytes R, G, B, pad: read as a little-endian word, the game's 0x00BBGGRR once the pad is cleared.
  info.out_color_space = JCS_EXT_RGBX;
  jpeg_start_decompress(&info);
  out = Surface(int(info.output_width), int(info.output_height));
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>(out.Row(int(info.output_scanline)));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

bool LooksLikeJpeg(const void* data, size_t size) {
  const auto* b = static_cast<const uint8_t*>(data);
  return data && size >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF;
}

std::optional<Surface> DecodeJpeg(const void* data, size_t size) {
  static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the pixel layout assumes little-endian words");
  if (!LooksLikeJpeg(data, size) || size > 0xFFFFFFFFu) return std::nullopt;
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = EscapeOnError;
  errors.base.output_message = Quiet;
  jpeg_create_decompress(&info);
  Surface out;
  bool ok = Decode(info, errors, data, size, out);
  jpeg_destroy_decompress(&info);
  if (!ok) return std::nullopt;
  const int width = out.width;
  for (int y = 0; y < out.height; ++y) {
    uint32_t* row = out.Row(y);
    for (int x = 0; x < width; ++x) row[x] &= 0x00FFFFFFu;
  }
  return out;
}

}  // namespace cw
