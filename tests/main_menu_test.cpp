#include "screens/main_menu.h"

#include <gtest/gtest.h>

#include "play/game.h"
#include "screens/menu_selection.h"
#include "support/screens_fixtures.h"

namespace cw::test {
namespace {

TEST(MenuSelection, UpAndDownWrapPastEitherEndAndUnsetCountsAsZero) {
  const MenuEntries main_menu{2, 5}, in_game{1, 4};
  Value s;
  MoveSelection(s, kKeyDown, main_menu);
  EXPECT_EQ(double(s), 1);  // no entry yet
  EXPECT_EQ(SelectedEntry(s, main_menu), 0);
  MoveSelection(s, kKeyDown, main_menu);
  EXPECT_EQ(SelectedEntry(s, main_menu), 2);
  MoveSelection(s, kKeyUp, main_menu);
  EXPECT_EQ(SelectedEntry(s, main_menu), 5);
  MoveSelection(s, kKeyDown, main_menu);
  EXPECT_EQ(SelectedEntry(s, main_menu), 2);
  MoveSelection(s, kKeyEnter, main_menu);
  MoveSelection(s, 'A', main_menu);
  EXPECT_EQ(double(s), 2);

  Value t;
  MoveSelection(t, kKeyUp, main_menu);
  EXPECT_EQ(SelectedEntry(t, main_menu), 5);
  Value u;
  MoveSelection(u, kKeyDown, in_game);
  EXPECT_EQ(SelectedEntry(u, in_game), 1);
  MoveSelection(u, kKeyUp, in_game);
  EXPECT_EQ(SelectedEntry(u, in_game), 4);
  MoveSelection(u, kKeyDown, in_game);
  EXPECT_EQ(SelectedEntry(u, in_game), 1);
  u = 2.5;
  EXPECT_EQ(SelectedEntry(u, in_game), 0);
}

struct Rect {
  int x, y, w, h;
};
// Where each entry's highlight is drawn, by selection number 2..5.
constexpr Rect kHighlightAt[] = {{0, 0, 0, 0},        {0, 0, 0, 0},        {250, 180, 308, 29},
                                 {170, 270, 469, 29}, {290, 358, 237, 29}, {20, 565, 61, 15}};

// The entry whose highlight is on the menu surface: 0 for the plain menu picture, -1 when the
// changes are not those of exactly one entry.
int HighlightedEntry(const Game& g) {
  const Element& menu = *g.e.picMenu;
  Surface plain(menu.buffer.width, menu.buffer.height, menu.back_colour);
  Blit(plain, 0, 0, menu.picture->width, menu.picture->height, *menu.picture, 0, 0);
  int found = 0;
  for (int y = 0; y < plain.height; ++y)
    for (int x = 0; x < plain.width; ++x) {
      if (plain.Get(x, y) == menu.buffer.Get(x, y)) continue;
      int entry = -1;
      for (int k = 2; k <= 5; ++k) {
        const Rect& r = kHighlightAt[k];
        if (x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h) entry = k;
      }
      if (entry < 0 || (found != 0 && found != entry)) return -1;
      found = entry;
    }
  return found;
}

struct MainMenuTest : ::testing::Test {
  std::unique_ptr<DataCopy> data;
  std::unique_ptr<TestGame> t;
  Game* game = nullptr;
  Game& g() { return *game; }
  void SetUp() override { Make({}); }
  void Make(std::vector<ScriptCommand> script, bool copy_data = false) {
    if (copy_data && !data) data = std::make_unique<DataCopy>();
    t = std::make_unique<TestGame>(data ? data->path() : std::filesystem::path(CINDERWAKE_TEST_DATA_DIR), script);
    game = &t->g;
    if (data) WriteSmallCity(t->platform, data->path());
    PlaceScreens(*game);
  }
  void Key(int key) { t->Key(key, key == kKeyEnter ? 13 : 0); }
  double Selection() { return g().MainMenuSelection; }
};

// ---- Keyboard selection

TEST_F(MainMenuTest, FirstDownSelectsNothingAndTheSecondNewGame) {
  Key(kKeyDown);
  EXPECT_EQ(1.0, Selection());
  EXPECT_EQ(0, HighlightedEntry(g()));
  Key(kKeyDown);
  EXPECT_EQ(2.0, Selection());
  EXPECT_EQ(2, HighlightedEntry(g()));
}

TEST_F(MainMenuTest, FirstUpSelectsEnd) {
  Key(kKeyUp);
  EXPECT_EQ(5.0, Selection());
  EXPECT_EQ(5, HighlightedEntry(g()));
}

TEST_F(MainMenuTest, DownWalksTheEntriesAndWrapsFromEndToNewGame) {
  Key(kKeyDown);
  std::vector<int> seen;
  for (int i = 0; i < 5; ++i) {
    Key(kKeyDown);
    seen.push_back(int(Selection()) * 10 + HighlightedEntry(g()));
  }
  EXPECT_EQ((std::vector<int>{22, 33, 44, 55, 22}), seen);
}

TEST_F(MainMenuTest, UpWrapsFromNewGameToEnd) {
  Key(kKeyDown);
  Key(kKeyDown);
  Key(kKeyUp);
  EXPECT_EQ(5.0, Selection());
  EXPECT_EQ(5, HighlightedEntry(g()));
  Key(kKeyUp);
  EXPECT_EQ(4.0, Selection());
  EXPECT_EQ(4, HighlightedEntry(g()));
}

TEST_F(MainMenuTest, UpFromOneGoesToEnd) {
  Key(kKeyDown);
  Key(kKeyUp);
  EXPECT_EQ(5.0, Selection());
}

TEST_F(MainMenuTest, OtherKeysKeepTheSelectionAndRedrawItsHighlight) {
  Key(kKeyUp);
  g().e.picMenu->Clear();
  t->Key('A', 'a');
  EXPECT_EQ(5.0, Selection());
  EXPECT_EQ(5, HighlightedEntry(g()));
}

TEST_F(MainMenuTest, EnterWithNothingSelectedDoesNothing) {
  Key(kKeyEnter);
  EXPECT_TRUE(g().MainMenuSelection.IsEmpty());
  Key(kKeyDown);
  Key(kKeyEnter);
  EXPECT_EQ(1.0, Selection());
  EXPECT_TRUE(g().e.picMenu->visible);
  EXPECT_FALSE(g().e.picStory->visible);
  EXPECT_FALSE(g().e.picCred->visible);
  EXPECT_EQ(0, HighlightedEntry(g()));
  EXPECT_EQ(0, g().GetTickCount());
}

TEST_F(MainMenuTest, EnterOnEndEndsTheProgram) {
  Key(kKeyUp);
  try {
    Key(kKeyEnter);
    ADD_FAILURE() << "the program did not end";
  } catch (const ProgramEnd& end) {
    EXPECT_EQ(0, end.status);
  }
}

TEST_F(MainMenuTest, EnterOnCreditsOpensThemAndKeepsTheHighlight) {
  Key(kKeyUp);
  Key(kKeyUp);
  Key(kKeyEnter);
  EXPECT_TRUE(g().e.picCred->visible);
  EXPECT_EQ(g().e.picCred, g().ui.focus());
  EXPECT_EQ(4, HighlightedEntry(g()));
}

TEST_F(MainMenuTest, EnterOnNewGameOpensTheStoryThenHighlightsTheHiddenMenu) {
  Key(kKeyDown);
  Key(kKeyDown);
  g().e.lblPoints->caption = "0";
  g().ui.Show(g().e.imgKey);
  Key(kKeyEnter);
  EXPECT_EQ(1 + 29 * 101, g().GetTickCount());  // the whole opening ran inside the key
  EXPECT_FALSE(g().e.picMenu->visible);
  EXPECT_TRUE(g().e.picStory->visible);
  EXPECT_EQ("5", g().e.lblPoints->caption);
  EXPECT_FALSE(g().e.imgKey->visible);  // reset for the new game
  EXPECT_TRUE(g().blnStart);
  EXPECT_FALSE(g().blnEnd);
  EXPECT_EQ(2, HighlightedEntry(g()));
}

// ---- Mouse

TEST_F(MainMenuTest, MouseOverAnEntryHighlightsItAndTheBackgroundClearsIt) {
  WindowPoint continue_game = CentreOf(g().e.Image3);
  t->Send({InputEvent::Type::MouseMove, 0, 0, 0, continue_game.x, continue_game.y});
  EXPECT_EQ(3, HighlightedEntry(g()));
  WindowPoint end = CentreOf(g().e.Image5);
  t->Send({InputEvent::Type::MouseMove, 0, 0, 0, end.x, end.y});
  EXPECT_EQ(5, HighlightedEntry(g()));
  t->Send({InputEvent::Type::MouseMove, 0, 0, 0, 700, 100});
  EXPECT_EQ(0, HighlightedEntry(g()));
  EXPECT_TRUE(g().MainMenuSelection.IsEmpty());  // the mouse leaves the keyboard selection alone
}

TEST_F(MainMenuTest, ClickOnCreditsOpensThem) {
  WindowPoint credits = CentreOf(g().e.Image4);
  t->Click(credits.x, credits.y);
  EXPECT_TRUE(g().e.picCred->visible);
  EXPECT_EQ(g().e.picCred, g().ui.focus());
}

TEST_F(MainMenuTest, ClickOnEndEndsTheProgram) {
  WindowPoint end = CentreOf(g().e.Image5);
  EXPECT_THROW(t->Click(end.x, end.y), ProgramEnd);
}

// ---- Continue Game

TEST_F(MainMenuTest, ContinueWithoutASavedGameLeavesTheMenuOpenAfterTheReset) {
  Make({}, true);
  WriteBytes(data->path() / "SaveGame.txt", "NoSaveGame\r\n-1\r\n");
  g().Strength = 4;
  Image3_Click(g());
  EXPECT_EQ(0, g().Strength.get());
  EXPECT_TRUE(g().e.picMenu->visible);
  EXPECT_FALSE(g().blnGame);
  EXPECT_EQ(0, g().passes);
}

TEST_F(MainMenuTest, ContinueWithADamagedFileLeavesTheMenuOpen) {
  Make({}, true);
  WriteBytes(data->path() / "SaveGame.txt", CrLfLines({"-6", "-458", "atlantis"}));
  Image3_Click(g());
  EXPECT_TRUE(g().e.picMenu->visible);
  EXPECT_EQ("city", g().GamePhase);
  EXPECT_EQ(0, g().passes);
}

TEST_F(MainMenuTest, ContinueWithASavedGamePlaysIt) {
  std::vector<ScriptCommand> stop;
  AddClick(stop, 300, 740, 50);  // MENU
  Make(stop, true);
  WriteBytes(data->path() / "SaveGame.txt", CrLfLines({"-6", "-458", "city", "171", "376", "7", "0", "0", "0", "0", "0",
                                                       "100", "1", "100", "False", "True", "2"}));
  Image3_Click(g());
  EXPECT_FALSE(g().e.picMenu->visible);
  EXPECT_GT(g().passes, 0);
  EXPECT_EQ(7, g().Strength.get());
  EXPECT_EQ("2", g().e.lblPoints->caption);
  EXPECT_TRUE(g().e.imgCard->visible);
  EXPECT_EQ(g().DataFile("music.mp3"), g().MP1.FileName());
  EXPECT_TRUE(g().e.picInGame->visible);  // play ran until MENU
}

}  // namespace
}  // namespace cw::test
