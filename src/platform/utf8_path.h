#pragma once
// File names are UTF-8 text throughout the game (the command line, scripts, SDL's file functions).
// On Windows a std::string handed to std::filesystem or a file stream would be read in the ANSI code
// page instead, which can't hold every name: text becomes a path only through these two.
#include <filesystem>
#include <string>
#include <string_view>

namespace cw {

inline std::filesystem::path PathFromUtf8(std::string_view text) {
#ifdef _WIN32
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
#else
  return std::filesystem::path(text);
#endif
}

inline std::string Utf8Path(const std::filesystem::path& path) {
#ifdef _WIN32
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
#else
  return path.string();
#endif
}

}  // namespace cw
