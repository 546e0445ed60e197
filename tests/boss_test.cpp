#include "actors/boss.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "play/game_loop.h"
#include "runtime/angles.h"
#include "support/combat_fixture.h"

namespace cw::test {
namespace {

class BossWalkTest : public CombatTest {
 protected:
  BossWalkTest() {
    // As the loader sets up the walk through the first floor of DUVAVE.
    g.BossX = 352;
    g.BossY = 232;
    g.BossSpeed = "3";
    g.BossPose = 1;
    g.BossPoseStep = 1;
    g.BossAngle = std::atan((352.0 - 704) / (232.0 - 80));
    g.BossTurn = 90 - std::fabs(g.BossAngle) / kPi * 180;
    g.MoveBoss = true;
    g.Duvave2Boss = false;
  }
  double FirstX() const { return 352 - 3 * std::sin(g.BossAngle); }
  double FirstY() const { return 232 - 3 * std::cos(g.BossAngle); }
};

TEST_F(BossWalkTest, TheBossWalksAgainstItsDirectionAtItsSpeed) {
  double x = FirstX(), y = FirstY();
  UpdateBoss(g);
  EXPECT_DOUBLE_EQ(g.BossX, x);
  EXPECT_DOUBLE_EQ(g.BossY, y);
  EXPECT_GT(g.BossX, 352);  // towards (704, 80)
  EXPECT_LT(g.BossY, 232);
  EXPECT_TRUE(g.MoveBoss);
  EXPECT_GT(Drawn(), 0);
}

TEST_F(BossWalkTest, AFirstStepOntoATriggerIsDrawnOnceAndEndsTheWalk) {
  g.e.picCity_Collid->buffer.Set(CInt(FirstX()), CInt(FirstY()), kRed);
  UpdateBoss(g);
  EXPECT_FALSE(g.MoveBoss);
  EXPECT_GT(Drawn(), 0);

  // The loop runs the boss only while MoveBoss holds: nothing of it on the next pass.
  g.blnGame = true;
  RunGameFrame(g);
  EXPECT_DOUBLE_EQ(g.BossX, FirstX());
}

TEST_F(BossWalkTest, AFirstStepOntoAWallEndsTheWalk) {
  Wall(CInt(FirstX()), CInt(FirstY()));
  UpdateBoss(g);
  EXPECT_FALSE(g.MoveBoss);
  EXPECT_GT(Drawn(), 0);
}

TEST_F(BossWalkTest, PosesChangeOnPasses9_18_27InTheOrder2_3_2_1_2) {
  g.BossTick = 0;
  std::vector<int> changes;
  int64_t pose = g.BossPose;
  for (int pass = 1; pass <= 45; ++pass) {
    UpdateBoss(g);
    if (int64_t(g.BossPose) != pose) {
      pose = g.BossPose;
      changes.push_back(pass * 10 + int(pose));
    }
  }
  EXPECT_EQ(changes, (std::vector<int>{92, 183, 272, 361, 452}));
}

TEST_F(BossWalkTest, TheBossKeepsItsPlaceOnTheMapWhileItScrolls) {
  g.r = -2;
  g.u = 0;
  g.CharCollisionY = true;
  UpdateBoss(g);
  EXPECT_DOUBLE_EQ(g.BossY, FirstY() + 2);
}

TEST_F(BossWalkTest, TheSpriteOfThePoseIsDrawn) {
  g.BossPose = 3;
  g.BossTurn = 0;
  g.BossAngle = 0;  // straight up: first step to (352, 229)
  UpdateBoss(g);
  const Surface& sprite = g.e.picEnemy3_3->buffer;
  int left = 352 - sprite.width / 2, top = 229 - sprite.height / 2;
  for (int y = 0; y < sprite.height; ++y)
    for (int x = 0; x < sprite.width; ++x) {
      uint32_t c = sprite.Get(x, y) & 0x00FFFFFFu;
      ASSERT_EQ(g.e.picCity_base->buffer.Get(left + x, top + y), c == kCyan ? kPlainGround : c);
    }
}

class BossFightTest : public CombatTest {
 protected:
  BossFightTest() {
    g.e.picHelp_city_base->SetPicture(Surface(1000, 900, 0));  // W = 1000: marks at 250 and 750
    g.BossX = 500;
    g.BossY = 100;
    g.BossSpeed = "3";
    g.BossPose = 2;
    g.BossPoseStep = 1;
    g.BossLife = 200;
    g.Duvave2Boss = true;
    g.MoveBoss = true;
    g.BossOnShot = true;  // a shot far from the player, still young
    g.BossShotX = 50;
    g.BossShotY = 50;
    g.BossShotAngle = 0;
    g.BossShotSpeed = 4;
    g.BossShotTicks = 10;
  }
  // Puts the boss's shot so that its next move lands on the player.
  void ShotOnPlayer(int ticks) {
    g.BossOnShot = true;
    g.BossShotX = 400;
    g.BossShotY = 296;
    g.BossShotAngle = 0;
    g.BossShotTicks = ticks;
  }
};

TEST_F(BossFightTest, PatrolKeepsItsDirectionOnTheMarksAndTurnsOnlyBeyondThem) {
  g.BossX = 250;
  g.Boss_Rate = -1;
  UpdateBoss(g);
  EXPECT_DOUBLE_EQ(g.BossX, 249);
  UpdateBoss(g);
  EXPECT_EQ(int64_t(g.Boss_Rate), 1);
  EXPECT_DOUBLE_EQ(g.BossX, 250);

  g.BossX = 750;
  UpdateBoss(g);
  EXPECT_DOUBLE_EQ(g.BossX, 751);
  UpdateBoss(g);
  EXPECT_EQ(int64_t(g.Boss_Rate), -1);
  EXPECT_DOUBLE_EQ(g.BossX, 750);
}

TEST_F(BossFightTest, TheBossAimsWithTheArctangentOfTheQuotient) {
  g.Boss_Rate = 1;
  UpdateBoss(g);  // BossX 501, player at (400, 300)
  EXPECT_DOUBLE_EQ(g.BossAngle, std::atan((501.0 - 400) / (100.0 - 300)));
  EXPECT_DOUBLE_EQ(g.BossTurn, -std::fabs(g.BossAngle) / kPi * 180);
  EXPECT_EQ(int64_t(g.BossPose), 2);  // the fight does not animate
}

TEST_F(BossFightTest, LevelWithThePlayerTheBossKeepsItsAim) {
  g.BossY = 300;
  g.BossAngle = 0.7;
  ASSERT_NO_THROW(UpdateBoss(g));
  EXPECT_EQ(g.BossAngle, 0.7);
  EXPECT_DOUBLE_EQ(g.BossTurn, -0.7 / kPi * 180);
}

TEST_F(BossFightTest, AShotIsLaunchedFromTheBossAndFliesAtOnce) {
  g.BossOnShot = false;
  g.Boss_Rate = 1;
  UpdateBoss(g);
  EXPECT_TRUE(g.BossOnShot);
  EXPECT_EQ(int64_t(g.BossShotTicks), 2);
  EXPECT_EQ(g.BossShotAngle, g.BossAngle);
  EXPECT_EQ(g.BossShotTurn, g.BossTurn);
  EXPECT_EQ(double(g.BossShotSpeed), 4);
  EXPECT_DOUBLE_EQ(g.BossShotX, 501 + 4 * std::sin(g.BossAngle));
  EXPECT_DOUBLE_EQ(g.BossShotY, 100 + 4 * std::cos(g.BossAngle));
}

TEST_F(BossFightTest, AShotLivesUntilAge100) {
  g.BossShotTicks = 98;
  UpdateBoss(g);
  EXPECT_TRUE(g.BossOnShot);
  UpdateBoss(g);
  EXPECT_FALSE(g.BossOnShot);
  EXPECT_EQ(int64_t(g.BossShotTicks), 100);
}

TEST_F(BossFightTest, AShotReachingAge100OnThePlayerStillHurts) {
  g.BossLife = 150;
  ShotOnPlayer(99);
  UpdateBoss(g);
  EXPECT_EQ(int64_t(g.BossShotTicks), 100);
  EXPECT_FALSE(g.BossOnShot);
  EXPECT_EQ(int64_t(g.Life), 80);
  EXPECT_EQ(int64_t(g.BossLife), 160);
}

TEST_F(BossFightTest, AHitHealsTheBossOnlyUpTo200) {
  ShotOnPlayer(10);
  UpdateBoss(g);
  EXPECT_EQ(int64_t(g.BossLife), 210);
  EXPECT_EQ(int64_t(g.Life), 80);
  g.BossLife = 201;
  ShotOnPlayer(10);
  UpdateBoss(g);
  EXPECT_EQ(int64_t(g.BossLife), 201);
  EXPECT_EQ(int64_t(g.Life), 60);
}

TEST_F(BossFightTest, AShotJustOutOfReachMisses) {
  ShotOnPlayer(10);
  g.BossShotY = 300 - 4 - 25.01;
  UpdateBoss(g);
  EXPECT_TRUE(g.BossOnShot);
  EXPECT_EQ(int64_t(g.Life), 100);
}

TEST_F(BossFightTest, AFullFlightAtEnemycount12BringsFourMinionsAndTheNextPassNone) {
  g.Enemycount = 12;
  g.BossShotTicks = 99;
  Random ahead = g.rng;
  std::vector<std::string> kinds;
  for (int m = 0; m < 4; ++m) {
    int draw = int(std::floor(ahead.Next() * 3));
    kinds.push_back(draw == 2 ? "2" : "1");
  }
  UpdateBoss(g);
  EXPECT_EQ(double(g.Enemycount), 16);
  const double places[4][2] = {{160, 392}, {456, 328}, {440, 158}, {216, 176}};
  for (int m = 0; m < 4; ++m) {
    const ActorRecord& minion = g.Enemies[size_t(13 + m)];
    EXPECT_EQ(minion.state, "x");
    EXPECT_EQ(minion.x, places[m][0]);
    EXPECT_EQ(minion.y, places[m][1]);
    EXPECT_EQ(minion.kind, kinds[size_t(m)]);
    EXPECT_EQ(int64_t(minion.pose), 1);
    EXPECT_EQ(int64_t(minion.poseStep), 1);
  }
  EXPECT_NE(g.Enemies[12].state, "x");

  EXPECT_EQ(int64_t(g.BossShotTicks), 100);
  UpdateBoss(g);
  EXPECT_EQ(double(g.Enemycount), 16);
  EXPECT_NE(g.Enemies[17].state, "x");
}

TEST_F(BossFightTest, AYoungShotCallsNoMinions) {
  g.Enemycount = 0;
  g.BossShotTicks = 98;
  UpdateBoss(g);
  EXPECT_EQ(double(g.Enemycount), 0);
}

TEST_F(BossFightTest, TheShotAndTheBossAreDrawn) {
  g.BossTurn = 0;
  UpdateBoss(g);
  int near_shot = 0, near_boss = 0;
  for (int y = 0; y < 528; ++y)
    for (int x = 0; x < 800; ++x) {
      if (g.e.picCity_base->buffer.Get(x, y) == kPlainGround) continue;
      if (std::hypot(x - g.BossShotX, y - g.BossShotY) < 20) ++near_shot;
      if (std::hypot(x - g.BossX, y - g.BossY) < 60) ++near_boss;
    }
  EXPECT_GT(near_shot, 0);
  EXPECT_GT(near_boss, 0);
}

// The loop draws the boss's life bar over everything, 2 pixels per life point.
using BossLifeBarTest = CombatTest;

TEST_F(BossLifeBarTest, TheBarIsTwicePerLifePointWide) {
  for (int life : {50, 17}) {
    SCOPED_TRACE(life);
    auto pass = [this, life](bool fight) {
      Reset();
      g.BossLife = life;
      g.Duvave2Boss = fight;
      g.blnGame = true;
      RunGameFrame(g);
      return g.e.picCity_base->buffer;
    };
    Surface without = pass(false), with = pass(true);
    int bar_height = g.e.boss_life->buffer.height;
    int last_column_changed = 0;
    for (int y = 0; y < 528; ++y)
      for (int x = 0; x < 800; ++x) {
        bool inside = x < 2 * life && y < bar_height;
        if (!inside) {
          ASSERT_EQ(with.Get(x, y), without.Get(x, y)) << x << "," << y;
        }
        last_column_changed += x == 2 * life - 1 && with.Get(x, y) != without.Get(x, y);
      }
    EXPECT_GT(last_column_changed, 0);
  }
}

}  // namespace
}  // namespace cw::test
