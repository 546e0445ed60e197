#include "app/app.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>

#include "app/command_line.h"
#include "app/data_check.h"
#include "app/data_location.h"
#include "app/event_wiring.h"
#include "app/save_location.h"
#include "app/start_up.h"
#include "app/state_dump.h"
#include "platform/headless_platform.h"
#include "platform/host_os.h"
#include "platform/recording_session.h"
#include "platform/replay_session.h"
#include "platform/sdl_platform.h"
#include "platform/startup_error.h"
#include "platform/utf8_path.h"
#include "platform/web_page.h"
#include "play/game.h"
#include "savegame/save_format.h"
#include "settings/player_session.h"
#include "settings/settings_file.h"
#include "ui/embedded_assets.h"
#include "world/location_catalogue.h"

#ifdef __EMSCRIPTEN__
#include "platform/browser_session.h"
#endif

namespace cw {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Bytes(const std::string& asset) {
  auto span = EmbeddedAsset(asset);
  return {span.begin(), span.end()};
}

void RunScriptCommand(Game& g, PlayerSession& player, const ScriptCommand& c) {
  switch (c.kind) {
    case ScriptCommand::Kind::Dump: {
      std::ofstream f(PathFromUtf8(c.path), std::ios::binary);
      f << StateDump(g, &player) << "\n";
      if (!f) std::cerr << "cinderwake: can't write the dump " << c.path << "\n";
      break;
    }
    case ScriptCommand::Kind::Screenshot: {
      Surface frame = g.ui.Compose();
      player.DrawOptions(frame);
      if (!g.media.SavePng(frame, c.path)) std::cerr << "cinderwake: can't write " << c.path << "\n";
      break;
    }
    case ScriptCommand::Kind::Quit: throw ProgramEnd{0};
    case ScriptCommand::Kind::Input: break;
  }
}

// Start-up, then wait for events until something ends the program.
int Play(Game& g) {
  try {
    WireEvents(g);
    Form_Load(g);
    for (;;) {
      // What start-up or the last handler changed is shown now, not after the next event.
      if (g.ui.presents_frames) g.ui.PresentIfChanged();
      g.session.WaitForEvent(-1);
      g.DoEvents();
    }
  } catch (const ProgramEnd& end) {
    return end.status;
  }
}

// Sets a flag for as long as it lives, also when a script's quit leaves by an exception.
class Quiet {
 public:
  explicit Quiet(bool* flag) : flag_(flag) {
    if (flag_) *flag_ = true;
  }
  ~Quiet() {
    if (flag_) *flag_ = false;
  }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;

 private:
  bool* flag_;
};

// A folder of its own for a replay's saved game, removed at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device rd;
    path_ = fs::temp_directory_path() / ("cinderwake-replay-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// The save folder a replay starts from: the saved game of the recording, or none.
bool RestoreSavedGame(const fs::path& save_dir, const std::optional<std::string>& saved_game) {
  fs::path file = save_dir / kSaveFileName;
  std::error_code ec;
  if (!saved_game) {
    fs::remove(file, ec);
    return !ec;
  }
  std::ofstream f(file, std::ios::binary | std::ios::trunc);
  f << *saved_game;
  return bool(f);
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
  DataLocation data{PathFromUtf8(cl->data_dir), false};
  if (cl->data_dir.empty()) data = FindDataFolder(ProgramFolder(), CINDERWAKE_INSTALLED_DATA_DIR);
  const fs::path& data_dir = data.folder;

  if (auto problem = CheckDataFolder(data_dir)) {
    if (cl->headless)
      std::cerr << "cinderwake: " << *problem << "\n";
    else
      ReportStartupError(*problem);
    return 1;
  }

  bool replaying = !cl->replay.empty();
  SessionLog recorded;
  if (replaying) {
    std::ifstream f(PathFromUtf8(cl->replay), std::ios::binary);
    if (!f) {
      std::cerr << "cinderwake: can't read the recording " << cl->replay << "\n";
      return 2;
    }
    try {
      recorded = ReadSessionLog(f);
    } catch (const SessionLogError& e) {
      std::cerr << "cinderwake: " << cl->replay << ": " << e.what() << "\n";
      return 2;
    }
  }

  std::vector<ScriptCommand> script;
  if (cl->headless && !cl->script.empty()) {
    std::optional<std::string> text = ReadWholeFile(PathFromUtf8(cl->script));
    if (!text) {
      std::cerr << "cinderwake: can't read the script " << cl->script << "\n";
      return 2;
    }
    try {
      script = ParseScript(*text);
    } catch (const ScriptError& e) {
      std::cerr << "cinderwake: " << cl->script << ": " << e.what() << "\n";
      return 2;
    }
    // A replay's input is the recording's.
    if (replaying) std::erase_if(script, [](const ScriptCommand& c) { return c.kind == ScriptCommand::Kind::Input; });
  }

  // The saved game: where the player keeps it, or for a replay a folder of its own unless one is named.
  std::unique_ptr<ScratchFolder> scratch;
  fs::path save_dir;
  if (!cl->save_dir.empty()) {
    save_dir = PathFromUtf8(cl->save_dir);
  } else if (replaying) {
    scratch = std::make_unique<ScratchFolder>();
    save_dir = scratch->path();
  } else if (fs::path lasting = web_page::LastingFolder(); !lasting.empty()) {
    save_dir = lasting;  // in a web page: the browser's persistent storage
  } else {
#ifdef _WIN32
    save_dir = ChooseWindowsSaveFolder(data_dir, !data.installed && FolderWritable(data_dir), WindowsAppDataFolder());
#else
    save_dir = ChooseSaveFolder(data_dir, !data.installed && FolderWritable(data_dir), std::getenv("XDG_DATA_HOME"),
                                std::getenv("HOME"));
#endif
  }
  std::error_code ec;
  fs::create_directories(save_dir, ec);
  if (replaying && !RestoreSavedGame(save_dir, recorded.header.saved_game)) {
    std::cerr << "cinderwake: can't put the recorded saved game into " << Utf8Path(save_dir) << "\n";
    return 1;
  }

  // The player's settings; a replay plays with those it was recorded with and keeps nothing.
  fs::path config_dir = PathFromUtf8(cl->config_dir);
  if (config_dir.empty()) config_dir = web_page::LastingFolder();  // in a web page: beside the saved game
  if (config_dir.empty()) {
#ifdef _WIN32
    // As the saved game: beside the data when that folder can be written, else in %APPDATA%.
    config_dir = ChooseWindowsSaveFolder(data_dir, !data.installed && FolderWritable(data_dir), WindowsAppDataFolder());
#else
    config_dir = SettingsFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
#endif
  }
  std::unique_ptr<SettingsFile> settings_file;
  Settings settings;
  if (replaying) {
    if (recorded.header.settings) settings = ParseSettings(*recorded.header.settings).settings;
  } else if (!config_dir.empty()) {
    settings_file = std::make_unique<SettingsFile>(config_dir / kSettingsFileName);
    settings = settings_file->Load(std::cerr);
  }
  if (cl->windowed) settings.full_screen = false;

  try {
    std::unique_ptr<HeadlessPlatform> headless;
    std::unique_ptr<SdlPlatform> window;
    Session* base;
    Media* media;
    Presentation* presentation;
    if (cl->headless) {
      headless = std::make_unique<HeadlessPlatform>(std::move(script), cl->seed, Bytes("font_regular.ttf"),
                                                    Bytes("font_bold.ttf"));
      base = headless.get();
      media = headless.get();
      presentation = headless.get();
    } else {
      SdlPlatform::Options options;
      options.display = DisplayMode{settings.full_screen, settings.window_width, settings.window_height,
                                    settings.scaling == Scaling::Smooth};
      options.music_volume = settings.music_volume;
      options.muted = settings.muted;
      options.audio = !cl->no_audio;
#ifdef __EMSCRIPTEN__
      window = std::make_unique<BrowserSession>(options, Bytes("font_regular.ttf"), Bytes("font_bold.ttf"));
#else
      // The start-up loads the city before the splash can show: decode it while the window opens.
      if (const LocationInfo* city = FindLocation("city")) {
        options.read_ahead.push_back(Utf8Path(data_dir / std::string(city->picture)));
        options.read_ahead_indexed.push_back(Utf8Path(data_dir / std::string(city->mask)));
      }
      window = std::make_unique<SdlPlatform>(options, Bytes("font_regular.ttf"), Bytes("font_bold.ttf"));
#endif
      base = window.get();
      media = window.get();
      presentation = window.get();
    }

    std::unique_ptr<RecordingSession> recorder;
    std::unique_ptr<ReplaySession> replayer;
    Session* session = base;
    bool* quiet = nullptr;
    bool frames = !cl->headless;
    if (replaying) {
      frames = recorded.header.frames;
      replayer = std::make_unique<ReplaySession>(*base, std::move(recorded), !cl->headless);
      replayer->on_end = [] { throw ProgramEnd{0}; };
      session = replayer.get();
      quiet = &replayer->quiet;
    } else if (!cl->record.empty()) {
      SessionHeader header;
      header.frames = frames;
      header.settings = FormatSettings(settings);
      if (auto saved = ReadWholeFile(save_dir / kSaveFileName)) header.saved_game = *saved;
      recorder = std::make_unique<RecordingSession>(*base, cl->record, header);
      session = recorder.get();
      quiet = &recorder->quiet;
    }

    // Above the recording: a replay pauses and opens the options exactly where the player did.
    PlayerSession player(*session, *media, *presentation, settings);
    if (settings_file) {
      player.on_change = [&settings_file](const Settings& s) {
        if (settings_file->Save(s, std::cerr)) web_page::WriteThrough(settings_file->path().parent_path());
      };
    }
    Game g(player, *media, data_dir, &player.settings());
    web_page::ServedDump served_dump([&g, &player, quiet] {
      Quiet q(quiet);  // the page's own look: not part of the session
      return StateDump(g, &player);
    });
    g.save_dir = save_dir;
    g.ui.presents_frames = frames;
    if (replayer && !frames && window) {
      // Recorded without a window: the replay shows the picture itself while it waits.
      replayer->before_wait = [&] {
        Surface frame = g.ui.Compose();
        player.DrawOptions(frame);
        window->Present(frame);
      };
    }
    if (headless) {
      headless->on_command = [&g, &player, quiet](const ScriptCommand& c) {
        Quiet q(quiet);  // the program's own work: not part of the session
        RunScriptCommand(g, player, c);
      };
      headless->on_script_end = [] { throw ProgramEnd{0}; };
    }
    return Play(g);
  } catch (const ReplayMismatch& e) {
    // The recording is not of this program and data, or was damaged: say where it parts ways.
    std::cerr << "cinderwake: " << cl->replay << ": " << e.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "cinderwake: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace cw
