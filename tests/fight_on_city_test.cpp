// A fight on the shipped "city" data, driven through the play area's key handlers.
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "app/start_up.h"
#include "platform/key_codes.h"
#include "play/game_loop.h"
#include "support/test_game.h"

namespace cw::test {
namespace {

double Wrapped(double a) { return std::remainder(a, 2 * std::numbers::pi); }

struct Fight {
  explicit Fight(const std::filesystem::path& data) : t(data, {}, 6), g(t.g) {
    g.blnStart = true;  // straight to play, without the splash
    Form_Load(g);
    g.blnStart = false;
    g.GamePhase = "city";
    g.blnGame = true;
    g.ExperienceNeeded = 100000;  // no abilities screen in the middle of the fight
    g.ui.SetFocus(g.e.picCity_base);
  }
  // One pass as the loop runs it, 20 ms after the last.
  void Pass() {
    t.platform.WaitUntil(int64_t(g.GetTickCount()) + 20);
    g.DoEvents();
    RunGameFrame(g);
    g.DoEvents();
  }
  void Down(int key) { t.Send({InputEvent::Type::KeyDown, key, 0, 0, 0, 0}); }
  void Up(int key) { t.Send({InputEvent::Type::KeyUp, key, 0, 0, 0, 0}); }
  int Nearest() const {
    int best = -1;
    double best_d = 1e9;
    for (int i = 0; i <= std::min(20, CInt(g.Enemycount)); ++i) {
      const ActorRecord& e = g.Enemies[size_t(i)];
      if (e.state != "x") continue;
      double d = std::hypot(e.x - g.My_x, e.y - g.My_y);
      if (d < best_d) best_d = d, best = i;
    }
    return best;
  }
  bool ShotInFlight() const {
    for (const ActorRecord& s : g.Shots)
      if (s.state == "x") return true;
    return false;
  }

  TestGame t;
  Game& g;
};

TEST(FightOnTheCity, EnemiesSpawnCloseInDieToShotsWithBloodAndExperienceAndATouchCostsLife) {
  DataCopy data;
  Fight f(data.path());
  Game& g = f.g;

  int spawns = 0, closing = 0, kills = 0, touches = 0;
  int turning = 0;  // key held to turn: kKeyLeft, kKeyRight or 0
  double last_distance = -1;
  int last_nearest = -1;
  for (int pass = 0; pass < 6000 && (kills == 0 || touches == 0); ++pass) {
    int count_before = CInt(g.Enemycount);
    int64_t life = g.Life, experience = g.Experience;
    int next_splat = CInt(g.BloodCount);
    f.Pass();
    ASSERT_TRUE(g.blnGame) << "play stopped on pass " << pass;

    if (CInt(g.Enemycount) > count_before) ++spawns;
    if (int64_t(g.Life) < life) {
      ++touches;
      EXPECT_TRUE(life - int64_t(g.Life) == 5 || life - int64_t(g.Life) == 10);
    } else if (int64_t(g.Experience) > experience) {
      ++kills;
      EXPECT_TRUE(int64_t(g.Experience) - experience == 10 || int64_t(g.Experience) - experience == 20);
      const SplatRecord& blood = g.BloodSplats[size_t(next_splat)];
      EXPECT_EQ(blood.state, 'x');
      EXPECT_EQ(int64_t(blood.madeAt), g.GetTickCount());
    }

    int target = f.Nearest();
    if (target >= 0 && target == last_nearest) {
      double d = std::hypot(g.Enemies[size_t(target)].x - g.My_x, g.Enemies[size_t(target)].y - g.My_y);
      if (d < last_distance) ++closing;
    }
    last_nearest = target;
    last_distance =
        target >= 0 ? std::hypot(g.Enemies[size_t(target)].x - g.My_x, g.Enemies[size_t(target)].y - g.My_y) : -1;

    // Until the first kill: turn towards the nearest enemy and fire once aimed; then let them come.
    int want = 0;
    bool aimed = false;
    if (kills == 0 && target >= 0) {
      const ActorRecord& e = g.Enemies[size_t(target)];
      // A shot flies along (-sin u, -cos u).
      double off = Wrapped(std::atan2(-(e.x - g.My_x), -(e.y - g.My_y)) - g.u);
      aimed = std::fabs(off) < 0.07;
      if (!aimed) want = off > 0 ? kKeyLeft : kKeyRight;  // at rest Left adds to u, Right takes from it
    }
    if (want != turning) {
      if (turning) f.Up(turning);
      if (want) f.Down(want);
      turning = want;
    }
    if (aimed && !f.ShotInFlight()) {
      f.Down(kKeyCtrl);
      f.Up(kKeyCtrl);
    }
  }
  EXPECT_GT(spawns, 0);
  EXPECT_GT(closing, 10);
  EXPECT_GT(kills, 0);
  EXPECT_GT(touches, 0);
  EXPECT_LT(int64_t(g.Life), 100);
  EXPECT_EQ(g.e.lblExperience->caption, NumberText(double(g.Experience)) + "/100000");
}

}  // namespace
}  // namespace cw::test
