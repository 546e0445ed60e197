#pragma once
// The value rules the game's fields follow: untyped values that hold a number, a flag or a text;
// 16- and 32-bit integers that fault when they leave their range; rounding with halves to even.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace cw {

// A fault of the running procedure. Inside a pass of the game loop it abandons the rest of the pass.
struct RuntimeFault : std::runtime_error {
  using std::runtime_error::runtime_error;
};
struct OverflowFault : RuntimeFault {
  OverflowFault() : RuntimeFault("overflow") {}
};
struct TypeMismatch : RuntimeFault {
  explicit TypeMismatch(const std::string& text) : RuntimeFault("type mismatch: \"" + text + "\"") {}
};

// Nearest whole number, halves to even.
double RoundHalfEven(double d);
// Rounds to a whole number and checks it fits [lo, hi]; NaN and out-of-range values fault.
int64_t CheckedWhole(double d, int64_t lo, int64_t hi);
inline int CInt(double d) { return int(CheckedWhole(d, INT32_MIN, INT32_MAX)); }

// Decimal text of a number: whole values as plain integers, fractions with up to 15 significant digits, no exponent.
std::string NumberText(double d);
// The same for a single-precision number, with the 6 significant digits a float holds: 939.99994 is "940".
std::string SingleNumberText(float f);
// Strict decimal conversion ("." as the point, optional sign, surrounding blanks allowed); nullopt when not a number.
std::optional<double> ParseNumber(const std::string& text);

class Value {
 public:
  enum class Kind : uint8_t { Empty, Number, Bool, Text };

  Value() = default;
  Value(double d) : kind_(Kind::Number), number_(d) {}
  Value(int i) : kind_(Kind::Number), number_(i) {}
  Value(bool b) : kind_(Kind::Bool), number_(b ? -1 : 0) {}
  Value(const char* s) : kind_(Kind::Text), text_(s) {}
  Value(std::string s) : kind_(Kind::Text), text_(std::move(s)) {}

  Kind kind() const { return kind_; }
  bool IsEmpty() const { return kind_ == Kind::Empty; }
  // Numeric reading: empty is 0, True is -1, a text converts or faults.
  operator double() const {
    if (kind_ == Kind::Text) return TextAsNumber();
    return number_;
  }
  std::string Text() const;

 private:
  double TextAsNumber() const;
  Kind kind_ = Kind::Empty;
  double number_ = 0;
  std::string text_;
};

// Signed integer field of a fixed width; storing a value rounds it (halves to even) and faults outside the range.
template <typename Rep, int64_t Lo, int64_t Hi>
class CheckedInt {
 public:
  CheckedInt() = default;
  CheckedInt(double d) : v_(Rep(CheckedWhole(d, Lo, Hi))) {}
  operator int64_t() const { return v_; }
  Rep get() const { return v_; }

 private:
  Rep v_ = 0;
};
using Int16 = CheckedInt<int16_t, INT16_MIN, INT16_MAX>;
using Int32 = CheckedInt<int32_t, INT32_MIN, INT32_MAX>;

}  // namespace cw
