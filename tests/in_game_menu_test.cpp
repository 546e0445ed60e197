#include "screens/in_game_menu.h"

#include <gtest/gtest.h>

#include "play/game.h"
#include "savegame/save_format.h"
#include "support/screens_fixtures.h"

namespace cw::test {
namespace {

namespace fs = std::filesystem;

// The in-game menu open over a stopped game; play that an entry resumes stops again at the
// click on MENU at 400 ms (a timer at 2 s stops it too, should the click miss).
struct InGameMenuTest : ::testing::Test {
  DataCopy data;
  std::unique_ptr<TestGame> t;
  Game* game = nullptr;
  Game& g() { return *game; }

  void SetUp() override {
    std::vector<ScriptCommand> script;
    AddClick(script, 400, 740, 50);
    script.push_back(TimerAt(2000));
    t = std::make_unique<TestGame>(data.path(), script);
    game = &t->g;
    t->platform.on_command = [this](const ScriptCommand&) { g().blnGame = false; };
    WriteSmallCity(t->platform, data.path());
    PlaceScreens(g());
    g().ui.Hide(g().e.picMenu);
    g().blnGame = true;
    Command1_Click(g());
  }
  fs::path SaveFile() const { return data.path() / kSaveFileName; }
  std::vector<bool> Marks() {
    return {g().e.img1->visible, g().e.img2->visible, g().e.img3->visible, g().e.img4->visible};
  }
  void MoveTo(double x, double y) {
    WindowPoint p = PointIn(g().e.picInGame, x, y);
    t->Send({InputEvent::Type::MouseMove, 0, 0, 0, p.x, p.y});
  }
  void PressAt(double x, double y, int button = 1) {
    WindowPoint p = PointIn(g().e.picInGame, x, y);
    t->Send({InputEvent::Type::MouseDown, 0, 0, button, p.x, p.y});
  }
};

TEST_F(InGameMenuTest, MenuButtonStopsPlayAndOpensTheMenu) {
  EXPECT_FALSE(g().blnGame);
  EXPECT_TRUE(g().e.picInGame->visible);
  EXPECT_EQ(g().e.picInGame, g().ui.focus());
}

// ---- Entries under the mouse

TEST_F(InGameMenuTest, BoundsAreStrict) {
  EXPECT_EQ(0, InGameMenuEntryAt(g(), 64, 120));
  EXPECT_EQ(0, InGameMenuEntryAt(g(), 265, 120));
  EXPECT_EQ(1, InGameMenuEntryAt(g(), 65, 120));
  EXPECT_EQ(1, InGameMenuEntryAt(g(), 264, 120));
  EXPECT_EQ(0, InGameMenuEntryAt(g(), 100, 112));
  EXPECT_EQ(1, InGameMenuEntryAt(g(), 100, 113));
  EXPECT_EQ(1, InGameMenuEntryAt(g(), 100, 144));
  EXPECT_EQ(0, InGameMenuEntryAt(g(), 100, 145));
}

TEST_F(InGameMenuTest, EachEntryHasItsRectangleAndTheGapsHaveNone) {
  EXPECT_EQ(2, InGameMenuEntryAt(g(), 100, 190));
  EXPECT_EQ(3, InGameMenuEntryAt(g(), 100, 290));
  EXPECT_EQ(4, InGameMenuEntryAt(g(), 33, 380));
  EXPECT_EQ(4, InGameMenuEntryAt(g(), 288, 380));
  EXPECT_EQ(0, InGameMenuEntryAt(g(), 32, 380));
  EXPECT_EQ(0, InGameMenuEntryAt(g(), 289, 380));
  EXPECT_EQ(0, InGameMenuEntryAt(g(), 100, 160));
  EXPECT_EQ(0, InGameMenuEntryAt(g(), 100, 240));
}

// The menu's top, 90.5, is drawn at row 90, so Save game's highlight covers rows 202 to 234; the
// mouse finds the entry where it is drawn (inside its edges, the bounds being strict).
TEST_F(InGameMenuTest, TheMouseFindsAnEntryOnTheRowsItsHighlightIsDrawnOn) {
  const uint32_t mark = g().e.img1->back_colour;
  g().ui.Show(g().e.img1);
  Surface frame = g().ui.Compose();
  EXPECT_NE(frame.Get(300, 201), mark);
  EXPECT_EQ(frame.Get(300, 202), mark);
  EXPECT_EQ(frame.Get(300, 234), mark);
  EXPECT_NE(frame.Get(300, 235), mark);

  auto lit_at = [&](int y) {
    t->Send({InputEvent::Type::MouseMove, 0, 0, 0, 300, 250});  // the gap below: no mark
    t->Send({InputEvent::Type::MouseMove, 0, 0, 0, 300, y});
    return g().e.img1->visible;
  };
  EXPECT_FALSE(lit_at(202));
  EXPECT_TRUE(lit_at(203));
  EXPECT_TRUE(lit_at(234));
  EXPECT_FALSE(lit_at(235));
}

TEST_F(InGameMenuTest, MouseMoveMarksTheEntryAndAGapClearsAllMarks) {
  MoveTo(65, 120);
  EXPECT_EQ((std::vector<bool>{true, false, false, false}), Marks());
  MoveTo(100, 190);  // straight onto entry 2: the old mark stays
  EXPECT_EQ((std::vector<bool>{true, true, false, false}), Marks());
  MoveTo(64, 120);
  EXPECT_EQ((std::vector<bool>{false, false, false, false}), Marks());
}

TEST_F(InGameMenuTest, APressBetweenEntriesDoesNothing) {
  PressAt(100, 160);
  PressAt(265, 120, 2);
  EXPECT_TRUE(g().e.picInGame->visible);
  EXPECT_FALSE(g().blnGame);
  EXPECT_EQ(0, g().passes);
}

// ---- Keyboard selection

TEST_F(InGameMenuTest, EnterWithNothingSelectedDoesNothing) {
  t->Key(kKeyEnter, 13);
  EXPECT_TRUE(g().e.picInGame->visible);
  EXPECT_EQ((std::vector<bool>{false, false, false, false}), Marks());
  EXPECT_EQ(0, g().passes);
}

TEST_F(InGameMenuTest, FirstDownSelectsSaveAndDownWrapsFromBackToGame) {
  t->Key(kKeyDown);
  EXPECT_EQ(1.0, double(g().InGameMenuSelection));
  EXPECT_EQ((std::vector<bool>{true, false, false, false}), Marks());
  t->Key(kKeyDown);
  t->Key(kKeyDown);
  t->Key(kKeyDown);
  EXPECT_EQ((std::vector<bool>{false, false, false, true}), Marks());
  t->Key(kKeyDown);
  EXPECT_EQ(1.0, double(g().InGameMenuSelection));
}

TEST_F(InGameMenuTest, FirstUpSelectsBackToGameAndUpWrapsFromSave) {
  t->Key(kKeyUp);
  EXPECT_EQ(4.0, double(g().InGameMenuSelection));
  EXPECT_EQ((std::vector<bool>{false, false, false, true}), Marks());
  t->Key(kKeyDown);
  t->Key(kKeyUp);
  EXPECT_EQ(4.0, double(g().InGameMenuSelection));
}

// ---- Entry actions

TEST_F(InGameMenuTest, SaveWritesTheFileAndPlayResumesWithTheMessage) {
  g().Strength = 3;
  t->Key(kKeyDown);
  t->Key(kKeyEnter, 13);
  auto lines = SplitSaveLines(ReadBytes(SaveFile()));
  ASSERT_EQ(17u, lines.size());
  EXPECT_EQ("3", lines[5]);
  EXPECT_EQ("Game successfully saved !", g().TextSMS);
  EXPECT_TRUE(g().WriteSMS);
  EXPECT_GT(g().passes, 0);
  // Play stopped again at MENU; the selection is marked on the reopened menu.
  EXPECT_TRUE(g().e.picInGame->visible);
  EXPECT_EQ((std::vector<bool>{true, false, false, false}), Marks());
}

TEST_F(InGameMenuTest, AFailedSaveSaysSoAndKeepsTheOldFile) {
  WriteBytes(SaveFile(), "NoSaveGame\r\n");
  fs::create_directory(data.path() / kSaveTempName);
  PressAt(100, 120);
  EXPECT_EQ("Can't save game !", g().TextSMS);
  EXPECT_EQ("NoSaveGame\r\n", ReadBytes(SaveFile()));
  EXPECT_GT(g().passes, 0);
}

TEST_F(InGameMenuTest, LoadWithoutASavedGameSaysSoAndResumesTheGameAsItWas) {
  WriteBytes(SaveFile(), "NoSaveGame\r\n");
  g().Strength = 6;
  PressAt(100, 190);
  EXPECT_EQ("Can't load game !", g().TextSMS);
  EXPECT_EQ(6, g().Strength.get());
  EXPECT_GT(g().passes, 0);
}

TEST_F(InGameMenuTest, LoadOfADamagedFileSaysSoAndChangesNothing) {
  WriteBytes(SaveFile(), CrLfLines({"-6", "-458", "city", "171", "376", "9", "0", "0", "0", "0", "0", "100", "1", "100",
                                    "False", "False", "ten"}));
  g().Strength = 6;
  PressAt(100, 190);
  EXPECT_EQ("Can't load game !", g().TextSMS);
  EXPECT_EQ(6, g().Strength.get());
}

TEST_F(InGameMenuTest, LoadRestoresTheSavedGame) {
  WriteBytes(SaveFile(), CrLfLines({"-6", "-458", "city", "171", "376", "9", "0", "0", "0", "0", "0", "100", "1", "100",
                                    "True", "False", "1"}));
  PressAt(100, 190);
  EXPECT_EQ("Game successfully loaded !", g().TextSMS);
  EXPECT_EQ(9, g().Strength.get());
  EXPECT_TRUE(g().e.imgKey->visible);
  EXPECT_EQ("1", g().e.lblPoints->caption);
}

TEST_F(InGameMenuTest, ExitGameGoesToTheMainMenuWithoutPlaying) {
  g().e.picCity_base->buffer.Fill(0x00123456);
  PressAt(100, 290);
  EXPECT_FALSE(g().e.picInGame->visible);
  EXPECT_TRUE(g().e.picMenu->visible);
  EXPECT_EQ(g().e.picMenu, g().ui.focus());
  EXPECT_FALSE(g().blnGame);
  EXPECT_EQ(0x00000000u, g().e.picCity_base->buffer.Get(400, 264));
  EXPECT_EQ(0, g().passes);
  EXPECT_FALSE(fs::exists(data.path() / kSaveTempName));
}

TEST_F(InGameMenuTest, BackToGameRestartsTheGameMusicAndPlays) {
  g().MP1.SetFileName(g().DataFile("music2.mp3"));
  g().TextSMS = "";
  PressAt(100, 380);
  EXPECT_EQ(g().DataFile("music.mp3"), g().MP1.FileName());
  EXPECT_GT(g().passes, 0);
  EXPECT_EQ("", g().TextSMS);
  EXPECT_TRUE(g().e.picInGame->visible);  // MENU again at 400 ms
}

}  // namespace
}  // namespace cw::test
