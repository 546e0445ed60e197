#include "shell/app.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "platform/headless_platform.h"
#include "platform/sdl_platform.h"
#include "platform/startup_error.h"
#include "shell/command_line.h"
#include "shell/data_check.h"
#include "shell/embedded_assets.h"
#include "shell/event_wiring.h"
#include "shell/game.h"
#include "shell/start_up.h"
#include "shell/state_dump.h"

namespace cw {
namespace {

std::vector<uint8_t> Bytes(const std::string& asset) {
  auto span = EmbeddedAsset(asset);
  return {span.begin(), span.end()};
}

std::filesystem::path ProgramFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::current_path() : exe.parent_path();
}

bool ReadFile(const std::string& path, std::string& out) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return false;
  std::ostringstream s;
  s << f.rdbuf();
  out = s.str();
  return true;
}

void RunScriptCommand(Game& g, HeadlessPlatform& platform, const ScriptCommand& c) {
  switch (c.kind) {
    case ScriptCommand::Kind::Dump: {
      std::ofstream f(c.path, std::ios::binary);
      f << StateDump(g) << "\n";
      if (!f) std::cerr << "cinderwake: can't write the dump " << c.path << "\n";
      break;
    }
    case ScriptCommand::Kind::Screenshot:
      if (!platform.SavePng(g.ui.Compose(), c.path)) std::cerr << "cinderwake: can't write " << c.path << "\n";
      break;
    case ScriptCommand::Kind::Quit:
      throw ProgramEnd{0};
    case ScriptCommand::Kind::Input:
      break;
  }
}

// Start-up, then wait for events until something ends the program.
int Play(Game& g) {
  try {
    WireEvents(g);
    Form_Load(g);
    for (;;) {
      g.platform.WaitForEvent(-1);
      g.DoEvents();
    }
  } catch (const ProgramEnd& end) {
    return end.status;
  }
}

}  // namespace

int RunProgram(int argc, char** argv) {
  std::string error;
  auto cl = ParseCommandLine(argc, argv, error);
  if (!cl) {
    std::cerr << "cinderwake: " << error << "\n" << kUsage;
    return 2;
  }
  if (cl->help) {
    std::cout << kUsage;
    return 0;
  }
  if (cl->version) {
    std::cout << "cinderwake " << CINDERWAKE_VERSION << "\n";
    return 0;
  }
  std::filesystem::path data_dir = cl->data_dir.empty() ? ProgramFolder() / "data" : std::filesystem::path(cl->data_dir);

  if (auto problem = CheckDataFolder(data_dir)) {
    if (cl->headless) std::cerr << "cinderwake: " << *problem << "\n";
    else ReportStartupError(*problem);
    return 1;
  }

  try {
    if (cl->headless) {
      std::string text;
      if (!ReadFile(cl->script, text)) {
        std::cerr << "cinderwake: can't read the script " << cl->script << "\n";
        return 2;
      }
      std::vector<ScriptCommand> script;
      try {
        script = ParseScript(text);
      } catch (const ScriptError& e) {
        std::cerr << "cinderwake: " << cl->script << ": " << e.what() << "\n";
        return 2;
      }
      HeadlessPlatform platform(std::move(script), cl->seed, Bytes("font_regular.ttf"), Bytes("font_bold.ttf"));
      Game g(platform, data_dir);
      g.ui.presents_frames = false;
      platform.on_command = [&](const ScriptCommand& c) { RunScriptCommand(g, platform, c); };
      platform.on_script_end = [] { throw ProgramEnd{0}; };
      return Play(g);
    }
    SdlPlatform platform({cl->windowed, true}, Bytes("font_regular.ttf"), Bytes("font_bold.ttf"));
    Game g(platform, data_dir);
    return Play(g);
  } catch (const std::exception& e) {
    std::cerr << "cinderwake: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace cw
