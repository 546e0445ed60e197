#include "actors/first_aid_kits.h"

#include <gtest/gtest.h>

#include "support/combat_fixture.h"

namespace cw::test {
namespace {

class KitsTest : public CombatTest {
 protected:
  KitsTest() {
    // Kits as start-up lays them out.
    const int places[8][2] = {{40, 200},  {816, 1488}, {1272, 1768}, {96, 176},
                              {984, 248}, {544, 136},  {352, 144},   {352, 304}};
    for (int i = 0; i < 8; ++i) {
      g.FirstAidKits[size_t(i)].x = places[i][0];
      g.FirstAidKits[size_t(i)].y = places[i][1];
      g.FirstAidKits[size_t(i)].takenAt = 200;
      g.FirstAidKits[size_t(i)].state = 'x';
    }
    g.GamePhase = "city";
    // Kit 0 of the city shows at (140, 100); the player stands on it.
    g.helpXCity = 100;
    g.helpYCity = -100;
    g.My_x = 140;
    g.My_y = 100;
  }
  KitRecord& kit0() { return g.FirstAidKits[0]; }
};

TEST_F(KitsTest, AtFullLifeTheKitLeavesLifeAtTheCapAndStays) {
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), 100);
  EXPECT_EQ(kit0().state, 'x');
  EXPECT_EQ(int64_t(kit0().takenAt), 0);
}

TEST_F(KitsTest, FiveBelowTheCapTheKitFillsLifeAndStays) {
  g.Life = 95;
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), 100);
  EXPECT_EQ(kit0().state, 'x');
}

TEST_F(KitsTest, TwentyBelowTheCapTheKitGives20AndIsTaken) {
  g.Life = 80;
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), 100);
  EXPECT_EQ(kit0().state, ' ');
  EXPECT_EQ(int64_t(kit0().takenAt), At(1000));
}

TEST_F(KitsTest, TheCapFollowsStrengthAndVitality) {
  g.Strength = 2;
  g.Vitality = 3;
  g.Life = 150;
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), 155);
  EXPECT_EQ(kit0().state, 'x');
}

TEST_F(KitsTest, TheKitsAddTheCapWithTheHundredLast) {
  // Strength 21 and Vitality 21 make 624.99994 in this order, so 625 is over the cap.
  g.Strength = 21;
  g.Vitality = 21;
  g.Life = 605;
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), 625);
  EXPECT_EQ(kit0().state, 'x');
}

TEST_F(KitsTest, LifeStopsAtTheLimitOfItsField) {
  g.Strength = 2000;  // a cap far above what Life can hold
  g.Life = 32760;
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), 32767);
  EXPECT_EQ(kit0().state, ' ');
}

TEST_F(KitsTest, ACapBelowWhatLifeCanHoldStopsLifeAtItsLimit) {
  g.Strength = -2000;  // from an edited saved game: a cap of -39900
  g.Life = 50;
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), -32768);
  EXPECT_EQ(kit0().state, 'x');
}

TEST_F(KitsTest, TheKitIsReachedFrom23Pixels) {
  g.Life = 50;
  g.My_x = 140 + 23;
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), 70);
  kit0().state = 'x';
  g.My_x = 140 + 23.01;
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), 70);
}

TEST_F(KitsTest, APresentKitIsDrawnAtItsPlace) {
  g.My_x = 400;
  UpdateFirstAidKits(g);
  int near = 0;
  for (int y = 70; y < 130; ++y)
    for (int x = 110; x < 170; ++x) near += g.e.picCity_base->buffer.Get(x, y) != kPlainGround;
  EXPECT_GT(near, 0);
  EXPECT_EQ(near, Drawn());
}

TEST_F(KitsTest, AKitOnTheLeftOrTopEdgeIsNeitherDrawnNorTaken) {
  g.Life = 50;
  g.helpXCity = -40;  // kit 0 at sx = 0
  g.My_x = 0;
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), 50);
  EXPECT_EQ(Drawn(), 0);

  g.helpXCity = -39;  // sx = 1
  g.My_x = 1;
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), 70);

  kit0().state = 'x';
  g.helpXCity = 100;
  g.helpYCity = -200;  // sy = 0
  g.My_x = 140;
  g.My_y = 0;
  ClearPlayArea();
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), 70);
  EXPECT_EQ(Drawn(), 0);
}

TEST_F(KitsTest, AKitOnTheRightEdgeIsNotHandled) {
  g.Life = 50;
  g.helpXCity = 760;  // sx = 800, the width of the play area
  g.My_x = 800;
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), 50);
}

TEST_F(KitsTest, ATakenKitComesBack60SecondsLaterWhereverThePlayerIs) {
  g.Life = 50;
  UpdateFirstAidKits(g);  // taken at 1000
  g.My_x = 600;
  g.helpXCity = -3000;  // its place far off screen
  AdvanceTo(60999);
  UpdateFirstAidKits(g);
  EXPECT_EQ(kit0().state, ' ');
  AdvanceTo(61000);
  UpdateFirstAidKits(g);
  EXPECT_EQ(kit0().state, 'x');
  EXPECT_EQ(int64_t(kit0().takenAt), 0);
}

TEST_F(KitsTest, KitsOfOtherLocationsAreLeftAloneAndComeBackOnReturn) {
  KitRecord& hut_kit = g.FirstAidKits[3];
  hut_kit.state = ' ';
  hut_kit.takenAt = At(1000);
  AdvanceTo(100000);
  UpdateFirstAidKits(g);
  EXPECT_EQ(hut_kit.state, ' ');
  g.GamePhase = "hut";
  UpdateFirstAidKits(g);
  EXPECT_EQ(hut_kit.state, 'x');
}

TEST_F(KitsTest, AllThreeCityKitsAreHandledOnEveryPass) {
  g.Life = 10;
  g.helpXCity = 0;
  g.helpYCity = 0;
  for (int i = 0; i < 3; ++i) g.FirstAidKits[size_t(i)] = g.FirstAidKits[0];  // all on (40, 200)
  g.My_x = 40;
  g.My_y = 200;
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), 70);
}

TEST_F(KitsTest, ALocationWithoutKitsHandlesNone) {
  g.GamePhase = "duvave2";
  g.Life = 50;
  g.FirstAidKits[3].state = ' ';
  g.FirstAidKits[3].takenAt = At(0);
  AdvanceTo(100000);
  UpdateFirstAidKits(g);
  EXPECT_EQ(int64_t(g.Life), 50);
  EXPECT_EQ(g.FirstAidKits[3].state, ' ');
  EXPECT_EQ(Drawn(), 0);
}

}  // namespace
}  // namespace cw::test
