#include <filesystem>

#include <gtest/gtest.h>

#include "app/start_up.h"
#include "support/play_pilot.h"

namespace cw::test {
namespace {

// From the start of a new game in the city into the hut and back out, on the shipped maps.
TEST(HutRoundTrip, WalksFromTheCityStartIntoTheHutAndBackOut) {
  DataCopy data;
  if (!std::filesystem::exists(data.path() / "hut.jpg")) GTEST_SKIP() << "the data folder has no hut";
  TestGame t(data.path());
  Game& g = t.g;
  g.blnStart = true;  // a new game: no splash
  Form_Load(g);
  // Enemies may touch the player on the way: harmless, and no new level interrupts the walk.
  g.Endurance = 50;
  g.ExperienceNeeded = 2000000000;
  g.blnGame = true;
  g.ui.SetFocus(g.e.picCity_base);
  ASSERT_EQ(g.GamePhase, "city");
  ASSERT_DOUBLE_EQ(g.helpXCity, -6);
  ASSERT_DOUBLE_EQ(g.helpYCity, -458);

  Pilot pilot(t);
  std::string why;
  // The hut door: city red that is neither the plant door (my > 1480) nor the skyscraper door.
  ASSERT_TRUE(pilot.WalkToRed([](double, double my) { return !(my > 1480) && !(900 < my && my < 1100); }, 4000, &why))
      << why;
  EXPECT_EQ(g.GamePhase, "hut");
  EXPECT_DOUBLE_EQ(g.helpXCity, -4);
  EXPECT_DOUBLE_EQ(g.helpYCity, -4);
  EXPECT_DOUBLE_EQ(g.My_x, 288);
  EXPECT_DOUBLE_EQ(g.My_y, 350);
  EXPECT_DOUBLE_EQ(g.r, 0);

  const float hh = float(g.e.picHelp_city_base->height) / 2.0f;
  ASSERT_TRUE(pilot.WalkToRed([hh](double, double my) { return my > hh; }, 4000, &why)) << why;
  EXPECT_EQ(g.GamePhase, "city");
  EXPECT_DOUBLE_EQ(g.helpXCity, -440);
  EXPECT_DOUBLE_EQ(g.helpYCity, -6);
  EXPECT_DOUBLE_EQ(g.My_x, 613);
  EXPECT_DOUBLE_EQ(g.My_y, 238);
}

}  // namespace
}  // namespace cw::test
