#include "savegame/save_file.h"

#include <gtest/gtest.h>

#include "play/game.h"
#include "savegame/save_format.h"
#include "support/screens_fixtures.h"

namespace cw::test {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kStartUpLines = {"-6", "-458", "city", "171", "376", "0",     "0",     "0", "0",
                                                "0",  "0",    "100",  "1",   "100", "False", "False", "0"};

struct SaveFileTest : ::testing::Test {
  DataCopy data;
  TestGame t{data.path()};
  Game& g = t.g;
  void SetUp() override { WriteSmallCity(t.platform, data.path()); }
  fs::path SaveFile() const { return data.path() / "SaveGame.txt"; }
};

// ---- Saving

TEST_F(SaveFileTest, StartUpValuesGiveTheSeventeenLines) {
  ASSERT_TRUE(SaveGame(g));
  EXPECT_EQ(CrLfLines(kStartUpLines), ReadBytes(SaveFile()));
  EXPECT_FALSE(fs::exists(data.path() / kSaveTempName));
}

TEST_F(SaveFileTest, TheTextIsKeptWithoutTheLastLineEnd) {
  ASSERT_TRUE(SaveGame(g));
  std::string bytes = CrLfLines(kStartUpLines);
  EXPECT_EQ(bytes.substr(0, bytes.size() - 2), g.SaveGameText);
}

TEST_F(SaveFileTest, FractionsKeepFifteenSignificantDigitsWithoutExponent) {
  g.helpXCity = -6.5;
  g.helpYCity = -457.25;
  g.My_x = 1.0 / 3.0;
  g.My_y = 376.0000001;
  ASSERT_TRUE(SaveGame(g));
  auto lines = SplitSaveLines(ReadBytes(SaveFile()));
  EXPECT_EQ("-6.5", lines[0]);
  EXPECT_EQ("-457.25", lines[1]);
  EXPECT_EQ("0.333333333333333", lines[3]);
  EXPECT_EQ("376.0000001", lines[4]);
}

TEST_F(SaveFileTest, KeyWithoutCardWritesTrueThenFalse) {
  g.ui.Show(g.e.imgKey);
  g.e.lblPoints->caption = "7";
  ASSERT_TRUE(SaveGame(g));
  auto lines = SplitSaveLines(ReadBytes(SaveFile()));
  ASSERT_EQ(17u, lines.size());
  EXPECT_EQ("True", lines[14]);
  EXPECT_EQ("False", lines[15]);
  EXPECT_EQ("7", lines[16]);
}

TEST_F(SaveFileTest, StatisticsAreWrittenInFileOrder) {
  g.GamePhase = "duvave2";
  g.Strength = 1;
  g.Endurance = 2;
  g.Vitality = 3;
  g.Ultimate = 4;
  g.Healing = 5;
  g.Experience = 1234567;
  g.ExperienceNeeded = 1600;
  g.Level = 5;
  g.Life = -3;
  ASSERT_TRUE(SaveGame(g));
  auto lines = SplitSaveLines(ReadBytes(SaveFile()));
  std::vector<std::string> stats(lines.begin() + 5, lines.begin() + 14);
  EXPECT_EQ("duvave2", lines[2]);
  EXPECT_EQ((std::vector<std::string>{"1", "2", "3", "4", "5", "1234567", "1600", "5", "-3"}), stats);
}

TEST_F(SaveFileTest, SavingReplacesTheWholeFile) {
  WriteBytes(SaveFile(), std::string(5000, 'x'));
  ASSERT_TRUE(SaveGame(g));
  EXPECT_EQ(CrLfLines(kStartUpLines), ReadBytes(SaveFile()));
}

TEST_F(SaveFileTest, FailsAndKeepsTheOldFileWhenTheTemporaryNameIsTaken) {
  WriteBytes(SaveFile(), "NoSaveGame\r\n");
  fs::create_directory(data.path() / kSaveTempName);
  EXPECT_FALSE(SaveGame(g));
  EXPECT_EQ("NoSaveGame\r\n", ReadBytes(SaveFile()));
  EXPECT_TRUE(fs::is_directory(data.path() / kSaveTempName));
}

TEST_F(SaveFileTest, FailsWhenTheDataFolderCannotExist) {
  // A folder inside a regular file: no one, root included, can write there.
  WriteBytes(data.path() / "plain_file", "x");
  TestGame other(data.path() / "plain_file" / "data");
  EXPECT_FALSE(SaveGame(other.g));
}

TEST_F(SaveFileTest, FailsWhenTheSavedGameIsAFolder) {
  fs::remove(SaveFile());
  fs::create_directories(SaveFile() / "inside");
  EXPECT_FALSE(SaveGame(g));
  EXPECT_TRUE(fs::is_directory(SaveFile()));
  EXPECT_FALSE(fs::exists(data.path() / kSaveTempName));
}

// ---- Loading

TEST_F(SaveFileTest, RoundTripWithFractionsAndItems) {
  g.helpXCity = -106.75;
  g.helpYCity = -300.125;
  g.My_x = 401.5;
  g.My_y = 1.0 / 3.0;
  g.Strength = 5;
  g.Vitality = 2;
  g.Experience = 420;
  g.ExperienceNeeded = 800;
  g.Level = 4;
  g.Life = 133;
  g.e.lblStrenght->caption = "5";
  g.e.lblVitality->caption = "2";
  g.e.lblLevel->caption = "4";
  g.ui.Show(g.e.imgCard);
  g.e.lblPoints->caption = "3";
  ASSERT_TRUE(SaveGame(g));
  auto saved = SavedFields(g);

  TestGame other(data.path());
  ASSERT_TRUE(LoadGame(other.g));
  auto loaded = SavedFields(other.g);
  EXPECT_EQ(saved[0], loaded[0]);
  EXPECT_EQ(saved[1], loaded[1]);
  EXPECT_EQ(saved[2], loaded[2]);
  EXPECT_EQ(saved[3], loaded[3]);
  EXPECT_EQ("0.333333333333333", loaded[4]);  // fifteen significant digits survive
  for (size_t i = 5; i < saved.size(); ++i) EXPECT_EQ(saved[i], loaded[i]) << "line " << i + 1;
  EXPECT_EQ(-106.75, double(other.g.helpXCity));
  EXPECT_FALSE(other.g.e.imgKey->visible);
  EXPECT_TRUE(other.g.e.imgCard->visible);
  EXPECT_EQ("5", other.g.e.lblStrenght->caption);
  EXPECT_EQ("4", other.g.e.lblLevel->caption);
}

TEST_F(SaveFileTest, LoadingAKeyWithoutCardShowsOnlyTheKey) {
  g.ui.Show(g.e.imgCard);
  auto lines = kStartUpLines;
  lines[14] = "True";
  WriteBytes(SaveFile(), CrLfLines(lines));
  ASSERT_TRUE(LoadGame(g));
  EXPECT_TRUE(g.e.imgKey->visible);
  EXPECT_FALSE(g.e.imgCard->visible);
}

TEST_F(SaveFileTest, ItemsTakeNumbersTooNonZeroIsHeld) {
  auto lines = kStartUpLines;
  lines[14] = "-1";
  lines[15] = "0";
  g.ui.Show(g.e.imgCard);
  WriteBytes(SaveFile(), CrLfLines(lines));
  ASSERT_TRUE(LoadGame(g));
  EXPECT_TRUE(g.e.imgKey->visible);
  EXPECT_FALSE(g.e.imgCard->visible);
}

TEST_F(SaveFileTest, StatisticsShowInTheirLabelsAsWholeNumbers) {
  auto lines = kStartUpLines;
  lines[5] = "2.5";  // halves to even
  lines[6] = "3.5";
  lines[12] = "7";
  lines[16] = "12";
  WriteBytes(SaveFile(), CrLfLines(lines));
  ASSERT_TRUE(LoadGame(g));
  EXPECT_EQ(2, g.Strength.get());
  EXPECT_EQ("2", g.e.lblStrenght->caption);
  EXPECT_EQ(4, g.Endurance.get());
  EXPECT_EQ("4", g.e.lblEndurance->caption);
  EXPECT_EQ("7", g.e.lblLevel->caption);
  EXPECT_EQ("12", g.e.lblPoints->caption);
}

TEST_F(SaveFileTest, FewerLinesApplyWhatIsThereAndKeepTheRest) {
  g.Strength = 9;
  g.Life = 55;
  WriteBytes(SaveFile(), CrLfLines({"-10", "-20", "city", "300", "250", "1"}));
  ASSERT_TRUE(LoadGame(g));
  EXPECT_EQ(-10.0, double(g.helpXCity));
  EXPECT_EQ(-20.0, double(g.helpYCity));
  EXPECT_EQ(300.0, double(g.My_x));
  EXPECT_EQ(250.0, double(g.My_y));
  EXPECT_EQ(1, g.Strength.get());
  EXPECT_EQ(55, g.Life.get());
}

TEST_F(SaveFileTest, ALastLineWithoutLineEndCounts) {
  WriteBytes(SaveFile(), "-10\r\n-20");
  ASSERT_TRUE(LoadGame(g));
  EXPECT_EQ(-20.0, double(g.helpYCity));
}

TEST_F(SaveFileTest, AnEmptyFileLoadsAndChangesNothing) {
  WriteBytes(SaveFile(), "");
  auto before = SavedFields(g);
  EXPECT_TRUE(LoadGame(g));
  EXPECT_EQ(before, SavedFields(g));
}

TEST_F(SaveFileTest, LinesAfterTheSeventeenthAreIgnored) {
  auto lines = kStartUpLines;
  lines[16] = "4";
  lines.push_back("NoSaveGame");
  lines.push_back("not a number");
  WriteBytes(SaveFile(), CrLfLines(lines));
  ASSERT_TRUE(LoadGame(g));
  EXPECT_EQ("4", g.e.lblPoints->caption);
}

TEST_F(SaveFileTest, TheLocationIsLoadedRightAfterTheThirdLine) {
  // Three lines: the offsets and the location; the player's position stays as it was.
  g.My_x = 222;
  WriteBytes(SaveFile(), CrLfLines({"-100", "-200", "city"}));
  ASSERT_TRUE(LoadGame(g));
  EXPECT_EQ("city", g.GamePhase);
  EXPECT_EQ(90.0, g.e.picHelp_city_base->width);  // the city's picture, loaded by the location
  EXPECT_EQ(-100.0, double(g.helpXCity));
  EXPECT_EQ(222.0, double(g.My_x));
}

TEST_F(SaveFileTest, NoSaveGameOnTheFirstLineLoadsNothingWhateverFollows) {
  WriteBytes(SaveFile(), CrLfLines({"NoSaveGame", "-20", "city", "300", "250", "1"}));
  auto before = SavedFields(g);
  EXPECT_FALSE(LoadGame(g));
  EXPECT_EQ(before, SavedFields(g));
}

TEST_F(SaveFileTest, TheSentinelIsTheWholeFirstLineExactly) {
  auto before = SavedFields(g);
  for (const char* first : {"nosavegame", "NoSaveGame ", " NoSaveGame", "NoSaveGameX"}) {
    WriteBytes(SaveFile(), std::string(first) + "\r\n");
    EXPECT_FALSE(LoadGame(g)) << first;  // not a number either
    EXPECT_EQ(before, SavedFields(g));
  }
  WriteBytes(SaveFile(), "NoSaveGame");
  EXPECT_FALSE(LoadGame(g));
}

// ---- Files that can't be loaded

TEST_F(SaveFileTest, AMissingFileCountsAsNoSavedGame) {
  fs::remove(SaveFile());
  EXPECT_FALSE(LoadGame(g));
}

TEST_F(SaveFileTest, AFolderInPlaceOfTheFileCountsAsNoSavedGame) {
  fs::remove(SaveFile());
  fs::create_directory(SaveFile());
  auto before = SavedFields(g);
  EXPECT_FALSE(LoadGame(g));
  EXPECT_EQ(before, SavedFields(g));
}

TEST_F(SaveFileTest, ALineThatDoesNotFitItsFieldMakesTheWholeFileUnloadable) {
  const struct {
    size_t line;
    const char* text;
  } kBroken[] = {
      {0, "abc"},        {1, ""},     {0, "1e10"},        {2, "town"},        {2, "City"},
      {2, "NoSaveGame"}, {3, "12,5"}, {4, "nan"},         {5, "32768"},       {6, "-32769"},
      {7, "x"},          {8, "1e5"},  {9, "inf"},         {10, "2147483648"}, {11, "-2147483649"},
      {12, "40000"},     {13, "--1"}, {14, "Maybe"},      {15, "true"},       {16, "2.5"},
      {16, "five"},      {16, ""},    {16, "3000000000"},
  };
  auto base = kStartUpLines;
  base[15] = "True";  // different from the state in memory, so a half-load would show
  for (const auto& b : kBroken) {
    auto lines = base;
    lines[b.line] = b.text;
    WriteBytes(SaveFile(), CrLfLines(lines));
    g.Strength = 9;
    g.My_x = 1;
    auto before = SavedFields(g);
    EXPECT_FALSE(LoadGame(g)) << "line " << b.line + 1 << " \"" << b.text << "\"";
    EXPECT_EQ(before, SavedFields(g)) << "line " << b.line + 1;
  }
}

TEST_F(SaveFileTest, ABrokenLineAfterGoodOnesStillChangesNothing) {
  WriteBytes(SaveFile(), CrLfLines({"-10", "-20", "city", "300", "250", "1", "2", "3", "4", "5", "10", "100", "1",
                                    "100", "False", "Nope"}));
  auto before = SavedFields(g);
  EXPECT_FALSE(LoadGame(g));
  EXPECT_EQ(before, SavedFields(g));
}

// ---- Line ends

TEST(SaveLinesTest, CrLfLoneLfAndLoneCrEndLines) {
  EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "d"}), SplitSaveLines("a\r\nb\nc\rd"));
  EXPECT_EQ((std::vector<std::string>{"a", ""}), SplitSaveLines("a\r\n\r\n"));
  EXPECT_EQ((std::vector<std::string>{}), SplitSaveLines(""));
}

}  // namespace
}  // namespace cw::test
