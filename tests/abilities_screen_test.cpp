#include "progression/abilities_screen.h"

#include <gtest/gtest.h>

#include "play/game.h"
#include "play/life_and_levels.h"
#include "progression/reset_game.h"
#include "support/screens_fixtures.h"

namespace cw::test {
namespace {

// ---- "+" and "-"

struct AbilityButtonsTest : ::testing::Test {
  TestGame t;
  Game& g = t.g;
};

TEST_F(AbilityButtonsTest, SixPlusesOnStrengthWithFivePointsStopAtZeroPoints) {
  g.e.lblPoints->caption = "5";
  for (int i = 0; i < 6; ++i) btnStrenghtUp_Click(g);
  EXPECT_EQ("5", g.e.lblStrenght->caption);
  EXPECT_EQ("0", g.e.lblPoints->caption);
}

TEST_F(AbilityButtonsTest, PlusAtTwentyFiveIsRefusedWithPointsLeftAndMinusGivesThePointBack) {
  g.e.lblEndurance->caption = "25";
  g.e.lblPoints->caption = "3";
  btnEnduranceUp_Click(g);
  EXPECT_EQ("25", g.e.lblEndurance->caption);
  EXPECT_EQ("3", g.e.lblPoints->caption);
  btnEnduranceDown_Click(g);
  EXPECT_EQ("24", g.e.lblEndurance->caption);
  EXPECT_EQ("4", g.e.lblPoints->caption);
}

TEST_F(AbilityButtonsTest, PlusWithNoPointsChangesNothing) {
  g.e.lblUltimate->caption = "4";
  g.e.lblPoints->caption = "0";
  btnUltimateUp_Click(g);
  EXPECT_EQ("4", g.e.lblUltimate->caption);
  EXPECT_EQ("0", g.e.lblPoints->caption);
}

TEST_F(AbilityButtonsTest, MinusAtZeroChangesNothing) {
  g.e.lblVitality->caption = "0";
  g.e.lblPoints->caption = "2";
  btnVitalityDown_Click(g);
  EXPECT_EQ("0", g.e.lblVitality->caption);
  EXPECT_EQ("2", g.e.lblPoints->caption);
}

TEST_F(AbilityButtonsTest, MinusReturnsAPointSpentAtAnEarlierLevel) {
  g.e.lblHealing->caption = "3";
  g.e.lblPoints->caption = "0";
  btnHealingDown_Click(g);
  EXPECT_EQ("2", g.e.lblHealing->caption);
  EXPECT_EQ("1", g.e.lblPoints->caption);
}

TEST_F(AbilityButtonsTest, EachPairWorksOnItsOwnLabel) {
  g.e.lblPoints->caption = "10";
  btnStrenghtUp_Click(g);
  btnEnduranceUp_Click(g);
  btnEnduranceUp_Click(g);
  btnVitalityUp_Click(g);
  btnVitalityUp_Click(g);
  btnVitalityUp_Click(g);
  btnUltimateUp_Click(g);
  btnHealingUp_Click(g);
  btnHealingUp_Click(g);
  btnHealingDown_Click(g);
  btnStrenghtDown_Click(g);
  btnUltimateDown_Click(g);
  EXPECT_EQ("0", g.e.lblStrenght->caption);
  EXPECT_EQ("2", g.e.lblEndurance->caption);
  EXPECT_EQ("3", g.e.lblVitality->caption);
  EXPECT_EQ("0", g.e.lblUltimate->caption);
  EXPECT_EQ("1", g.e.lblHealing->caption);
  EXPECT_EQ("4", g.e.lblPoints->caption);
}

TEST_F(AbilityButtonsTest, ClicksAtWindowCoordinatesReachTheButtons) {
  PlaceScreens(g);
  g.ui.Hide(g.e.picMenu);
  g.ui.Show(g.e.picRPG);
  g.e.lblPoints->caption = "2";
  // Presses without a mouse move: a move there would start the row's help text, which types until
  // the mouse reaches the background.
  auto press = [&](const Element* button) {
    WindowPoint p = CentreOf(button);
    t.Send({InputEvent::Type::MouseDown, 0, 0, 1, p.x, p.y});
    t.Send({InputEvent::Type::MouseUp, 0, 0, 1, p.x, p.y});
  };
  press(g.e.btnStrenghtUp);
  press(g.e.btnStrenghtUp);
  press(g.e.btnVitalityDown);
  EXPECT_EQ("2", g.e.lblStrenght->caption);
  EXPECT_EQ("0", g.e.lblPoints->caption);
  EXPECT_EQ("0", g.e.lblVitality->caption);
}

// ---- OK and Enter

// A game on the abilities screen whose play is stopped by a click on MENU at `stop_at`.
struct AbilitiesOkTest : ::testing::Test {
  // MENU lies at 714..787, 42..59 of the window; a timer stops play too, should the click ever miss.
  static std::vector<ScriptCommand> MenuClickAt(int64_t stop_at) {
    std::vector<ScriptCommand> s;
    AddClick(s, stop_at, 740, 50);
    s.push_back(TimerAt(stop_at + 1000));
    return s;
  }
  TestGame t{CINDERWAKE_TEST_DATA_DIR, MenuClickAt(200)};
  Game& g = t.g;
  void SetUp() override {
    PlaceScreens(g);
    t.platform.on_command = [this](const ScriptCommand&) { g.blnGame = false; };
    g.ui.Hide(g.e.picMenu);
    g.ui.Show(g.e.picRPG);
    g.ui.SetFocus(g.e.picRPG);
  }
};

TEST_F(AbilitiesOkTest, NewLevelAddsTwentyLifePerLevel) {
  g.e.lblStrenght->caption = "4";  // cap 180
  g.e.lblLevel->caption = "3";
  g.blnNewLevel = true;
  g.Life = 40;
  Command11_Click(g);
  EXPECT_EQ(100, g.Life.get());
  EXPECT_EQ(3, g.Level.get());
  EXPECT_FALSE(g.blnNewLevel);
}

TEST_F(AbilitiesOkTest, NewLevelBonusStopsAtTheCap) {
  g.e.lblStrenght->caption = "4";
  g.e.lblLevel->caption = "3";
  g.blnNewLevel = true;
  g.Life = 170;
  Command11_Click(g);
  EXPECT_EQ(180, g.Life.get());
}

TEST_F(AbilitiesOkTest, NewLevelBonusStopsAtTheLimitOfLife) {
  g.e.lblStrenght->caption = "2000";  // a cap far above what Life can hold
  g.e.lblLevel->caption = "3";
  g.blnNewLevel = true;
  g.Life = 32760;
  t.Key(kKeyEnter, '\r');
  EXPECT_EQ(32767, g.Life.get());
  EXPECT_FALSE(g.e.picRPG->visible);
  EXPECT_FALSE(g.blnNewLevel);
  EXPECT_GT(g.passes, 0);
}

TEST_F(AbilitiesOkTest, ANewLevelAtTheLastLevelStaysThere) {
  g.Level = 32767;
  g.e.lblLevel->caption = "32767";
  g.e.lblPoints->caption = "0";
  g.Experience = 100;  // the threshold
  CheckNewLevel(g);
  EXPECT_EQ("32767", g.e.lblLevel->caption);
  EXPECT_EQ("5", g.e.lblPoints->caption);
  EXPECT_TRUE(g.e.picRPG->visible);
  t.Key(kKeyEnter, '\r');
  EXPECT_FALSE(g.e.picRPG->visible);
  EXPECT_EQ(32767, g.Level.get());
  EXPECT_EQ(100, g.Life.get());  // the bonus stops at 32767, then the cap of 100
  EXPECT_FALSE(g.blnNewLevel);
  EXPECT_GT(g.passes, 0);
}

TEST_F(AbilitiesOkTest, CapCountsVitalityInFifties) {
  g.e.lblVitality->caption = "3";  // 100 + 3 / 10 x 50 = 115
  g.e.lblLevel->caption = "2";
  g.blnNewLevel = true;
  g.Life = 90;
  Command11_Click(g);
  EXPECT_EQ(115, g.Life.get());
}

TEST_F(AbilitiesOkTest, WithoutNewLevelLifeStaysEvenAboveTheCap) {
  g.e.lblStrenght->caption = "0";
  g.Life = 150;
  Command11_Click(g);
  EXPECT_EQ(150, g.Life.get());
}

TEST_F(AbilitiesOkTest, CopiesTheLabelsHidesTheScreenAndPlays) {
  g.e.lblStrenght->caption = "1";
  g.e.lblEndurance->caption = "2";
  g.e.lblVitality->caption = "3";
  g.e.lblUltimate->caption = "4";
  g.e.lblHealing->caption = "5";
  g.e.lblLevel->caption = "6";
  g.e.lblDescription->caption = "HEAL";
  g.blnWritten = true;
  Command11_Click(g);
  EXPECT_EQ(1, g.Strength.get());
  EXPECT_EQ(2, g.Endurance.get());
  EXPECT_EQ(3, g.Vitality.get());
  EXPECT_EQ(4, g.Ultimate.get());
  EXPECT_EQ(5, g.Healing.get());
  EXPECT_EQ(6, g.Level.get());
  EXPECT_EQ("", g.e.lblDescription->caption);
  EXPECT_FALSE(g.blnWritten);
  EXPECT_FALSE(g.blnWrite);
  EXPECT_FALSE(g.e.picRPG->visible);
  EXPECT_GT(g.passes, 0);
  EXPECT_EQ(g.DataFile("music.mp3"), g.MP1.FileName());
  EXPECT_TRUE(g.e.picInGame->visible);  // play went on until MENU
}

TEST_F(AbilitiesOkTest, EnterActsAsOkAndOtherKeysDoNothing) {
  g.e.lblStrenght->caption = "2";
  t.Key(kKeySpace, kKeySpace);
  t.Key('A', 'a');
  EXPECT_TRUE(g.e.picRPG->visible);
  EXPECT_EQ(0, g.Strength.get());
  t.Key(kKeyEnter, kKeyEnter);
  EXPECT_FALSE(g.e.picRPG->visible);
  EXPECT_EQ(2, g.Strength.get());
}

TEST_F(AbilitiesOkTest, AbilitiesButtonStopsPlayAndOpensTheScreen) {
  g.blnGame = true;
  lblAbilities_Click(g);
  EXPECT_FALSE(g.blnGame);
  EXPECT_TRUE(g.e.picRPG->visible);
  EXPECT_EQ(g.e.picRPG, g.ui.focus());
}

// ---- Help texts

const std::string kEnduranceText =
    "ENDURANCE : \r\nYour opponents will hurt you less \r\nWith mastered Endurance you can \r\n"
    "turn the taken damage to your life";
const std::string kPointsText = "POINTS : \r\nAvailable points to sort ";
const std::string kStrenghtText = "STRENGHT : \r\nHave a great effect on your life points ";

// The abilities screen where start-up puts it; samples of the help text at chosen times.
struct HelpTextTest : ::testing::Test {
  std::unique_ptr<TestGame> t;
  std::vector<std::pair<int64_t, std::string>> samples;

  // Sampled 5 ms after each character step (steps at 1, 12, 23, ... ms), for `steps` steps;
  // the mouse moves onto the screen background at `stop_at`.
  void Run(void (*row)(Game&, int, int, double, double), int steps, int64_t stop_at,
           std::vector<ScriptCommand> extra = {}) {
    std::vector<ScriptCommand> script = std::move(extra);
    for (int k = 0; k < steps; ++k) script.push_back(TimerAt(6 + 11 * k));
    script.push_back(MouseMoveAt(stop_at, 190, 65));
    t = std::make_unique<TestGame>(CINDERWAKE_TEST_DATA_DIR, script);
    Game& g = t->g;
    g.e.picRPG->Move(167.5, 51.5);
    g.ui.Show(g.e.picRPG);
    t->platform.on_command = [this, &g](const ScriptCommand& c) {
      samples.emplace_back(c.time, g.e.lblDescription->caption);
    };
    row(g, 0, 0, 10, 10);
  }
};

TEST_F(HelpTextTest, GrowsOneCharacterPerStepAndClearsOnTheBackground) {
  Run(lblHelpEndurance_MouseMove, 9, 100);
  ASSERT_EQ(9u, samples.size());
  for (size_t k = 0; k < samples.size(); ++k) EXPECT_EQ(kEnduranceText.substr(0, k + 1), samples[k].second);
  Game& g = t->g;
  EXPECT_EQ(100, g.GetTickCount());  // the background move is handled in the yield of the step at 100 ms
  EXPECT_EQ("", g.e.lblDescription->caption);
  EXPECT_FALSE(g.blnWrite);
  EXPECT_FALSE(g.blnWritten);
}

TEST_F(HelpTextTest, CarriageReturnAndLineFeedCountAsCharacters) {
  Run(lblHelpPoints_MouseMove, 12, 200);
  EXPECT_EQ("POINTS : ", samples[8].second);
  EXPECT_EQ("POINTS : \r", samples[9].second);
  EXPECT_EQ("POINTS : \r\n", samples[10].second);
  EXPECT_EQ("POINTS : \r\nA", samples[11].second);
}

TEST_F(HelpTextTest, StaysCompleteAfterTheLastCharacter) {
  Run(lblHelpPoints_MouseMove, 60, 1000);
  ASSERT_EQ(36u, kPointsText.size());
  EXPECT_EQ(kPointsText.substr(0, 35), samples[34].second);
  EXPECT_EQ(kPointsText, samples[35].second);
  EXPECT_EQ(kPointsText, samples[59].second);
}

TEST_F(HelpTextTest, ASecondRowDoesNothingUntilTheMouseCrossesTheBackground) {
  // Endurance's row lies at y 80 of the screen: window y 131.5 .. 148.5.
  Run(lblHelpStrenght_MouseMove, 20, 300, {MouseMoveAt(50, 200, 140)});
  EXPECT_EQ(kStrenghtText.substr(0, 20), samples[19].second);
}

TEST_F(HelpTextTest, ARowStartsItsTextFromTheMouseEvent) {
  std::vector<ScriptCommand> script = {MouseMoveAt(0, 200, 140), TimerAt(30), MouseMoveAt(100, 190, 65)};
  TestGame tg(CINDERWAKE_TEST_DATA_DIR, script);
  Game& g = tg.g;
  g.e.picRPG->Move(167.5, 51.5);
  g.ui.Show(g.e.picRPG);
  std::string at30;
  tg.platform.on_command = [&](const ScriptCommand&) { at30 = g.e.lblDescription->caption; };
  g.DoEvents();
  EXPECT_EQ("END", at30);
  EXPECT_EQ("", g.e.lblDescription->caption);
}

TEST_F(HelpTextTest, RowIsQuietWhileATextIsShown) {
  TestGame tg;
  Game& g = tg.g;
  g.blnWritten = true;
  g.e.lblDescription->caption = "VITALITY";
  lblHelpHealing_MouseMove(g, 0, 0, 0, 0);  // returns at once: no typing loop
  EXPECT_EQ("VITALITY", g.e.lblDescription->caption);
  EXPECT_EQ(0, g.GetTickCount());
}

// ---- ResetGame

TEST(ResetGameTest, PutsTheCharacterAndThePlayStateBack) {
  TestGame t;
  Game& g = t.g;
  g.Life = 7;
  g.Strength = 3;
  g.Endurance = 4;
  g.Vitality = 5;
  g.Ultimate = 6;
  g.Healing = 8;
  g.Level = 4;
  g.Experience = 900;
  g.ExperienceNeeded = 800;
  g.e.lblStrenght->caption = "3";
  g.e.lblEndurance->caption = "4";
  g.e.lblVitality->caption = "5";
  g.e.lblUltimate->caption = "6";
  g.e.lblHealing->caption = "8";
  g.e.lblLevel->caption = "4";
  g.e.lblPoints->caption = "9";
  g.e.lblDescription->caption = "HEALING";
  g.blnWrite = true;
  g.blnWritten = true;
  g.FirstAidKits[3].state = ' ';
  g.FirstAidKits[3].takenAt = 123456;
  g.Enemycount = 9;
  g.charPhase = 3;
  g.charMoving = true;
  g.u = 1.5;
  g.r = -4;
  g.angle = 90;
  g.abc = -1;
  g.Boss_Rate = -1;
  g.BossLife = 12;
  g.upper = true;
  g.downer = true;
  g.lefter = true;
  g.righter = true;
  g.MoveBoss = true;
  g.Duvave2Boss = true;

  ResetGame(g);

  EXPECT_EQ(100, g.Life.get());
  EXPECT_EQ(0, g.Strength.get());
  EXPECT_EQ(0, g.Endurance.get());
  EXPECT_EQ(0, g.Vitality.get());
  EXPECT_EQ(0, g.Ultimate.get());
  EXPECT_EQ(0, g.Healing.get());
  EXPECT_EQ(1, g.Level.get());
  EXPECT_EQ(0, g.Experience.get());
  EXPECT_EQ(100, g.ExperienceNeeded.get());
  for (Element* l : {g.e.lblStrenght, g.e.lblEndurance, g.e.lblVitality, g.e.lblUltimate, g.e.lblHealing})
    EXPECT_EQ("0", l->caption) << l->name;
  EXPECT_EQ("1", g.e.lblLevel->caption);
  EXPECT_EQ("9", g.e.lblPoints->caption);  // set afterwards by New Game or the loaded file
  EXPECT_EQ("", g.e.lblDescription->caption);
  EXPECT_FALSE(g.blnWrite);
  EXPECT_FALSE(g.blnWritten);
  for (const auto& kit : g.FirstAidKits) {
    EXPECT_EQ('x', kit.state);
    EXPECT_EQ(200, kit.takenAt.get());
  }
  EXPECT_EQ(1.0, double(g.Enemycount));
  EXPECT_EQ(1.0, double(g.charPhase));
  EXPECT_FALSE(g.charMoving);
  EXPECT_EQ(0.0, g.u);
  EXPECT_EQ(0.0, double(g.r));
  EXPECT_EQ(0.0, double(g.angle));
  EXPECT_EQ(1.0, double(g.abc));
  EXPECT_EQ(1, g.Boss_Rate.get());
  EXPECT_EQ(200, g.BossLife.get());
  EXPECT_FALSE(g.upper);
  EXPECT_FALSE(g.downer);
  EXPECT_FALSE(g.lefter);
  EXPECT_FALSE(g.righter);
  EXPECT_FALSE(g.MoveBoss);
  EXPECT_FALSE(g.Duvave2Boss);
}

TEST(ResetGameTest, DropsTheItemsAndClosesTheLabOfAnEarlierGame) {
  TestGame t;
  Game& g = t.g;
  g.ui.Show(g.e.imgKey);
  g.ui.Show(g.e.imgCard);
  g.AccessLab = true;
  ResetGame(g);
  EXPECT_FALSE(g.e.imgKey->visible);
  EXPECT_FALSE(g.e.imgCard->visible);
  EXPECT_FALSE(g.AccessLab);
}

}  // namespace
}  // namespace cw::test
