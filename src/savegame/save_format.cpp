#include "savegame/save_format.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "play/game.h"
#include "world/location_catalogue.h"

namespace cw {
namespace {

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

std::optional<SavedValue> CheckLine(const SaveLine& field, const std::string& line) {
  std::optional<double> number;
  switch (field.kind) {
    case SaveKind::Position: number = Position(line); break;
    case SaveKind::Location:
      if (FindLocation(line)) return SavedValue{0, line};
      return std::nullopt;
    case SaveKind::Stat16: number = WholeIn(line, INT16_MIN, INT16_MAX); break;
    case SaveKind::Stat32: number = WholeIn(line, INT32_MIN, INT32_MAX); break;
    case SaveKind::Item: number = Item(line); break;
    case SaveKind::Points: {
      // The caption is kept as written, so it has to be a whole number already.
      auto d = ParseNumber(line);
      if (!d || *d != std::trunc(*d) || *d < INT32_MIN || *d > INT32_MAX) return std::nullopt;
      return SavedValue{*d, line};
    }
  }
  if (!number) return std::nullopt;
  return SavedValue{*number, {}};
}

std::string LineText(const Game& g, const SaveLine& field) {
  switch (field.kind) {
    case SaveKind::Position: return (g.*field.position).Text();
    case SaveKind::Location: return g.*field.location;
    case SaveKind::Stat16: return std::to_string((g.*field.stat16).get());
    case SaveKind::Stat32: return std::to_string((g.*field.stat32).get());
    case SaveKind::Item: return Flag((g.e.*field.element)->visible);
    case SaveKind::Points: return (g.e.*field.element)->caption;
  }
  return {};
}

}  // namespace

std::string SaveGameTextOf(const Game& g) {
  std::string t;
  for (size_t n = 0; n < kSaveLines.size(); ++n) {
    if (n > 0) t += "\r\n";
    t += LineText(g, kSaveLines[n]);
  }
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
    auto v = CheckLine(kSaveLines[i], lines[i]);
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
