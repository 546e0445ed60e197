#pragma once
// Turning files and text into pixels and pixels into files: decoding pictures, rendering text, writing
// PNG. The results depend only on the arguments and the files, never on the session's course, so a
// replay computes them again and record and replay leave them out. The SDL backend and the headless
// twin implement it on the same code (sdl_media).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/indexed_surface.h"
#include "platform/surface.h"

namespace cw {

// Grey-level coverage of a rendered line of text; drawn in the label's colour by the element layer.
struct TextMask {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> alpha;
};

class Media {
 public:
  virtual ~Media() = default;

  // Decodes a JPEG, GIF, BMP or PNG file or memory block into a 32-bit buffer.
  virtual std::optional<Surface> DecodePicture(const std::string& path) = 0;
  virtual std::optional<Surface> DecodePicture(const void* data, size_t size) = 0;
  // The same pictures into palette indices, for pictures of exact colours such as collision masks;
  // none also when the picture has more colours than a palette holds.
  virtual std::optional<IndexedSurface> DecodeIndexed(const std::string& path) = 0;
  // Renders one line of text.
  virtual TextMask RenderText(const std::string& line, double point_size, bool bold) = 0;
  // Writes an 800 x 600 picture as PNG; false on failure.
  virtual bool SavePng(const Surface& frame, const std::string& path) = 0;
};

}  // namespace cw
