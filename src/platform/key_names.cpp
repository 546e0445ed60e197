#include "platform/key_names.h"

#include <cctype>

#include "platform/key_codes.h"

namespace cw {
namespace {

struct NamedKey {
  const char* name;
  int key;
  int ch;
};

// Plus is the keypad's + (the main row's key reads = without Shift).
constexpr NamedKey kNamed[] = {
    {"Up", kKeyUp, 0},         {"Down", kKeyDown, 0},         {"Left", kKeyLeft, 0},
    {"Right", kKeyRight, 0},   {"Ctrl", kKeyCtrl, 0},         {"Shift", kKeyShift, 0},
    {"Alt", kKeyAlt, 0},       {"Enter", kKeyEnter, '\r'},    {"Escape", kKeyEscape, '\x1b'},
    {"Space", kKeySpace, ' '}, {"Tab", kKeyTab, '\t'},        {"Backspace", kKeyBackspace, '\b'},
    {"Minus", kKeyMinus, '-'}, {"Plus", kKeyAdd, '+'},        {"Insert", kKeyInsert, 0},
    {"Delete", kKeyDelete, 0}, {"Home", kKeyHome, 0},         {"End", kKeyEnd, 0},
    {"PageUp", kKeyPageUp, 0}, {"PageDown", kKeyPageDown, 0},
};

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace

bool KeyByName(const std::string& name, int& key, int& ch) {
  for (const auto& k : kNamed)
    if (name == k.name) {
      key = k.key;
      ch = k.ch;
      return true;
    }
  if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') {
    key = name[0];
    ch = std::tolower(name[0]);
    return true;
  }
  if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') {
    key = ch = name[0];
    return true;
  }
  if ((name.size() == 2 || name.size() == 3) && name[0] == 'F' && name[1] >= '1' && name[1] <= '9') {
    int n = name[1] - '0';
    if (name.size() == 3) {
      if (n != 1 || name[2] < '0' || name[2] > '2') return false;
      n = 10 + (name[2] - '0');
    }
    key = kKeyF1 + n - 1;
    ch = 0;
    return true;
  }
  return false;
}

bool KeyByNameIgnoringCase(const std::string& name, int& key) {
  for (const auto& k : kNamed)
    if (SameIgnoringCase(name, k.name)) {
      key = k.key;
      return true;
    }
  std::string upper = name;
  for (auto& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
  int ch = 0;
  return KeyByName(upper, key, ch);
}

std::string KeyName(int key) {
  for (const auto& k : kNamed)
    if (key == k.key) return k.name;
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, char(key));
  if (key >= kKeyF1 && key < kKeyF1 + 12) return "F" + std::to_string(key - kKeyF1 + 1);
  return {};
}

}  // namespace cw
