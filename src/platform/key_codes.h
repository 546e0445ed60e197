#pragma once
// Virtual-key codes: the number a KeyDown or KeyUp carries for each key, whichever backend reads the
// keyboard. The digits and letters are their own characters, '0'..'9' and 'A'..'Z'.

namespace cw {

enum VirtualKeyCode : int {
  kKeyBackspace = 8,
  kKeyTab = 9,
  kKeyClear = 12,  // the keypad's 5 without Num Lock
  kKeyEnter = 13,
  kKeyShift = 16,
  kKeyCtrl = 17,
  kKeyAlt = 18,
  kKeyPause = 19,
  kKeyCapsLock = 20,
  kKeyEscape = 27,
  kKeySpace = 32,
  kKeyPageUp = 33,
  kKeyPageDown = 34,
  kKeyEnd = 35,
  kKeyHome = 36,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyPrintScreen = 44,
  kKeyInsert = 45,
  kKeyDelete = 46,
  kKeyLeftWindows = 91,
  kKeyRightWindows = 92,
  kKeyApplication = 93,
  kKeyNumpad0 = 96,  // up to kKeyNumpad0 + 9
  kKeyMultiply = 106,
  kKeyAdd = 107,
  kKeySubtract = 109,
  kKeyDecimal = 110,
  kKeyDivide = 111,
  kKeyF1 = 112,  // up to kKeyF1 + 11 for F12
  kKeyNumLock = 144,
  kKeyScrollLock = 145,
  kKeySemicolon = 186,
  kKeyEquals = 187,
  kKeyComma = 188,
  kKeyMinus = 189,
  kKeyPeriod = 190,
  kKeySlash = 191,
  kKeyBackquote = 192,
  kKeyLeftBracket = 219,
  kKeyBackslash = 220,
  kKeyRightBracket = 221,
  kKeyQuote = 222,
};

}  // namespace cw
