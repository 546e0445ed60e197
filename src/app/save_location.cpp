#include "app/save_location.h"

#ifdef _WIN32
#include <cstdio>
#include <random>
#include <string>
#include <system_error>
#else
#include <unistd.h>
#endif

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

std::filesystem::path ChooseWindowsSaveFolder(const std::filesystem::path& data_dir, bool data_dir_writable,
                                              const std::optional<std::filesystem::path>& app_data) {
  if (data_dir_writable || !app_data || app_data->empty()) return data_dir;
  return *app_data / "Cinderwake";
}

#ifdef _WIN32
// Windows' access() knows only the read-only attribute, not who may write where (Program Files):
// the only sure test is to make a file there.
bool FolderWritable(const std::filesystem::path& dir) {
  std::random_device rd;
  auto probe = dir / (".cinderwake-write-test-" + std::to_string(rd()));
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) return false;
  FILE* f = _wfopen(probe.c_str(), L"wbx");
  if (!f) return false;
  std::fclose(f);
  std::filesystem::remove(probe, ec);
  return true;
}
#else
bool FolderWritable(const std::filesystem::path& dir) { return ::access(dir.c_str(), W_OK | X_OK) == 0; }
#endif

}  // namespace cw
