#include "platform/file_stamp.h"

#include "platform/utf8_path.h"

namespace cw {

std::optional<FileStamp> StampOf(const std::string& path) {
  std::error_code error;
  FileStamp stamp;
  stamp.size = std::filesystem::file_size(PathFromUtf8(path), error);
  if (error) return std::nullopt;
  stamp.written = std::filesystem::last_write_time(PathFromUtf8(path), error);
  if (error) return std::nullopt;
  return stamp;
}

}  // namespace cw
