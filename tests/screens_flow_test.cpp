// The real program, headless, driven through its screens with keys and clicks at window pixels.
#include <sstream>

#include <gtest/gtest.h>

#include "play/game.h"
#include "support/screens_fixtures.h"

namespace cw::test {
namespace {

namespace fs = std::filesystem;

// Window points of the screens' controls, taken from the elements after a start-up.
struct Points {
  WindowPoint new_game, continue_game, credits, end, strength_up, ok, menu, save, exit_game;
};

Points TakePoints() {
  TestGame t;
  StartWithoutSplash(t.g);
  const Elements& e = t.g.e;
  return {CentreOf(e.Image2),   CentreOf(e.Image3),        CentreOf(e.Image4),
          CentreOf(e.Image5),   CentreOf(e.btnStrenghtUp), CentreOf(e.Command11),
          CentreOf(e.Command1), CentreOf(e.img1),          CentreOf(e.img3)};
}

std::string Click(int t, WindowPoint p) {
  return std::to_string(t) + " click " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
}
std::string Key(int t, const std::string& name) { return std::to_string(t) + " key " + name + "\n"; }
std::string Dump(int t, const fs::path& dir, const std::string& name) {
  return std::to_string(t) + " dump " + (dir / (name + ".json")).string() + "\n";
}

TEST(ScreensFlowTest, ThePlacesUsedByTheTestsAreThoseOfStartUp) {
  TestGame started, placed;
  StartWithoutSplash(started.g);
  PlaceScreens(placed.g);
  for (const char* name : {"picRPG", "picCred", "picRIP", "picInGame", "picMenu", "picStartUp_base"}) {
    EXPECT_EQ(started.g.ui.Find(name).left, placed.g.ui.Find(name).left) << name;
    EXPECT_EQ(started.g.ui.Find(name).top, placed.g.ui.Find(name).top) << name;
  }
  EXPECT_EQ(167.5, started.g.e.picRPG->left);
  EXPECT_EQ(51.5, started.g.e.picRPG->top);
}

TEST(ScreensFlowTest, NewGameSaveExitContinueAndCredits) {
  DataCopy data;
  const fs::path& d = data.path();
  Points p = TakePoints();
  std::string s;
  // The splash holds until 5001 ms; the menu takes input from then on.
  s += Click(6000, p.new_game);  // the opening page: 30 steps, until about 8930 ms
  s += Dump(9500, d, "story");
  s += Key(9600, "Space");  // the closing: 51 steps, until about 14650 ms
  s += Dump(15000, d, "abilities");
  for (int i = 0; i < 6; ++i) s += Click(15100 + 100 * i, p.strength_up);
  s += Dump(15700, d, "spent");
  s += Click(15800, p.ok);
  s += Dump(16000, d, "playing");
  s += Click(16100, p.menu);
  s += Click(16300, p.save);
  s += Dump(16400, d, "saved");
  s += Click(16500, p.menu);
  s += Click(16700, p.exit_game);
  s += Dump(16800, d, "exited");
  s += Click(16900, p.continue_game);
  s += Dump(17100, d, "continued");
  s += Click(17200, p.menu);
  s += Click(17400, p.exit_game);
  s += Click(17500, p.credits);
  s += Dump(17600, d, "credits");
  s += Key(17700, "Escape");
  s += Dump(17800, d, "closed");
  s += Key(17900, "Down");
  s += Key(18000, "Down");
  s += Key(18100, "Enter");
  s += Dump(18300, d, "again");
  s += "18400 quit\n";
  RunResult r = RunHeadless(d, s, {"--data-dir", d.string()});
  ASSERT_EQ(0, r.status) << r.out;

  auto story = ReadJson(d / "story.json");
  EXPECT_TRUE(story["elements"]["picStory"]["visible"]);
  EXPECT_FALSE(story["elements"]["picStory_little"]["visible"]);
  EXPECT_FALSE(story["elements"]["picMenu"]["visible"]);
  EXPECT_EQ("5", story["elements"]["lblPoints"]["caption"]);

  auto abilities = ReadJson(d / "abilities.json");
  EXPECT_TRUE(abilities["elements"]["picRPG"]["visible"]);
  EXPECT_FALSE(abilities["elements"]["picStory"]["visible"]);
  EXPECT_EQ("picRPG", abilities["focus"]);
  EXPECT_EQ("5", abilities["elements"]["lblPoints"]["caption"]);
  EXPECT_EQ("music2.mp3", abilities["music"]["file"]);

  auto spent = ReadJson(d / "spent.json");
  EXPECT_EQ("5", spent["elements"]["lblStrenght"]["caption"]);
  EXPECT_EQ("0", spent["elements"]["lblPoints"]["caption"]);

  auto playing = ReadJson(d / "playing.json");
  EXPECT_EQ(true, playing["state"]["blnGame"]);
  EXPECT_FALSE(playing["elements"]["picRPG"]["visible"]);
  EXPECT_EQ(5, playing["state"]["Strength"]);
  EXPECT_EQ("music.mp3", playing["music"]["file"]);
  EXPECT_EQ("picCity_base", playing["focus"]);
  EXPECT_GT(playing["passes"].get<int>(), 0);

  auto saved = ReadJson(d / "saved.json");
  EXPECT_EQ("Game successfully saved !", saved["state"]["TextSMS"]);
  EXPECT_EQ(true, saved["state"]["blnGame"]);

  auto exited = ReadJson(d / "exited.json");
  EXPECT_TRUE(exited["elements"]["picMenu"]["visible"]);
  EXPECT_EQ("picMenu", exited["focus"]);
  EXPECT_EQ(false, exited["state"]["blnGame"]);

  auto continued = ReadJson(d / "continued.json");
  EXPECT_EQ(true, continued["state"]["blnGame"]);
  EXPECT_FALSE(continued["elements"]["picMenu"]["visible"]);
  EXPECT_EQ(5, continued["state"]["Strength"]);
  EXPECT_EQ("5", continued["elements"]["lblStrenght"]["caption"]);
  EXPECT_EQ("0", continued["elements"]["lblPoints"]["caption"]);
  EXPECT_EQ("city", continued["state"]["GamePhase"]);

  auto credits = ReadJson(d / "credits.json");
  EXPECT_TRUE(credits["elements"]["picCred"]["visible"]);
  EXPECT_EQ("picCred", credits["focus"]);

  auto closed = ReadJson(d / "closed.json");
  EXPECT_FALSE(closed["elements"]["picCred"]["visible"]);
  EXPECT_EQ("picMenu", closed["focus"]);

  auto again = ReadJson(d / "again.json");
  EXPECT_EQ(2, again["state"]["MainMenuSelection"]);
  EXPECT_TRUE(again["elements"]["picStory"]["visible"]);
  EXPECT_FALSE(again["elements"]["picMenu"]["visible"]);

  // The start-up values, with the five points spent on Strength.
  EXPECT_EQ(CrLfLines({"-6", "-458", "city", "171", "376", "5", "0", "0", "0", "0", "0", "100", "1", "100", "False",
                       "False", "0"}),
            ReadBytes(d / "SaveGame.txt"));
}

TEST(ScreensFlowTest, EndClosesTheProgramCleanly) {
  DataCopy data;
  const fs::path& d = data.path();
  Points p = TakePoints();
  std::string s = Click(6000, p.end) + Dump(7000, d, "after") + "8000 quit\n";
  RunResult r = RunHeadless(d, s, {"--data-dir", d.string()});
  EXPECT_EQ(0, r.status) << r.out;
  EXPECT_EQ("", r.out);
  EXPECT_FALSE(fs::exists(d / "after.json"));
}

TEST(ScreensFlowTest, ContinueWithoutASavedGameKeepsTheMenu) {
  DataCopy data;
  const fs::path& d = data.path();
  WriteBytes(d / "SaveGame.txt", "NoSaveGame\r\n");
  Points p = TakePoints();
  std::string s = Click(6000, p.continue_game) + Dump(6500, d, "menu") + "6600 quit\n";
  RunResult r = RunHeadless(d, s, {"--data-dir", d.string()});
  ASSERT_EQ(0, r.status) << r.out;
  auto menu = ReadJson(d / "menu.json");
  EXPECT_TRUE(menu["elements"]["picMenu"]["visible"]);
  EXPECT_NE(true, menu["state"]["blnGame"]);
  EXPECT_EQ(0, menu["passes"]);
  EXPECT_EQ("NoSaveGame\r\n", ReadBytes(d / "SaveGame.txt"));
}

}  // namespace
}  // namespace cw::test
