#pragma once
// The 17 lines of the saved game in file order: which field each holds and of what kind, which decides
// how the line is written, what a file must hold there to load, and how it is applied.
#include <array>
#include <string>

#include "play/game_state.h"
#include "ui/window.h"

namespace cw {

inline constexpr int kSaveLineCount = 17;

enum class SaveKind {
  Position,  // an offset or a position of the player: any number a pixel operation can take
  Location,  // the location name
  Stat16,    // a 16-bit statistic
  Stat32,    // a 32-bit statistic
  Item,      // whether an item is held, "True" or "False"
  Points,    // the caption of the unspent points, kept as written
};

struct SaveLine {
  SaveKind kind;
  Value GameState::*position = nullptr;
  std::string GameState::*location = nullptr;
  Int16 GameState::*stat16 = nullptr;
  Int32 GameState::*stat32 = nullptr;
  // The label a loaded statistic is shown in (if any), the item's image, the points label.
  Element* Elements::*element = nullptr;
};

extern const std::array<SaveLine, kSaveLineCount> kSaveLines;

}  // namespace cw
