// Replays everything the fuzzers ever found interesting (and anything that once crashed).
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/headless_script.h"
#include "savegame/save_format.h"

namespace cw {
namespace {

std::vector<std::string> Corpus(const std::string& target) {
  std::vector<std::string> files;
  auto dir = std::filesystem::path(CINDERWAKE_SOURCE_DIR) / "tests" / "fuzz_corpus" / target;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    std::ifstream f(entry.path(), std::ios::binary);
    files.emplace_back(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  }
  return files;
}

TEST(FuzzCorpusTest, ScriptParserAcceptsOrRefusesEveryInputCleanly) {
  auto files = Corpus("script");
  ASSERT_GT(files.size(), 100u);
  size_t accepted = 0;
  for (const auto& text : files) {
    try {
      auto commands = ParseScript(text);
      for (size_t i = 1; i < commands.size(); ++i) ASSERT_GE(commands[i].time, commands[i - 1].time);
      ++accepted;
    } catch (const ScriptError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("script line ", 0), 0u) << e.what();
    }
  }
  EXPECT_GT(accepted, 0u);
}

TEST(FuzzCorpusTest, SavedGameCheckLoadsWholeOrRefusesWhole) {
  auto files = Corpus("savegame");
  ASSERT_GE(files.size(), 3u);
  size_t loadable = 0;
  for (const auto& text : files) {
    auto checked = CheckSaveGame(text);
    if (checked.result == CheckedSave::Result::Loadable) {
      EXPECT_LE(checked.values.size(), 17u);
      ++loadable;
    } else {
      EXPECT_TRUE(checked.values.empty());
    }
  }
  EXPECT_GT(loadable, 0u);
}

}  // namespace
}  // namespace cw
