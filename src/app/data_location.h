#pragma once
// Where the game's data folder is: the `data` folder beside the program (a build, or a copy kept
// together), else the one installed with it, found relative to the program so that any
// installation prefix works (for /usr/games/cinderwake: /usr/share/games/cinderwake).
#include <filesystem>

namespace cw {

struct DataLocation {
  std::filesystem::path folder;
  // Installed data belongs to the system, never to the player: the saved game goes elsewhere.
  bool installed = false;
};

// `installed_relative` is the installed data folder relative to the program's folder; empty for none.
// With neither folder present the one beside the program is named, for the data check to report.
DataLocation FindDataFolder(const std::filesystem::path& program_folder,
                            const std::filesystem::path& installed_relative);

}  // namespace cw
