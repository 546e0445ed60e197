#pragma once
// A file's size and time of change: what tells whether something made from the file is still the file.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace cw {

struct FileStamp {
  std::uintmax_t size = 0;
  std::filesystem::file_time_type written;
  bool operator==(const FileStamp& other) const { return size == other.size && written == other.written; }
};

// None when the file can't be looked at.
std::optional<FileStamp> StampOf(const std::string& path);

}  // namespace cw
