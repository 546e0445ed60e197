#include "platform/indexed_surface.h"

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
  for (int y = 0; y < h; ++y) {
    const uint8_t* from = src.Row(sy + y) + sx;
    uint32_t* to = dst.Row(dy + y) + dx;
    for (int x = 0; x < w; ++x) to[x] = src.palette[from[x]];
  }
}

}  // namespace cw
