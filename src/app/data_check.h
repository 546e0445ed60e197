#pragma once
// The data folder is checked before the window opens: every location picture and mask and both story
// pages must be there and look whole. Music may be missing (the game is silent then).
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cw {

// The files the data folder must hold, in the order they are checked, each with whether it is a JPEG
// (otherwise a GIF).
std::vector<std::pair<std::string, bool>> RequiredDataFiles();

// nullopt when everything is there; otherwise a message naming the first file that is missing or broken.
std::optional<std::string> CheckDataFolder(const std::filesystem::path& data_dir);

// True when the bytes look like a whole JPEG or GIF file: the right signature, a readable size header
// and the end marker in place. Cheap enough for start-up; no pixels are decoded.
bool LooksLikeWholeJpeg(const std::string& bytes);
bool LooksLikeWholeGif(const std::string& bytes);

}  // namespace cw
