// What the window hands to the session: nothing while the picture stays the same, only the part that
// changed otherwise, and always a picture equal to the one composed whole.
#include <gtest/gtest.h>

#include "app/event_wiring.h"
#include "app/start_up.h"
#include "platform/headless_platform.h"
#include "platform/key_codes.h"
#include "play/game.h"
#include "play/game_loop.h"
#include "ui/embedded_assets.h"

namespace cw {
namespace {

std::vector<uint8_t> Bytes(const std::string& asset) {
  auto s = EmbeddedAsset(asset);
  return {s.begin(), s.end()};
}

// Keeps what the window shows as a screen would: whole pictures, and changed parts laid over the last one.
struct ScreenPlatform : HeadlessPlatform {
  ScreenPlatform() : HeadlessPlatform({}, 1, Bytes("font_regular.ttf"), Bytes("font_bold.ttf")) {}
  void Present(const Surface& frame) override {
    ++wholes;
    screen = frame;
  }
  void PresentChanged(const Surface& frame, const FrameArea& changed) override {
    ++parts;
    last_part = changed;
    Blit(screen, changed.x, changed.y, changed.w, changed.h, frame, changed.x, changed.y);
  }
  int presents() const { return wholes + parts; }
  int wholes = 0;
  int parts = 0;
  FrameArea last_part;
  Surface screen;
};

class WindowPresent : public ::testing::Test {
 protected:
  WindowPresent() : g(platform, platform, CINDERWAKE_TEST_DATA_DIR) {
    WireEvents(g);
    g.ui.presents_frames = true;
    g.e.picMenu->Move(0, 0);  // over the whole window, as the game shows it
    g.ui.Show(g.e.picMenu);
    g.ui.PresentIfChanged();
  }
  // Yields to the window every 20 ms for `ms` milliseconds, as a waiting screen does.
  void Idle(int64_t ms) {
    for (int64_t end = platform.Ticks() + ms; platform.Ticks() < end;) {
      platform.WaitUntil(platform.Ticks() + 20);
      g.DoEvents();
    }
  }
  ScreenPlatform platform;
  Game g;
};

TEST_F(WindowPresent, TheFirstPictureIsWholeAndAScreenAtRestHandsOverNothingMore) {
  EXPECT_EQ(platform.wholes, 1);
  EXPECT_EQ(platform.parts, 0);
  Idle(5000);
  EXPECT_EQ(platform.presents(), 1);
  EXPECT_TRUE(platform.screen.pixels == g.ui.Compose().pixels);
}

TEST_F(WindowPresent, ACaptionOrAShownElementIsPresentedWithin100MsAsTheAreaItCovers) {
  g.ui.Hide(g.e.picMenu);
  g.ui.PresentIfChanged();  // the whole window changed: picMenu covers all of it
  EXPECT_EQ(platform.wholes, 2);
  g.e.lblLife->caption = "7 / 100";
  Idle(60);
  EXPECT_EQ(platform.parts, 0);  // not yet: captions are looked at every 100 ms
  Idle(60);
  ASSERT_EQ(platform.parts, 1);
  // The status bar: 804 x 77 at the window's corner, cut at the window's right edge.
  EXPECT_EQ(platform.last_part, (FrameArea{0, 0, 800, 77}));
  EXPECT_TRUE(platform.screen.pixels == g.ui.Compose().pixels);
  g.e.picRIP->Move(150, 112.5);
  g.ui.Show(g.e.picRIP);
  Idle(120);
  ASSERT_EQ(platform.parts, 2);
  EXPECT_EQ(platform.last_part, (FrameArea{150, 112, 500, 375}));
  EXPECT_TRUE(platform.screen.pixels == g.ui.Compose().pixels);
  Idle(1000);
  EXPECT_EQ(platform.presents(), 4);
}

TEST_F(WindowPresent, DrawingIntoThePlayAreaPresentsThePlayAreaOnly) {
  g.ui.Hide(g.e.picMenu);
  g.ui.PresentIfChanged();
  g.e.picCity_base->buffer.Fill(0x00336699);
  g.ui.Refresh(g.e.picCity_base);
  ASSERT_EQ(platform.parts, 1);
  EXPECT_EQ(platform.last_part, (FrameArea{0, 72, 800, 528}));
  EXPECT_TRUE(platform.screen.pixels == g.ui.Compose().pixels);
  // Drawing somewhere unnamed shows the whole picture again.
  g.e.picCity_base->buffer.Fill(0x00112233);
  g.ui.Refresh();
  EXPECT_EQ(platform.wholes, 3);
  EXPECT_TRUE(platform.screen.pixels == g.ui.Compose().pixels);
}

TEST_F(WindowPresent, PassesOfPlayShowWhatTheWholePictureWouldAtEveryPass) {
  g.blnStart = true;  // no splash
  Form_Load(g);
  g.ui.Hide(g.e.picMenu);
  g.ui.SetFocus(g.e.picCity_base);
  g.blnGame = true;
  g.ui.Dispatch({InputEvent::Type::KeyDown, kKeyUp, 0, 0, 0, 0});  // walks: the view scrolls
  auto pass = [&] {
    platform.WaitUntil(platform.Ticks() + 20);
    g.DoEvents();
    RunGameFrame(g);
    g.DoEvents();
  };
  pass();
  const int wholes = platform.wholes, parts = platform.parts;
  for (int i = 0; i < 20; ++i) {
    pass();
    ASSERT_TRUE(platform.screen.pixels == g.ui.Compose().pixels) << "pass " << i;
  }
  // One picture a pass, of the play area alone.
  EXPECT_EQ(platform.wholes, wholes);
  EXPECT_EQ(platform.parts, parts + 20);
  EXPECT_EQ(platform.last_part, (FrameArea{0, 72, 800, 528}));
  // A message typed into the status bar: the play area and the status bar together.
  g.TextSMS = "Status line";
  g.CisloSMS = 1;
  g.WriteSMS = true;
  for (int i = 0; i < 5; ++i) {
    pass();
    ASSERT_TRUE(platform.screen.pixels == g.ui.Compose().pixels) << "pass " << i;
  }
  EXPECT_EQ(platform.wholes, wholes + 5);
  EXPECT_NE(g.e.lblSMS->caption, "");
}

}  // namespace
}  // namespace cw
