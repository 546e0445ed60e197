#include "platform/picture_read_ahead.h"

#include "platform/utf8_path.h"

namespace cw {

namespace {

bool Stamp(const std::string& path, std::uintmax_t& size, std::filesystem::file_time_type& written) {
  std::error_code error;
  size = std::filesystem::file_size(PathFromUtf8(path), error);
  if (error) return false;
  written = std::filesystem::last_write_time(PathFromUtf8(path), error);
  return !error;
}

}  // namespace

void PictureReadAhead::Start(const std::string& path, Decoder decode) {
  Pending p;
  if (!Stamp(path, p.size, p.written)) return;  // decoded the ordinary way, which reports the problem
  p.result = std::async(std::launch::async, std::move(decode), path);
  pending_[path] = std::move(p);
}

std::optional<std::optional<Surface>> PictureReadAhead::Take(const std::string& path) {
  auto it = pending_.find(path);
  if (it == pending_.end()) return std::nullopt;
  Pending p = std::move(it->second);
  pending_.erase(it);
  std::optional<Surface> picture = p.result.get();
  std::uintmax_t size;
  std::filesystem::file_time_type written;
  if (!Stamp(path, size, written) || size != p.size || written != p.written) return std::nullopt;
  return picture;
}

}  // namespace cw
