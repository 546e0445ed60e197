#include "platform/host_os.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace cw {
namespace {

// Whole files come back byte for byte whatever their size, and whether or not the system tells it.
TEST(HostOsTest, ReadWholeFileReturnsEveryByteOrNothing) {
  auto dir = std::filesystem::temp_directory_path() /
             ("cw_read_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::create_directories(dir);
  std::string big;
  for (int i = 0; i < 200001; ++i) big.push_back(char(i * 7 + i / 256));  // every byte value, no pattern at 64 K
  for (const std::string& bytes : {std::string(), std::string("x"), big.substr(0, 65536), big}) {
    std::ofstream(dir / "f", std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
    auto read = ReadWholeFile(dir / "f");
    ASSERT_TRUE(read) << bytes.size();
    EXPECT_EQ(*read, bytes) << bytes.size();
  }
  EXPECT_FALSE(ReadWholeFile(dir / "missing"));
  EXPECT_FALSE(ReadWholeFile(dir));  // a folder is not a file
  std::filesystem::remove_all(dir);
#ifdef __linux__
  // A size of 0 in its status yet lines to read.
  auto status = ReadWholeFile("/proc/self/status");
  ASSERT_TRUE(status);
  EXPECT_EQ(status->rfind("Name:", 0), 0u);
  EXPECT_EQ(status->back(), '\n');
#endif
}

}  // namespace
}  // namespace cw
