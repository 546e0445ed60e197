#pragma once
// The size a picture file says it has, read from its header before anything is decoded, so that a
// damaged header can't make the decoder ask for gigabytes.
#include <cstddef>
#include <cstdint>

namespace cw {

// Larger than any picture the game ships (the largest location is about 4 M pixels).
inline constexpr int64_t kLargestPicturePixels = int64_t(1) << 24;

// False when the JPEG, GIF, PNG or BMP header declares a picture (or, in a GIF, any frame or the
// logical screen) of more than kLargestPicturePixels pixels. Bytes in no such format, or a header cut
// short, say nothing: true.
bool DeclaredSizeWithinLimit(const void* data, size_t size);

}  // namespace cw
