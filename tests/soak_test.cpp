// Random keys and clicks for a long time, with the game's invariants checked before every pass.
#include <cmath>
#include <cstdlib>
#include <random>

#include <gtest/gtest.h>

#include "app/start_up.h"
#include "platform/key_codes.h"
#include "savegame/save_file.h"
#include "savegame/save_format.h"
#include "support/test_game.h"

namespace cw {
namespace {

using T = InputEvent::Type;

struct Monkey {
  std::mt19937 rng;
  test::TestGame& t;

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

  void Key(int key, int ch, bool down) {
    t.platform.InjectAt(t.platform.Ticks() + 1, {down ? T::KeyDown : T::KeyUp, key, down ? ch : 0, 0, 0, 0});
  }
  void Click(int x, int y) {
    int64_t at = t.platform.Ticks() + 1;
    t.platform.InjectAt(at, {T::MouseMove, 0, 0, 0, x, y});
    t.platform.InjectAt(at, {T::MouseDown, 0, 0, 1 + Pick(2), x, y});
    t.platform.InjectAt(at, {T::MouseUp, 0, 0, 1, x, y});
  }

  void CheckInvariants() {
    Game& g = t.g;
    double count = g.Enemycount;
    ASSERT_GE(count, 0);
    ASSERT_LE(count, 20);
    for (double v :
         {double(g.My_x), double(g.My_y), double(g.helpXCity), double(g.helpYCity), double(g.r), g.u, g.BossX, g.BossY})
      ASSERT_TRUE(std::isfinite(v));
    for (const auto& e : g.Enemies) {
      if (e.state != "x") continue;
      ASSERT_TRUE(std::isfinite(e.x) && std::isfinite(e.y));
      ASSERT_TRUE(e.kind == "1" || e.kind == "2") << e.kind;
      ASSERT_TRUE(e.pose >= 1 && e.pose <= 3) << e.pose;
    }
    for (size_t j = 1; j < g.Shots.size(); ++j)
      if (g.Shots[j].state == "x") {
        ASSERT_TRUE(std::isfinite(g.Shots[j].x) && std::isfinite(g.Shots[j].y));
      }
    ASSERT_TRUE(double(g.charPhase) >= 1 && double(g.charPhase) <= 3);
    // No pass of a restless player's game ends in a fault.
    ASSERT_EQ(g.faulted_passes, 0) << "after " << g.passes << " passes";
  }

  // Between two passes: save, spoil the state, load, and the state is the one saved again.
  int round_trips = 0;
  void SaveSpoilLoad() {
    Game& g = t.g;
    ASSERT_TRUE(SaveGame(g));
    const std::string saved = SaveGameTextOf(g);
    g.My_x = double(g.My_x) + 7;
    g.helpYCity = double(g.helpYCity) - 3;
    g.Strength = 0;
    g.ui.Hide(g.e.imgKey);
    ASSERT_TRUE(LoadGame(g));
    ASSERT_EQ(SaveGameTextOf(g), saved) << "after round trip " << round_trips;
    ++round_trips;
  }

  // Mostly what a restless player does in each situation, with random clicks anywhere.
  void Act() {
    Game& g = t.g;
    Element* focus = g.ui.focus();
    if (Pick(40) == 0) return Click(Pick(800), Pick(600));
    if (focus == g.e.picCity_base) {
      if (Pick(400) == 0) return SaveSpoilLoad();
      static const int kKeys[] = {kKeyLeft, kKeyUp, kKeyRight, kKeyDown, kKeyCtrl};
      if (Pick(6) == 0) Key(kKeys[Pick(5)], 0, Pick(3) != 0);
      if (Pick(900) == 0) Click(712 + 30, 40 + 8);  // MENU
      if (Pick(900) == 0) Click(712 + 30, 8 + 8);   // ABILITIES
    } else if (focus == g.e.picMenu) {
      if (Pick(10) == 0)
        Click(400, 192);  // New Game; End is never chosen
      else if (Pick(10) == 0)
        Click(400, 280);
    } else if (focus == g.e.picRPG || focus == g.e.picInGame) {
      if (Pick(5) == 0) Click(int(focus->left) + Pick(int(focus->width)), int(focus->top) + Pick(int(focus->height)));
      if (Pick(8) == 0) Key(kKeyEnter, '\r', true);
    } else if (Pick(20) == 0) {
      Key(kKeySpace, ' ', true);
      Key(kKeySpace, 0, false);
    }
  }
};

void Soak(uint64_t seed, int64_t passes) {
  test::DataCopy data;
  int64_t total = 0, trips = 0;
  while (total < passes) {
    test::TestGame t(data.path(), {}, seed);
    Monkey m{std::mt19937(uint32_t(seed)), t};
    t.platform.before_clock_moves = [&] {
      m.CheckInvariants();
      if (::testing::Test::HasFatalFailure() || t.g.passes >= passes - total) throw ProgramEnd{0};
      m.Act();
    };
    try {
      Form_Load(t.g);
      for (;;) {
        t.platform.WaitForEvent(-1);
        t.g.DoEvents();
      }
    } catch (const ProgramEnd&) {
    }
    if (::testing::Test::HasFatalFailure()) return;
    total += t.g.passes;
    trips += m.round_trips;
    ++seed;
  }
  EXPECT_GT(trips, 0) << "no save and load between passes";
}

TEST(SoakTest, RandomPlayKeepsTheGameSound) {
  // The sanitized run of the suite is several times slower: there a fifth of the passes will do.
  int64_t passes = std::getenv("CINDERWAKE_QUICK_SOAK") ? 5000 : 25000;
  for (uint64_t seed : {11u, 12u, 13u, 14u}) {
    SCOPED_TRACE(seed);
    Soak(seed, passes);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace cw
