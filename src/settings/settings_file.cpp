#include "settings/settings_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/host_os.h"
#include "platform/key_names.h"
#include "platform/utf8_path.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

// A damaged file can hold thousands of bad lines; the first few say enough.
constexpr size_t kMostWarnings = 5;

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (auto& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool ParseWhole(std::string_view s, int& out) {
  if (s.empty() || s.size() > 6) return false;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  out = v;
  return true;
}

bool ParseBool(std::string_view s, bool& out) {
  std::string v = Lower(s);
  if (v == "true") {
    out = true;
    return true;
  }
  if (v == "false") {
    out = false;
    return true;
  }
  return false;
}

const char* Bool(bool b) { return b ? "true" : "false"; }

std::string Quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

// One `name = value` line; an empty result means it was used, else it says what is wrong.
std::string ApplyLine(const std::string& section, const std::string& name, std::string_view value, Settings& s,
                      int line, std::array<int, kPlayActionCount>& key_lines) {
  if (section == "sound") {
    if (name == "music_volume") {
      int v = 0;
      if (!ParseWhole(value, v) || v > 100 || v % Settings::kVolumeStep != 0)
        return "music_volume is 0 to 100 in steps of 10, not " + Quoted(value);
      s.music_volume = v;
      return {};
    }
    if (name == "mute") return ParseBool(value, s.muted) ? "" : "mute is true or false, not " + Quoted(value);
  } else if (section == "display") {
    if (name == "full_screen")
      return ParseBool(value, s.full_screen) ? "" : "full_screen is true or false, not " + Quoted(value);
    if (name == "pause_on_focus_loss")
      return ParseBool(value, s.pause_on_focus_loss) ? ""
                                                     : "pause_on_focus_loss is true or false, not " + Quoted(value);
    if (name == "scaling") {
      std::string v = Lower(value);
      if (v == "sharp") {
        s.scaling = Scaling::Sharp;
      } else if (v == "smooth") {
        s.scaling = Scaling::Smooth;
      } else {
        return "scaling is sharp or smooth, not " + Quoted(value);
      }
      return {};
    }
    if (name == "window_size") {
      std::string v = Lower(value);
      if (v == "auto") {
        s.window_width = s.window_height = 0;
        return {};
      }
      auto x = v.find('x');
      int w = 0, h = 0;
      if (x == std::string::npos || !ParseWhole(Trim(std::string_view(v).substr(0, x)), w) ||
          !ParseWhole(Trim(std::string_view(v).substr(x + 1)), h) || w < Settings::kMinWindowWidth ||
          h < Settings::kMinWindowHeight || w > Settings::kMaxWindowSide || h > Settings::kMaxWindowSide)
        return "window_size is auto or WIDTHxHEIGHT from 200x150 to 16384x16384, not " + Quoted(value);
      s.window_width = w;
      s.window_height = h;
      return {};
    }
  } else if (section == "keys") {
    for (PlayAction a : kPlayActions) {
      if (name != ActionName(a)) continue;
      int key = 0;
      if (!KeyByNameIgnoringCase(std::string(value), key)) return "no key is named " + Quoted(value);
      if (KeyReserved(key)) return KeyName(key) + " is kept for the game's own use";
      s.Key(a) = key;
      key_lines[size_t(a)] = line;
      return {};
    }
  }
  return "no setting " + Quoted(name) + " in [" + section + "]";
}

// Two actions on one key: the binding read from the file gives way (to its default), the later line
// first, until every action has a key of its own.
void SettleKeyClashes(Settings& s, std::array<int, kPlayActionCount>& key_lines,
                      std::vector<SettingsProblem>& problems) {
  const Settings defaults;
  for (;;) {
    int worst = -1;  // the action to reset: set by the latest line among those clashing
    for (PlayAction a : kPlayActions) {
      size_t i = size_t(a);
      if (key_lines[i] == 0) continue;
      for (PlayAction b : kPlayActions)
        if (b != a && s.Key(b) == s.Key(a) && (worst < 0 || key_lines[i] > key_lines[size_t(worst)])) worst = int(i);
    }
    if (worst < 0) return;
    auto a = PlayAction(worst);
    std::string other;
    for (PlayAction b : kPlayActions)
      if (b != a && s.Key(b) == s.Key(a)) other = ActionName(b);
    problems.push_back({key_lines[size_t(worst)], KeyName(s.Key(a)) + " is already the key for " + other});
    s.Key(a) = defaults.Key(a);
    key_lines[size_t(worst)] = 0;
  }
}

}  // namespace

ParsedSettings ParseSettings(std::string_view text) {
  ParsedSettings out;
  std::array<int, kPlayActionCount> key_lines{};  // the line that set each key, 0 for none
  std::string section;
  int line_no = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    ++line_no;
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    auto problem = [&](std::string message) { out.problems.push_back({line_no, std::move(message)}); };
    if (line.front() == '[') {
      if (line.back() != ']') {
        problem("a section line is [name]");
        section = "?";
        continue;
      }
      section = Lower(Trim(line.substr(1, line.size() - 2)));
      if (section != "sound" && section != "display" && section != "keys") {
        problem("no section [" + section + "]");
        section = "?";
      }
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      problem("not a \"name = value\" line");
      continue;
    }
    std::string name = Lower(Trim(line.substr(0, eq)));
    std::string_view value = Trim(line.substr(eq + 1));
    if (section == "?") continue;  // the section's own line was already reported
    if (section.empty()) {
      problem(Quoted(name) + " comes before any [section]");
      continue;
    }
    std::string wrong = ApplyLine(section, name, value, out.settings, line_no, key_lines);
    if (!wrong.empty()) problem(std::move(wrong));
  }
  SettleKeyClashes(out.settings, key_lines, out.problems);
  std::stable_sort(out.problems.begin(), out.problems.end(),
                   [](const SettingsProblem& a, const SettingsProblem& b) { return a.line < b.line; });
  return out;
}

std::string FormatSettings(const Settings& s) {
  std::ostringstream o;
  o << "# Cinderwake's settings. The game rewrites this file whenever a setting changes on its options\n"
       "# screen (F1) or through the volume and full-screen keys; a line it can't use keeps its default.\n"
       "\n"
       "[sound]\n"
       "# Music volume in percent, 0 to 100 in steps of 10.\n"
       "music_volume = "
    << s.music_volume
    << "\n"
       "# true: no music (the volume is kept).\n"
       "mute = "
    << Bool(s.muted)
    << "\n"
       "\n"
       "[display]\n"
       "# true: full screen; false: a window.\n"
       "full_screen = "
    << Bool(s.full_screen)
    << "\n"
       "# The window's size in pixels, e.g. 1600x1200; auto: the largest whole multiple of 800x600 that fits.\n"
       "window_size = ";
  if (s.window_width > 0 && s.window_height > 0)
    o << s.window_width << "x" << s.window_height;
  else
    o << "auto";
  o << "\n"
       "# sharp: the largest whole factor that fits; smooth: as large as fits, keeping the shape.\n"
       "scaling = "
    << (s.scaling == Scaling::Smooth ? "smooth" : "sharp")
    << "\n"
       "# true: the game stops while its window has lost the focus.\n"
       "pause_on_focus_loss = "
    << Bool(s.pause_on_focus_loss)
    << "\n"
       "\n"
       "[keys]\n"
       "# The play keys, named as in the headless script: Up, Ctrl, Space, Enter, Tab, A, 7, F5, ...\n";
  for (PlayAction a : kPlayActions) o << ActionName(a) << " = " << KeyName(s.Key(a)) << "\n";
  return o.str();
}

fs::path SettingsFolder(const char* xdg_config_home, const char* home) {
  // A relative path in either variable is ignored, as for the saved game's folder.
  if (xdg_config_home && *xdg_config_home && fs::path(xdg_config_home).is_absolute())
    return fs::path(xdg_config_home) / "cinderwake";
  if (home && *home && fs::path(home).is_absolute()) return fs::path(home) / ".config" / "cinderwake";
  return {};
}

Settings SettingsFile::Load(std::ostream& warnings) {
  keep_old_ = false;
  std::error_code ec;
  auto status = fs::status(path_, ec);
  if (status.type() == fs::file_type::not_found) return Settings{};
  auto unreadable = [&](const std::string& why) {
    keep_old_ = true;
    warnings << "cinderwake: can't read the settings file " << Utf8Path(path_) << " (" << why
             << "); playing with the default settings\n";
    return Settings{};
  };
  if (ec) return unreadable(ec.message());
  if (status.type() != fs::file_type::regular) return unreadable("it is not a file");
  std::ifstream f(path_, std::ios::binary);
  if (!f) return unreadable(std::strerror(errno));
  std::ostringstream s;
  s << f.rdbuf();
  if (f.bad()) return unreadable("a read failed");
  std::string text = s.str();
  ParsedSettings parsed = ParseSettings(text);
  keep_old_ = !parsed.problems.empty();
  for (size_t i = 0; i < parsed.problems.size() && i < kMostWarnings; ++i)
    warnings << "cinderwake: " << Utf8Path(path_) << " line " << parsed.problems[i].line << ": "
             << parsed.problems[i].message << "; the line is not used\n";
  if (parsed.problems.size() > kMostWarnings)
    warnings << "cinderwake: " << Utf8Path(path_) << ": " << parsed.problems.size() - kMostWarnings
             << " more lines that can't be used\n";
  return parsed.settings;
}

bool SettingsFile::Save(const Settings& settings, std::ostream& warnings) {
  auto fail = [&](const std::string& what) {
    warnings << "cinderwake: can't write the settings file " << Utf8Path(path_) << ": " << what << "\n";
    return false;
  };
  std::error_code ec;
  if (path_.has_parent_path()) fs::create_directories(path_.parent_path(), ec);
  if (ec) return fail(ec.message());
  fs::path temp = path_;
  temp += ".new";
  if (!WriteFileDurably(temp, FormatSettings(settings))) return fail("the new file can't be written");
  if (keep_old_) {
    // The player's own file, which couldn't be used as it was, stays beside the new one.
    fs::path backup = path_;
    backup += ".bak";
    fs::remove(backup, ec);  // an older one: rename can't replace a file everywhere
    fs::rename(path_, backup, ec);
    std::error_code gone;
    if (ec && fs::exists(path_, gone)) {
      fs::remove(temp, ec);
      return fail("can't keep the old file as " + Utf8Path(backup));
    }
    keep_old_ = false;
  }
  if (!MoveIntoPlace(temp, path_)) return fail("the new file can't take the old one's place");
  return true;
}

}  // namespace cw
