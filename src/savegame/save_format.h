#pragma once
// The text of the saved game: 17 values, one a line, and the check a file must pass before it is loaded.
#include <string>
#include <vector>

#include "savegame/save_lines.h"

namespace cw {

class Game;

inline constexpr const char* kSaveFileName = "SaveGame.txt";
// Written first and renamed over the saved game, so a failed save never leaves half a file.
inline constexpr const char* kSaveTempName = "SaveGame.txt.tmp";

// The 17 values joined with CR LF, no line end after the last.
std::string SaveGameTextOf(const Game& g);

// The lines of a file: CR LF, a lone LF or a lone CR ends a line; a last line without an end counts too.
std::vector<std::string> SplitSaveLines(const std::string& content);

// One line of a loadable file, converted for its field: `number` for numbers and the items
// (True is -1), `text` for the location name and the points caption (kept as written).
struct SavedValue {
  double number = 0;
  std::string text;
};

struct CheckedSave {
  enum class Result { Loadable, NoSaveGame, Broken };
  Result result = Result::Broken;
  std::vector<SavedValue> values;  // the lines present, at most 17, when loadable
};

// Checks every line before anything is applied. The first line "NoSaveGame" means no saved game;
// a line that does not convert to what its field needs makes the whole file unloadable.
CheckedSave CheckSaveGame(const std::string& content);

}  // namespace cw
