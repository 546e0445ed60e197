#pragma once
// Where the saved game lives: in the data folder beside the program when the player may write
// there, otherwise in the player's own data folder ($XDG_DATA_HOME/cinderwake, by default
// ~/.local/share/cinderwake), as for a game installed system-wide.
#include <filesystem>

namespace cw {

// `xdg_data_home` and `home` are the environment's values (null when unset).
std::filesystem::path ChooseSaveFolder(const std::filesystem::path& data_dir, bool data_dir_writable,
                                       const char* xdg_data_home, const char* home);
// Whether this process may create and replace files in `dir`.
bool FolderWritable(const std::filesystem::path& dir);

}  // namespace cw
