#include "app/data_location.h"

namespace cw {

DataLocation FindDataFolder(const std::filesystem::path& program_folder,
                            const std::filesystem::path& installed_relative) {
  std::error_code ec;
  auto beside = program_folder / "data";
  if (std::filesystem::is_directory(beside, ec) || installed_relative.empty()) return {beside, false};
  auto installed = (program_folder / installed_relative).lexically_normal();
  if (std::filesystem::is_directory(installed, ec)) return {installed, true};
  return {beside, false};
}

}  // namespace cw
