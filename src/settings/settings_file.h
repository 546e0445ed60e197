#pragma once
// The settings file, settings.ini: `name = value` lines under [sound], [display] and [keys], with
// comments. A bad line costs only what it sets (that setting keeps its default); the file is then
// left alone until a setting changes, when it is kept as settings.ini.bak beside the new one.
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace cw {

inline constexpr const char* kSettingsFileName = "settings.ini";

struct SettingsProblem {
  int line = 0;  // 1-based
  std::string message;
};

struct ParsedSettings {
  Settings settings;  // the defaults, changed by every good line
  std::vector<SettingsProblem> problems;
};

ParsedSettings ParseSettings(std::string_view text);
// The whole file, commented.
std::string FormatSettings(const Settings& settings);

// Where the settings file lives: $XDG_CONFIG_HOME/cinderwake, else $HOME/.config/cinderwake (an empty
// path when neither is set). Either argument may be null.
std::filesystem::path SettingsFolder(const char* xdg_config_home, const char* home);

class SettingsFile {
 public:
  explicit SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}
  const std::filesystem::path& path() const { return path_; }

  // The settings in the file, or the defaults for whatever can't be used; a warning naming the file
  // (and the line) for each problem goes to `warnings`.
  Settings Load(std::ostream& warnings);
  // Replaces the file (through a temporary file and a rename), creating its folder when needed. After a
  // load that found problems, the old file is first kept as settings.ini.bak. False, with a warning,
  // when it can't be written.
  bool Save(const Settings& settings, std::ostream& warnings);

 private:
  std::filesystem::path path_;
  bool keep_old_ = false;  // the file on disk could not be used as it is
};

}  // namespace cw
