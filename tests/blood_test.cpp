#include <cmath>

#include <gtest/gtest.h>

#include "actors/blood_splats.h"
#include "support/combat_fixture.h"

namespace cw::test {
namespace {

using BloodTest = CombatTest;

ActorRecord EnemyAt(double x, double y) {
  ActorRecord e;
  e.x = x;
  e.y = y;
  return e;
}

TEST_F(BloodTest, SplatTakesTheEnemyCentreRoundedHalvesToEvenAndARandomTurn) {
  Random ahead = g.rng;
  int64_t degrees = int64_t(std::floor(ahead.Next() * 360));
  MakeBloodSplat(g, EnemyAt(100.5, 201.5));
  const SplatRecord& s = g.BloodSplats[0];
  EXPECT_EQ(s.state, 'x');
  EXPECT_EQ(int64_t(s.x), 100);
  EXPECT_EQ(int64_t(s.y), 202);
  EXPECT_EQ(int64_t(s.degrees), degrees);
  EXPECT_EQ(int64_t(s.madeAt), At(1000));
  EXPECT_EQ(double(g.BloodCount), 1);
}

TEST_F(BloodTest, SeventhSplatReusesEntryZeroWhileItIsStillShown) {
  for (int i = 0; i < 7; ++i) MakeBloodSplat(g, EnemyAt(10 + i, 20));
  EXPECT_EQ(g.BloodSplats[0].state, 'x');
  EXPECT_EQ(int64_t(g.BloodSplats[0].x), 16);
  EXPECT_EQ(int64_t(g.BloodSplats[1].x), 11);
  EXPECT_EQ(int64_t(g.BloodSplats[5].x), 15);
  EXPECT_EQ(double(g.BloodCount), 1);
}

TEST_F(BloodTest, SplatIsShownAt5000MsAndDrawnOnceMoreAndFreedAt5001) {
  MakeBloodSplat(g, EnemyAt(400, 300));  // tick 1000
  AdvanceTo(6000);
  UpdateBloodSplats(g);
  EXPECT_EQ(g.BloodSplats[0].state, 'x');
  EXPECT_EQ(int64_t(g.BloodSplats[0].madeAt), At(1000));

  ClearPlayArea();
  AdvanceTo(6001);
  UpdateBloodSplats(g);
  EXPECT_EQ(g.BloodSplats[0].state, ' ');
  EXPECT_EQ(int64_t(g.BloodSplats[0].madeAt), 0);
  EXPECT_GT(Drawn(), 0);

  ClearPlayArea();
  UpdateBloodSplats(g);
  EXPECT_EQ(Drawn(), 0);
}

TEST_F(BloodTest, DrawnCentredWithBlackLeftOut) {
  MakeBloodSplat(g, EnemyAt(400, 300));
  g.BloodSplats[0].degrees = 0;
  UpdateBloodSplats(g);
  const Surface& blood = g.e.picBlood->buffer;
  EXPECT_EQ(Drawn(), OpaquePixels(blood, 0x00000000));
  // At 0 degrees the picture lies unturned around the splat's centre.
  int left = 400 - blood.width / 2, top = 300 - blood.height / 2;
  for (int y = 0; y < blood.height; ++y)
    for (int x = 0; x < blood.width; ++x) {
      uint32_t c = blood.Get(x, y) & 0x00FFFFFFu;
      EXPECT_EQ(g.e.picCity_base->buffer.Get(left + x, top + y), c == 0 ? kPlainGround : c);
    }
}

TEST_F(BloodTest, SplatsKeepTheirPlaceOnTheMapWhileItScrolls) {
  MakeBloodSplat(g, EnemyAt(400, 300));
  g.r = -3;
  g.u = std::acos(-1.0) / 2;  // facing left on the screen: r sin u = -3
  g.CharCollisionX = true;
  g.CharCollisionY = false;
  UpdateBloodSplats(g);
  EXPECT_EQ(int64_t(g.BloodSplats[0].x), 403);
  EXPECT_EQ(int64_t(g.BloodSplats[0].y), 300);

  g.u = 0.3;  // r cos u = -2.866..., stored as a whole pixel
  g.CharCollisionX = false;
  g.CharCollisionY = true;
  UpdateBloodSplats(g);
  EXPECT_EQ(int64_t(g.BloodSplats[0].x), 403);
  EXPECT_EQ(int64_t(g.BloodSplats[0].y), 303);
}

TEST_F(BloodTest, FreeSplatsAreNeitherMovedNorDrawn) {
  g.BloodSplats[2].x = 50;
  g.BloodSplats[2].state = ' ';
  g.r = -3;
  g.u = 1;
  g.CharCollisionX = true;
  UpdateBloodSplats(g);
  EXPECT_EQ(int64_t(g.BloodSplats[2].x), 50);
  EXPECT_EQ(Drawn(), 0);
}

}  // namespace
}  // namespace cw::test
