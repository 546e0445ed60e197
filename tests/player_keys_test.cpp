#include "actors/player_keys.h"

#include <gtest/gtest.h>

#include "platform/key_codes.h"
#include "support/play_fixtures.h"

namespace cw::test {
namespace {

class PlayerKeys : public ::testing::Test {
 protected:
  void Down(int key) { piccity_base_KeyDown(g, key, 0); }
  void Up(int key) { picCity_base_KeyUp(g, key, 0); }
  void Press(int key) {
    Down(key);
    Up(key);
  }
  TestGame& t = FreshGame(OpenWorldDir());
  Game& g = t.g;
};

// --- Arrows ---

TEST_F(PlayerKeys, LastOfUpAndDownWins) {
  Down(kKeyUp);
  EXPECT_TRUE(bool(g.upper));
  EXPECT_FALSE(bool(g.downer));
  Down(kKeyDown);
  EXPECT_FALSE(bool(g.upper));
  EXPECT_TRUE(bool(g.downer));
  EXPECT_EQ(double(g.downer), -1);  // True is -1
}

TEST_F(PlayerKeys, ReleasingUpOrDownClearsBothAndStops) {
  for (int released : {kKeyUp, kKeyDown}) {
    Down(kKeyUp);
    Down(kKeyDown);
    g.r = -3;
    Up(released);
    EXPECT_FALSE(bool(g.upper));
    EXPECT_FALSE(bool(g.downer));
    EXPECT_EQ(g.r.kind(), Value::Kind::Number);
    EXPECT_EQ(double(g.r), 0);
  }
}

TEST_F(PlayerKeys, LastOfLeftAndRightWinsAndAReleaseClearsBoth) {
  Down(kKeyRight);
  EXPECT_TRUE(g.righter);
  Down(kKeyLeft);
  EXPECT_TRUE(bool(g.lefter));
  EXPECT_FALSE(g.righter);
  Down(kKeyRight);
  g.r = -2;
  Up(kKeyLeft);  // Right is still held, but stops turning too
  EXPECT_FALSE(bool(g.lefter));
  EXPECT_FALSE(g.righter);
  EXPECT_EQ(double(g.r), -2);
}

TEST_F(PlayerKeys, OtherKeysChangeNothing) {
  for (int key : {13, 27, 32, 65, 16}) {
    Down(key);
    Up(key);
  }
  EXPECT_TRUE(g.upper.IsEmpty());
  EXPECT_TRUE(g.ShotsFired.IsEmpty());
  EXPECT_TRUE(g.ShotButtonPushed.IsEmpty());
}

TEST_F(PlayerKeys, KeysReachThePlayAreaWhenItHasTheFocus) {
  g.ui.SetFocus(g.e.picCity_base);
  t.Send({InputEvent::Type::KeyDown, kKeyUp, 0, 0, 0, 0});
  EXPECT_TRUE(bool(g.upper));
  t.Send({InputEvent::Type::KeyUp, kKeyUp, 0, 0, 0, 0});
  EXPECT_FALSE(bool(g.upper));
}

// --- Fire ---

TEST_F(PlayerKeys, FirstShotFillsEntryOneAtThePlayer) {
  g.My_x = 171.25;
  g.My_y = 376.5;
  g.u = -0.36;
  g.angle = 20.6264805;
  g.Shots[1].pose = 3;
  g.Shots[1].poseStep = -1;
  Down(kKeyCtrl);
  EXPECT_EQ(double(g.ShotsFired), 1);
  const ActorRecord& shot = g.Shots[1];
  EXPECT_EQ(shot.state, "x");
  EXPECT_DOUBLE_EQ(shot.x, 171.25);
  EXPECT_DOUBLE_EQ(shot.y, 376.5);
  EXPECT_DOUBLE_EQ(shot.heading, -0.36);
  EXPECT_DOUBLE_EQ(shot.degrees, 20.6264805);
  EXPECT_EQ(shot.kind, "Gun");
  EXPECT_EQ(int64_t(shot.tick), 0);
  EXPECT_EQ(double(shot.step), -6);
  EXPECT_EQ(int64_t(shot.pose), 3);  // not the shot's business
  EXPECT_EQ(int64_t(shot.poseStep), -1);
  EXPECT_TRUE(bool(g.ShotButtonPushed));
}

TEST_F(PlayerKeys, OneShotPerCtrlPress) {
  Down(kKeyCtrl);
  Down(kKeyCtrl);  // auto-repeat
  Down(kKeyCtrl);
  EXPECT_EQ(double(g.ShotsFired), 1);
  EXPECT_NE(g.Shots[2].state, "x");
  Up(kKeyCtrl);
  EXPECT_FALSE(bool(g.ShotButtonPushed));
  Down(kKeyCtrl);
  EXPECT_EQ(double(g.ShotsFired), 2);
  EXPECT_EQ(g.Shots[2].state, "x");
}

TEST_F(PlayerKeys, EntriesOneToSixInTurnThenRefusedWhileSixFlies) {
  for (int i = 1; i <= 6; ++i) {
    Press(kKeyCtrl);
    EXPECT_EQ(double(g.ShotsFired), i);
    EXPECT_EQ(g.Shots[i].state, "x");
  }
  g.Shots[1].x = 11;  // entry 1 is still flying
  Down(kKeyCtrl);
  EXPECT_EQ(double(g.ShotsFired), 6);
  EXPECT_DOUBLE_EQ(g.Shots[1].x, 11);
  EXPECT_TRUE(bool(g.ShotButtonPushed));  // the refused press still counts as handled
  Up(kKeyCtrl);

  g.Shots[6].state = "";
  g.My_x = 500;
  Down(kKeyCtrl);
  EXPECT_EQ(double(g.ShotsFired), 1);
  EXPECT_DOUBLE_EQ(g.Shots[1].x, 500);  // reused though still live
  for (int i = 7; i <= 10; ++i) EXPECT_EQ(g.Shots[i].state, "");
}

}  // namespace
}  // namespace cw::test
