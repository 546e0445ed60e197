#include <gtest/gtest.h>

#include "play/game.h"
#include "screens/credits_screen.h"
#include "screens/death_screen.h"
#include "screens/main_menu.h"
#include "support/screens_fixtures.h"

namespace cw::test {
namespace {

struct DeathScreenTest : ::testing::Test {
  TestGame t;
  Game& g = t.g;
  void SetUp() override {
    PlaceScreens(g);
    g.ui.Hide(g.e.picMenu);
    g.ui.Show(g.e.picRIP);
    g.ui.SetFocus(g.e.picRIP);
    g.MP1.SetFileName(g.DataFile("music.mp3"));
  }
  void ExpectMenu() {
    EXPECT_FALSE(g.e.picRIP->visible);
    EXPECT_TRUE(g.e.picMenu->visible);
    EXPECT_EQ(g.e.picMenu, g.ui.focus());
    EXPECT_EQ(g.DataFile("music.mp3"), g.MP1.FileName());  // the game music plays on
  }
};

TEST_F(DeathScreenTest, AnyKeyGoesToTheMenu) {
  t.Key('Q', 'q');
  ExpectMenu();
}

TEST_F(DeathScreenTest, ArrowKeysCountToo) {
  t.Key(kKeyLeft);
  ExpectMenu();
}

TEST_F(DeathScreenTest, AnyMouseButtonGoesToTheMenu) {
  WindowPoint p = CentreOf(g.e.picRIP);
  t.Send({InputEvent::Type::MouseDown, 0, 0, 2, p.x, p.y});
  ExpectMenu();
}

struct CreditsTest : ::testing::Test {
  TestGame t;
  Game& g = t.g;
  void SetUp() override {
    PlaceScreens(g);
    Image4_Click(g);
  }
};

TEST_F(CreditsTest, OnlyEscapeClosesThemFromTheKeyboard) {
  t.Key(kKeyEnter, 13);
  t.Key('A', 'a');
  EXPECT_TRUE(g.e.picCred->visible);
  t.Key(kKeyEscape, 27);
  EXPECT_FALSE(g.e.picCred->visible);
  EXPECT_TRUE(g.e.picMenu->visible);
}

TEST_F(CreditsTest, EscapeGivesTheKeysBackToTheMenu) {
  t.Key(kKeyEscape, 27);
  EXPECT_EQ(g.e.picMenu, g.ui.focus());
  t.Key(kKeyDown);
  t.Key(kKeyDown);
  EXPECT_EQ(2.0, double(g.MainMenuSelection));
}

TEST_F(CreditsTest, TheXButtonClosesThemAndTheMenuTakesTheKeys) {
  WindowPoint x = CentreOf(g.e.cmdExit_cred);
  t.Click(x.x, x.y);
  EXPECT_FALSE(g.e.picCred->visible);
  EXPECT_EQ(g.e.picMenu, g.ui.focus());
  t.Key(kKeyUp);
  EXPECT_EQ(5.0, double(g.MainMenuSelection));
}

}  // namespace
}  // namespace cw::test
