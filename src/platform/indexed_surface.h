#pragma once
// A picture of few exact colours kept as 8-bit palette indices: a collision mask at a quarter of the
// memory of a 32-bit buffer (the city's is 2000 x 1900).
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/surface.h"

namespace cw {

struct IndexedSurface {
  int width = 0;
  int height = 0;
  std::array<uint32_t, 256> palette{};                     // 0x00BBGGRR, as Surface
  std::vector<uint8_t, ZeroedAllocator<uint8_t>> indices;  // row-major, width * height

  IndexedSurface() = default;
  IndexedSurface(int w, int h) : width(w > 0 ? w : 0), height(h > 0 ? h : 0), indices(size_t(width) * size_t(height)) {}

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  // The exact colour, as the 32-bit picture would give it.
  uint32_t Get(int x, int y) const { return Contains(x, y) ? palette[indices[size_t(y) * width + x]] : kInvalidColour; }
  uint8_t* Row(int y) { return indices.data() + size_t(y) * width; }
  const uint8_t* Row(int y) const { return indices.data() + size_t(y) * width; }
  bool Empty() const { return width == 0 || height == 0; }
};

// The same picture in indices; none when it has more colours than a palette holds.
std::optional<IndexedSurface> ToIndexed(const Surface& picture);
// Each index turned into its colour.
Surface ToSurface(const IndexedSurface& picture);
// Blit (surface.h) from an indexed picture: the colours are copied, clipped to both buffers.
void Blit(Surface& dst, int dx, int dy, int w, int h, const IndexedSurface& src, int sx, int sy);

}  // namespace cw
