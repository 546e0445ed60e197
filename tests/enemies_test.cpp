#include "actors/enemies.h"

#include <cmath>

#include <gtest/gtest.h>

#include "actors/enemy_kinds.h"
#include "runtime/angles.h"
#include "support/combat_fixture.h"

namespace cw::test {
namespace {

using EnemiesTest = CombatTest;

TEST(EnemyKinds, WhatSetsTheTwoKindsApart) {
  const EnemyKind* one = EnemyKindNamed("1");
  const EnemyKind* two = EnemyKindNamed("2");
  ASSERT_NE(one, nullptr);
  ASSERT_NE(two, nullptr);
  EXPECT_EQ(one->speed, 1);
  EXPECT_EQ(two->speed, 2);
  EXPECT_EQ(one->reward, 10);
  EXPECT_EQ(two->reward, 20);
  EXPECT_EQ(one->touch_damage, 5);
  EXPECT_EQ(two->touch_damage, 10);
  EXPECT_EQ(one->radius, 15);
  EXPECT_EQ(two->radius, 15);
  EXPECT_STREQ(one->sprite, "picEnemy1_");
  EXPECT_STREQ(two->sprite, "picEnemy2_");
  EXPECT_EQ(EnemyKindNamed("3"), nullptr);  // the boss's sprites, but no enemy kind
  EXPECT_EQ(EnemyKindNamed("Gun"), nullptr);
}

TEST(EnemyKinds, DrawsGiveKindsAsSpawningAndPlacingWantThem) {
  // Fix(random x 2): a zero draw is kind 2.
  EXPECT_STREQ(SpawnedEnemyKind(0).text, "2");
  EXPECT_STREQ(SpawnedEnemyKind(0.4999).text, "2");
  EXPECT_STREQ(SpawnedEnemyKind(0.5).text, "1");
  EXPECT_STREQ(SpawnedEnemyKind(0.9999).text, "1");
  // Int(random x 3): zero and one are kind 1, two is kind 2.
  EXPECT_STREQ(PlacedEnemyKind(0).text, "1");
  EXPECT_STREQ(PlacedEnemyKind(0.34).text, "1");
  EXPECT_STREQ(PlacedEnemyKind(0.6666).text, "1");
  EXPECT_STREQ(PlacedEnemyKind(0.6667).text, "2");
  EXPECT_STREQ(PlacedEnemyKind(0.9999).text, "2");
}

TEST_F(EnemiesTest, Kind2ClosesInAt2PixelsPerPassAndKind1At1) {
  ActorRecord& fast = PutEnemy(0, 430, 260, "2");  // 50 from the player at (400, 300)
  ActorRecord& slow = PutEnemy(1, 400, 400, "1");  // 100 below it
  g.Enemycount = 2;
  for (int pass = 1; pass <= 5; ++pass) {
    UpdateEnemiesAndShots(g);
    EXPECT_NEAR(std::hypot(fast.x - 400, fast.y - 300), 50 - 2 * pass, 1e-9);
    EXPECT_NEAR(std::hypot(slow.x - 400, slow.y - 300), 100 - pass, 1e-9);
  }
  EXPECT_NEAR(slow.x, 400, 1e-12);
  EXPECT_NEAR(slow.y, 395, 1e-12);
}

TEST_F(EnemiesTest, HeadingIsTheArctangentOfTheQuotientAndDegreesItsSizeTurnedBack) {
  ActorRecord& e = PutEnemy(0, 430, 260, "1");
  UpdateEnemiesAndShots(g);
  EXPECT_DOUBLE_EQ(e.heading, std::atan(30.0 / -40.0));
  EXPECT_DOUBLE_EQ(e.degrees, -std::fabs(std::atan(30.0 / -40.0)) / kPi * 180);
  // The player is lower on the screen, so the enemy walks along +sin, +cos of its heading.
  EXPECT_DOUBLE_EQ(e.x, 430 + std::sin(e.heading));
  EXPECT_DOUBLE_EQ(e.y, 260 + std::cos(e.heading));
}

TEST_F(EnemiesTest, AnEnemyLevelWithThePlayerWalksStraightAtIt) {
  ActorRecord& right = PutEnemy(0, 450, 300, "2");
  ActorRecord& left = PutEnemy(1, 350, 300, "1");
  g.Enemycount = 1;
  ASSERT_NO_THROW(UpdateEnemiesAndShots(g));
  EXPECT_DOUBLE_EQ(right.x, 448);
  EXPECT_DOUBLE_EQ(right.y, 300);
  EXPECT_DOUBLE_EQ(left.x, 351);
  EXPECT_DOUBLE_EQ(left.y, 300);
  EXPECT_NEAR(right.degrees, -90, 1e-6);
  // Both were drawn: the step went on past them.
  int right_side = 0, left_side = 0;
  for (int y = 250; y < 350; ++y)
    for (int x = 300; x < 500; ++x)
      if (g.e.picCity_base->buffer.Get(x, y) != kPlainGround) ++(x < 400 ? left_side : right_side);
  EXPECT_GT(right_side, 0);
  EXPECT_GT(left_side, 0);
}

TEST_F(EnemiesTest, AnEnemyOnThePlayersCentreDoesNotMoveThatPass) {
  ActorRecord& e = PutEnemy(0, 400, 300, "1");
  e.heading = 0.25;
  ASSERT_NO_THROW(UpdateEnemiesAndShots(g));
  EXPECT_EQ(e.x, 400);
  EXPECT_EQ(e.y, 300);
  EXPECT_EQ(e.heading, 0.25);
  EXPECT_EQ(e.state, "");  // and it touches the player
  EXPECT_EQ(int64_t(g.Life), 95);
}

TEST_F(EnemiesTest, AnEnemyThatWalksOntoAWallDiesWithoutBloodOrExperienceButIsDrawnOnce) {
  ActorRecord& e = PutEnemy(0, 400, 100, "1");  // straight above the player: next step (400, 101)
  g.Enemycount = 1;
  Wall(400, 101);
  UpdateEnemiesAndShots(g);
  EXPECT_EQ(e.state, "");
  EXPECT_EQ(double(g.Enemycount), 0);
  EXPECT_EQ(int64_t(g.Experience), 0);
  EXPECT_EQ(double(g.BloodCount), 0);
  EXPECT_NE(g.BloodSplats[0].state, 'x');
  EXPECT_EQ(Drawn(), OpaquePixels(g.e.picEnemy1_1->buffer, kCyan));

  ClearPlayArea();
  UpdateEnemiesAndShots(g);
  EXPECT_EQ(Drawn(), 0);
}

TEST_F(EnemiesTest, PosesRun123212EveryNinthPass) {
  ActorRecord& e = PutEnemy(0, 400, 0, "1");
  std::vector<int64_t> changes;
  int64_t pose = e.pose;
  for (int pass = 1; pass <= 45; ++pass) {
    UpdateEnemiesAndShots(g);
    if (int64_t(e.pose) != pose) {
      pose = e.pose;
      changes.push_back(pass * 10 + pose);
    }
  }
  EXPECT_EQ(changes, (std::vector<int64_t>{92, 183, 272, 361, 452}));
}

TEST_F(EnemiesTest, TheSpriteNameIsComposedFromKindAndPose) {
  ActorRecord& e = PutEnemy(0, 400, 100, "2");  // straight above: drawn unturned
  e.pose = 3;
  UpdateEnemiesAndShots(g);
  const Surface& sprite = g.e.picEnemy2_3->buffer;
  int left = CInt(e.x) - sprite.width / 2, top = CInt(e.y) - sprite.height / 2;
  for (int y = 0; y < sprite.height; ++y)
    for (int x = 0; x < sprite.width; ++x) {
      uint32_t c = sprite.Get(x, y) & 0x00FFFFFFu;
      ASSERT_EQ(g.e.picCity_base->buffer.Get(left + x, top + y), c == kCyan ? kPlainGround : c);
    }
}

TEST_F(EnemiesTest, EnemiesKeepTheirPlaceOnTheMapWhileItScrolls) {
  ActorRecord& e = PutEnemy(0, 400, 100, "1");
  g.r = -2;
  g.u = 0;
  g.CharCollisionY = true;
  UpdateEnemiesAndShots(g);
  EXPECT_DOUBLE_EQ(e.y, 103);  // 1 towards the player, 2 with the map
}

TEST_F(EnemiesTest, ATouchKillsWithBloodAndCostsLife) {
  ActorRecord& e = PutEnemy(0, 400, 268, "2");  // 32 above: after its step the circles touch
  g.Enemycount = 1;
  UpdateEnemiesAndShots(g);
  EXPECT_EQ(e.state, "");
  EXPECT_EQ(double(g.Enemycount), 0);
  EXPECT_EQ(int64_t(g.Life), 90);
  EXPECT_EQ(int64_t(g.Experience), 20);
  EXPECT_EQ(g.BloodSplats[0].state, 'x');
  EXPECT_EQ(int64_t(g.BloodSplats[0].y), 270);
  EXPECT_EQ(int64_t(g.BossLife), 200);
}

TEST_F(EnemiesTest, AnEnemyJustOutOfReachDoesNotTouch) {
  ActorRecord& e = PutEnemy(0, 400, 267.99, "2");
  UpdateEnemiesAndShots(g);
  EXPECT_EQ(e.state, "x");
  EXPECT_EQ(int64_t(g.Life), 100);
}

TEST_F(EnemiesTest, ATouchInTheBossFightHealsTheBoss) {
  PutEnemy(0, 400, 270, "1");
  g.Duvave2Boss = true;
  g.BossLife = 150;
  UpdateEnemiesAndShots(g);
  EXPECT_EQ(int64_t(g.BossLife), 155);
}

TEST_F(EnemiesTest, OnlyEntriesUpToEnemycountAreVisited) {
  ActorRecord& visited = PutEnemy(1, 400, 100, "1");
  ActorRecord& beyond = PutEnemy(2, 400, 500, "1");
  g.Enemycount = 1;
  UpdateEnemiesAndShots(g);
  EXPECT_DOUBLE_EQ(visited.y, 101);
  EXPECT_DOUBLE_EQ(beyond.y, 500);
}

TEST_F(EnemiesTest, AKindWithoutASpriteEndsTheStep) {
  PutEnemy(0, 400, 100, "7");
  EXPECT_THROW(UpdateEnemiesAndShots(g), RuntimeFault);
}

}  // namespace
}  // namespace cw::test
