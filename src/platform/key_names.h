#pragma once
// The names of keys as the headless script and the settings file write them: Up, Ctrl, Enter, F1,
// Minus, A, 7, ...
#include <string>

namespace cw {

// The virtual-key code and character of a key name; false when unknown. Names are matched exactly.
bool KeyByName(const std::string& name, int& key, int& ch);
// The same, ignoring upper and lower case (for files people edit by hand).
bool KeyByNameIgnoringCase(const std::string& name, int& key);
// The name of a virtual-key code; empty for a key without one.
std::string KeyName(int key);

}  // namespace cw
