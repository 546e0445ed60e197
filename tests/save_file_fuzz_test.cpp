// Damaged saved games: whatever the file holds, loading never faults and never applies part of a file.
#include <random>

#include <gtest/gtest.h>

#include "play/game.h"
#include "savegame/save_file.h"
#include "savegame/save_format.h"
#include "support/screens_fixtures.h"

namespace cw::test {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kGoodLines = {"-106.5", "-300.25", "city", "401.125", "250", "3",    "2",     "1", "0",
                                             "4",      "420",     "800",  "4",       "133", "True", "False", "6"};

const std::vector<std::string> kOddTexts = {
    "",
    " ",
    "\t",
    "0",
    "-0",
    "1e308",
    "-1e309",
    "nan",
    "inf",
    "0x10",
    "1.5",
    "2.5",
    "32767",
    "32768",
    "-32768",
    "-32769",
    "2147483647",
    "2147483648",
    "-2147483649",
    "True",
    "False",
    "true",
    "NoSaveGame",
    "city",
    "City",
    "hut ",
    "5.",
    ".5",
    "+3",
    "1,5",
    "\t7 ",
    "1e3",
    "\xd9\xa3",
    std::string("4\0"
                "2",
                3),
    "--5",
    "5-",
    "1e",
    "e5",
    "999999999999999999999",
};

// One damaged file made from the good one.
std::string Mutate(std::mt19937& rng) {
  auto pick = [&](size_t n) { return size_t(std::uniform_int_distribution<size_t>(0, n - 1)(rng)); };
  std::vector<std::string> lines = kGoodLines;
  switch (pick(6)) {
    case 0:  // one line replaced
      lines[pick(lines.size())] = kOddTexts[pick(kOddTexts.size())];
      break;
    case 1:  // a few lines replaced
      for (size_t n = 1 + pick(4); n > 0; --n) lines[pick(lines.size())] = kOddTexts[pick(kOddTexts.size())];
      break;
    case 2:  // cut short
      lines.resize(pick(lines.size() + 1));
      break;
    case 3:  // extra lines
      for (size_t n = 1 + pick(5); n > 0; --n) lines.push_back(kOddTexts[pick(kOddTexts.size())]);
      break;
    default: break;
  }
  std::string bytes = CrLfLines(lines);
  if (pick(3) == 0) {  // raw byte damage
    for (size_t n = 1 + pick(6); n > 0 && !bytes.empty(); --n) {
      size_t at = pick(bytes.size());
      switch (pick(3)) {
        case 0: bytes[at] = char(pick(256)); break;
        case 1: bytes.erase(at, 1); break;
        default: bytes.insert(at, 1, char(pick(256))); break;
      }
    }
  }
  if (pick(4) == 0) bytes.resize(pick(bytes.size() + 1));
  return bytes;
}

// What a loadable file must have put in place: each line present, read back as its field shows it.
std::vector<std::string> ExpectedAfterLoad(const std::vector<std::string>& before, const std::string& bytes) {
  auto after = before;
  auto lines = SplitSaveLines(bytes);
  auto whole = [](const std::string& s) { return std::to_string(int64_t(RoundHalfEven(*ParseNumber(s)))); };
  for (size_t i = 0; i < lines.size() && i < 17; ++i) {
    const std::string& l = lines[i];
    switch (i) {
      case 0:
      case 1:
      case 3:
      case 4: after[i] = NumberText(*ParseNumber(l)); break;
      case 2: after[i] = l; break;
      case 5:
      case 6:
      case 7:
      case 8:
      case 9:
      case 12: after[i] = whole(l) + "/" + whole(l); break;
      case 10:
      case 11:
      case 13: after[i] = whole(l); break;
      case 14: after[i] = (l == "True" || (l != "False" && *ParseNumber(l) != 0)) ? "key" : "no key"; break;
      case 15: after[i] = (l == "True" || (l != "False" && *ParseNumber(l) != 0)) ? "card" : "no card"; break;
      case 16: after[i] = l; break;
    }
  }
  return after;
}

TEST(SaveFileFuzzTest, DamagedFilesLoadWholeOrNotAtAll) {
  DataCopy data;
  TestGame t(data.path());
  Game& g = t.g;
  t.platform.SavePng(Surface(40, 30, 0x00406080), (data.path() / "city.jpg").string());
  t.platform.SavePng(Surface(40, 30, 0x00000000), (data.path() / "cityCollid.gif").string());
  fs::path file = data.path() / "SaveGame.txt";
  std::mt19937 rng(20240611);
  int loaded = 0, refused = 0;
  for (int round = 0; round < 400; ++round) {
    std::string bytes = Mutate(rng);
    WriteBytes(file, bytes);
    auto before = SavedFields(g);
    bool ok = false;
    ASSERT_NO_THROW(ok = LoadGame(g)) << "round " << round;
    if (ok) {
      ++loaded;
      ASSERT_EQ(ExpectedAfterLoad(before, bytes), SavedFields(g)) << "round " << round;
    } else {
      ++refused;
      ASSERT_EQ(before, SavedFields(g)) << "round " << round;
    }
    // Start the next round from other values, so every applied line shows.
    g.helpXCity = round;
    g.Strength = round % 20;
    g.e.lblStrenght->caption = std::to_string(round % 20);
    g.e.lblPoints->caption = "x";
  }
  // Both kinds of file were met.
  EXPECT_GT(loaded, 100);
  EXPECT_GT(refused, 100);
}

}  // namespace
}  // namespace cw::test
