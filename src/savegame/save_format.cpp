#include "savegame/save_format.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "play/game.h"

namespace cw {
namespace {

constexpr std::array<const char*, 10> kLocations = {"city",    "hut",     "powerplant1", "powerplant2", "powerplant3",
                                                    "duvave1", "duvave2", "duvavelab1",  "duvavelab2",  "duvavelab3"};

std::string Flag(bool b) { return b ? "True" : "False"; }

// A whole number of the given range, rounded halves to even as a stored integer field is.
std::optional<double> WholeIn(const std::string& line, double lo, double hi) {
  auto d = ParseNumber(line);
  if (!d || std::isnan(*d)) return std::nullopt;
  double r = RoundHalfEven(*d);
  if (r < lo || r > hi) return std::nullopt;
  return r;
}

// Positions and offsets end up in pixel operations as 32-bit integers; anything beyond can't be drawn.
std::optional<double> Position(const std::string& line) {
  auto d = ParseNumber(line);
  if (!d || !std::isfinite(*d) || RoundHalfEven(*d) < INT32_MIN || RoundHalfEven(*d) > INT32_MAX) return std::nullopt;
  return d;
}

std::optional<double> Item(const std::string& line) {
  if (line == "True") return -1;
  if (line == "False") return 0;
  auto d = ParseNumber(line);
  if (!d || std::isnan(*d)) return std::nullopt;
  return *d != 0 ? -1 : 0;
}

std::optional<SavedValue> CheckLine(int n, const std::string& line) {
  std::optional<double> number;
  switch (n) {
    case 0:
    case 1:
    case 3:
    case 4: number = Position(line); break;
    case 2:
      for (const char* name : kLocations)
        if (line == name) return SavedValue{0, line};
      return std::nullopt;
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 12:
    case 13: number = WholeIn(line, INT16_MIN, INT16_MAX); break;
    case 10:
    case 11: number = WholeIn(line, INT32_MIN, INT32_MAX); break;
    case 14:
    case 15: number = Item(line); break;
    case 16: {
      // The caption is kept as written, so it has to be a whole number already.
      auto d = ParseNumber(line);
      if (!d || *d != std::trunc(*d) || *d < INT32_MIN || *d > INT32_MAX) return std::nullopt;
      return SavedValue{*d, line};
    }
    default: return SavedValue{};
  }
  if (!number) return std::nullopt;
  return SavedValue{*number, {}};
}

}  // namespace

std::string SaveGameTextOf(const Game& g) {
  const std::string crlf = "\r\n";
  std::string t;
  t += g.helpXCity.Text() + crlf;
  t += g.helpYCity.Text() + crlf;
  t += g.GamePhase + crlf;
  t += g.My_x.Text() + crlf;
  t += g.My_y.Text() + crlf;
  t += std::to_string(g.Strength.get()) + crlf;
  t += std::to_string(g.Endurance.get()) + crlf;
  t += std::to_string(g.Vitality.get()) + crlf;
  t += std::to_string(g.Ultimate.get()) + crlf;
  t += std::to_string(g.Healing.get()) + crlf;
  t += std::to_string(g.Experience.get()) + crlf;
  t += std::to_string(g.ExperienceNeeded.get()) + crlf;
  t += std::to_string(g.Level.get()) + crlf;
  t += std::to_string(g.Life.get()) + crlf;
  t += Flag(g.e.imgKey->visible) + crlf;
  t += Flag(g.e.imgCard->visible) + crlf;
  t += g.e.lblPoints->caption;
  return t;
}

std::vector<std::string> SplitSaveLines(const std::string& content) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < content.size(); ++i) {
    char c = content[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

CheckedSave CheckSaveGame(const std::string& content) {
  CheckedSave out;
  auto lines = SplitSaveLines(content);
  if (!lines.empty() && lines[0] == "NoSaveGame") {
    out.result = CheckedSave::Result::NoSaveGame;
    return out;
  }
  // Lines past the 17th are ignored, unread.
  size_t n = std::min(lines.size(), size_t(kSaveLineCount));
  for (size_t i = 0; i < n; ++i) {
    auto v = CheckLine(int(i), lines[i]);
    if (!v) {
      out.values.clear();
      out.result = CheckedSave::Result::Broken;
      return out;
    }
    out.values.push_back(std::move(*v));
  }
  out.result = CheckedSave::Result::Loadable;
  return out;
}

}  // namespace cw
