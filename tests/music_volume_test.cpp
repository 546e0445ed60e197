#include "platform/music_volume.h"

#include <gtest/gtest.h>

#include "settings/settings.h"

namespace cw {
namespace {

TEST(MusicVolumeTest, StartsFullAndStepsByTenWithinTheLimits) {
  Settings v;
  EXPECT_EQ(v.music_volume, 100);
  EXPECT_EQ(MixerLevel(v.music_volume, v.muted), 128);
  v.VolumeUp();
  EXPECT_EQ(v.music_volume, 100);
  v.VolumeDown();
  v.VolumeDown();
  v.VolumeDown();
  EXPECT_EQ(v.music_volume, 70);
  EXPECT_EQ(MixerLevel(v.music_volume, v.muted), 90);
  EXPECT_EQ(v.VolumeNote(), "Music 70%");
  for (int i = 0; i < 12; ++i) v.VolumeDown();
  EXPECT_EQ(v.music_volume, 0);
  EXPECT_EQ(MixerLevel(v.music_volume, v.muted), 0);
  EXPECT_EQ(v.VolumeNote(), "Music 0%");
  v.VolumeUp();
  EXPECT_EQ(v.music_volume, 10);
  EXPECT_EQ(MixerLevel(v.music_volume, v.muted), 13);
}

TEST(MusicVolumeTest, MuteSilencesAndKeepsTheLevel) {
  Settings v;
  v.VolumeDown();
  v.VolumeDown();
  v.ToggleMute();
  EXPECT_TRUE(v.muted);
  EXPECT_EQ(MixerLevel(v.music_volume, v.muted), 0);
  EXPECT_EQ(v.VolumeNote(), "Music muted");
  EXPECT_EQ(v.music_volume, 80);
  v.ToggleMute();
  EXPECT_FALSE(v.muted);
  EXPECT_EQ(MixerLevel(v.music_volume, v.muted), 102);
  EXPECT_EQ(v.VolumeNote(), "Music 80%");
}

TEST(MusicVolumeTest, ChangingTheLevelEndsTheMute) {
  Settings v;
  v.ToggleMute();
  v.VolumeDown();
  EXPECT_FALSE(v.muted);
  EXPECT_EQ(v.music_volume, 90);
  v.ToggleMute();
  v.VolumeUp();
  EXPECT_FALSE(v.muted);
  EXPECT_EQ(v.music_volume, 100);
}

}  // namespace
}  // namespace cw
