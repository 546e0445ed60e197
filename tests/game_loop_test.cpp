#include "play/game_loop.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "play/messages.h"
#include "support/play_fixtures.h"
#include "ui/embedded_assets.h"
#include "world/location_loader.h"

namespace cw::test {
namespace {

constexpr uint32_t kMarker = 0x00123456;

// --- Message typing ---

class MessageTyping : public ::testing::Test {
 protected:
  void Start(const std::string& text) {
    g.TextSMS = text;
    g.CisloSMS = 1;
    g.WriteSMS = true;
  }
  TestGame& t = FreshGame(OpenWorldDir());
  Game& g = t.g;
};

TEST_F(MessageTyping, TenCharactersGrowOnePerPassAndGoAfter200) {
  Start("0123456789");
  TypeMessage(g);
  EXPECT_EQ(g.e.lblSMS->caption, "01");
  for (int pass = 2; pass <= 8; ++pass) TypeMessage(g);
  EXPECT_EQ(g.e.lblSMS->caption, "012345678");
  TypeMessage(g);  // the 9th pass
  EXPECT_EQ(g.e.lblSMS->caption, "0123456789");
  for (int pass = 10; pass <= 198; ++pass) TypeMessage(g);
  EXPECT_DOUBLE_EQ(g.CisloSMS, 199);
  EXPECT_EQ(g.e.lblSMS->caption, "0123456789");
  EXPECT_TRUE(bool(g.WriteSMS));
  TypeMessage(g);  // CisloSMS reaches 200
  EXPECT_EQ(g.e.lblSMS->caption, "");
  EXPECT_DOUBLE_EQ(g.CisloSMS, 1);
  EXPECT_FALSE(bool(g.WriteSMS));
  TypeMessage(g);
  EXPECT_DOUBLE_EQ(g.CisloSMS, 1);
}

TEST_F(MessageTyping, EmptyMessageIsClearedOnTheFirstPass) {
  g.e.lblSMS->caption = "old";
  Start("");
  TypeMessage(g);
  EXPECT_EQ(g.e.lblSMS->caption, "");
  EXPECT_FALSE(bool(g.WriteSMS));
}

TEST_F(MessageTyping, LineBreaksAreTypedLikeCharacters) {
  Start("ab\r\ncd");
  TypeMessage(g);
  TypeMessage(g);
  EXPECT_EQ(g.e.lblSMS->caption, "ab\r");
  TypeMessage(g);
  EXPECT_EQ(g.e.lblSMS->caption, "ab\r\n");
}

TEST_F(MessageTyping, NothingWhileNoMessageIsTyped) {
  g.e.lblSMS->caption = "kept";
  g.CisloSMS = 5;
  TypeMessage(g);
  EXPECT_EQ(g.e.lblSMS->caption, "kept");
  EXPECT_DOUBLE_EQ(g.CisloSMS, 5);
}

// --- One pass ---

class GamePass : public ::testing::Test {
 protected:
  // A 1000 x 1000 location held in memory: picture and mask with a pattern that tells every pixel apart.
  void PatternedLocation() {
    Surface picture(1000, 1000), mask(1000, 1000);
    for (int y = 0; y < 1000; ++y)
      for (int x = 0; x < 1000; ++x) {
        picture.Set(x, y, Rgb(uint8_t(x), uint8_t(y), uint8_t(x / 256 * 16 + y / 256)));
        mask.Set(x, y, Rgb(uint8_t(y), uint8_t(x), 7));
      }
    g.e.picHelp_city_base->SetPicture(picture);
    g.e.picHelp_city_collid->SetPicture(mask);
  }
  TestGame& t = FreshGame(OpenWorldDir());
  Game& g = t.g;
};

TEST_F(GamePass, LocationAndMaskAreDrawnAtTheRoundedViewOffset) {
  PatternedLocation();
  g.helpXCity = -6.5;    // draws at -6
  g.helpYCity = -457.5;  // draws at -458
  RunGameFrame(g);
  const Surface& pic = g.e.picHelp_city_base->buffer;
  EXPECT_EQ(g.e.picCity_base->buffer.Get(0, 0), pic.Get(6, 458));
  EXPECT_EQ(g.e.picCity_base->buffer.Get(799, 20), pic.Get(805, 478));
  EXPECT_EQ(g.e.picCity_Collid->buffer.Get(0, 0), g.e.picHelp_city_collid->buffer.Get(6, 458));
  EXPECT_EQ(g.e.picCity_Collid->buffer.Get(799, 527), g.e.picHelp_city_collid->buffer.Get(805, 985));
  EXPECT_EQ(g.passes, 1);
}

TEST_F(GamePass, WallTestsSeeTheMaskOfThePreviousPass) {
  Surface mask(1000, 1000, kOpenGround);
  FillRect(mask, 380, 284, 420, 304, kCyan);  // play-area rows 280..299 with the view at (-4, -4)
  g.e.picHelp_city_base->SetPicture(Surface(1000, 1000, 0x00303030));
  g.e.picHelp_city_collid->SetPicture(mask);
  g.helpXCity = -4;
  g.helpYCity = -4;
  g.My_x = 400;
  g.My_y = 300;
  g.r = -3;
  g.e.picCity_Collid->buffer.Fill(kOpenGround);
  RunGameFrame(g);  // at 297 on the wall, but the hidden mask is not drawn yet
  EXPECT_DOUBLE_EQ(g.r, -3);
  EXPECT_DOUBLE_EQ(g.My_y, 297);
  RunGameFrame(g);
  EXPECT_DOUBLE_EQ(g.r, 4);
  EXPECT_DOUBLE_EQ(g.My_y, 295);
}

TEST_F(GamePass, TriggerMoveIsDrawnInTheSamePass) {
  g.GamePhase = "city";
  LoadLocation(g, "save");
  g.helpXCity = -300;
  g.helpYCity = -100;
  g.My_x = 300;
  g.My_y = 200;
  g.e.picCity_Collid->buffer.Fill(kOpenGround);
  g.e.picCity_Collid->buffer.Set(300, 200, kRed);
  RunGameFrame(g);
  EXPECT_EQ(g.GamePhase, "hut");
  EXPECT_EQ(g.e.picCity_base->buffer.Get(0, 0), PictureColourOf("hut"));  // the hut at (-4, -4)
  EXPECT_EQ(g.e.picCity_Collid->buffer.Get(0, 0), kOpenGround);
}

// --- Faults inside a pass ---

std::vector<uint8_t> AssetBytes(const std::string& name) {
  auto s = EmbeddedAsset(name);
  return {s.begin(), s.end()};
}

// Counts the pictures the window shows.
struct CountingPlatform : HeadlessPlatform {
  CountingPlatform() : HeadlessPlatform({}, 1, AssetBytes("font_regular.ttf"), AssetBytes("font_bold.ttf")) {}
  void Present(const Surface&) override { ++presents; }
  int presents = 0;
};

class FaultInAPass : public ::testing::Test {
 protected:
  FaultInAPass() : g(platform, platform, OpenWorldDir()) {}
  // A pass that faults leaves the marker in the play area and shows nothing.
  void MarkPlayArea() {
    g.e.picCity_base->buffer.Fill(kMarker);
    platform.presents = 0;
  }
  void StartMessage(const std::string& text) {
    g.TextSMS = text;
    g.CisloSMS = 1;
    g.WriteSMS = true;
  }
  CountingPlatform platform;
  Game g;
};

TEST_F(FaultInAPass, MissingPictureAbandonsTheRestOfThePassOnly) {
  ScratchDir dir;
  Surface city(1000, 1000, PictureColourOf("city"));
  WriteLocation(platform, dir.path(), "city", city, Surface(1000, 1000, kOpenGround));
  g.data_dir = dir.path();
  g.GamePhase = "city";
  LoadLocation(g, "save");
  g.helpXCity = -4;
  g.helpYCity = -4;
  g.My_x = 300;
  g.My_y = 300;
  RunGameFrame(g);
  ASSERT_EQ(platform.presents, 1);

  MarkPlayArea();
  StartMessage("Hello");
  g.e.picCity_Collid->buffer.Set(300, 300, kRed);  // the hut door, but the hut's files are missing
  RunGameFrame(g);
  EXPECT_EQ(g.e.lblSMS->caption, "He");  // the steps before the fault ran
  EXPECT_EQ(g.GamePhase, "hut");
  EXPECT_EQ(g.e.picCity_base->buffer.Get(0, 0), kMarker);  // nothing drawn after it
  EXPECT_EQ(platform.presents, 0);                         // and nothing shown

  g.e.picCity_Collid->buffer.Set(300, 300, kOpenGround);
  RunGameFrame(g);  // the next pass runs whole
  EXPECT_EQ(g.e.lblSMS->caption, "Hel");
  EXPECT_EQ(g.e.picCity_base->buffer.Get(0, 0), PictureColourOf("city"));
  EXPECT_EQ(platform.presents, 1);
  EXPECT_EQ(g.passes, 3);
}

TEST_F(FaultInAPass, TheKeyAtTheExperienceLimitIsTakenAndThePassRunsWhole) {
  g.GamePhase = "hut";
  LoadLocation(g, "r");  // the player stands at (288, 350), map (292, 354): the upper half of 900
  g.Experience = 2147483600;
  g.e.picCity_Collid->buffer.Set(288, 350, kRed);  // the key: 50 more points stop at the 32-bit limit
  MarkPlayArea();
  RunGameFrame(g);
  EXPECT_EQ(int64_t(g.Experience), INT32_MAX);
  EXPECT_TRUE(g.e.imgKey->visible);
  EXPECT_EQ(g.e.picCity_base->buffer.Get(0, 0), PictureColourOf("hut"));
  EXPECT_EQ(platform.presents, 1);

  g.e.picCity_Collid->buffer.Set(288, 350, kOpenGround);
  RunGameFrame(g);
  EXPECT_EQ(int64_t(g.Experience), INT32_MAX);
  EXPECT_EQ(platform.presents, 2);
}

// --- The loop: pacing, yields, music and focus ---

ScriptCommand KeyAt(int64_t time, int key) {
  ScriptCommand c;
  c.time = time;
  c.input = {InputEvent::Type::KeyDown, key, 0, 0, 0, 0};
  return c;
}
ScriptCommand EndAt(int64_t time) {
  ScriptCommand c;
  c.time = time;
  c.kind = ScriptCommand::Kind::Dump;
  return c;
}

class GameLoop : public ::testing::Test {
 protected:
  explicit GameLoop(std::vector<ScriptCommand> script = {KeyAt(1, 'A'), KeyAt(22, 'A'), EndAt(100)})
      : t(OpenWorldDir(), std::move(script)) {
    t.platform.on_script_end = [] { throw ProgramEnd{0}; };
    // Notes when each key reaches the play area: in the first yield at or after its time.
    g.e.picCity_base->KeyDown = [this](int, int) { seen.emplace_back(g.GetTickCount(), g.passes); };
    g.blnGame = true;
  }
  TestGame t;
  Game& g = t.g;
  std::vector<std::pair<int64_t, int64_t>> seen;  // tick, passes so far
};

TEST_F(GameLoop, FirstPassAtOnceThenOneWhenTheTickIsPastTheDeadline) {
  EXPECT_THROW(EnterGameLoop(g), ProgramEnd);
  // Passes at 0, 21, 42, 63 and 84; the wait for 105 runs past the end of the script.
  const std::vector<std::pair<int64_t, int64_t>> expected = {{21, 1}, {42, 2}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(g.passes, 5);
  EXPECT_EQ(g.GetTickCount(), 100);
}

TEST_F(GameLoop, ClearingBlnGameInAYieldEndsTheLoopAfterThatPass) {
  g.e.picCity_base->KeyDown = [this](int, int) {
    seen.emplace_back(g.GetTickCount(), g.passes);
    if (g.passes == 2) g.blnGame = false;
  };
  EnterGameLoop(g);
  EXPECT_EQ(g.passes, 3);  // the pass after the yield still runs
  EXPECT_EQ(g.GetTickCount(), 42);
}

// Passes run so far as dumps 50, 500, 950 and 1000 ms after the start see them; the run ends at 1000.
std::vector<std::pair<int64_t, int64_t>> PassesOverOneSecond(int64_t start, int32_t& tick_at_end) {
  TestGame t(OpenWorldDir(), {EndAt(start + 50), EndAt(start + 500), EndAt(start + 950), EndAt(start + 1000)});
  t.platform.WaitUntil(start);  // the virtual clock jumps there
  std::vector<std::pair<int64_t, int64_t>> seen;
  t.platform.on_command = [&](const ScriptCommand& c) { seen.emplace_back(c.time - start, t.g.passes); };
  t.platform.on_script_end = [] { throw ProgramEnd{0}; };
  t.g.blnGame = true;
  EXPECT_THROW(EnterGameLoop(t.g), ProgramEnd);
  tick_at_end = t.g.GetTickCount();
  return seen;
}

TEST(GameLoopAcrossTheWrap, KeepsItsPaceAfterTheTickTurnsNegative) {
  // Passes every 21 ms from the start: 0, 21, ..., 987.
  const std::vector<std::pair<int64_t, int64_t>> expected = {{50, 3}, {500, 24}, {950, 46}, {1000, 48}};
  int32_t tick = 0;
  EXPECT_EQ(PassesOverOneSecond(0, tick), expected);
  EXPECT_EQ(tick, 1000);
  // 500 ms before the tick's wrap: the last 500 ms have negative ticks.
  EXPECT_EQ(PassesOverOneSecond((int64_t(1) << 31) - 500, tick), expected);
  EXPECT_EQ(tick, INT32_MIN + 500);
}

TEST_F(GameLoop, RestartsTheGameMusicAndFocusesThePlayArea) {
  t.platform.SetMusicFile("elsewhere.mp3");
  g.blnGame = false;
  EnterGameLoop(g);
  EXPECT_EQ(t.platform.MusicFile(), (OpenWorldDir() / "music.mp3").string());
  EXPECT_EQ(g.ui.focus(), g.e.picCity_base);
  EXPECT_EQ(g.passes, 0);
}

}  // namespace
}  // namespace cw::test
