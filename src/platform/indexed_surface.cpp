#include "platform/indexed_surface.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace cw {

std::optional<IndexedSurface> ToIndexed(const Surface& picture) {
  IndexedSurface out(picture.width, picture.height);
  std::unordered_map<uint32_t, uint8_t> index_of;
  uint32_t last = 0;
  uint8_t last_index = 0;
  bool have_last = false;
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    const uint32_t c = picture.pixels[i];
    // Masks come in long runs of one colour: most pixels need no look-up.
    if (!have_last || c != last) {
      auto found = index_of.find(c);
      if (found == index_of.end()) {
        if (index_of.size() == out.palette.size()) return std::nullopt;
        const uint8_t next = uint8_t(index_of.size());
        out.palette[next] = c;
        found = index_of.emplace(c, next).first;
      }
      last = c;
      last_index = found->second;
      have_last = true;
    }
    out.indices[i] = last_index;
  }
  return out;
}

Surface ToSurface(const IndexedSurface& picture) {
  Surface out(picture.width, picture.height);
  for (size_t i = 0; i < picture.indices.size(); ++i) out.pixels[i] = picture.palette[picture.indices[i]];
  return out;
}

void Blit(Surface& dst, int dx, int dy, int w, int h, const IndexedSurface& src, int sx, int sy) {
  if (!ClipCopy(dx, dy, w, h, sx, sy, src.width, src.height, dst.width, dst.height)) return;
  // The play area takes the mask on every pass. Most mask rows repeat the row above, which is then
  // copied as colours; the others are a few long runs of one colour, each found eight indices at a time
  // and filled, instead of a palette look-up per pixel.
  for (int y = 0; y < h; ++y) {
    const uint8_t* from = src.Row(sy + y) + sx;
    uint32_t* to = dst.Row(dy + y) + dx;
    if (y > 0 && std::memcmp(from, from - src.width, size_t(w)) == 0) {
      std::memcpy(to, to - dst.width, size_t(w) * 4);
      continue;
    }
    int x = 0;
    while (x < w) {
      const uint8_t index = from[x];
      const uint64_t eight = 0x0101010101010101ull * index;
      int end = x + 1;
      for (uint64_t next; end + 8 <= w; end += 8) {
        std::memcpy(&next, from + end, 8);
        if (next != eight) break;
      }
      while (end < w && from[end] == index) ++end;
      std::fill(to + x, to + end, src.palette[index]);
      x = end;
    }
  }
}

}  // namespace cw
