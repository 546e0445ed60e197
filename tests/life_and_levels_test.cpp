#include "play/life_and_levels.h"

#include <climits>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "actors/enemy_kinds.h"
#include "platform/key_codes.h"
#include "play/end_of_game.h"
#include "play/game_loop.h"
#include "play/life_cap.h"
#include "support/combat_fixture.h"

namespace cw::test {
namespace {

using LifeTest = CombatTest;

const EnemyKind& Kind(const char* text) { return *EnemyKindNamed(text); }

TEST_F(LifeTest, LifeLabelShowsLifeAndMaximumLife) {
  g.Strength = 2;
  g.Vitality = 3;
  g.Life = 120;
  UpdateStatusLabels(g);
  EXPECT_EQ(g.e.lblLife->caption, "120/155");
}

TEST_F(LifeTest, TheTwoOrdersOfTheLifeCapDifferInSinglePrecisionForSomeAbilities) {
  g.Strength = 2;
  g.Vitality = 3;
  EXPECT_EQ(MaxLifeHundredFirst(g), 155.0f);
  EXPECT_EQ(MaxLifeHundredLast(g), 155.0f);
  g.Strength = 21;
  g.Vitality = 21;
  EXPECT_EQ(MaxLifeHundredFirst(g), 625.0f);
  EXPECT_EQ(MaxLifeHundredLast(g), std::nextafter(625.0f, 0.0f));  // 624.99994
  // The kill's healing test uses the first: at 625 life a kill still heals.
  g.Life = 625;
  g.Healing = 5;
  ApplyShotKill(g, Kind("1"));
  EXPECT_EQ(int64_t(g.Life), 626);
}

TEST_F(LifeTest, LifeLabelShowsTheCapAsASinglePrecisionNumber) {
  g.Strength = 42;  // from an edited saved game: 100 + 42 / 5 x 100 is 939.99994 in single precision
  UpdateStatusLabels(g);
  EXPECT_EQ(g.e.lblLife->caption, "100/940");
  g.Strength = 0;
  g.Vitality = 168;
  UpdateStatusLabels(g);
  EXPECT_EQ(g.e.lblLife->caption, "100/940");
  g.Strength = 21;
  g.Vitality = 84;  // exactly 940 in this order
  UpdateStatusLabels(g);
  EXPECT_EQ(g.e.lblLife->caption, "100/940");
}

TEST_F(LifeTest, ExperienceLabelShowsExperienceAndTheNextThreshold) {
  g.Experience = 40;
  UpdateStatusLabels(g);
  EXPECT_EQ(g.e.lblExperience->caption, "40/100");
}

TEST_F(LifeTest, AKillGivesTenExperiencePerKind) {
  ApplyShotKill(g, Kind("1"));
  EXPECT_EQ(int64_t(g.Experience), 10);
  ApplyShotKill(g, Kind("2"));
  EXPECT_EQ(int64_t(g.Experience), 30);
}

TEST_F(LifeTest, FiveKind2KillsFromNothingReachTheFirstLevel) {
  for (int i = 0; i < 5; ++i) ApplyShotKill(g, Kind("2"));
  EXPECT_EQ(int64_t(g.Experience), 100);
  CheckNewLevel(g);
  EXPECT_TRUE(g.blnNewLevel);
}

TEST_F(LifeTest, AKillHealsAFifthOfHealingRoundedHalvesToEven) {
  g.Healing = 2;
  ApplyShotKill(g, Kind("1"));
  EXPECT_EQ(int64_t(g.Life), 100);  // 100.4
  g.Healing = 3;
  ApplyShotKill(g, Kind("1"));
  EXPECT_EQ(int64_t(g.Life), 101);  // 100.6, tested at full life
  g.Life = 90;
  g.Healing = 5;
  ApplyShotKill(g, Kind("1"));
  EXPECT_EQ(int64_t(g.Life), 91);
}

TEST_F(LifeTest, AKillAboveMaximumLifeDoesNotHeal) {
  g.Healing = 5;
  g.Life = 101;
  ApplyShotKill(g, Kind("2"));
  EXPECT_EQ(int64_t(g.Life), 101);
}

TEST_F(LifeTest, ATouchCostsFiveOrTenLifeAndGivesExperience) {
  ApplyTouch(g, Kind("1"));
  EXPECT_EQ(int64_t(g.Life), 95);
  ApplyTouch(g, Kind("2"));
  EXPECT_EQ(int64_t(g.Life), 85);
  EXPECT_EQ(int64_t(g.Experience), 30);
}

TEST_F(LifeTest, Endurance25MakesKind1TouchesHarmlessAndKind2TouchesCost5) {
  g.Endurance = 25;
  ApplyTouch(g, Kind("1"));
  EXPECT_EQ(int64_t(g.Life), 100);
  ApplyTouch(g, Kind("2"));
  EXPECT_EQ(int64_t(g.Life), 95);
}

TEST_F(LifeTest, Endurance30MakesKind1TouchesAddOneLife) {
  g.Endurance = 30;
  ApplyTouch(g, Kind("1"));
  EXPECT_EQ(int64_t(g.Life), 101);
  g.Endurance = 3;  // 5 - 0.6 = 4.4 rounds to 4
  ApplyTouch(g, Kind("1"));
  EXPECT_EQ(int64_t(g.Life), 97);
}

TEST_F(LifeTest, LifeAndExperienceStopAtTheLimitsOfTheirFields) {
  g.Life = 32760;
  g.Endurance = 32767;  // damage 5 - 6553.4: a large gain
  ApplyTouch(g, Kind("1"));
  EXPECT_EQ(int64_t(g.Life), 32767);
  g.Life = -32760;
  ChangeLife(g, -20);
  EXPECT_EQ(int64_t(g.Life), -32768);
  g.Experience = INT32_MAX - 5;
  ApplyShotKill(g, Kind("2"));
  EXPECT_EQ(int64_t(g.Experience), INT32_MAX);
}

TEST_F(LifeTest, TheShownLevelStopsAtTheLimitsOfLevel) {
  g.e.lblLevel->caption = "32766";
  ChangeLevel(g, 1);
  EXPECT_EQ(g.e.lblLevel->caption, "32767");
  ChangeLevel(g, 1);
  EXPECT_EQ(g.e.lblLevel->caption, "32767");
  g.e.lblLevel->caption = "-32767";
  ChangeLevel(g, -5);
  EXPECT_EQ(g.e.lblLevel->caption, "-32768");
}

TEST_F(LifeTest, ANewLevelAtExactlyTheThreshold) {
  g.e.lblLevel->caption = "1";
  g.e.lblPoints->caption = "0";
  g.blnGame = true;
  g.Experience = 99;
  CheckNewLevel(g);
  EXPECT_FALSE(g.blnNewLevel);
  EXPECT_TRUE(g.blnGame);

  g.Experience = 100;
  CheckNewLevel(g);
  EXPECT_TRUE(g.blnNewLevel);
  EXPECT_EQ(int64_t(g.ExperienceNeeded), 200);
  EXPECT_EQ(int64_t(g.Experience), 100);
  EXPECT_EQ(g.e.lblLevel->caption, "2");
  EXPECT_EQ(g.e.lblPoints->caption, "5");
  EXPECT_FALSE(g.blnGame);
  EXPECT_TRUE(g.e.picRPG->visible);
}

TEST_F(LifeTest, OneLevelPerCheck) {
  g.e.lblLevel->caption = "3";
  g.e.lblPoints->caption = "2";
  g.Experience = 450;
  CheckNewLevel(g);
  EXPECT_EQ(int64_t(g.ExperienceNeeded), 200);
  CheckNewLevel(g);
  EXPECT_EQ(int64_t(g.ExperienceNeeded), 400);
  EXPECT_EQ(g.e.lblLevel->caption, "5");
  EXPECT_EQ(g.e.lblPoints->caption, "12");
  CheckNewLevel(g);
  EXPECT_EQ(int64_t(g.ExperienceNeeded), 800);
  CheckNewLevel(g);
  EXPECT_EQ(int64_t(g.ExperienceNeeded), 800);
}

TEST_F(LifeTest, ExperienceNeededStopsAtTheLargest32BitValue) {
  g.e.lblLevel->caption = "25";
  g.e.lblPoints->caption = "0";
  g.ExperienceNeeded = 1610612736;  // doubling would leave the 32-bit range
  g.Experience = INT32_MAX;
  ASSERT_NO_THROW(CheckNewLevel(g));
  EXPECT_EQ(int64_t(g.ExperienceNeeded), INT32_MAX);
  ASSERT_NO_THROW(CheckNewLevel(g));
  EXPECT_EQ(int64_t(g.ExperienceNeeded), INT32_MAX);
  EXPECT_EQ(g.e.lblLevel->caption, "27");
}

// Samples one pixel of the play area whenever the clock is about to move, i.e. between fade steps.
class FadeTest : public CombatTest {
 protected:
  struct Sample {
    int64_t tick;
    uint32_t pixel;
  };
  void Record() {
    t.platform.before_clock_moves = [this] {
      samples.push_back({g.GetTickCount(), g.e.picCity_base->buffer.Get(5, 5)});
    };
  }
  void Grey100() { g.e.picCity_base->buffer.Fill(0x00646464); }
  std::vector<Sample> samples;
};

TEST_F(FadeTest, DeathFadeDarkensIn101StepsWithLevelsRoundedHalvesToEvenThenShowsTheDeathScreen) {
  Grey100();
  Record();
  FadeToDeath(g);
  ASSERT_EQ(samples.size(), 100u);  // one wait between each two steps
  // Levels 0, 0, -1, -2, -2, -2, -3, -4, -4 applied one on the other; a level moves a channel
  // level/50 of the way to black.
  std::vector<int> grey;
  for (size_t k = 0; k < 9; ++k) grey.push_back(int(samples[k].pixel & 0xFF));
  EXPECT_EQ(grey, (std::vector<int>{100, 100, 98, 95, 92, 89, 84, 78, 72}));
  for (size_t k = 0; k < samples.size(); ++k) EXPECT_EQ(samples[k].tick, At(1000) + 101 * int64_t(k));
  EXPECT_EQ(g.GetTickCount(), At(1000) + 101 * 100);  // the last step, with no wait after it
  EXPECT_EQ(g.e.picCity_base->buffer.Get(5, 5), 0u);
  EXPECT_TRUE(g.e.picRIP->visible);
  EXPECT_EQ(g.ui.focus(), g.e.picRIP);
}

TEST_F(FadeTest, EndingFadeBrightensIn101Steps) {
  Grey100();
  Record();
  FadeToEnding(g);
  ASSERT_GE(samples.size(), 100u);
  std::vector<int> grey;
  for (size_t k = 0; k < 9; ++k) grey.push_back(int(samples[k].pixel & 0xFF));
  // Levels 0, 0, 1, 2, 2, 2, 3, 4, 4, each level/50 of the way to white.
  EXPECT_EQ(grey, (std::vector<int>{100, 100, 103, 109, 114, 119, 127, 137, 146}));
  EXPECT_EQ(samples[99].tick, At(1000) + 101 * 99);
  EXPECT_EQ(g.e.picCity_base->buffer.Get(5, 5), 0x00FFFFFFu);
}

TEST_F(FadeTest, KeysAreHandledDuringAFade) {
  g.ui.SetFocus(g.e.picCity_base);
  t.platform.InjectAt(At(3000), {InputEvent::Type::KeyDown, kKeyUp, 0, 0, 0, 0});
  FadeToDeath(g);
  EXPECT_TRUE(g.upper);
}

TEST_F(FadeTest, TheEndOfTheBossFightLeavesFlagsForTheClosingPage) {
  g.blnStart = true;
  g.blnGame = true;
  g.BossLife = 1;
  CheckBossDeath(g);
  EXPECT_EQ(g.GetTickCount(), At(1000));  // no fade while the boss lives
  g.BossLife = 0;
  CheckBossDeath(g);
  EXPECT_FALSE(g.blnStart);
  EXPECT_TRUE(g.blnEnd);
  EXPECT_FALSE(g.blnGame);
  EXPECT_GE(g.GetTickCount(), At(1000) + 10100);
}

class EndOfPlayTest : public FadeTest {
 protected:
  EndOfPlayTest() {
    g.blnGame = true;
    g.ui.SetFocus(g.e.picCity_base);
  }
};

TEST_F(EndOfPlayTest, ATouchFromLife3ToMinus2StartsTheDeathFadeInThatPass) {
  PutEnemy(0, 400, 270, "1");
  g.Life = 3;
  RunGameFrame(g);
  EXPECT_EQ(int64_t(g.Life), -2);
  EXPECT_FALSE(g.blnGame);
  EXPECT_GE(g.GetTickCount(), At(1000) + 10100);
  EXPECT_TRUE(g.e.picRIP->visible);
  EXPECT_EQ(g.ui.focus(), g.e.picRIP);
}

TEST_F(EndOfPlayTest, BossAndPlayerDyingInOnePassFadeToTheEndingFirstAndShowTheDeathScreenLast) {
  g.e.picHelp_city_base->SetPicture(Surface(800, 528, 0x00646464));  // a grey location filling the play area
  g.helpXCity = 0;
  g.helpYCity = 0;
  g.Duvave2Boss = true;
  g.BossLife = 0;
  g.Life = 0;
  Record();
  RunGameFrame(g);
  ASSERT_GE(samples.size(), 200u);
  EXPECT_EQ(samples[0].pixel, 0x00646464u);
  size_t first_white = samples.size(), first_black = samples.size();
  for (size_t k = samples.size(); k-- > 0;) {
    if (samples[k].pixel == 0x00FFFFFFu) first_white = k;
    if (samples[k].pixel == 0u) first_black = k;
  }
  EXPECT_LT(first_white, first_black);
  EXPECT_EQ(g.e.picCity_base->buffer.Get(5, 5), 0u);
  EXPECT_GE(g.GetTickCount(), At(1000) + 2 * 10100);
  EXPECT_TRUE(g.blnEnd);
  EXPECT_FALSE(g.blnStart);
  EXPECT_FALSE(g.blnGame);
  EXPECT_TRUE(g.e.picRIP->visible);
  EXPECT_EQ(g.ui.focus(), g.e.picRIP);
}

TEST_F(EndOfPlayTest, KillingTheLastEnemyAtExactlyTheThresholdOpensTheAbilitiesScreenAfterThePass) {
  g.e.lblLevel->caption = "1";
  g.e.lblPoints->caption = "0";
  g.Experience = 80;
  PutEnemy(0, 400, 200, "2");
  g.Enemycount = 1;
  PutShot(1, 400, 215);
  RunGameFrame(g);
  EXPECT_EQ(int64_t(g.Experience), 100);
  EXPECT_TRUE(g.blnNewLevel);
  EXPECT_FALSE(g.blnGame);
  EXPECT_TRUE(g.e.picRPG->visible);
  EXPECT_EQ(g.e.lblLevel->caption, "2");
  EXPECT_EQ(g.e.lblExperience->caption, "100/100");  // the labels came before the level check
}

}  // namespace
}  // namespace cw::test
