#include "screens/menu_selection.h"

#include "platform/key_codes.h"

namespace cw {

void MoveSelection(Value& selection, int key_code, MenuEntries entries) {
  if (key_code == kKeyUp) {
    selection = double(selection) - 1;
    if (double(selection) < entries.first) selection = entries.last;
  } else if (key_code == kKeyDown) {
    selection = double(selection) + 1;
    if (double(selection) > entries.last) selection = entries.first;
  }
}

int SelectedEntry(const Value& selection, MenuEntries entries) {
  double s = selection;
  return s >= entries.first && s <= entries.last && s == double(int(s)) ? int(s) : 0;
}

}  // namespace cw
