#include "app/data_check.h"

#include <vector>

#include "platform/host_os.h"
#include "platform/utf8_path.h"
#include "world/location_catalogue.h"

namespace cw {
namespace {

unsigned Byte(const std::string& s, size_t i) { return static_cast<unsigned char>(s[i]); }

}  // namespace

bool LooksLikeWholeJpeg(const std::string& b) {
  if (b.size() < 4 || Byte(b, 0) != 0xFF || Byte(b, 1) != 0xD8 || Byte(b, 2) != 0xFF) return false;
  // Walk the marker segments up to a frame header with a non-zero size.
  size_t i = 2;
  bool frame = false;
  while (i + 4 <= b.size() && !frame) {
    if (Byte(b, i) != 0xFF) return false;
    unsigned marker = Byte(b, i + 1);
    size_t length = (Byte(b, i + 2) << 8) | Byte(b, i + 3);
    if (length < 2) return false;
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      if (i + 9 > b.size()) return false;
      unsigned height = (Byte(b, i + 5) << 8) | Byte(b, i + 6), width = (Byte(b, i + 7) << 8) | Byte(b, i + 8);
      frame = width > 0 && height > 0;
      if (!frame) return false;
    }
    i += 2 + length;
  }
  // The file must end with the end-of-image marker (a truncated file does not).
  size_t end = b.find_last_not_of('\0');
  return frame && end != std::string::npos && end >= 1 && Byte(b, end - 1) == 0xFF && Byte(b, end) == 0xD9;
}

bool LooksLikeWholeGif(const std::string& b) {
  if (b.size() < 14 || (b.compare(0, 6, "GIF87a") != 0 && b.compare(0, 6, "GIF89a") != 0)) return false;
  unsigned width = Byte(b, 6) | (Byte(b, 7) << 8), height = Byte(b, 8) | (Byte(b, 9) << 8);
  return width > 0 && height > 0 && Byte(b, b.size() - 1) == 0x3B;  // the trailer
}

std::vector<std::pair<std::string, bool>> RequiredDataFiles() {
  std::vector<std::pair<std::string, bool>> files;
  // Location pictures are JPEG and masks GIF: the location table takes no other names.
  for (const LocationInfo& location : Locations()) {
    files.emplace_back(location.picture, true);
    files.emplace_back(location.mask, false);
  }
  files.emplace_back("story_start.gif", false);
  files.emplace_back("story_end.gif", false);
  return files;
}

std::optional<std::string> CheckDataFolder(const std::filesystem::path& data_dir) {
  for (const auto& [name, jpeg] : RequiredDataFiles()) {
    auto path = data_dir / name;
    std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) return "missing data file: " + Utf8Path(path);
    if (!(jpeg ? LooksLikeWholeJpeg(*bytes) : LooksLikeWholeGif(*bytes)))
      return "damaged data file (not a whole " + std::string(jpeg ? "JPEG" : "GIF") + " picture): " + Utf8Path(path);
  }
  return std::nullopt;
}

}  // namespace cw
