#include "external/image_effects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "runtime/trig.h"

namespace cw {
namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFFu;

bool IsKey(uint32_t pixel, uint32_t key) { return ((pixel ^ key) & kRgbMask) == 0; }

// Reading from a private copy keeps the result independent of the drawing order
// when a caller draws a surface onto itself.
const Surface& Unaliased(const Surface& src, const Surface& dst, Surface& copy) {
  if (&src != &dst) return src;
  copy = src;
  return copy;
}

// Part of a w x h rectangle, taken from src at (sx, sy) and put on dst at (x, y),
// that lies inside both buffers; offsets are relative to the rectangle's corner.
// 64-bit so that absurd arguments cannot overflow.
struct Span {
  int64_t u0 = 0, v0 = 0, u1 = 0, v1 = 0;
  bool Empty() const { return u1 <= u0 || v1 <= v0; }
};

Span ClipRect(const Surface& dst, int64_t x, int64_t y, int64_t w, int64_t h, const Surface& src, int64_t sx,
              int64_t sy) {
  Span s;
  s.u0 = std::max<int64_t>({0, -x, -sx});
  s.v0 = std::max<int64_t>({0, -y, -sy});
  s.u1 = std::min<int64_t>({w, dst.width - x, src.width - sx});
  s.v1 = std::min<int64_t>({h, dst.height - y, src.height - sy});
  return s;
}

uint8_t Luminance(uint32_t c) { return uint8_t((77u * RedOf(c) + 150u * GreenOf(c) + 29u * BlueOf(c)) >> 8); }

// Source coordinates are stepped in half pixels with this many fraction bits, so
// multiples of 90 degrees map pixel centres exactly.
constexpr int kFrac = 16;
constexpr int64_t kOne = int64_t(1) << kFrac;

void RotateInto(Surface& dst, int x, int y, const Surface& src, uint32_t key, double angleDegrees) {
  const double turn = std::isfinite(angleDegrees) ? std::fmod(angleDegrees, 360.0) : 0.0;
  const double rad = turn * std::numbers::pi / 180.0;
  const double c = Cos(rad), s = Sin(rad);
  const int64_t cosF = std::llround(c * double(kOne));
  const int64_t sinF = std::llround(s * double(kOne));

  const int64_t w = src.width, h = src.height;
  // Centre of the drawn picture, in half pixels of dst: exactly x for even sizes,
  // the middle of pixel x for odd ones.
  const int64_t cx2 = 2 * (int64_t(x) - w / 2) + w;
  const int64_t cy2 = 2 * (int64_t(y) - h / 2) + h;
  // Half of the rotated bounding box, in half pixels (= its full size in pixels).
  const double ex2 = std::fabs(c) * double(w) + std::fabs(s) * double(h);
  const double ey2 = std::fabs(s) * double(w) + std::fabs(c) * double(h);
  const double left = std::floor((double(cx2) - ex2) / 2.0) - 1.0;
  const double right = std::ceil((double(cx2) + ex2) / 2.0) + 1.0;
  const double top = std::floor((double(cy2) - ey2) / 2.0) - 1.0;
  const double bottom = std::ceil((double(cy2) + ey2) / 2.0) + 1.0;
  const int j0 = int(std::clamp(left, 0.0, double(dst.width)));
  const int j1 = int(std::clamp(right, 0.0, double(dst.width)));
  const int k0 = int(std::clamp(top, 0.0, double(dst.height)));
  const int k1 = int(std::clamp(bottom, 0.0, double(dst.height)));
  if (j0 >= j1 || k0 >= k1) return;

  // Inverse mapping: every dst pixel centre in the box is turned back into src.
  // 2*sx = w + cos*dx2 + sin*dy2, 2*sy = h - sin*dx2 + cos*dy2 (dx2, dy2 in half pixels).
  const int64_t dx2 = 2 * int64_t(j0) + 1 - cx2;
  const uint64_t uw = uint64_t(w), uh = uint64_t(h);
  const uint32_t* srcPixels = src.pixels.data();
  for (int k = k0; k < k1; ++k) {
    const int64_t dy2 = 2 * int64_t(k) + 1 - cy2;
    int64_t fx = w * kOne + cosF * dx2 + sinF * dy2;
    int64_t fy = h * kOne - sinF * dx2 + cosF * dy2;
    uint32_t* row = dst.Row(k);
    for (int j = j0; j < j1; ++j, fx += 2 * cosF, fy -= 2 * sinF) {
      const uint64_t ix = uint64_t(fx >> (kFrac + 1));
      const uint64_t iy = uint64_t(fy >> (kFrac + 1));
      if (ix >= uw || iy >= uh) continue;
      const uint32_t p = srcPixels[iy * uw + ix];
      if (!IsKey(p, key)) row[j] = p;
    }
  }
}

}  // namespace

void FoxRotate(Surface& dst, int x, int y, const Surface& src, const Surface& /*srcPicture*/, uint32_t keyColour,
               double angleDegrees, int /*mode*/) {
  if (dst.Empty() || src.Empty()) return;
  Surface copy;
  RotateInto(dst, x, y, Unaliased(src, dst, copy), keyColour, angleDegrees);
}

void FoxAlphaBlend(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int alpha,
                   uint32_t keyColour, int /*mode*/) {
  Surface copy;
  const Surface& from = Unaliased(src, dst, copy);
  const Span span = ClipRect(dst, x, y, w, h, from, sx, sy);
  if (span.Empty()) return;
  const uint32_t a = uint32_t(std::clamp(alpha, 0, 255));
  const uint32_t b = 255 - a;
  for (int64_t v = span.v0; v < span.v1; ++v) {
    const uint32_t* in = from.Row(int(sy + v));
    uint32_t* out = dst.Row(int(y + v));
    for (int64_t u = span.u0; u < span.u1; ++u) {
      const uint32_t s = in[sx + u];
      if (IsKey(s, keyColour)) continue;
      const uint32_t d = out[x + u];
      out[x + u] = Rgb(uint8_t((RedOf(s) * a + RedOf(d) * b + 127) / 255),
                       uint8_t((GreenOf(s) * a + GreenOf(d) * b + 127) / 255),
                       uint8_t((BlueOf(s) * a + BlueOf(d) * b + 127) / 255));
    }
  }
}

void FoxBumpMap(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, uint32_t keyColour,
                int /*mode*/) {
  Surface copy;
  const Surface& from = Unaliased(src, dst, copy);
  const Span span = ClipRect(dst, x, y, w, h, from, sx, sy);
  if (span.Empty()) return;
  // The up-left neighbour must lie in the rectangle and in the source buffer;
  // clipping against dst must not change the relief.
  const int64_t firstU = std::max<int64_t>(0, -int64_t(sx));
  const int64_t firstV = std::max<int64_t>(0, -int64_t(sy));
  for (int64_t v = span.v0; v < span.v1; ++v) {
    const uint32_t* in = from.Row(int(sy + v));
    const uint32_t* above = v > firstV ? from.Row(int(sy + v - 1)) : nullptr;
    uint32_t* out = dst.Row(int(y + v));
    for (int64_t u = span.u0; u < span.u1; ++u) {
      const uint32_t p = in[sx + u];
      if (IsKey(p, keyColour)) continue;
      int grey = 128;
      if (above && u > firstU) grey += int(Luminance(p)) - int(Luminance(above[sx + u - 1]));
      const uint8_t g = uint8_t(std::clamp(grey, 0, 255));
      out[x + u] = Rgb(g, g, g);
    }
  }
}

void FoxMosaic(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int blockSize,
               uint32_t keyColour, int /*mode*/) {
  Surface copy;
  const Surface& from = Unaliased(src, dst, copy);
  const Span span = ClipRect(dst, x, y, w, h, from, sx, sy);
  if (span.Empty()) return;
  const int64_t block = std::max(blockSize, 1);
  // Where the rectangle lies inside the source buffer: a block's sample is kept in here.
  const int64_t srcU0 = std::max<int64_t>(0, -int64_t(sx));
  const int64_t srcV0 = std::max<int64_t>(0, -int64_t(sy));
  const int64_t srcU1 = std::min<int64_t>(w, from.width - int64_t(sx));
  const int64_t srcV1 = std::min<int64_t>(h, from.height - int64_t(sy));
  for (int64_t bv = span.v0 / block * block; bv < span.v1; bv += block) {
    const int64_t rowStart = std::max(bv, span.v0);
    const int64_t rowEnd = std::min(bv + block, span.v1);
    const int64_t sampleV = std::clamp(bv, srcV0, srcV1 - 1);
    const uint32_t* in = from.Row(int(sy + sampleV));
    for (int64_t bu = span.u0 / block * block; bu < span.u1; bu += block) {
      const uint32_t p = in[sx + std::clamp(bu, srcU0, srcU1 - 1)];
      if (IsKey(p, keyColour)) continue;
      const int64_t colStart = std::max(bu, span.u0);
      const int64_t colEnd = std::min(bu + block, span.u1);
      for (int64_t v = rowStart; v < rowEnd; ++v) {
        uint32_t* out = dst.Row(int(y + v));
        std::fill(out + (x + colStart), out + (x + colEnd), p);
      }
    }
  }
}

void FoxBrightness(Surface& dst, const Surface& /*dstPicture*/, const Surface& src, const Surface& /*srcPicture*/,
                   int /*zero1*/, int level, int /*zero2*/) {
  const int l = std::clamp(level, -50, 50);
  const int width = std::min(dst.width, src.width);
  const int height = std::min(dst.height, src.height);
  if (width <= 0 || height <= 0 || (l == 0 && &src == &dst)) return;
  // Linear: level > 0 gives c + (255 - c) * level / 50, level < 0 gives c + c * level / 50 (truncated).
  std::array<uint32_t, 256> lut{};
  for (int c = 0; c < 256; ++c) lut[c] = uint32_t(l >= 0 ? c + (255 - c) * l / 50 : c + c * l / 50);
  for (int k = 0; k < height; ++k) {
    const uint32_t* in = src.Row(k);
    uint32_t* out = dst.Row(k);
    for (int j = 0; j < width; ++j) {
      const uint32_t p = in[j];
      out[j] = (p & 0xFF000000u) | lut[p & 0xFF] | (lut[(p >> 8) & 0xFF] << 8) | (lut[(p >> 16) & 0xFF] << 16);
    }
  }
}

}  // namespace cw
