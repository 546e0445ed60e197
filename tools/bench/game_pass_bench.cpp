// Cost of one game-loop pass in the heaviest scene: the city while scrolling, 20 live enemies,
// 6 shots in flight, 6 blood splats and the first-aid kits in view. Headless and unpaced.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/event_wiring.h"
#include "app/start_up.h"
#include "platform/headless_platform.h"
#include "play/game.h"
#include "play/game_loop.h"
#include "runtime/angles.h"
#include "ui/embedded_assets.h"

namespace cw {
namespace {

std::vector<uint8_t> Bytes(const std::string& asset) {
  auto s = EmbeddedAsset(asset);
  return {s.begin(), s.end()};
}

// The city scrolling right under a player walking at top speed, with everything on screen at once.
void SetHeaviestScene(Game& g) {
  g.GamePhase = "city";
  g.helpXCity = -400;
  g.helpYCity = -1100;  // kits 1 (816, 1488) and 2 are not in view here; kit 0 is on another part
  g.My_x = 645;
  g.My_y = 264;
  g.u = 1.5707963267948966;  // heading right: x grows with -r
  g.r = -3;
  g.upper = true;
  g.angle = 90;
  g.Enemycount = 20;
  for (int i = 0; i < 20; ++i) {
    auto& e = g.Enemies[i];
    e.state = "x";
    double a = i * 0.314159, d = 120 + 5 * i;
    e.x = 400 + d * std::sin(a);
    e.y = 264 + d * std::cos(a);
    e.kind = i % 3 == 0 ? "2" : "1";
    e.pose = 1;
    e.poseStep = 1;
    e.tick = 0;
  }
  for (int j = 1; j <= 6; ++j) {
    auto& s = g.Shots[j];
    s.state = "x";
    s.x = 100 + 90 * j;
    s.y = 40;
    s.heading = kPi;  // straight down
    s.degrees = 180;
    s.kind = "Gun";
    s.tick = 0;
    s.step = -6;
  }
  for (int b = 0; b < 6; ++b) {
    auto& s = g.BloodSplats[b];
    s.state = 'x';
    s.x = 100 + 110 * b;
    s.y = 480;
    s.madeAt = g.GetTickCount();
    s.degrees = 60 * b;
  }
  g.Strength = 25;  // life enough that touches don't end the game
  g.Endurance = 25;
  g.Life = 500;
}

// Counts what the window hands over; showing it is left out.
struct CountingPlatform : HeadlessPlatform {
  CountingPlatform() : HeadlessPlatform({}, 1, Bytes("font_regular.ttf"), Bytes("font_bold.ttf")) {}
  void Present(const Surface&) override { ++wholes; }
  void PresentChanged(const Surface&, const FrameArea&) override { ++parts; }
  int wholes = 0;
  int parts = 0;
};

// range(0): 1 also composes the window picture as the game does in a real window: what changed (here
// the play area), handed to the session, which takes it and does nothing.
void BM_GamePass(benchmark::State& state) {
  CountingPlatform platform;
  Game g(platform, platform, CINDERWAKE_DATA_DIR);
  g.ui.presents_frames = state.range(0) == 1;
  WireEvents(g);
  g.blnStart = true;  // no splash
  Form_Load(g);
  g.blnGame = true;
  std::vector<double> micros;
  int n = 0;
  for (auto _ : state) {
    if (n++ % 25 == 0) {
      state.PauseTiming();
      SetHeaviestScene(g);
      state.ResumeTiming();
    }
    auto t0 = std::chrono::steady_clock::now();
    RunGameFrame(g);
    micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
  }
  std::sort(micros.begin(), micros.end());
  state.counters["median_us"] = micros[micros.size() / 2];
  state.counters["p99_us"] = micros[micros.size() * 99 / 100];
  state.counters["whole_pictures"] = platform.wholes;
  state.counters["changed_parts"] = platform.parts;
}
BENCHMARK(BM_GamePass)->Arg(0)->Arg(1)->Iterations(5000)->Unit(benchmark::kMicrosecond);

// The main menu at rest in a window: a yield every 20 ms of the clock, with nothing to show.
void BM_MenuAtRest(benchmark::State& state) {
  CountingPlatform platform;
  Game g(platform, platform, CINDERWAKE_DATA_DIR);
  g.ui.presents_frames = true;
  WireEvents(g);
  g.blnStart = true;
  Form_Load(g);
  g.ui.Show(g.e.picMenu);
  g.ui.SetFocus(g.e.picMenu);
  g.ui.PresentIfChanged();
  platform.wholes = platform.parts = 0;
  for (auto _ : state) {
    platform.WaitUntil(platform.Ticks() + 20);
    g.DoEvents();
  }
  state.counters["whole_pictures"] = platform.wholes;
  state.counters["changed_parts"] = platform.parts;
}
BENCHMARK(BM_MenuAtRest)->Iterations(5000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace cw

BENCHMARK_MAIN();
