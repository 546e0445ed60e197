#pragma once
// A 32-bit drawing buffer. Pixels are 0x00BBGGRR, the colour layout the whole game uses.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#ifdef __EMSCRIPTEN__
#include <unistd.h>  // sbrk
#endif

namespace cw {

inline constexpr uint32_t kInvalidColour = 0xFFFFFFFFu;  // what reading outside a buffer yields
inline constexpr uint32_t kCyan = 0x00FFFF00u;           // sprite key colour and wall colour
inline constexpr uint32_t kRed = 0x000000FFu;            // trigger colour

inline constexpr uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16);
}
inline constexpr uint8_t RedOf(uint32_t c) { return uint8_t(c); }
inline constexpr uint8_t GreenOf(uint32_t c) { return uint8_t(c >> 8); }
inline constexpr uint8_t BlueOf(uint32_t c) { return uint8_t(c >> 16); }

#ifdef __EMSCRIPTEN__
// The highest the heap's end has been seen: nothing beyond it was ever written.
inline char*& HeapHighWater() {
  static char* highest = nullptr;
  return highest;
}
#endif

// Pixel storage from calloc: the system hands out large blocks as fresh zero pages, so a black buffer
// costs neither the time to clear it nor memory until something is drawn on it.
template <class T>
struct ZeroedAllocator {
  using value_type = T;
  ZeroedAllocator() = default;
  template <class U>
  ZeroedAllocator(const ZeroedAllocator<U>&) {}
  T* allocate(size_t n) {
#ifdef __EMSCRIPTEN__
    // The browser's calloc clears every block, and the first write to a page of the program's memory is
    // what costs (about 4 ms a megabyte). The heap only ever grows, and memory beyond its highest end
    // has never been written: only the part of a block below that end needs clearing.
    if (n > SIZE_MAX / sizeof(T)) throw std::bad_alloc();
    const size_t bytes = n ? n * sizeof(T) : 1;
    char*& untouched = HeapHighWater();
    untouched = std::max(untouched, static_cast<char*>(sbrk(0)));
    char* p = static_cast<char*>(std::malloc(bytes));
    if (!p) throw std::bad_alloc();
    if (p < untouched) std::memset(p, 0, std::min<size_t>(bytes, size_t(untouched - p)));
    return reinterpret_cast<T*>(p);
#else
    void* p = std::calloc(n ? n : 1, sizeof(T));
    if (!p) throw std::bad_alloc();
    return static_cast<T*>(p);
#endif
  }
  void deallocate(T* p, size_t) { std::free(p); }
  // Value-initialising a new element leaves it as calloc made it: zero. (Pixels only ever grow into
  // freshly allocated storage: a surface never resizes in place.)
  template <class U>
  void construct(U*) noexcept {}
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
  friend bool operator==(const ZeroedAllocator&, const ZeroedAllocator&) { return true; }
};

struct Surface {
  int width = 0;
  int height = 0;
  std::vector<uint32_t, ZeroedAllocator<uint32_t>> pixels;  // row-major, width * height

  Surface() = default;
  Surface(int w, int h, uint32_t fill = 0)
      : width(w > 0 ? w : 0), height(h > 0 ? h : 0), pixels(size_t(width) * size_t(height)) {
    if (fill != 0) Fill(fill);
  }

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  uint32_t Get(int x, int y) const { return Contains(x, y) ? pixels[size_t(y) * width + x] : kInvalidColour; }
  void Set(int x, int y, uint32_t c) {
    if (Contains(x, y)) pixels[size_t(y) * width + x] = c;
  }
  uint32_t* Row(int y) { return pixels.data() + size_t(y) * width; }
  const uint32_t* Row(int y) const { return pixels.data() + size_t(y) * width; }
  void Fill(uint32_t c) {
    // Black and white are byte fills, which the C library does fastest.
    if (c == 0 || c == 0xFFFFFFFFu)
      std::memset(pixels.data(), int(c & 0xFF), pixels.size() * sizeof(uint32_t));
    else
      std::fill(pixels.begin(), pixels.end(), c);
  }
  bool Empty() const { return width == 0 || height == 0; }
};

// Clips a w x h copy from (sx, sy) of a src_w x src_h buffer to (dx, dy) of a dst_w x dst_h one, moving
// both corners together; false when nothing is left to copy.
bool ClipCopy(int& dx, int& dy, int& w, int& h, int& sx, int& sy, int src_w, int src_h, int dst_w, int dst_h);
// Plain copy of a w x h rectangle, clipped to both buffers (the only raster operation the game uses).
void Blit(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy);

}  // namespace cw
