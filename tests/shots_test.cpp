#include "actors/shots.h"

#include <cmath>

#include <gtest/gtest.h>

#include "actors/enemies.h"
#include "platform/surface.h"
#include "support/combat_fixture.h"

namespace cw::test {
namespace {

class ShotsTest : public CombatTest {
 protected:
  ShotsTest() {
    g.My_x = 700;  // out of every enemy's reach in these tests
    g.My_y = 500;
  }
  // Far from the shots' path along x = 400.
  void FarEnemies(int n) {
    for (int i = 0; i < n; ++i) PutEnemy(i, 100, 100 + 50 * i, "1");
    g.Enemycount = n;
  }
  // One pass of the combat steps as the loop runs them.
  void Pass() {
    g.ShotColDetected = false;
    UpdateEnemiesAndShots(g);
    if (!g.ShotColDetected) UpdateFallbackShots(g);
  }
  // The area x 380..420 of the play area: the ground, and at each of these centres the shot, 1 x 4 pixels
  // drawn unturned, in column 400 from 2 above the centre to 1 below, its tip the palest.
  void ExpectShotDrawnAt(std::initializer_list<int> ys) {
    ASSERT_EQ(g.e.picShot_Gun->buffer.width, 1);
    ASSERT_EQ(g.e.picShot_Gun->buffer.height, 4);
    const uint32_t shot[4] = {Rgb(255, 250, 200), Rgb(255, 220, 80), Rgb(255, 160, 40), Rgb(210, 90, 20)};
    Surface expected(800, 528, kPlainGround);
    for (int y : ys)
      for (int i = 0; i < 4; ++i) expected.Set(400, y - 2 + i, shot[i]);
    for (int y = 0; y < 528; ++y)
      for (int x = 380; x < 420; ++x)
        ASSERT_EQ(g.e.picCity_base->buffer.Get(x, y), expected.Get(x, y)) << x << "," << y;
  }
};

TEST_F(ShotsTest, WithOneEnemyAShotMakesOneMovePerPassAndEndsAfter50Moves300Pixels) {
  FarEnemies(1);
  ActorRecord& shot = PutShot(1, 400, 520);
  for (int pass = 1; pass <= 49; ++pass) Pass();
  EXPECT_EQ(shot.state, "x");
  EXPECT_DOUBLE_EQ(shot.y, 226);
  EXPECT_EQ(int64_t(shot.tick), 49);
  Pass();
  EXPECT_EQ(shot.state, "");
  EXPECT_DOUBLE_EQ(shot.y, 220);
  EXPECT_DOUBLE_EQ(shot.x, 400);
}

TEST_F(ShotsTest, WithThreeEnemiesAShotFlies18PixelsPerPassIsDrawnThriceAndEndsAfter17Passes) {
  FarEnemies(3);
  ActorRecord& shot = PutShot(1, 400, 520);
  Pass();
  EXPECT_DOUBLE_EQ(shot.y, 502);
  EXPECT_EQ(int64_t(shot.tick), 3);
  EXPECT_TRUE(g.ShotColDetected);
  ExpectShotDrawnAt({514, 508, 502});
  for (int pass = 2; pass <= 16; ++pass) Pass();
  EXPECT_EQ(shot.state, "x");
  EXPECT_DOUBLE_EQ(shot.y, 232);
  Pass();
  EXPECT_EQ(shot.state, "");
  EXPECT_EQ(int64_t(shot.tick), 50);  // the third enemy's turn skipped the ended shot
  EXPECT_DOUBLE_EQ(shot.y, 220);
}

TEST_F(ShotsTest, WithNoEnemyAShotFlies6PixelsPerPassAndIsDrawnOnce) {
  ActorRecord& shot = PutShot(1, 400, 520);
  Pass();
  EXPECT_FALSE(g.ShotColDetected);
  EXPECT_DOUBLE_EQ(shot.y, 514);
  EXPECT_EQ(Drawn(), OpaquePixels(g.e.picShot_Gun->buffer, kCyan));
  ExpectShotDrawnAt({514});
  for (int pass = 2; pass <= 50; ++pass) Pass();
  EXPECT_EQ(shot.state, "");
  EXPECT_DOUBLE_EQ(shot.y, 220);
}

TEST_F(ShotsTest, OnlyTheSignOfStepCounts) {
  ActorRecord& back = PutShot(1, 400, 300);
  back.step = 0.5;
  ActorRecord& forward = PutShot(2, 300, 300);
  forward.step = -100;
  Pass();
  EXPECT_DOUBLE_EQ(back.y, 306);
  EXPECT_DOUBLE_EQ(forward.y, 294);
}

TEST_F(ShotsTest, TwoShotsOnOneEnemyInOneTurnApplyTheKillRuleTwice) {
  ActorRecord& enemy = PutEnemy(0, 400, 300, "2");
  g.Enemycount = 3;
  g.Healing = 5;
  g.Life = 50;
  ActorRecord& a = PutShot(1, 400, 310);
  ActorRecord& b = PutShot(2, 400, 310);
  Pass();
  EXPECT_EQ(a.state, "");
  EXPECT_EQ(b.state, "");
  EXPECT_EQ(enemy.state, "");
  EXPECT_EQ(int64_t(g.Experience), 40);
  EXPECT_EQ(int64_t(g.Life), 52);
  EXPECT_EQ(double(g.Enemycount), 1);
  EXPECT_EQ(double(g.BloodCount), 2);
  EXPECT_EQ(g.BloodSplats[0].state, 'x');
  EXPECT_EQ(g.BloodSplats[1].state, 'x');
  EXPECT_EQ(int64_t(g.BloodSplats[1].x), CInt(enemy.x));
}

TEST_F(ShotsTest, AShotThatEndsOnAWallStillHitsTheBossAndIsSkippedByTheNextEnemy) {
  FarEnemies(2);
  g.BossX = 400;
  g.BossY = 200;
  ActorRecord& shot = PutShot(1, 400, 230);
  Wall(400, 224);
  Pass();
  EXPECT_EQ(shot.state, "");
  EXPECT_DOUBLE_EQ(shot.y, 224);
  EXPECT_EQ(int64_t(g.BossLife), 190);
}

TEST_F(ShotsTest, WithoutEnemiesAShotThatEndsOnAWallStillHitsTheBoss) {
  g.BossX = 400;
  g.BossY = 200;
  ActorRecord& shot = PutShot(1, 400, 230);
  Wall(400, 224);
  Pass();
  EXPECT_EQ(shot.state, "");
  EXPECT_EQ(int64_t(g.BossLife), 190);
  Pass();
  EXPECT_EQ(int64_t(g.BossLife), 190);
}

TEST_F(ShotsTest, AShotOnItsFiftiethMoveStillHitsTheBoss) {
  FarEnemies(1);
  g.BossX = 400;
  g.BossY = 230;
  ActorRecord& shot = PutShot(1, 400, 251);
  shot.tick = 49;
  Pass();
  EXPECT_EQ(shot.state, "");
  EXPECT_EQ(int64_t(g.BossLife), 190);
}

TEST_F(ShotsTest, AShotThatKillsAnEnemyAlsoHitsTheBoss) {
  PutEnemy(0, 400, 300, "1");
  g.BossX = 400;
  g.BossY = 320;
  PutShot(1, 400, 310);
  Pass();
  EXPECT_EQ(int64_t(g.Experience), 10);
  EXPECT_EQ(int64_t(g.BossLife), 190);
}

TEST_F(ShotsTest, AShotMissingTheBossLeavesItsLife) {
  g.BossX = 400;
  g.BossY = 200;
  PutShot(1, 400, 233.01);  // 27.01 from the boss after its move
  Pass();
  EXPECT_EQ(int64_t(g.BossLife), 200);
}

TEST_F(ShotsTest, ShotsKeepTheirPlaceOnTheMapWhileItScrolls) {
  ActorRecord& shot = PutShot(1, 400, 300);
  g.r = -3;
  g.u = std::acos(-1.0) / 2;  // r sin u = -3, r cos u = about 0
  g.CharCollisionX = true;
  Pass();
  EXPECT_NEAR(shot.x, 403, 1e-12);
  EXPECT_NEAR(shot.y, 294, 1e-12);
}

}  // namespace
}  // namespace cw::test
