#pragma once
// Sprite and screen effects drawn straight into drawing buffers.
// Every function clips to both buffers, leaves source pixels of the key colour out
// (only the low 24 bits are compared), and never touches memory outside a buffer.
// A "picture" argument names the surface whose persistent picture is meant; callers
// pass the same surface as the buffer, so it is not read. The mode argument does not
// change the result.
#include <cstddef>  // surface.h uses size_t without including it
#include <cstdint>

#include "platform/surface.h"

namespace cw {

// Draws the whole of src turned clockwise (on screen) by angleDegrees about its centre,
// with that centre at (x, y) of dst. At 0 degrees the top-left pixel lands at
// (x - src.width / 2, y - src.height / 2). Nearest-neighbour, no holes; src may be dst.
void FoxRotate(Surface& dst, int x, int y, const Surface& src, const Surface& srcPicture, uint32_t keyColour,
               double angleDegrees, int mode);

// Mixes the w x h rectangle of src at (sx, sy) into dst at (x, y). alpha is on 0..255
// (clamped): out = (s * alpha + d * (255 - alpha) + 127) / 255 per channel.
void FoxAlphaBlend(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int alpha,
                   uint32_t keyColour, int mode);

// Draws the rectangle as a grey relief lit from the top-left:
// grey = clamp(128 + lum(p) - lum(up-left neighbour in the rectangle), 0, 255),
// lum = (77 r + 150 g + 29 b) >> 8; a pixel without such a neighbour is flat (128).
void FoxBumpMap(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, uint32_t keyColour,
                int mode);

// Draws the rectangle as square blocks of blockSize (values below 1 count as 1) aligned
// to (x, y). Each block takes the colour of its top-left source pixel (moved inside the
// source buffer when the rectangle hangs over its edge); a key-coloured block is left out.
void FoxMosaic(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int blockSize,
               uint32_t keyColour, int mode);

// Writes src with every channel moved by level (clamped to -50..50) into dst, over the
// area both share; src may be dst.
void FoxBrightness(Surface& dst, const Surface& dstPicture, const Surface& src, const Surface& srcPicture, int zero1,
                   int level, int zero2);

}  // namespace cw
