#include "app/start_up.h"

#include <gtest/gtest.h>

#include "app/event_wiring.h"
#include "support/counting_session.h"
#include "support/test_game.h"

namespace cw {
namespace {

TEST(StartUpTest, SplashHoldsFiveSecondsThenOpensTheMenuWithItsMusic) {
  test::DataCopy data;
  auto dir = data.path();
  auto r = test::RunHeadless(dir,
                             "100 dump " + (dir / "a.json").string() + "\n" + "5000 dump " + (dir / "b.json").string() +
                                 "\n" + "5100 dump " + (dir / "c.json").string() + "\n",
                             {"--data-dir", dir.string()});
  ASSERT_EQ(r.status, 0) << r.out;
  auto a = test::ReadJson(dir / "a.json");
  EXPECT_EQ(a["tick"], 100);
  const auto& s = a["state"];
  EXPECT_EQ(s["Life"], 100);
  EXPECT_EQ(s["Level"], 1);
  EXPECT_EQ(s["Experience"], 0);
  EXPECT_EQ(s["ExperienceNeeded"], 100);
  for (auto name : {"Strength", "Endurance", "Vitality", "Ultimate", "Healing"}) EXPECT_EQ(s[name], 0) << name;
  EXPECT_EQ(s["My_x"], 171);
  EXPECT_EQ(s["My_y"], 376);
  EXPECT_EQ(s["helpXCity"], -6);
  EXPECT_EQ(s["helpYCity"], -458);
  EXPECT_EQ(s["GamePhase"], "city");
  EXPECT_EQ(s["MaxEnemy"], 2);
  EXPECT_EQ(s["Boss_Rate"], 1);
  EXPECT_EQ(s["BossLife"], 200);
  EXPECT_EQ(s["blnWrite"], false);
  EXPECT_TRUE(s["angle"].is_null());
  EXPECT_EQ(s["FirstAidKits"][2]["x"], 1272);
  EXPECT_EQ(s["FirstAidKits"][2]["y"], 1768);
  EXPECT_EQ(s["FirstAidKits"][7]["takenAt"], 200);
  EXPECT_EQ(s["FirstAidKits"][7]["state"], "x");
  const auto& e = a["elements"];
  EXPECT_EQ(e["lblDescription"]["caption"], "");
  EXPECT_EQ(e["picRPG"]["left"], 167.5);
  EXPECT_EQ(e["picRPG"]["top"], 51.5);
  EXPECT_EQ(e["picCred"]["left"], 151.5);
  EXPECT_EQ(e["picCred"]["top"], 68);
  EXPECT_EQ(e["picRIP"]["left"], 150);
  EXPECT_EQ(e["picRIP"]["top"], 112.5);
  EXPECT_EQ(e["picInGame"]["left"], 235);
  EXPECT_EQ(e["picInGame"]["top"], 90.5);
  EXPECT_EQ(e["picStartUp_base"]["visible"], true);
  EXPECT_EQ(e["picMenu"]["visible"], false);
  EXPECT_EQ(a["music"]["file"], "music2.mp3");

  // The hold ends once the tick is past 5000.
  auto b = test::ReadJson(dir / "b.json");
  EXPECT_EQ(b["elements"]["picStartUp_base"]["visible"], true);
  auto c = test::ReadJson(dir / "c.json");
  EXPECT_EQ(c["elements"]["picStartUp_base"]["visible"], false);
  EXPECT_EQ(c["elements"]["picMenu"]["visible"], true);
  EXPECT_EQ(c["focus"], "picMenu");
  EXPECT_EQ(c["music"]["file"], "music2.mp3");
}

TEST(StartUpTest, TheSplashYieldsOncePerPassAndOnceAfterTheHold) {
  test::TestGame t;
  test::CountingSession counting(t.platform);
  Game g(counting, t.platform, CINDERWAKE_TEST_DATA_DIR);
  g.ui.presents_frames = false;
  WireEvents(g);
  Form_Load(g);
  // 61 drawing passes take no virtual time; the hold ends on the first tick past 5000.
  EXPECT_EQ(counting.polls, 61 + 1);
  EXPECT_EQ(t.platform.Ticks(), 5001);
  EXPECT_TRUE(g.e.picMenu->visible);
  EXPECT_FALSE(g.e.picStartUp_base->visible);

  // The menu music plays from the splash on, and starts again from the beginning whenever it ends.
  EXPECT_EQ(counting.music_starts, 1);
  EXPECT_EQ(counting.MusicFile(), t.platform.MusicFile());
  const std::string file = counting.MusicFile();
  EXPECT_NE(file.find("music2.mp3"), std::string::npos) << file;
  for (int end = 1; end <= 2; ++end) {
    t.platform.Inject({InputEvent::Type::MusicEnded});
    g.DoEvents();
    EXPECT_EQ(counting.music_starts, 1 + end);
    EXPECT_EQ(counting.MusicFile(), file);
    EXPECT_TRUE(counting.MusicPlaying());
  }
}

TEST(StartUpTest, KeysAndClicksDuringTheHoldWaitUntilItEnds) {
  test::DataCopy data;
  auto dir = data.path();
  for (const std::string input : {"2000 key Space\n", "2000 click 400 300\n"}) {
    auto r = test::RunHeadless(
        dir,
        input + "4900 dump " + (dir / "held.json").string() + "\n5100 dump " + (dir / "after.json").string() + "\n",
        {"--data-dir", dir.string()});
    ASSERT_EQ(r.status, 0) << r.out;
    auto held = test::ReadJson(dir / "held.json");
    EXPECT_EQ(held["elements"]["picStartUp_base"]["visible"], true) << input;
    EXPECT_EQ(held["elements"]["picMenu"]["visible"], false) << input;
    auto after = test::ReadJson(dir / "after.json");
    EXPECT_EQ(after["elements"]["picMenu"]["visible"], true) << input;
    EXPECT_EQ(after["focus"], "picMenu") << input;
  }
}

TEST(StartUpTest, AKeyOrClickDuringTheSplashShowsTheMenuAtOnce) {
  test::DataCopy data;
  auto dir = data.path();
  for (const std::string input : {"0 key Space\n", "0 click 400 300\n"}) {
    auto r =
        test::RunHeadless(dir, input + "1000 dump " + (dir / "d.json").string() + "\n", {"--data-dir", dir.string()});
    ASSERT_EQ(r.status, 0) << r.out;
    auto d = test::ReadJson(dir / "d.json");
    EXPECT_EQ(d["elements"]["picStartUp_base"]["visible"], false) << input;
    EXPECT_EQ(d["elements"]["picMenu"]["visible"], true) << input;
    EXPECT_EQ(d["focus"], "picMenu") << input;
  }
}

TEST(StartUpTest, BadCommandLinesAndScriptsAreRefusedBeforeAnythingRuns) {
  test::DataCopy data;
  auto dir = data.path();
  auto r = test::RunHeadless(dir, "0 key Space\n10 jump\n", {"--data-dir", dir.string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("script line 2"), std::string::npos) << r.out;
  r = test::RunHeadless(dir, "0 quit\n", {"--frobnicate"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("unknown option --frobnicate"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("usage:"), std::string::npos);
  r = test::RunHeadless(dir, "0 quit\n", {"--seed", "x1"});
  EXPECT_EQ(r.status, 2);
  r = test::RunHeadless(dir, "7000 quit\n", {"--data-dir", dir.string()});
  EXPECT_EQ(r.status, 0);
}

TEST(StartUpTest, SameSeedSameRunAnotherSeedAnotherRun) {
  test::DataCopy data;
  auto dir = data.path();
  // New game from the keyboard, past the story and the abilities, then 25 s of walking and firing
  // while enemies come in at random places.
  auto run = [&](const char* seed) {
    std::string script =
        "6000 key Down\n6100 key Down\n6200 key Enter\n9500 key Space\n15100 key Enter\n"
        "15400 key down Right\n15400 key down Ctrl\n40000 dump " +
        (dir / "s.json").string() + "\n40000 quit\n";
    auto r = test::RunHeadless(dir, script, {"--data-dir", dir.string(), "--seed", seed});
    EXPECT_EQ(r.status, 0) << r.out;
    return test::ReadJson(dir / "s.json");
  };
  auto first = run("7");
  ASSERT_EQ(first["focus"], "picCity_base");
  ASSERT_GT(first["passes"].get<int>(), 1000);
  EXPECT_EQ(first, run("7"));
  auto other = run("8");
  EXPECT_NE(first["state"]["Enemies"], other["state"]["Enemies"]);
}

}  // namespace
}  // namespace cw
