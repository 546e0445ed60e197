#include "runtime/value_types.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

// MinGW's own printf and strtod read and write numbers as glibc does; the Windows C runtime's don't.
#if defined(_WIN32) && !__USE_MINGW_ANSI_STDIO
#error "number texts need __USE_MINGW_ANSI_STDIO"
#endif

namespace cw {

double RoundHalfEven(double d) {
  return std::nearbyint(d);  // the default rounding mode rounds halves to even
}

int64_t CheckedWhole(double d, int64_t lo, int64_t hi) {
  if (std::isnan(d)) throw OverflowFault();
  double r = RoundHalfEven(d);
  if (r < double(lo) || r > double(hi)) throw OverflowFault();
  return int64_t(r);
}

std::string NumberText(double d) {
  if (d == 0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", d);
  std::string s = buf;
  if (s.find('e') == std::string::npos) return s;
  // Tiny or huge magnitudes: plain digits instead of an exponent.
  std::snprintf(buf, sizeof buf, std::fabs(d) >= 1 ? "%.0f" : "%.20f", d);
  s = buf;
  if (s.find('.') != std::string::npos) {
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
  }
  return s == "-0" ? "0" : s;
}

std::string SingleNumberText(float f) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*g", std::numeric_limits<float>::digits10, double(f));
  return NumberText(std::strtod(buf, nullptr));
}

std::optional<double> ParseNumber(const std::string& text) {
  size_t b = text.find_first_not_of(" \t");
  if (b == std::string::npos) return std::nullopt;
  size_t e = text.find_last_not_of(" \t");
  std::string t = text.substr(b, e - b + 1);
  size_t i = 0;
  if (t[i] == '+' || t[i] == '-') ++i;
  size_t digits = 0;
  while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    size_t exp_digits = 0;
    while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) ++j, ++exp_digits;
    if (exp_digits == 0) return std::nullopt;
    i = j;
  }
  if (i != t.size()) return std::nullopt;
  errno = 0;
  double d = std::strtod(t.c_str(), nullptr);
  if (errno == ERANGE && std::isinf(d)) return std::nullopt;
  return d;
}

std::string Value::Text() const {
  switch (kind_) {
    case Kind::Empty: return "";
    case Kind::Number: return NumberText(number_);
    case Kind::Bool: return number_ != 0 ? "True" : "False";
    case Kind::Text: return text_;
  }
  return "";
}

double Value::TextAsNumber() const {
  auto n = ParseNumber(text_);
  if (!n) throw TypeMismatch(text_);
  return *n;
}

}  // namespace cw
