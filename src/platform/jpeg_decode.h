#pragma once
// JPEG straight into a 32-bit buffer with libjpeg-turbo: no 24-bit copy of a picture that can be
// 2000 x 1900 pixels, and no conversion pass.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/surface.h"

namespace cw {

bool LooksLikeJpeg(const void* data, size_t size);
// None when the bytes are not a JPEG this path reads (damaged, or a colour space like CMYK).
std::optional<Surface> DecodeJpeg(const void* data, size_t size);

}  // namespace cw
