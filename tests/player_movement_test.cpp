#include "actors/player_movement.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "runtime/angles.h"
#include "support/play_fixtures.h"

namespace cw::test {
namespace {

constexpr double kTurnDegrees = 0.12 / kPi * 180;
constexpr double kHalfPi = std::numbers::pi / 2;

// A player in the middle of an open, scrolled map, standing still, facing up.
class PlayerMovement : public ::testing::Test {
 protected:
  PlayerMovement() {
    g.e.picHelp_city_base->width = 1800;
    g.e.picHelp_city_base->height = 1900;
    g.e.picCity_Collid->buffer.Fill(kOpenGround);
    g.My_x = 400;
    g.My_y = 300;
    g.helpXCity = -100;
    g.helpYCity = -100;
    g.r = 0;
    g.u = 0;
    g.angle = 0;
  }
  void Wall(int x0, int y0, int x1, int y1) { FillRect(g.e.picCity_Collid->buffer, x0, y0, x1, y1, kCyan); }
  void Passes(int n) {
    for (int i = 0; i < n; ++i) MovePlayer(g);
  }
  TestGame& t = FreshGame(OpenWorldDir());
  Game& g = t.g;
};

// --- Speed ---

TEST_F(PlayerMovement, UpFromRestRampsToThreeWithVitalityZero) {
  g.upper = true;
  const double expected[] = {-0.5, -1.0, -1.5, -2.0, -2.5, -3.0, -3.0, -3.0};
  for (double r : expected) {
    MovePlayer(g);
    EXPECT_DOUBLE_EQ(g.r, r);
  }
  EXPECT_DOUBLE_EQ(g.My_y, 300 - (0.5 + 1 + 1.5 + 2 + 2.5 + 3 + 3 + 3));  // up the screen
  EXPECT_DOUBLE_EQ(g.My_x, 400);
}

TEST_F(PlayerMovement, TopSpeedWithVitalityThreeIsThreeAndAHalf) {
  g.Vitality = 3;
  g.upper = true;
  Passes(10);
  EXPECT_DOUBLE_EQ(g.r, -3.5);
  g.upper = false;
  g.downer = true;
  g.r = 0;
  Passes(10);
  EXPECT_DOUBLE_EQ(g.r, 3.5);
}

TEST_F(PlayerMovement, DownBacksUpToThreeAndUpWinsOverDown) {
  g.downer = true;
  Passes(8);
  EXPECT_DOUBLE_EQ(g.r, 3.0);
  g.upper = true;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.r, 2.5);
}

TEST_F(PlayerMovement, NoKeyKeepsTheSpeed) {
  g.r = -2.5;
  Passes(3);
  EXPECT_DOUBLE_EQ(g.r, -2.5);
  EXPECT_DOUBLE_EQ(g.My_y, 300 - 7.5);
}

// --- Turning and the angle ---

TEST_F(PlayerMovement, RightAtRestTurnsClockwise) {
  g.righter = true;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.u, -0.12);
  EXPECT_DOUBLE_EQ(g.angle, kTurnDegrees);
  EXPECT_NEAR(double(g.angle), 6.8754935, 1e-7);
}

TEST_F(PlayerMovement, RightWhileForwardSteersTheWalkToTheRight) {
  g.righter = true;
  g.r = -3;
  MovePlayer(g);
  // Forward is up the screen; a clockwise turn bends the walk to the right.
  EXPECT_GT(double(g.My_x), 400);
  EXPECT_LT(double(g.My_y), 300);
  EXPECT_DOUBLE_EQ(g.My_x, 400 + -3 * std::sin(-0.12));
}

TEST_F(PlayerMovement, RightWhileBackingUpTurnsCounterClockwise) {
  g.righter = true;
  g.r = 2;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.u, 0.12);
  EXPECT_DOUBLE_EQ(g.angle, -kTurnDegrees);
}

TEST_F(PlayerMovement, LeftTurnsTheOtherWayAndRightWinsOverLeft) {
  g.lefter = true;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.u, 0.12);
  EXPECT_DOUBLE_EQ(g.angle, -kTurnDegrees);
  g.r = 1;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.u, 0.0);
  EXPECT_NEAR(double(g.angle), 0.0, 1e-12);
  g.r = 0;
  g.righter = true;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.u, -0.12);
}

TEST_F(PlayerMovement, AngleBeyond360BecomesOneOnThe53rdPass) {
  g.righter = true;
  Passes(52);
  EXPECT_NEAR(double(g.angle), 52 * kTurnDegrees, 1e-9);
  EXPECT_LT(double(g.angle), 360);
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.angle, 1);
  EXPECT_NEAR(g.u, -53 * 0.12, 1e-9);  // the heading is never reduced
}

TEST_F(PlayerMovement, AngleBelowMinus360BecomesMinusOne) {
  g.lefter = true;
  g.angle = -355;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.angle, -1);
  g.angle = -353;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.angle, -353 - kTurnDegrees);
}

// --- Walk poses ---

TEST_F(PlayerMovement, PoseRunsOneTwoThreeTwoOneEveryNinePasses) {
  g.r = -1;
  g.charPhase = 1;
  g.abc = 1;
  const int expected[] = {2, 3, 2, 1, 2, 3};
  for (int pose : expected) {
    Passes(8);
    EXPECT_NE(double(g.charPhase), pose);
    MovePlayer(g);
    EXPECT_EQ(double(g.charPhase), pose);
    EXPECT_EQ(int64_t(g.RunCount), 0);
  }
  EXPECT_TRUE(bool(g.charMoving));
}

TEST_F(PlayerMovement, StandingShowsPoseTwoAtOnce) {
  g.charPhase = 3;
  g.RunCount = 4;
  g.charMoving = true;
  MovePlayer(g);
  EXPECT_EQ(double(g.charPhase), 2);
  EXPECT_FALSE(bool(g.charMoving));
  EXPECT_EQ(int64_t(g.RunCount), 5);
  Passes(4);
  EXPECT_EQ(int64_t(g.RunCount), 0);  // the counter runs on while standing
  EXPECT_EQ(double(g.charPhase), 2);
}

// --- Walls and bounce ---

TEST_F(PlayerMovement, WallThrowsBackAtFourThenUpBringsItDown) {
  Wall(390, 290, 410, 298);
  g.upper = true;
  g.r = -3;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.r, 4);
  // 297 is on the wall: the step is made once more (294), then the bounce moves 4 back.
  EXPECT_DOUBLE_EQ(g.My_y, 298);
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.r, 3.5);
  EXPECT_DOUBLE_EQ(g.My_y, 301.5);
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.r, 3.0);
  EXPECT_DOUBLE_EQ(g.My_y, 304.5);
  EXPECT_FALSE(bool(g.DetectMapMove));
}

TEST_F(PlayerMovement, BounceSpeedFollowsVitalityInSinglePrecision) {
  Wall(390, 290, 410, 298);
  g.Vitality = 3;
  g.r = -3;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.r, double(4.3f));
}

TEST_F(PlayerMovement, WallTestRoundsHalvesToEven) {
  Wall(390, 296, 410, 297);  // only row 296
  g.r = -3.5;
  MovePlayer(g);  // 296.5 reads row 296
  EXPECT_DOUBLE_EQ(g.r, 4);

  g.e.picCity_Collid->buffer.Fill(kOpenGround);
  Wall(390, 298, 410, 299);  // only row 298
  g.My_y = 300;
  g.r = -2.5;
  MovePlayer(g);  // 297.5 reads row 298
  EXPECT_DOUBLE_EQ(g.r, 4);
}

TEST_F(PlayerMovement, Ultimate25WalksThroughWalls) {
  Wall(390, 290, 410, 298);
  g.Ultimate = 25;
  g.r = -3;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.r, -3);
  EXPECT_DOUBLE_EQ(g.My_y, 297);
  g.Ultimate = 24;
  g.My_y = 300;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.r, 4);
}

TEST_F(PlayerMovement, OnlyExactCyanIsAWall) {
  FillRect(g.e.picCity_Collid->buffer, 390, 290, 410, 298, 0x00FFFE00);
  g.r = -3;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.r, -3);
}

TEST_F(PlayerMovement, PlayAreaEdgeBouncesEvenWithUltimate) {
  g.Ultimate = 25;
  g.My_y = 2;
  g.r = -3;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.r, 4);
  EXPECT_DOUBLE_EQ(g.My_y, 3);
}

TEST_F(PlayerMovement, EdgeBounceAtRestLeavesThePlayer) {
  g.My_x = 800;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.My_x, 800);
  EXPECT_DOUBLE_EQ(g.r, 0);
}

// --- Scrolling ---

TEST_F(PlayerMovement, LeftBandStopsThePlayerAt171WhileTheMapMoves) {
  g.My_x = 172;
  g.r = -1;
  g.u = kHalfPi;  // facing left
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.My_x, 171);
  EXPECT_DOUBLE_EQ(g.helpXCity, -100);
  EXPECT_FALSE(bool(g.CharCollisionX));
  for (int i = 1; i <= 3; ++i) {
    MovePlayer(g);
    EXPECT_DOUBLE_EQ(g.My_x, 171);
    EXPECT_DOUBLE_EQ(g.helpXCity, -100 + i);
    EXPECT_TRUE(bool(g.CharCollisionX));
    EXPECT_TRUE(bool(g.DetectMapMove));
    EXPECT_FALSE(bool(g.CharCollisionY));
  }
}

TEST_F(PlayerMovement, NoScrollWhenTheMapEdgeIsWithinFivePixels) {
  g.helpXCity = -5;
  g.My_x = 172;
  g.r = -1;
  g.u = kHalfPi;
  Passes(3);
  EXPECT_DOUBLE_EQ(g.My_x, 169);
  EXPECT_DOUBLE_EQ(g.helpXCity, -5);
  EXPECT_FALSE(bool(g.DetectMapMove));
  g.My_x = 1;
  MovePlayer(g);  // reaches 0: the edge throws it back
  EXPECT_DOUBLE_EQ(g.r, 4);
  EXPECT_DOUBLE_EQ(g.My_x, 4);
}

TEST_F(PlayerMovement, RightBandStopsThePlayerAt629) {
  g.helpXCity = -4;  // 1796 pixels of map to the right of the play area's left edge
  g.My_x = 628;
  g.r = -1;
  g.u = -kHalfPi;  // facing right
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.My_x, 629);
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.My_x, 629);
  EXPECT_DOUBLE_EQ(g.helpXCity, -5);
  g.helpXCity = -995;  // the right edge of the map is 5 pixels beyond the play area's
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.My_x, 630);
  EXPECT_DOUBLE_EQ(g.helpXCity, -995);
}

TEST_F(PlayerMovement, VerticalBandsScrollUpAndDown) {
  g.My_y = 152;
  g.r = -1;
  MovePlayer(g);
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.My_y, 151);
  EXPECT_DOUBLE_EQ(g.helpYCity, -99);
  EXPECT_TRUE(bool(g.CharCollisionY));
  EXPECT_FALSE(bool(g.CharCollisionX));
  g.My_y = 377;  // 528 - 150 is the top of the lower band
  g.r = 1;
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.My_y, 377);
  EXPECT_DOUBLE_EQ(g.helpYCity, -100);
  g.helpYCity = -1367;  // 1900 - 1367 = 533 = 528 + 5: no more map below
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.My_y, 378);
  EXPECT_FALSE(bool(g.DetectMapMove));
}

TEST_F(PlayerMovement, WallWhileScrollingPutsTheMapBackAndBounces) {
  g.My_x = 171;
  g.r = -1;
  g.u = kHalfPi;
  Wall(171, 300, 172, 301);
  MovePlayer(g);
  EXPECT_DOUBLE_EQ(g.helpXCity, -100);
  EXPECT_DOUBLE_EQ(g.r, 4);
  EXPECT_DOUBLE_EQ(g.My_x, 175);
  EXPECT_TRUE(bool(g.CharCollisionX));
  EXPECT_TRUE(bool(g.DetectMapMove));
}

TEST_F(PlayerMovement, ScrollFlagsAreClearedEveryPass) {
  g.DetectMapMove = true;
  g.CharCollisionX = true;
  g.CharCollisionY = true;
  MovePlayer(g);
  EXPECT_FALSE(bool(g.DetectMapMove));
  EXPECT_FALSE(bool(g.CharCollisionX));
  EXPECT_FALSE(bool(g.CharCollisionY));
}

}  // namespace
}  // namespace cw::test
