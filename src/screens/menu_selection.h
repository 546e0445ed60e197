#pragma once
// The keyboard selection of a menu, kept in a game-state field: Up and Down move it one entry and wrap
// past either end. Unset counts as 0, so the first Down may name no entry yet.
#include "runtime/value_types.h"

namespace cw {

// The numbers of a menu's first and last entries.
struct MenuEntries {
  int first, last;
};

// Up and Down move the selection; other keys leave it as it is.
void MoveSelection(Value& selection, int key_code, MenuEntries entries);
// The entry the selection names, or 0 while it names none.
int SelectedEntry(const Value& selection, MenuEntries entries);

}  // namespace cw
