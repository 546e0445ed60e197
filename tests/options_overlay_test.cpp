#include "settings/options_overlay.h"

#include <gtest/gtest.h>

#include "platform/key_codes.h"

namespace cw {
namespace {

using Row = OptionsOverlay::Row;

// Down from the first row to `row`.
void Select(OptionsOverlay& o, Row row, const Settings& s) {
  while (o.selected() != row) o.Key(kKeyDown, s);
}

TEST(OptionsOverlayTest, RebindingAsksForAKeyAndRefusesOneInUseNamingItsAction) {
  OptionsOverlay o;
  Settings s;
  o.Open();
  Select(o, Row::KeyFire, s);
  EXPECT_FALSE(o.Key(kKeyEnter, s).changed);
  ASSERT_EQ(o.rebinding(), PlayAction::Fire);
  EXPECT_EQ(o.message(), "Press the new key for FIRE  (Escape: keep Ctrl)");

  auto refused = o.Key(kKeyUp, s);
  EXPECT_FALSE(refused.changed);
  EXPECT_EQ(o.message(), "Up is already the key for WALK FORWARD; press another");
  EXPECT_EQ(o.rebinding(), PlayAction::Fire);
  o.Key('M', s);
  EXPECT_EQ(o.message(), "M is kept for the game's own use; press another");

  auto taken = o.Key(kKeySpace, s);
  ASSERT_TRUE(taken.changed);
  EXPECT_EQ(taken.changed->Key(PlayAction::Fire), kKeySpace);
  EXPECT_EQ(o.rebinding(), std::nullopt);
  EXPECT_EQ(o.message(), "");
  s = *taken.changed;

  // Backspace gives the action its default key back; Escape leaves a rebinding unchanged.
  auto back = o.Key(kKeyBackspace, s);
  ASSERT_TRUE(back.changed);
  EXPECT_EQ(back.changed->Key(PlayAction::Fire), kKeyCtrl);
  o.Key(kKeyEnter, s);
  EXPECT_FALSE(o.Key(kKeyEscape, s).changed);
  EXPECT_EQ(o.rebinding(), std::nullopt);
  EXPECT_TRUE(o.Key(kKeyEscape, s).close);
}

TEST(OptionsOverlayTest, TheArrowsChangeEveryOtherSettingInItsSteps) {
  OptionsOverlay o;
  Settings s;
  o.Open();
  auto apply = [&](int key) {
    auto out = o.Key(key, s);
    if (out.changed) s = *out.changed;
  };
  apply(kKeyLeft);
  apply(kKeyLeft);
  EXPECT_EQ(s.music_volume, 80);
  apply(kKeyRight);
  EXPECT_EQ(s.music_volume, 90);
  apply(kKeyDown);
  apply(kKeyEnter);
  EXPECT_TRUE(s.muted);
  apply(kKeyDown);
  apply(kKeyRight);
  EXPECT_FALSE(s.full_screen);
  apply(kKeyDown);
  apply(kKeyRight);
  EXPECT_EQ(std::make_pair(s.window_width, s.window_height), std::make_pair(800, 600));
  apply(kKeyRight);
  EXPECT_EQ(std::make_pair(s.window_width, s.window_height), std::make_pair(1200, 900));
  apply(kKeyLeft);
  apply(kKeyLeft);
  EXPECT_EQ(s.window_width, 0);  // auto
  apply(kKeyDown);
  apply(kKeyLeft);
  EXPECT_EQ(s.scaling, Scaling::Smooth);
  apply(kKeyDown);
  apply(kKeyEnter);
  EXPECT_FALSE(s.pause_on_focus_loss);
  // Up from the first row wraps to BACK, whose Enter closes.
  o.Open();
  o.Key(kKeyUp, s);
  EXPECT_EQ(o.selected(), Row::Back);
  EXPECT_TRUE(o.Key(kKeyEnter, s).close);
  EXPECT_EQ(OptionsOverlay::NextWindowSize(1000, 700, 1), std::make_pair(1200, 900));
  EXPECT_EQ(OptionsOverlay::NextWindowSize(1000, 700, -1), std::make_pair(800, 600));
}

TEST(OptionsOverlayTest, TheMouseChoosesARowAndItsArrowsStep) {
  OptionsOverlay o;
  Settings s;
  o.Open();
  // The volume row is the first: y 78..103; its left arrow lies at x 416..439, its right at 636..659.
  auto down = o.Click(420, 90, s);
  ASSERT_TRUE(down.changed);
  EXPECT_EQ(down.changed->music_volume, 90);
  auto up = o.Click(640, 90, s);
  EXPECT_FALSE(up.changed);  // already 100
  o.MouseMove(200, 78 + 2 * 28 + 5);
  EXPECT_EQ(o.selected(), Row::Display);
  auto display = o.Click(200, 78 + 2 * 28 + 5, s);
  ASSERT_TRUE(display.changed);
  EXPECT_FALSE(display.changed->full_screen);
  EXPECT_TRUE(o.Click(400, 78 + 11 * 28 + 5, s).close);
  EXPECT_FALSE(o.Click(20, 20, s).changed);
}

}  // namespace
}  // namespace cw
