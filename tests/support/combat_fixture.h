#pragma once
// Shared by the combat tests: a game with an open, wall-free mask, a plain play area to draw on,
// the boss parked far away, and helpers to place enemies and shots and to steer the random numbers.
// Building a game decodes every embedded picture, so the tests share one game and start each test
// from the start values of the state; the virtual clock only moves on, so times are relative (At).
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace cw::test {

inline constexpr uint32_t kPlainGround = 0x00123456;  // never a sprite's colour, never a wall

// Pixels of a sprite that are drawn with the given key colour.
inline int OpaquePixels(const Surface& sprite, uint32_t key) {
  int n = 0;
  for (uint32_t c : sprite.pixels) n += (c & 0x00FFFFFFu) != key;
  return n;
}

inline int PixelsNot(const Surface& s, uint32_t colour) {
  int n = 0;
  for (uint32_t c : s.pixels) n += c != colour;
  return n;
}

// The first seed whose generator satisfies `wanted` (given a fresh generator of that seed).
inline uint64_t SeedWhere(const std::function<bool(Random&)>& wanted) {
  for (uint64_t seed = 1; seed < 1000000; ++seed) {
    Random r;
    r.Seed(seed);
    if (wanted(r)) return seed;
  }
  ADD_FAILURE() << "no seed found";
  return 1;
}

class CombatTest : public ::testing::Test {
 protected:
  CombatTest() : t(Shared()), g(t.g) { Reset(); }
  ~CombatTest() override { t.platform.before_clock_moves = nullptr; }

  // Start values, a quiet screen, and the clock at At(1000).
  void Reset() {
    static_cast<GameState&>(g) = GameState{};
    g.rng.Seed(1);
    g.passes = 0;
    t.platform.before_clock_moves = nullptr;
    for (Element* screen : {g.e.picRIP, g.e.picRPG, g.e.picStory, g.e.picMenu, g.e.picInGame}) g.ui.Hide(screen);
    g.ui.SetFocus(nullptr);
    g.e.lblLevel->caption = "1";
    g.e.lblPoints->caption = "0";
    for (auto& [el, size] : Sizes()) {
      el->picture = nullptr;
      el->reload_picture = nullptr;
      el->Move(el->left, el->top, size.first, size.second);
    }
    g.e.picCity_Collid->buffer.Fill(0);
    ClearPlayArea();
    g.BossX = -1000;
    g.BossY = -1000;
    g.My_x = 400;
    g.My_y = 300;
    base_ = (g.GetTickCount() / 1000000 + 1) * 1000000;
    t.platform.WaitUntil(At(1000));
  }

  // A tick counted from this test's start.
  int64_t At(int64_t ms) const { return base_ + ms; }
  void AdvanceTo(int64_t ms) { t.platform.WaitUntil(At(ms)); }

  void ClearPlayArea() {
    g.e.picCity_base->Clear();
    g.e.picCity_base->buffer.Fill(kPlainGround);
  }
  int Drawn() const { return PixelsNot(g.e.picCity_base->buffer, kPlainGround); }
  void Wall(int x, int y) { g.e.picCity_Collid->buffer.Set(x, y, kCyan); }

  ActorRecord& PutEnemy(int i, double x, double y, const std::string& kind) {
    ActorRecord& e = g.Enemies[size_t(i)];
    e.state = "x";
    e.x = x;
    e.y = y;
    e.kind = kind;
    e.pose = 1;
    e.poseStep = 1;
    e.tick = 0;
    return e;
  }
  // A shot as firing makes it: heading u, step -6, so heading 0 flies straight up the screen.
  ActorRecord& PutShot(int j, double x, double y, double heading = 0) {
    ActorRecord& s = g.Shots[size_t(j)];
    s.state = "x";
    s.x = x;
    s.y = y;
    s.heading = heading;
    s.degrees = 0;
    s.kind = "Gun";
    s.tick = 0;
    s.step = -6;
    return s;
  }

  TestGame& t;
  Game& g;

 private:
  static TestGame& Shared() {
    static std::unique_ptr<TestGame> shared = std::make_unique<TestGame>();
    return *shared;
  }
  // The location surfaces as the catalogue makes them; tests may load other pictures into them.
  std::vector<std::pair<Element*, std::pair<double, double>>>& Sizes() {
    static std::vector<std::pair<Element*, std::pair<double, double>>> sizes = {
        {g.e.picHelp_city_base, {g.e.picHelp_city_base->width, g.e.picHelp_city_base->height}},
        {g.e.picHelp_city_collid, {g.e.picHelp_city_collid->width, g.e.picHelp_city_collid->height}},
    };
    return sizes;
  }
  int64_t base_ = 0;
};

}  // namespace cw::test
