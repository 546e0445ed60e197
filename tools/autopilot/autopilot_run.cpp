#include "autopilot_run.h"

#include <chrono>
#include <fstream>

#include "app/event_wiring.h"
#include "app/start_up.h"
#include "app/state_dump.h"
#include "pilot.h"
#include "platform/headless_platform.h"
#include "play/game.h"
#include "recorder.h"
#include "ui/embedded_assets.h"

namespace cw::autopilot {
namespace {

struct Finished {};
struct Failure {
  std::string why;
};

std::vector<uint8_t> Bytes(const std::string& asset) {
  auto span = EmbeddedAsset(asset);
  return {span.begin(), span.end()};
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream f(path, std::ios::binary);
  f << text;
}

}  // namespace

RunReport RunAutopilot(const RunOptions& options) {
  RunReport report;
  std::filesystem::create_directories(options.out_dir);
  const auto started = std::chrono::steady_clock::now();

  HeadlessPlatform platform({}, options.seed, Bytes("font_regular.ttf"), Bytes("font_bold.ttf"));
  Game g(platform, platform, options.data_dir);
  g.ui.presents_frames = false;
  Recorder recorder(platform);
  Pilot pilot(g, recorder, options.data_dir);
  pilot.set_trace(options.trace);

  auto step = [&](bool idle) {
    if (platform.Ticks() > options.time_limit_ms)
      throw Failure{"not finished within " + std::to_string(options.time_limit_ms / 1000) + " virtual seconds"};
    size_t given = recorder.size();
    pilot.Step(idle);
    if (pilot.finished()) throw Finished{};
    if (idle && recorder.size() == given && !pilot.finished())
      throw Failure{std::string("the game waits for input on the ") + ScreenName(CurrentScreen(g)) +
                    " and the autopilot has nothing to give"};
  };
  platform.before_clock_moves = [&] { step(false); };
  platform.on_script_end = [&] { step(true); };

  try {
    // As the program starts: handlers, start-up with the splash, then waiting for events.
    WireEvents(g);
    Form_Load(g);
    for (;;) {
      platform.WaitForEvent(-1);
      g.DoEvents();
    }
  } catch (const Finished&) {
    report.finished = true;
  } catch (const Failure& f) {
    report.failure = f.why;
  } catch (const ProgramEnd&) {
    report.failure = "the program ended before the game was won";
  } catch (const std::exception& e) {
    report.failure = std::string("error: ") + e.what();
  }

  report.virtual_ms = platform.Ticks();
  report.passes = g.passes;
  report.deaths = pilot.deaths();
  report.lowest_life = pilot.lowest_life();
  report.saved = pilot.progress().saved;
  report.loaded = pilot.progress().loaded;
  report.shots = pilot.shots();
  report.inputs = recorder.size();
  report.log = pilot.log();
  report.script = options.out_dir / "script.txt";
  WriteText(report.script, recorder.Script(platform.Ticks(), options.replay_dump));
  if (report.finished) {
    report.final_dump = StateDump(g);
    WriteText(options.out_dir / "final.json", report.final_dump + "\n");
  } else {
    report.last_dump = options.out_dir / "last.json";
    report.last_screenshot = options.out_dir / "last.png";
    WriteText(report.last_dump, StateDump(g) + "\n");
    platform.SavePng(g.ui.Compose(), report.last_screenshot.string());
  }
  report.real_seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return report;
}

}  // namespace cw::autopilot
