#pragma once
// Where the saved game lives: in the data folder beside the program when the player may write
// there, otherwise in the player's own data folder ($XDG_DATA_HOME/cinderwake, by default
// ~/.local/share/cinderwake, or on Windows %APPDATA%\Cinderwake), as for a game installed system-wide.
#include <filesystem>
#include <optional>

namespace cw {

// `xdg_data_home` and `home` are the environment's values (null when unset).
std::filesystem::path ChooseSaveFolder(const std::filesystem::path& data_dir, bool data_dir_writable,
                                       const char* xdg_data_home, const char* home);
// On Windows: `app_data` is the player's roaming application data folder (%APPDATA%), if any.
std::filesystem::path ChooseWindowsSaveFolder(const std::filesystem::path& data_dir, bool data_dir_writable,
                                              const std::optional<std::filesystem::path>& app_data);
// Whether this process may create and replace files in `dir`.
bool FolderWritable(const std::filesystem::path& dir);

}  // namespace cw
