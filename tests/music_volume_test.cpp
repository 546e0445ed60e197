#include "platform/music_volume.h"

#include <gtest/gtest.h>

namespace cw {
namespace {

TEST(MusicVolumeTest, StartsFullAndStepsByTenWithinTheLimits) {
  MusicVolume v;
  EXPECT_EQ(v.percent(), 100);
  EXPECT_EQ(v.MixerLevel(), 128);
  v.Up();
  EXPECT_EQ(v.percent(), 100);
  v.Down();
  v.Down();
  v.Down();
  EXPECT_EQ(v.percent(), 70);
  EXPECT_EQ(v.MixerLevel(), 90);
  EXPECT_EQ(v.Note(), "Music 70%");
  for (int i = 0; i < 12; ++i) v.Down();
  EXPECT_EQ(v.percent(), 0);
  EXPECT_EQ(v.MixerLevel(), 0);
  EXPECT_EQ(v.Note(), "Music 0%");
  v.Up();
  EXPECT_EQ(v.percent(), 10);
  EXPECT_EQ(v.MixerLevel(), 13);
}

TEST(MusicVolumeTest, MuteSilencesAndKeepsTheLevel) {
  MusicVolume v;
  v.Down();
  v.Down();
  v.ToggleMute();
  EXPECT_TRUE(v.muted());
  EXPECT_EQ(v.MixerLevel(), 0);
  EXPECT_EQ(v.Note(), "Music muted");
  EXPECT_EQ(v.percent(), 80);
  v.ToggleMute();
  EXPECT_FALSE(v.muted());
  EXPECT_EQ(v.MixerLevel(), 102);
  EXPECT_EQ(v.Note(), "Music 80%");
}

TEST(MusicVolumeTest, ChangingTheLevelEndsTheMute) {
  MusicVolume v;
  v.ToggleMute();
  v.Down();
  EXPECT_FALSE(v.muted());
  EXPECT_EQ(v.percent(), 90);
  v.ToggleMute();
  v.Up();
  EXPECT_FALSE(v.muted());
  EXPECT_EQ(v.percent(), 100);
}

}  // namespace
}  // namespace cw
