// Damaged saved games: whatever the file holds, loading never faults and never applies part of a file.
#include <map>
#include <optional>
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

// How the game reads each text the damaged files are made of, written out by hand: a position as it
// shows it (none beyond 32-bit), rounded halves to even for a statistic (none beyond 32-bit), whether it
// is whole (a points caption must be), and whether it is other than 0 (an item held).
struct Reading {
  std::optional<std::string> position;
  std::optional<int64_t> whole;
  bool integral;
  bool nonzero;
};
const std::map<std::string, Reading> kNumbers = {
    {"-106.5", {"-106.5", -106, false, true}},
    {"-300.25", {"-300.25", -300, false, true}},
    {"401.125", {"401.125", 401, false, true}},
    {"0", {"0", 0, true, false}},
    {"-0", {"0", 0, true, false}},
    {"1", {"1", 1, true, true}},
    {"2", {"2", 2, true, true}},
    {"3", {"3", 3, true, true}},
    {"4", {"4", 4, true, true}},
    {"6", {"6", 6, true, true}},
    {"133", {"133", 133, true, true}},
    {"250", {"250", 250, true, true}},
    {"420", {"420", 420, true, true}},
    {"800", {"800", 800, true, true}},
    {"1e308", {std::nullopt, std::nullopt, true, true}},
    {"1.5", {"1.5", 2, false, true}},
    {"2.5", {"2.5", 2, false, true}},
    {"32767", {"32767", 32767, true, true}},
    {"32768", {"32768", 32768, true, true}},
    {"-32768", {"-32768", -32768, true, true}},
    {"-32769", {"-32769", -32769, true, true}},
    {"2147483647", {"2147483647", 2147483647, true, true}},
    {"2147483648", {std::nullopt, std::nullopt, true, true}},
    {"-2147483649", {std::nullopt, std::nullopt, true, true}},
    {"5.", {"5", 5, true, true}},
    {".5", {"0.5", 0, false, true}},
    {"+3", {"3", 3, true, true}},
    {"\t7 ", {"7", 7, true, true}},
    {"1e3", {"1000", 1000, true, true}},
    {"999999999999999999999", {std::nullopt, std::nullopt, true, true}},
};
// Every other text ("", "nan", "0x10", "1,5", "True", ...) is no number at all.
const Reading* NumberIn(const std::string& text) {
  auto it = kNumbers.find(text);
  return it == kNumbers.end() ? nullptr : &it->second;
}

struct Damaged {
  std::vector<std::string> lines;  // as made, before any damage to the bytes
  std::string bytes;
  bool bytes_damaged = false;
};

// One damaged file made from the good one.
Damaged Mutate(std::mt19937& rng) {
  auto pick = [&](size_t n) { return size_t(std::uniform_int_distribution<size_t>(0, n - 1)(rng)); };
  Damaged d;
  std::vector<std::string>& lines = d.lines;
  lines = kGoodLines;
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
  std::string& bytes = d.bytes;
  bytes = CrLfLines(lines);
  if (pick(3) == 0) {  // raw byte damage
    for (size_t n = 1 + pick(6); n > 0 && !bytes.empty(); --n) {
      size_t at = pick(bytes.size());
      switch (pick(3)) {
        case 0: bytes[at] = char(pick(256)); break;
        case 1: bytes.erase(at, 1); break;
        default: bytes.insert(at, 1, char(pick(256))); break;
      }
    }
    d.bytes_damaged = true;
  }
  if (pick(4) == 0) {
    bytes.resize(pick(bytes.size() + 1));
    d.bytes_damaged = true;
  }
  return d;
}

// The fields after loading whole lines (the 18th on unread), or nothing when one of the first 17 can't be
// used for its field, so that the file must be refused.
std::optional<std::vector<std::string>> ExpectedAfterLoad(const std::vector<std::string>& before,
                                                          const std::vector<std::string>& lines) {
  if (!lines.empty() && lines[0] == "NoSaveGame") return std::nullopt;
  auto after = before;
  for (size_t i = 0; i < lines.size() && i < 17; ++i) {
    const std::string& l = lines[i];
    const Reading* n = NumberIn(l);
    auto stat = [&](int64_t lo, int64_t hi) -> std::optional<std::string> {
      if (!n || !n->whole || *n->whole < lo || *n->whole > hi) return std::nullopt;
      return std::to_string(*n->whole);
    };
    std::optional<std::string> field;
    switch (i) {
      case 0:
      case 1:
      case 3:
      case 4:
        if (n) field = n->position;
        break;
      case 2:
        if (l == "city") field = l;
        break;
      case 5:
      case 6:
      case 7:
      case 8:
      case 9:
      case 12:
        if (auto w = stat(-32768, 32767)) field = *w + "/" + *w;
        break;
      case 10:
      case 11: field = stat(INT32_MIN, INT32_MAX); break;
      case 13: field = stat(-32768, 32767); break;
      case 14:
      case 15: {
        const bool held = l == "True" || (n && n->nonzero);
        if (l == "True" || l == "False" || n) field = std::string(held ? "" : "no ") + (i == 14 ? "key" : "card");
        break;
      }
      case 16:
        if (n && n->integral && n->whole) field = l;
        break;
    }
    if (!field) return std::nullopt;
    after[i] = *field;
  }
  return after;
}

TEST(SaveFileFuzzTest, DamagedFilesLoadWholeOrNotAtAll) {
  DataCopy data;
  TestGame t(data.path()), other(data.path());
  Game& g = t.g;
  t.platform.SavePng(Surface(40, 30, 0x00406080), (data.path() / "city.jpg").string());
  t.platform.SavePng(Surface(40, 30, 0x00000000), (data.path() / "cityCollid.gif").string());
  fs::path file = data.path() / "SaveGame.txt";
  std::mt19937 rng(20240611);
  int loaded = 0, refused = 0, damaged_loaded = 0;
  for (int round = 0; round < 400; ++round) {
    const Damaged d = Mutate(rng);
    WriteBytes(file, d.bytes);
    auto before = SavedFields(g);
    bool ok = false;
    ASSERT_NO_THROW(ok = LoadGame(g)) << "round " << round;
    if (ok) {
      ++loaded;
    } else {
      ++refused;
      ASSERT_EQ(before, SavedFields(g)) << "round " << round;
    }
    if (!d.bytes_damaged) {
      auto expected = ExpectedAfterLoad(before, d.lines);
      ASSERT_EQ(ok, expected.has_value()) << "round " << round;
      if (ok) {
        ASSERT_EQ(*expected, SavedFields(g)) << "round " << round;
      }
    } else if (ok) {
      // Lines of unknown content: a game that starts from other values ends up the same in every field
      // the file changed.
      ++damaged_loaded;
      other.g.helpXCity = -round - 1000;
      other.g.Strength = 7 + round % 5;
      other.g.e.lblPoints->caption = "y";
      bool other_ok = false;
      ASSERT_NO_THROW(other_ok = LoadGame(other.g)) << "round " << round;
      ASSERT_TRUE(other_ok) << "round " << round;
      auto after = SavedFields(g), other_after = SavedFields(other.g);
      for (size_t i = 0; i < after.size(); ++i)
        if (after[i] != before[i]) {
          ASSERT_EQ(after[i], other_after[i]) << "round " << round << ", line " << i + 1;
        }
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
  EXPECT_GT(damaged_loaded, 0);
}

}  // namespace
}  // namespace cw::test
