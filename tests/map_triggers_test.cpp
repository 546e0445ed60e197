#include "world/map_triggers.h"

#include <string>

#include <gtest/gtest.h>

#include "play/messages.h"
#include "support/play_fixtures.h"
#include "world/location_loader.h"

namespace cw::test {
namespace {

// Half lines of the test locations: powerplant1 mx 550, powerplant2 mx 500; hut, duvave1, duvave2 and
// duvavelab1 my 450. The city rows use no halves.
class MapTriggers : public ::testing::Test {
 protected:
  // Makes `location` current with the view at (vx, vy), and stands the player on a red probe pixel
  // at map position (mx, my); the rest of the hidden mask is open ground.
  void StandOn(const std::string& location, double mx, double my, double vx = -4, double vy = -4) {
    g.GamePhase = location;
    LoadLocation(g, "save");
    g.Enemycount = 0;
    g.helpXCity = vx;
    g.helpYCity = vy;
    g.My_x = mx + vx;
    g.My_y = my + vy;
    g.e.picCity_Collid->buffer.Fill(kOpenGround);
    g.e.picCity_Collid->buffer.Set(CInt(g.My_x), CInt(g.My_y), kRed);
  }
  void ExpectAt(const std::string& location, double view_x, double view_y, double x, double y) {
    EXPECT_EQ(g.GamePhase, location);
    EXPECT_DOUBLE_EQ(g.helpXCity, view_x);
    EXPECT_DOUBLE_EQ(g.helpYCity, view_y);
    EXPECT_DOUBLE_EQ(g.My_x, x);
    EXPECT_DOUBLE_EQ(g.My_y, y);
  }
  // Nothing moved and no message started.
  void ExpectNothing(const std::string& location) {
    EXPECT_EQ(g.GamePhase, location);
    EXPECT_TRUE(g.WriteSMS.IsEmpty());
    EXPECT_EQ(g.TextSMS, "");
  }
  void ExpectMessage(const std::string& text) {
    EXPECT_EQ(g.TextSMS, text);
    EXPECT_DOUBLE_EQ(g.CisloSMS, 1);
    EXPECT_TRUE(bool(g.WriteSMS));
  }
  void Check() { CheckMapTriggers(g); }
  TestGame& t = FreshGame(OpenWorldDir());
  Game& g = t.g;
};

// --- city ---

TEST_F(MapTriggers, CityPlantDoorIsLockedWithoutTheKey) {
  StandOn("city", 600, 1480.5, -300, -1300);
  Check();
  EXPECT_EQ(g.GamePhase, "city");
  EXPECT_DOUBLE_EQ(g.My_x, 300);
  ExpectMessage("Power Plant is locked.\r\nYou should find the key.");
}

TEST_F(MapTriggers, CityPlantDoorWithTheKeyLeadsToPowerplant1) {
  g.e.imgKey->visible = true;
  StandOn("city", 600, 1481, -300, -1300);
  Check();
  ExpectAt("powerplant1", -4, -4, 175, 350);
  EXPECT_DOUBLE_EQ(g.Enemycount, 2);
}

TEST_F(MapTriggers, CityDuvaveDoorIsTheBandBetween900And1100) {
  for (double my : {900.5, 1000.0, 1099.5}) {
    StandOn("city", 600, my, -300, -700);
    Check();
    ExpectAt("duvave1", -4, -4, 360, 350);
  }
}

TEST_F(MapTriggers, CityOtherRedLeadsToTheHutAlsoOnTheBandEdges) {
  for (auto [my, view_y] : {std::pair{900.0, -700.0}, {1100.0, -700.0}, {300.0, -100.0}, {1480.0, -1300.0}}) {
    StandOn("city", 600, my, -300, view_y);
    Check();
    ExpectAt("hut", -4, -4, 288, 350);
    EXPECT_DOUBLE_EQ(g.Enemycount, 3);
  }
}

// --- powerplant1 ---

TEST_F(MapTriggers, Powerplant1LeftDoorBackToTheCity) {
  StandOn("powerplant1", 549.5, 350.5);
  Check();
  ExpectAt("city", -902, -1230, 438, 350);
}

TEST_F(MapTriggers, Powerplant1RightDoorToPowerplant2) {
  StandOn("powerplant1", 550.5, 519.5);
  Check();
  ExpectAt("powerplant2", -4, -4, 171, 272);
}

TEST_F(MapTriggers, Powerplant1OtherRedToPowerplant3) {
  StandOn("powerplant1", 550, 400);  // exactly on the half line: neither half
  Check();
  ExpectAt("powerplant3", -4, -4, 171, 160);
  StandOn("powerplant1", 200, 350);  // left half, outside the band
  Check();
  EXPECT_EQ(g.GamePhase, "powerplant3");
  StandOn("powerplant1", 800, 520);  // right half, outside the band
  Check();
  EXPECT_EQ(g.GamePhase, "powerplant3");
}

// --- powerplant2 and powerplant3 ---

TEST_F(MapTriggers, Powerplant2LeftHalfBackUpWithoutEnemies) {
  StandOn("powerplant2", 499.5, 100);
  for (auto& e : g.Enemies) e.state = "";
  g.Enemies[0].state = "x";
  g.Enemies[0].x = 77;
  g.Enemycount = 1;
  Check();
  ExpectAt("powerplant1", -351, -200, 639, 235);
  EXPECT_DOUBLE_EQ(g.Enemycount, 1);
  EXPECT_DOUBLE_EQ(g.Enemies[0].x, 77);
}

TEST_F(MapTriggers, Powerplant2CardOnceForAHundredPoints) {
  g.Experience = 40;
  StandOn("powerplant2", 500.5, 100);
  Check();
  EXPECT_EQ(g.GamePhase, "powerplant2");
  EXPECT_TRUE(g.e.imgCard->visible);
  EXPECT_EQ(int64_t(g.Experience), 140);
  ExpectMessage("You find the access card !");
  Check();
  EXPECT_EQ(int64_t(g.Experience), 140);
  StandOn("powerplant2", 500, 100);  // on the half line
  Check();
  EXPECT_EQ(g.GamePhase, "powerplant2");
}

TEST_F(MapTriggers, Powerplant3AnyRedBackToPowerplant1) {
  StandOn("powerplant3", 600, 400);
  Check();
  ExpectAt("powerplant1", -4, -4, 175, 350);
}

// --- hut ---

TEST_F(MapTriggers, HutLowerHalfBackToTheCity) {
  StandOn("hut", 300, 450.5);
  Check();
  ExpectAt("city", -440, -6, 613, 238);
}

TEST_F(MapTriggers, HutKeyOnceForFiftyPoints) {
  StandOn("hut", 300, 449.5);
  Check();
  EXPECT_EQ(g.GamePhase, "hut");
  EXPECT_TRUE(g.e.imgKey->visible);
  EXPECT_EQ(int64_t(g.Experience), 50);
  ExpectMessage("You find the key ! ");
  Check();
  EXPECT_EQ(int64_t(g.Experience), 50);
}

TEST_F(MapTriggers, HutHalfLineIsNeitherHalf) {
  StandOn("hut", 300, 450);
  Check();
  ExpectNothing("hut");
  EXPECT_FALSE(g.e.imgKey->visible);
}

// --- duvave1 ---

TEST_F(MapTriggers, Duvave1LowerHalfBackToTheCity) {
  StandOn("duvave1", 700, 451);
  Check();
  ExpectAt("city", -226, -680, 355, 356);
}

TEST_F(MapTriggers, Duvave1StairsBetween300And400) {
  for (double mx : {300.5, 399.5}) {
    StandOn("duvave1", mx, 100);
    Check();
    ExpectAt("duvave2", -4, -4, 336, 350);
  }
  for (double mx : {300.0, 400.0}) {
    StandOn("duvave1", mx, 100);
    Check();
    EXPECT_EQ(g.GamePhase, "duvave1") << mx;
  }
}

TEST_F(MapTriggers, Duvave1LabEntranceOnlyOnceTheLabIsOpen) {
  StandOn("duvave1", 700, 100);
  Check();
  ExpectNothing("duvave1");
  g.AccessLab = true;
  StandOn("duvave1", 700, 100);
  Check();
  ExpectAt("duvavelab1", -4, -4, 171, 350);
}

// --- duvave2 ---

TEST_F(MapTriggers, Duvave2LowerHalfBackDown) {
  StandOn("duvave2", 500, 451);
  Check();
  ExpectAt("duvave1", -4, -4, 344, 160);
}

TEST_F(MapTriggers, Duvave2ButtonWithoutTheCard) {
  StandOn("duvave2", 500, 100);
  Check();
  EXPECT_EQ(g.GamePhase, "duvave2");
  ExpectMessage("You tried to push the button but\r\nYou need a access card");
  EXPECT_TRUE(g.AccessLab.IsEmpty());
}

TEST_F(MapTriggers, Duvave2ButtonWithTheCardOpensTheLabEveryTime) {
  g.e.imgCard->visible = true;
  StandOn("duvave2", 500, 100);
  Check();
  ExpectMessage(
      "Access to the DUVAVE secret lab granted !\r\nYou will find the entrance somewhere\r\n"
      "on the DUVAVE scyscraper 1st floor.");
  EXPECT_TRUE(bool(g.AccessLab));
  g.CisloSMS = 37;  // still typing: the text is written again, the typing goes on
  g.TextSMS = "";
  Check();
  EXPECT_EQ(g.TextSMS, kLabOpenedMessage);
  EXPECT_DOUBLE_EQ(g.CisloSMS, 37);
}

// --- the lab ---

TEST_F(MapTriggers, Duvavelab1LowerHalfSplitsAt120) {
  StandOn("duvavelab1", 119.5, 451);
  Check();
  ExpectAt("duvave1", -4, -4, 344, 160);
  StandOn("duvavelab1", 120, 451);
  Check();
  ExpectAt("duvavelab3", -4, -4, 171, 160);
}

TEST_F(MapTriggers, Duvavelab1UpperHalfSplitsAt300) {
  StandOn("duvavelab1", 299.5, 449);
  Check();
  ExpectAt("duvavelab3", -4, -4, 171, 160);
  StandOn("duvavelab1", 300, 449);
  Check();
  ExpectAt("duvavelab2", -4, -75, 312, 350);
  EXPECT_TRUE(bool(g.Duvave2Boss));
}

TEST_F(MapTriggers, Duvavelab1HalfLineDoesNothing) {
  StandOn("duvavelab1", 600, 450);
  Check();
  ExpectNothing("duvavelab1");
}

TEST_F(MapTriggers, Duvavelab2AnyRedBackToTheFirstRoom) {
  StandOn("duvavelab2", 40, 200, -4, -75);
  Check();
  ExpectAt("duvavelab1", -4, -4, 544, 154);
}

TEST_F(MapTriggers, Duvavelab3AnyRedBackToTheFirstRoom) {
  StandOn("duvavelab3", 40, 400);
  Check();
  ExpectAt("duvavelab1", -4, -4, 171, 350);
}

// --- the probe ---

TEST_F(MapTriggers, OnlyExactRedUnderThePlayerTriggers) {
  StandOn("duvavelab3", 40, 400);
  g.e.picCity_Collid->buffer.Set(36, 396, 0x000001FF);
  Check();
  ExpectNothing("duvavelab3");
  g.My_x = 36.5;   // reads pixel 36
  g.My_y = 397.5;  // reads pixel 398
  g.e.picCity_Collid->buffer.Set(36, 398, kRed);
  Check();
  EXPECT_EQ(g.GamePhase, "duvavelab1");
}

TEST_F(MapTriggers, ProbeOutsideThePlayAreaTriggersNothing) {
  StandOn("duvavelab3", 40, 400);
  g.e.picCity_Collid->buffer.Fill(kRed);
  g.My_x = -3;
  Check();
  ExpectNothing("duvavelab3");
}

TEST_F(MapTriggers, MapPositionUsesTheUnroundedPlayerAndTheViewSize) {
  // My_y 446.4 probes row 446; my = 450.4 is already in the lower half.
  StandOn("hut", 300, 450.4);
  Check();
  EXPECT_EQ(g.GamePhase, "city");
}

// --- chains within one call ---

TEST_F(MapTriggers, MoveToALaterLocationIsTestedAgainInTheSameCall) {
  StandOn("city", 600, 1000, -300, -700);
  // The city mask still held is red where the player arrives in duvave1: (360, 350), map (364, 354).
  g.e.picCity_Collid->buffer.Set(360, 350, kRed);
  Check();
  ExpectAt("duvave2", -4, -4, 336, 350);  // through the stairs of duvave1 at once
}

TEST_F(MapTriggers, MoveToAnEarlierLocationWaitsForTheNextCall) {
  StandOn("hut", 300, 500);
  g.e.picCity_Collid->buffer.Set(613, 238, kRed);  // red where the player arrives in the city
  Check();
  ExpectAt("city", -440, -6, 613, 238);
  Check();
  ExpectAt("hut", -4, -4, 288, 350);
}

TEST_F(MapTriggers, KeyAndCardBonusesStopAtTheExperienceLimit) {
  g.Experience = 2147483600;
  StandOn("hut", 300, 100);
  EXPECT_NO_THROW(Check());
  EXPECT_EQ(int64_t(g.Experience), INT32_MAX);
  EXPECT_TRUE(g.e.imgKey->visible);
  ExpectMessage("You find the key ! ");

  g.Experience = 2147483600;
  StandOn("powerplant2", 500.5, 100);
  EXPECT_NO_THROW(Check());
  EXPECT_EQ(int64_t(g.Experience), INT32_MAX);
  EXPECT_TRUE(g.e.imgCard->visible);
}

}  // namespace
}  // namespace cw::test
