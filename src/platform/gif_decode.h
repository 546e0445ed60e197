#pragma once
// GIF into palette indices or a 32-bit buffer: the first frame, at its own size, each pixel its palette
// colour.
// The game's masks and story pages are GIFs; our own reader checks every code and length, where
// SDL_image's crashes on some damaged files.
#include <cstddef>
#include <optional>

#include "platform/indexed_surface.h"
#include "platform/surface.h"

namespace cw {

bool LooksLikeGif(const void* data, size_t size);
// None when there is no frame to read. Image data that ends early or holds a code that can't be
// decoded leaves the rest of the frame at colour 0 of the palette.
std::optional<IndexedSurface> DecodeGifIndexed(const void* data, size_t size);
std::optional<Surface> DecodeGif(const void* data, size_t size);

}  // namespace cw
