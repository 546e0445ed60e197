#include "platform/picture_read_ahead.h"

#include <atomic>
#include <fstream>

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

TEST(PictureReadAheadTest, HandsOutEachPictureOnceAndNeverAStaleOne) {
  test::DataCopy data;
  std::atomic<int> decodes{0};
  auto decode = [&decodes](const std::string& path) -> std::optional<Surface> {
    ++decodes;
    return Surface(int(path.size()), 1, 0x00ABCDEF);
  };
  PictureReadAhead ahead;
  std::string city = (data.path() / "city.jpg").string();
  std::string hut = (data.path() / "hut.jpg").string();
  ahead.Start(city, decode);
  ahead.Start(hut, decode);
  ahead.Start((data.path() / "missing.jpg").string(), decode);  // left to the ordinary path

  auto taken = ahead.Take(city);
  ASSERT_TRUE(taken.has_value());
  ASSERT_TRUE(taken->has_value());
  EXPECT_EQ((*taken)->width, int(city.size()));
  EXPECT_FALSE(ahead.Take(city).has_value());  // once only
  EXPECT_FALSE(ahead.Take((data.path() / "missing.jpg").string()).has_value());

  // The file changed after the read-ahead began: its result is not used.
  {
    std::ofstream out(hut, std::ios::app | std::ios::binary);
    out << "more";
  }
  EXPECT_FALSE(ahead.Take(hut).has_value());
  EXPECT_EQ(decodes.load(), 2);
}

}  // namespace
}  // namespace cw
