#include "app/save_location.h"

#include <unistd.h>

namespace cw {

std::filesystem::path ChooseSaveFolder(const std::filesystem::path& data_dir, bool data_dir_writable,
                                       const char* xdg_data_home, const char* home) {
  if (data_dir_writable) return data_dir;
  // A relative XDG_DATA_HOME is to be ignored, as if it were unset.
  if (xdg_data_home && std::filesystem::path(xdg_data_home).is_absolute())
    return std::filesystem::path(xdg_data_home) / "cinderwake";
  if (home && std::filesystem::path(home).is_absolute())
    return std::filesystem::path(home) / ".local" / "share" / "cinderwake";
  // Nowhere better: saving will fail, as it would have in the data folder.
  return data_dir;
}

bool FolderWritable(const std::filesystem::path& dir) { return ::access(dir.c_str(), W_OK | X_OK) == 0; }

}  // namespace cw
