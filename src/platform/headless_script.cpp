#include "platform/headless_script.h"

#include <cctype>
#include <sstream>

#include "platform/key_names.h"

namespace cw {
namespace {

bool ParseInt(const std::string& s, int64_t& out) {
  if (s.empty() || s.size() > 12) return false;
  size_t i = (s[0] == '-') ? 1 : 0;
  if (i == s.size()) return false;
  for (size_t j = i; j < s.size(); ++j)
    if (!std::isdigit(static_cast<unsigned char>(s[j]))) return false;
  out = std::stoll(s);
  return true;
}

int ButtonByName(const std::string& name) {
  if (name == "left") return 1;
  if (name == "right") return 2;
  if (name == "middle") return 4;
  return 0;
}

}  // namespace

std::vector<ScriptCommand> ParseScript(const std::string& text) {
  std::vector<ScriptCommand> out;
  std::istringstream lines(text);
  std::string raw;
  int line_no = 0;
  int64_t last_time = 0;
  while (std::getline(lines, raw)) {
    ++line_no;
    if (auto hash = raw.find('#'); hash != std::string::npos) raw.erase(hash);
    std::istringstream words(raw);
    std::vector<std::string> w;
    for (std::string word; words >> word;) w.push_back(word);
    if (w.empty()) continue;
    auto fail = [&](const std::string& what) {
      throw ScriptError("script line " + std::to_string(line_no) + ": " + what);
    };
    int64_t t = 0;
    if (!ParseInt(w[0], t) || t < 0) fail("a line starts with a time in milliseconds, not \"" + w[0] + "\"");
    if (t < last_time) fail("time " + std::to_string(t) + " is less than the line before");
    last_time = t;
    if (w.size() < 2) fail("a command is missing after the time");
    ScriptCommand c;
    c.time = t;
    c.line = line_no;
    const std::string& cmd = w[1];
    auto need = [&](size_t n) {
      if (w.size() != n) fail("\"" + cmd + "\" takes " + std::to_string(n - 2) + " argument(s)");
    };
    auto coord = [&](const std::string& s, int limit) {
      int64_t v = 0;
      if (!ParseInt(s, v) || v < 0 || v >= limit)
        fail("\"" + s + "\" is not a window pixel (0-" + std::to_string(limit - 1) + ")");
      return int(v);
    };
    auto input = [&](InputEvent::Type type, int key, int ch, int button, int x, int y) {
      ScriptCommand in = c;
      in.input = InputEvent{type, key, ch, button, x, y};
      out.push_back(in);
    };
    using T = InputEvent::Type;
    if (cmd == "key") {
      if (w.size() < 3) fail("\"key\" needs a key name");
      bool has_dir = w[2] == "down" || w[2] == "up";
      need(has_dir ? 4 : 3);
      int key = 0, ch = 0;
      const std::string& name = w[has_dir ? 3 : 2];
      if (!KeyByName(name, key, ch)) fail("unknown key \"" + name + "\"");
      if (!has_dir || w[2] == "down") input(T::KeyDown, key, ch, 0, 0, 0);
      if (!has_dir || w[2] == "up") input(T::KeyUp, key, 0, 0, 0, 0);
    } else if (cmd == "mouse") {
      if (w.size() < 3) fail("\"mouse\" needs move, down or up");
      if (w[2] == "move") {
        need(5);
        input(T::MouseMove, 0, 0, 0, coord(w[3], 800), coord(w[4], 600));
      } else if (w[2] == "down" || w[2] == "up") {
        need(6);
        int button = ButtonByName(w[3]);
        if (!button) fail("unknown mouse button \"" + w[3] + "\" (left, right or middle)");
        input(w[2] == "down" ? T::MouseDown : T::MouseUp, 0, 0, button, coord(w[4], 800), coord(w[5], 600));
      } else {
        fail("\"mouse\" needs move, down or up, not \"" + w[2] + "\"");
      }
    } else if (cmd == "click") {
      need(4);
      int x = coord(w[2], 800), y = coord(w[3], 600);
      input(T::MouseMove, 0, 0, 0, x, y);
      input(T::MouseDown, 0, 0, 1, x, y);
      input(T::MouseUp, 0, 0, 1, x, y);
    } else if (cmd == "focus") {
      need(3);
      if (w[2] != "lost" && w[2] != "gained") fail("\"focus\" is lost or gained, not \"" + w[2] + "\"");
      input(w[2] == "lost" ? T::FocusLost : T::FocusGained, 0, 0, 0, 0, 0);
    } else if (cmd == "dump" || cmd == "screenshot") {
      need(3);
      c.kind = cmd == "dump" ? ScriptCommand::Kind::Dump : ScriptCommand::Kind::Screenshot;
      c.path = w[2];
      out.push_back(c);
    } else if (cmd == "quit") {
      need(2);
      c.kind = ScriptCommand::Kind::Quit;
      out.push_back(c);
    } else {
      fail("unknown command \"" + cmd + "\"");
    }
  }
  return out;
}

}  // namespace cw
