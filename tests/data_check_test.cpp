#include "app/data_check.h"

#include <fstream>

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace cw {
namespace {

std::string Slurp(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

TEST(DataCheckTest, WholePicturesPassAndBrokenOnesDoNot) {
  std::string jpeg = Slurp(std::filesystem::path(CINDERWAKE_TEST_DATA_DIR) / "hut.jpg");
  std::string gif = Slurp(std::filesystem::path(CINDERWAKE_TEST_DATA_DIR) / "hutCollid.gif");
  EXPECT_TRUE(LooksLikeWholeJpeg(jpeg));
  EXPECT_TRUE(LooksLikeWholeGif(gif));
  EXPECT_FALSE(LooksLikeWholeJpeg(jpeg.substr(0, jpeg.size() / 2)));
  EXPECT_FALSE(LooksLikeWholeGif(gif.substr(0, gif.size() - 1)));
  EXPECT_FALSE(LooksLikeWholeJpeg(gif));
  EXPECT_FALSE(LooksLikeWholeGif(jpeg));
  EXPECT_FALSE(LooksLikeWholeJpeg(""));
  EXPECT_FALSE(LooksLikeWholeGif("GIF89a"));
  EXPECT_FALSE(LooksLikeWholeJpeg(std::string("\xFF\xD8\xFF\x00\x01", 5)));
}

TEST(DataCheckTest, AMissingOrDamagedFileStopsTheProgramWithItsName) {
  test::DataCopy data;
  EXPECT_FALSE(CheckDataFolder(data.path()));

  std::filesystem::remove(data.path() / "duvavelab1collid.gif");
  auto problem = CheckDataFolder(data.path());
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find("missing data file"), std::string::npos);
  EXPECT_NE(problem->find("duvavelab1collid.gif"), std::string::npos);

  auto r = test::RunHeadless(data.path(), "0 quit\n", {"--data-dir", data.path().string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("duvavelab1collid.gif"), std::string::npos) << r.out;

  std::filesystem::copy_file(std::filesystem::path(CINDERWAKE_TEST_DATA_DIR) / "duvavelab1collid.gif",
                             data.path() / "duvavelab1collid.gif");
  std::ofstream(data.path() / "story_end.gif", std::ios::binary) << "GIF89a garbage";
  problem = CheckDataFolder(data.path());
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find("damaged data file"), std::string::npos);
  EXPECT_NE(problem->find("story_end.gif"), std::string::npos);
}

TEST(DataCheckTest, MissingMusicOnlyLeavesTheGameSilent) {
  test::DataCopy data;
  std::filesystem::remove(data.path() / "music.mp3");
  std::filesystem::remove(data.path() / "music2.mp3");
  auto dump = data.path() / "d.json";
  auto r = test::RunHeadless(data.path(), "100 dump " + dump.string() + "\n", {"--data-dir", data.path().string()});
  ASSERT_EQ(r.status, 0) << r.out;
  auto d = test::ReadJson(dump);
  EXPECT_EQ(d["music"]["file"], "music2.mp3");
  EXPECT_EQ(d["music"]["playing"], false);
}

}  // namespace
}  // namespace cw
