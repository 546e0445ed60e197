#include "world/location_loader.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/angles.h"
#include "support/play_fixtures.h"

namespace cw::test {
namespace {

struct Arrival {
  int view_x, view_y, x, y;
};

class LocationLoader : public ::testing::Test {
 protected:
  // A view and a position no arrival uses, to see whether the load changed them.
  void MarkPlace() {
    g.helpXCity = -11;
    g.helpYCity = -22;
    g.My_x = 33;
    g.My_y = 44;
  }
  void Load(const std::string& location, const std::string& entry) {
    g.GamePhase = location;
    LoadLocation(g, entry);
  }
  void ExpectArrival(const std::string& location, const std::string& entry, Arrival a) {
    SCOPED_TRACE(location + " from \"" + entry + "\"");
    MarkPlace();
    Load(location, entry);
    EXPECT_DOUBLE_EQ(g.helpXCity, a.view_x);
    EXPECT_DOUBLE_EQ(g.helpYCity, a.view_y);
    EXPECT_DOUBLE_EQ(g.My_x, a.x);
    EXPECT_DOUBLE_EQ(g.My_y, a.y);
  }
  void ExpectStays(const std::string& location, const std::string& entry) {
    ExpectArrival(location, entry, {-11, -22, 33, 44});
  }
  int LiveEnemies() const {
    int n = 0;
    for (const auto& e : g.Enemies) n += e.state == "x";
    return n;
  }
  TestGame& t = FreshGame(OpenWorldDir());
  Game& g = t.g;
};

// --- Arrival table ---

// The default arrival of each location, for every entry that is not named in its rows.
TEST_F(LocationLoader, DefaultArrivalsForRSAndOtherTexts) {
  const std::vector<std::pair<std::string, Arrival>> defaults = {
      {"hut", {-4, -4, 288, 350}},         {"powerplant1", {-4, -4, 175, 350}}, {"powerplant2", {-4, -4, 171, 272}},
      {"powerplant3", {-4, -4, 171, 160}}, {"duvave1", {-4, -4, 344, 160}},     {"duvave2", {-4, -4, 336, 350}},
      {"duvavelab1", {-4, -4, 171, 350}},  {"duvavelab2", {-4, -75, 312, 350}}, {"duvavelab3", {-4, -4, 171, 160}},
  };
  for (const auto& [location, arrival] : defaults)
    for (const char* entry : {"r", "s", "duvave2", "elsewhere"}) ExpectArrival(location, entry, arrival);
}

TEST_F(LocationLoader, NamedEntries) {
  ExpectArrival("city", "powerplant1", {-902, -1230, 438, 350});
  ExpectArrival("city", "hut", {-440, -6, 613, 238});
  ExpectArrival("city", "duvave1", {-226, -680, 355, 356});
  ExpectArrival("powerplant1", "powerplant2", {-351, -200, 639, 235});
  ExpectArrival("powerplant1", "city", {-4, -4, 175, 350});
  ExpectArrival("powerplant1", "powerplant3", {-4, -4, 175, 350});
  ExpectArrival("duvave1", "city", {-4, -4, 360, 350});
  ExpectArrival("duvave1", "duvave1", {-4, -4, 344, 160});
  ExpectArrival("duvavelab1", "duvavelab2", {-4, -4, 544, 154});
  ExpectArrival("duvavelab1", "duvave1", {-4, -4, 171, 350});
}

TEST_F(LocationLoader, CityFromAnyOtherTextStaysWhereItWas) {
  for (const char* entry : {"r", "s", "save", "city", "duvavelab2"}) ExpectStays("city", entry);
}

TEST_F(LocationLoader, SaveKeepsTheViewAndThePlayerEverywhere) {
  for (const auto& l : kTestLocations) ExpectStays(l.name, "save");
}

TEST_F(LocationLoader, ArrivalValuesAreWholeNumbers) {
  Load("duvavelab2", "s");
  EXPECT_EQ(g.helpYCity.Text(), "-75");
  EXPECT_EQ(g.My_x.Text(), "312");
}

// --- Files and surfaces ---

TEST_F(LocationLoader, LocationSurfacesTakeThePictureSizes) {
  Load("powerplant1", "r");
  EXPECT_EQ(g.e.picHelp_city_base->width, 1100);
  EXPECT_EQ(g.e.picHelp_city_base->height, 10);
  EXPECT_EQ(g.e.picHelp_city_collid->width, 1100);
  EXPECT_EQ(g.e.picHelp_city_base->buffer.Get(5, 5), PictureColourOf("powerplant1"));
  Load("duvavelab1", "r");  // its mask is "duvavelab1collid.gif"
  EXPECT_EQ(g.e.picHelp_city_collid->height, 900);
}

TEST_F(LocationLoader, UnknownNameKeepsTheSurfacesAndOnlyStopsThePlayer) {
  Load("hut", "s");
  MarkPlace();
  g.r = -3;
  g.Enemycount = 3;
  Load("Hut", "s");  // names are exact
  EXPECT_EQ(g.e.picHelp_city_base->height, 900);
  EXPECT_DOUBLE_EQ(g.My_x, 33);
  EXPECT_DOUBLE_EQ(g.Enemycount, 3);
  EXPECT_DOUBLE_EQ(g.r, 0);
}

TEST_F(LocationLoader, MissingPictureFaultsAfterTheMask) {
  ScratchDir dir;
  Surface mask(640, 480, kOpenGround);
  t.platform.SavePng(mask, (dir.path() / "hutCollid.gif").string());
  g.data_dir = dir.path();
  MarkPlace();
  g.r = -3;
  g.GamePhase = "hut";
  EXPECT_THROW(LoadLocation(g, "s"), RuntimeFault);
  EXPECT_EQ(g.e.picHelp_city_collid->width, 640);  // the mask came first
  EXPECT_DOUBLE_EQ(g.My_x, 33);                    // nothing after the failed picture
  EXPECT_DOUBLE_EQ(g.r, -3);
}

// --- Enemies ---

TEST_F(LocationLoader, EnemyPlacementPerLocation) {
  const std::vector<std::pair<std::string, std::vector<std::pair<double, double>>>> placements = {
      {"powerplant1", {{144, 176}, {160, 536}}},
      {"powerplant2", {{248, 192}, {248, 368}, {200, 265}}},
      {"powerplant3", {{72, 152}, {224, 216}}},
      {"hut", {{152, 176}, {416, 264}, {288, 320}}},
      {"duvave1", {{416, 296}, {296, 296}, {216, 304}, {488, 304}}},
      {"duvavelab1", {{280, 384}, {104, 264}, {320, 312}}},
      {"duvavelab2", {{160, 392}, {456, 328}, {440, 158}, {216, 176}}},
      {"duvavelab3", {{128, 216}, {256, 112}}},
  };
  for (const auto& [location, places] : placements) {
    SCOPED_TRACE(location);
    for (auto& e : g.Enemies) e = ActorRecord{};
    g.Enemycount = 0;
    Load(location, "r");
    ASSERT_EQ(LiveEnemies(), int(places.size()));
    for (size_t i = 0; i < places.size(); ++i) {
      EXPECT_EQ(g.Enemies[i].state, "x");
      EXPECT_DOUBLE_EQ(g.Enemies[i].x, places[i].first);
      EXPECT_DOUBLE_EQ(g.Enemies[i].y, places[i].second);
      EXPECT_EQ(int64_t(g.Enemies[i].pose), 1);
      EXPECT_EQ(int64_t(g.Enemies[i].poseStep), 1);
    }
    EXPECT_DOUBLE_EQ(g.Enemycount, double(places.size()));
  }
}

TEST_F(LocationLoader, EnemyKindsComeFromOneDrawEachInTableOrder) {
  Random copy = g.rng;
  Load("duvavelab2", "r");
  for (int i = 0; i < 4; ++i) {
    int whole = int(copy.Next() * 3);
    EXPECT_EQ(g.Enemies[i].kind, whole == 2 ? "2" : "1") << i;
  }
}

TEST_F(LocationLoader, EnemyCountGrowsByNAndClearsUpToTheOldCount) {
  for (int i = 0; i <= 20; ++i) {
    g.Enemies[i].state = "x";
    g.Enemies[i].x = 1000 + i;
  }
  g.Enemycount = 5;
  Load("hut", "save");
  EXPECT_DOUBLE_EQ(g.Enemycount, 8);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(g.Enemies[i].state, "x");
  EXPECT_EQ(g.Enemies[3].state, "");
  EXPECT_EQ(g.Enemies[5].state, "");
  EXPECT_EQ(g.Enemies[6].state, "x");  // above the old count: left alone
  EXPECT_DOUBLE_EQ(g.Enemies[6].x, 1006);
  EXPECT_EQ(g.Enemies[20].state, "x");
}

TEST_F(LocationLoader, EnemyCountNeverAbove20) {
  g.Enemycount = 18;
  Load("duvave1", "r");
  EXPECT_DOUBLE_EQ(g.Enemycount, 20);
  Load("hut", "r");
  EXPECT_DOUBLE_EQ(g.Enemycount, 20);
  for (int i = 3; i <= 20; ++i) EXPECT_EQ(g.Enemies[i].state, "") << i;
}

TEST_F(LocationLoader, NoEnemiesForCityDuvave2AndPowerplant1FromBelow) {
  g.Enemies[0].state = "x";
  g.Enemies[0].x = 77;
  g.Enemycount = 1;
  for (auto [location, entry] :
       {std::pair{"city", "r"}, {"city", "save"}, {"duvave2", "s"}, {"powerplant1", "powerplant2"}}) {
    Load(location, entry);
    EXPECT_DOUBLE_EQ(g.Enemycount, 1) << location;
    EXPECT_DOUBLE_EQ(g.Enemies[0].x, 77) << location;
    EXPECT_EQ(LiveEnemies(), 1);
  }
  Load("powerplant1", "save");  // a saved game on that floor gets its enemies
  EXPECT_DOUBLE_EQ(g.Enemycount, 3);
  Load("powerplant1", "powerplant3");
  EXPECT_DOUBLE_EQ(g.Enemycount, 5);
}

// --- Bosses ---

TEST_F(LocationLoader, WalkingBossOnlyOnTheFirstDuvave1OfARun) {
  Load("duvave1", "save");
  EXPECT_TRUE(bool(g.MoveBoss));
  EXPECT_TRUE(bool(g.Duvave1Entered));
  EXPECT_DOUBLE_EQ(g.BossX, 352);
  EXPECT_DOUBLE_EQ(g.BossY, 232);
  EXPECT_EQ(g.BossSpeed, "3");
  EXPECT_EQ(int64_t(g.BossPose), 1);
  EXPECT_EQ(int64_t(g.BossPoseStep), 1);
  EXPECT_DOUBLE_EQ(g.BossTargetX, 704);
  EXPECT_DOUBLE_EQ(g.BossTargetY, 80);
  EXPECT_DOUBLE_EQ(g.BossAngle, std::atan(-352.0 / 152.0));
  EXPECT_NEAR(g.BossAngle, -1.1631648, 1e-7);
  EXPECT_DOUBLE_EQ(g.BossTurn, 90 - std::fabs(std::atan(-352.0 / 152.0)) / kPi * 180);
  EXPECT_NEAR(g.BossTurn, 23.3555648, 1e-7);
  EXPECT_EQ(int64_t(g.BossLife), 200);  // not the walking boss's business

  g.MoveBoss = false;
  g.BossX = 1;
  Load("duvave1", "city");
  EXPECT_FALSE(bool(g.MoveBoss));
  EXPECT_DOUBLE_EQ(g.BossX, 1);
}

TEST_F(LocationLoader, BossFightSetUpOnEveryEntryIntoTheBossRoom) {
  for (int round = 0; round < 2; ++round) {
    g.BossLife = 12;
    g.BossPose = 3;
    g.BossTargetX = 9;
    g.MoveBoss = false;
    g.Duvave2Boss = false;
    Load("duvavelab2", "s");
    EXPECT_DOUBLE_EQ(g.BossX, 5.5);                            // 11 / 2
    EXPECT_DOUBLE_EQ(g.BossY, double(901.0f / 3.0f - 75.0f));  // a third of 901, shifted by the view
    EXPECT_EQ(g.BossSpeed, "3");
    EXPECT_EQ(int64_t(g.BossPose), 2);
    EXPECT_EQ(int64_t(g.BossPoseStep), 1);
    EXPECT_EQ(int64_t(g.BossLife), 200);
    EXPECT_TRUE(bool(g.Duvave2Boss));
    EXPECT_TRUE(bool(g.MoveBoss));
    EXPECT_DOUBLE_EQ(g.BossTargetX, 9);
  }
  g.helpYCity = -123;
  Load("duvavelab2", "save");
  EXPECT_DOUBLE_EQ(g.BossY, double(901.0f / 3.0f - 123.0f));
}

// --- Movement state ---

TEST_F(LocationLoader, EveryLoadLeavesThePlayerStill) {
  for (const char* location : {"city", "hut", "duvave2", "nowhere"}) {
    g.r = -3.5;
    g.u = 2.4;
    g.angle = 137.5;
    g.upper = true;
    g.downer = true;
    g.lefter = true;
    g.righter = true;
    Load(location, "save");
    EXPECT_DOUBLE_EQ(g.r, 0) << location;
    EXPECT_DOUBLE_EQ(g.u, 0);
    EXPECT_DOUBLE_EQ(g.angle, 0);
    EXPECT_FALSE(bool(g.upper));
    EXPECT_FALSE(bool(g.downer));
    EXPECT_FALSE(bool(g.lefter));
    EXPECT_FALSE(g.righter);
  }
}

}  // namespace
}  // namespace cw::test
