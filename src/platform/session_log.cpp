#include "platform/session_log.h"

#include <array>
#include <cstdint>
#include <sstream>

namespace cw {
namespace {

constexpr const char* kMagic = "cinderwake-session 1";
constexpr std::array<const char*, 12> kTypeNames = {"KeyDown", "KeyUp",      "MouseMove", "MouseDown",
                                                    "MouseUp", "MusicEnded", "Quit",      "PadDown",
                                                    "PadUp",   "PadAxis",    "FocusLost", "FocusGained"};

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string s;
  for (unsigned char c : bytes) {
    s += digits[c >> 4];
    s += digits[c & 15];
  }
  return s;
}

std::optional<std::string> FromHex(const std::string& text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (size_t i = 0; i < text.size(); i += 2) {
    int v = 0;
    for (char c : text.substr(i, 2)) {
      int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
      if (d < 0) return std::nullopt;
      v = v * 16 + d;
    }
    bytes += char(v);
  }
  return bytes;
}

}  // namespace

void WriteSessionHeader(std::ostream& out, const SessionHeader& header) {
  out << kMagic << "\nframes " << (header.frames ? 1 : 0) << "\nsave "
      << (header.saved_game ? Hex(*header.saved_game) : std::string("-")) << "\n";
  if (header.settings) out << "settings " << Hex(*header.settings) << "\n";
}

void WriteSessionEntry(std::ostream& out, const SessionEntry& entry) {
  out << char(entry.kind);
  switch (entry.kind) {
    case SessionEntry::Kind::Ticks:
    case SessionEntry::Kind::Wait: out << ' ' << entry.value; break;
    case SessionEntry::Kind::Seed: out << ' ' << uint64_t(entry.value); break;
    case SessionEntry::Kind::Event: {
      const InputEvent& e = entry.event;
      out << ' ' << kTypeNames[size_t(e.type)] << ' ' << e.key << ' ' << e.ch << ' ' << e.button << ' ' << e.x << ' '
          << e.y << ' ' << e.control << ' ' << e.value << ' ' << e.pad;
      break;
    }
    case SessionEntry::Kind::NoEvent: break;
  }
  out << '\n';
}

SessionLog ReadSessionLog(std::istream& in) {
  SessionLog log;
  std::string line;
  int number = 0;
  auto fail = [&](const std::string& why) { return SessionLogError("line " + std::to_string(number) + ": " + why); };
  auto next_header = [&](const std::string& word) {
    ++number;
    if (!std::getline(in, line) || line.compare(0, word.size() + 1, word + " ") != 0)
      throw fail("expected \"" + word + " ...\"");
    return line.substr(word.size() + 1);
  };
  ++number;
  if (!std::getline(in, line) || line != kMagic) throw fail("not a recorded session");
  std::string frames = next_header("frames");
  if (frames != "0" && frames != "1") throw fail("frames is 0 or 1");
  log.header.frames = frames == "1";
  std::string save = next_header("save");
  if (save != "-") {
    log.header.saved_game = FromHex(save);
    if (!log.header.saved_game) throw fail("the saved game is not hex");
  }
  if (in.peek() == 's') {  // entries start with upper-case letters
    log.header.settings = FromHex(next_header("settings"));
    if (!log.header.settings) throw fail("the settings are not hex");
  }

  int64_t clock = INT64_MIN;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty()) continue;
    std::istringstream s(line);
    char kind = 0;
    s >> kind;
    SessionEntry entry;
    entry.kind = SessionEntry::Kind(kind);
    switch (entry.kind) {
      case SessionEntry::Kind::Ticks:
      case SessionEntry::Kind::Wait:
        if (!(s >> entry.value)) throw fail("expected a number");
        // A recorded clock only moves on: anything else is a damaged or reordered file.
        if (entry.value < clock) throw fail("the clock goes back to " + std::to_string(entry.value));
        clock = entry.value;
        break;
      case SessionEntry::Kind::Seed: {
        uint64_t seed = 0;
        if (!(s >> seed)) throw fail("expected a number");
        entry.value = int64_t(seed);
        break;
      }
      case SessionEntry::Kind::NoEvent: break;
      case SessionEntry::Kind::Event: {
        std::string type;
        InputEvent& e = entry.event;
        s >> type;
        size_t t = 0;
        while (t < kTypeNames.size() && type != kTypeNames[t]) ++t;
        if (t == kTypeNames.size()) throw fail("unknown event " + type);
        e.type = InputEvent::Type(t);
        if (!(s >> e.key >> e.ch >> e.button >> e.x >> e.y >> e.control >> e.value >> e.pad))
          throw fail("an event has nine numbers");
        break;
      }
      default: throw fail("unknown entry");
    }
    std::string rest;
    if (s >> rest) throw fail("unexpected \"" + rest + "\"");
    entry.line = number;
    log.entries.push_back(entry);
  }
  return log;
}

}  // namespace cw
