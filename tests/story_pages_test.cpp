#include "screens/story_pages.h"

#include <gtest/gtest.h>

#include "play/game.h"
#include "support/screens_fixtures.h"

namespace cw::test {
namespace {

constexpr int kPageW = 120, kPageH = 90;

// Every pixel of the page different, none white (white is the mosaic's key colour).
Surface PagePicture() {
  Surface s(kPageW, kPageH);
  for (int y = 0; y < kPageH; ++y)
    for (int x = 0; x < kPageW; ++x) s.Set(x, y, Rgb(uint8_t(x), uint8_t(y), 77));
  return s;
}

// The mosaic block size on the page now drawn at (100, 100) of picStory: the first pixel of the
// top row that starts a new block.
int BlockOnScreen(const Game& g) {
  const Surface& b = g.e.picStory->buffer;
  uint32_t first = b.Get(100, 100);
  if (first != Rgb(0, 0, 77)) return -1;
  for (int x = 1; x < kPageW; ++x)
    if (b.Get(100 + x, 100) != first) return b.Get(100 + x, 100) == Rgb(uint8_t(x), 0, 77) ? x : -1;
  return kPageW;
}

struct StoryTest : ::testing::Test {
  DataCopy data;
  std::unique_ptr<TestGame> t;
  std::vector<std::pair<int64_t, int>> blocks;  // (time, block size seen)

  void SetUp() override {
    TestGame maker(data.path());
    for (const char* page : {"story_start.gif", "story_end.gif", "story_End.gif"})
      ASSERT_TRUE(maker.platform.SavePng(PagePicture(), (data.path() / page).string()));
  }
  // A game whose script holds `script` and a block sample 50 ms after each possible step time
  // from `first_step` on, `samples` of them.
  Game& Start(std::vector<ScriptCommand> script, int64_t first_step = 1, int samples = 0) {
    for (int k = 0; k < samples; ++k) script.push_back(TimerAt(first_step + 101 * k + 50));
    t = std::make_unique<TestGame>(data.path(), script);
    Game& g = t->g;
    PlaceScreens(g);
    t->platform.on_command = [this, &g](const ScriptCommand& c) { blocks.emplace_back(c.time, BlockOnScreen(g)); };
    return g;
  }
  std::vector<int> BlockSizes() const {
    std::vector<int> out;
    for (const auto& b : blocks) out.push_back(b.second);
    return out;
  }
};

std::vector<int> Range(int from, int to) {
  std::vector<int> out;
  for (int i = from; from <= to ? i <= to : i >= to; i += from <= to ? 1 : -1) out.push_back(i);
  return out;
}

// ---- Opening

TEST_F(StoryTest, OpeningDrawsThirtyStepsFromCoarseToSharpThenTakesInput) {
  Game& g = Start({}, 1, 29);
  g.ui.Hide(g.e.picMenu);
  g.ui.Show(g.e.picStory_little);  // as after an earlier closing
  g.blnGame = true;
  ShowStoryPage(g, "start");
  // Step k at 1 + 101 (k - 1) ms: the first at once, then 101 ms apart.
  EXPECT_EQ(1 + 29 * 101, g.GetTickCount());
  std::vector<int> expected = Range(30, 1);
  std::vector<int> seen = BlockSizes();
  seen.resize(29);
  seen.push_back(BlockOnScreen(g));  // the last step stays on screen
  EXPECT_EQ(expected, seen);
  EXPECT_FALSE(g.blnGame);
  EXPECT_TRUE(g.e.picStory->visible);
  EXPECT_EQ(0.0, g.e.picStory->left);
  EXPECT_EQ(0.0, g.e.picStory->top);
  EXPECT_FALSE(g.e.picStory_little->visible);  // the prompt shows
  EXPECT_EQ(double(kPageW), g.e.picStory_help->width);
}

TEST_F(StoryTest, OnlyTheEndPageRestartsTheMenuMusic) {
  Game& g = Start({});
  g.MP1.SetFileName(g.DataFile("music.mp3"));
  ShowStoryPage(g, "start");
  EXPECT_EQ(g.DataFile("music.mp3"), g.MP1.FileName());
  ShowStoryPage(g, "End");
  EXPECT_EQ(g.DataFile("music.mp3"), g.MP1.FileName());
  ShowStoryPage(g, "end");
  EXPECT_EQ(g.DataFile("music2.mp3"), g.MP1.FileName());
}

// ---- Closing

TEST_F(StoryTest, ClosingDrawsFiftyOneStepsAndReturnsToTheMenuAfterTheEnding) {
  Game& g = Start({}, 2930, 50);
  g.ui.Hide(g.e.picMenu);
  g.blnStart = false;
  g.blnEnd = true;
  ShowStoryPage(g, "end");
  ASSERT_EQ(2930, g.GetTickCount());
  blocks.clear();
  t->Key(kKeySpace, kKeySpace);
  EXPECT_EQ(2930 + 50 * 101, g.GetTickCount());
  std::vector<int> seen = BlockSizes();
  seen.resize(50);
  seen.push_back(BlockOnScreen(g));
  std::vector<int> expected = Range(0, 50);
  expected[0] = 1;  // block size 0 draws like 1
  EXPECT_EQ(expected, seen);
  EXPECT_TRUE(g.e.picStory_little->visible);
  EXPECT_FALSE(g.e.picStory->visible);
  EXPECT_TRUE(g.e.picMenu->visible);
  EXPECT_EQ(g.e.picMenu, g.ui.focus());
  EXPECT_FALSE(g.blnGame);
}

TEST_F(StoryTest, ASecondKeyDuringTheClosingIsIgnored) {
  Game& g = Start({KeyDownAt(3500, kKeySpace, kKeySpace), KeyDownAt(6000, 'A', 'a')});
  g.blnEnd = true;
  ShowStoryPage(g, "end");
  t->Key(kKeyEnter, kKeyEnter);                  // at 2930
  EXPECT_EQ(2930 + 50 * 101, g.GetTickCount());  // one closing only
  EXPECT_TRUE(g.e.picMenu->visible);
}

TEST_F(StoryTest, AMouseButtonClosesThePageToo) {
  Game& g = Start({});
  g.blnEnd = true;
  ShowStoryPage(g, "end");
  t->Send({InputEvent::Type::MouseDown, 0, 0, 2, 400, 300});
  EXPECT_FALSE(g.e.picStory->visible);
  EXPECT_TRUE(g.e.picMenu->visible);
}

TEST_F(StoryTest, ClosingTheOpeningPageStartsANewGameOnTheAbilitiesScreen) {
  Game& g = Start({});
  g.blnStart = true;
  g.Life = 5;
  g.My_x = 900;
  g.GamePhase = "hut";
  g.e.picCity_base->buffer.Fill(0x00123456);
  ShowStoryPage(g, "start");
  t->Key(kKeySpace, kKeySpace);
  EXPECT_EQ(100, g.Life.get());
  EXPECT_EQ(171.0, double(g.My_x));
  EXPECT_EQ("city", g.GamePhase);
  EXPECT_EQ(g.DataFile("music2.mp3"), g.MP1.FileName());
  EXPECT_EQ(0x00000000u, g.e.picCity_base->buffer.Get(400, 300));
  EXPECT_FALSE(g.e.picMenu->visible);
  EXPECT_FALSE(g.e.picStory->visible);
  EXPECT_FALSE(g.e.picStartUp_base->visible);  // no splash
  EXPECT_TRUE(g.e.picRPG->visible);
  EXPECT_EQ(g.e.picRPG, g.ui.focus());
}

TEST_F(StoryTest, NeitherStartNorEndLeavesThePageShown) {
  Game& g = Start({});
  g.blnStart = false;
  g.blnEnd = false;
  ShowStoryPage(g, "start");
  t->Key(kKeySpace, kKeySpace);
  EXPECT_EQ(2930 + 50 * 101, g.GetTickCount());
  EXPECT_TRUE(g.e.picStory->visible);
  EXPECT_TRUE(g.e.picStory_little->visible);
}

// ---- Input in the middle of an opening

TEST_F(StoryTest, InputDuringTheFirstOpeningClosesAtOnceAndTheOpeningThenFinishes) {
  // The key arrives at 500 ms, while the opening waits to draw its sixth step.
  Game& g = Start({KeyDownAt(500, kKeySpace, kKeySpace)});
  g.ui.Hide(g.e.picMenu);
  g.blnEnd = true;
  ShowStoryPage(g, "end");
  // The nested closing ran its 51 steps from 500 ms on, then the opening its last 25 steps.
  EXPECT_EQ(500 + 50 * 101 + 24 * 101, g.GetTickCount());
  EXPECT_TRUE(g.e.picMenu->visible);
  EXPECT_FALSE(g.e.picStory->visible);
  EXPECT_FALSE(g.e.picStory_little->visible);  // hidden again by the end of the opening
}

TEST_F(StoryTest, InputDuringAnOpeningThatFollowsAClosingIsIgnored) {
  Game& g = Start({KeyDownAt(500, kKeySpace, kKeySpace)});
  g.ui.Show(g.e.picStory_little);
  g.blnEnd = true;
  ShowStoryPage(g, "end");
  EXPECT_EQ(1 + 29 * 101, g.GetTickCount());
  EXPECT_TRUE(g.e.picStory->visible);
  EXPECT_FALSE(g.e.picStory_little->visible);
  t->Key(kKeySpace, kKeySpace);  // accepted now
  EXPECT_FALSE(g.e.picStory->visible);
}

}  // namespace
}  // namespace cw::test
