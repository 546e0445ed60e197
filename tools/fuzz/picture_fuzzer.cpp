// libFuzzer target: any bytes given as a picture (our JPEG path straight into the game's buffer, GIF
// palettes expanded, the other formats through SDL_image) decode to a whole buffer of the game's
// colours, or to nothing. Never a crash, and nothing larger than the largest picture allowed.
#include <cstddef>
#include <cstdint>

#include "platform/picture_size.h"
#include "platform/sdl_media.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static cw::SdlMedia* media = new cw::SdlMedia({}, {});
  auto picture = media->DecodePicture(data, size);
  if (!picture) return 0;
  if (picture->width <= 0 || picture->height <= 0) __builtin_trap();
  if (int64_t(picture->width) * picture->height > cw::kLargestPicturePixels) __builtin_trap();
  if (picture->pixels.size() != size_t(picture->width) * size_t(picture->height)) __builtin_trap();
  for (uint32_t c : picture->pixels)
    if (c >> 24) __builtin_trap();  // the game's colours carry no alpha
  return 0;
}
