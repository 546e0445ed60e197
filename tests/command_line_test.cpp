#include "app/command_line.h"

#include <vector>

#include <gtest/gtest.h>

namespace cw {
namespace {

// Parses the words after the program name; the error text, or "" when they are understood.
std::string Error(std::vector<std::string> words, CommandLine* out = nullptr) {
  std::vector<char*> argv{const_cast<char*>("cinderwake")};
  for (auto& w : words) argv.push_back(w.data());
  std::string error;
  auto cl = ParseCommandLine(int(argv.size()), argv.data(), error);
  if (cl && out) *out = *cl;
  return cl ? "" : error;
}

TEST(CommandLineTest, DesktopOptions) {
  CommandLine cl;
  EXPECT_EQ(Error({"--windowed", "--no-audio", "--save-dir", "/tmp/s", "--record", "a.txt"}, &cl), "");
  EXPECT_TRUE(cl.windowed);
  EXPECT_TRUE(cl.no_audio);
  EXPECT_EQ(cl.save_dir, "/tmp/s");
  EXPECT_EQ(cl.record, "a.txt");
  EXPECT_FALSE(cl.headless);
}

TEST(CommandLineTest, AHeadlessReplayNeedsNoScript) {
  CommandLine cl;
  EXPECT_EQ(Error({"--headless", "--replay", "a.txt"}, &cl), "");
  EXPECT_EQ(cl.replay, "a.txt");
  EXPECT_EQ(Error({"--headless", "--replay", "a.txt", "--script", "s.txt"}, &cl), "");
  EXPECT_EQ(cl.script, "s.txt");
  EXPECT_EQ(Error({"--headless"}), "--headless needs --script FILE");
}

TEST(CommandLineTest, ConflictingOptionsAreRefused) {
  EXPECT_EQ(Error({"--replay", "a.txt", "--record", "b.txt"}), "--record and --replay go one at a time");
  EXPECT_EQ(Error({"--headless", "--replay", "a.txt", "--seed", "3"}),
            "--replay takes its random numbers from the recording, not from --seed");
  EXPECT_EQ(Error({"--script", "s.txt"}), "--script goes with --headless");
  EXPECT_EQ(Error({"--record"}), "--record needs a value");
  EXPECT_EQ(Error({"--fullscreen"}), "unknown option --fullscreen");
}

TEST(CommandLineTest, TheHeadlessContractStands) {
  CommandLine cl;
  EXPECT_EQ(Error({"--headless", "--script", "s.txt", "--seed", "42", "--data-dir", "d"}, &cl), "");
  EXPECT_TRUE(cl.headless);
  EXPECT_EQ(cl.seed, 42u);
  EXPECT_EQ(cl.data_dir, "d");
  EXPECT_EQ(Error({"--headless", "--script", "s.txt", "--seed", "x"}), "--seed takes a whole number, not \"x\"");
}

}  // namespace
}  // namespace cw
