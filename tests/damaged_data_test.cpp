// Damaged pictures, masks and story pages: the start-up check refuses the file by name, or the game
// decodes what it can and plays on. Never a crash or a hang (the sanitized run of the suite checks the
// rest).
#include <fstream>
#include <iostream>
#include <random>

#include <gtest/gtest.h>

#include "app/data_check.h"
#include "play/game_loop.h"
#include "support/screens_fixtures.h"
#include "support/test_game.h"
#include "world/location_catalogue.h"
#include "world/location_loader.h"

namespace cw::test {
namespace {

namespace fs = std::filesystem;

struct Damage {
  std::string what;
  std::string bytes;
};

// Truncated at several points, bytes flipped after the header or in it, another format in its place.
std::vector<Damage> Damages(const std::string& whole, const std::string& other_format, std::mt19937& rng) {
  std::vector<Damage> out;
  for (int eighths : {0, 1, 4, 7})
    out.push_back({"cut to " + std::to_string(eighths) + "/8", whole.substr(0, whole.size() * eighths / 8)});
  out.push_back({"cut by one byte", whole.substr(0, whole.size() - 1)});
  auto flipped = [&](size_t from, int count) {
    std::string b = whole;
    std::uniform_int_distribution<size_t> at(from, b.size() - 3);
    for (int i = 0; i < count; ++i) b[at(rng)] ^= char(1 + rng() % 255);
    return b;
  };
  out.push_back({"64 bytes flipped in the body", flipped(whole.size() / 8, 64)});
  out.push_back({"16 bytes flipped in the first 32", flipped(2, 0)});
  for (int i = 0; i < 16; ++i) out.back().bytes[2 + rng() % 30] ^= char(1 + rng() % 255);
  out.push_back({"another format", other_format});
  return out;
}

TEST(DamagedDataTest, RefusedByNameOrPlayedWithWhatDecodes) {
  DataCopy data;
  const fs::path dir = data.path();
  std::mt19937 rng(17);
  const std::string a_jpeg = ReadBytes(dir / "city.jpg"), a_gif = ReadBytes(dir / "cityCollid.gif");
  int tried = 0, refused = 0, decoded = 0, undecodable = 0;
  for (const auto& [file, is_jpeg] : RequiredDataFiles()) {
    SCOPED_TRACE(file);
    const std::string whole = ReadBytes(dir / file);
    ASSERT_FALSE(whole.empty());
    TestGame t(dir);
    Game& g = t.g;
    const auto original = g.media.DecodePicture((dir / file).string());
    ASSERT_TRUE(original.has_value());
    const LocationInfo* location = nullptr;
    for (const LocationInfo& l : Locations())
      if (l.picture == file || l.mask == file) location = &l;

    for (const Damage& d : Damages(whole, is_jpeg ? a_gif : a_jpeg, rng)) {
      SCOPED_TRACE(d.what);
      ++tried;
      WriteBytes(dir / file, d.bytes);
      if (auto refusal = CheckDataFolder(dir)) {
        ++refused;
        EXPECT_NE(refusal->find(file), std::string::npos) << *refusal;
        continue;
      }
      // Accepted: decoded at its own size, or not at all.
      auto picture = g.media.DecodePicture((dir / file).string());
      if (picture) {
        ++decoded;
        EXPECT_EQ(picture->width, original->width);
        EXPECT_EQ(picture->height, original->height);
      } else {
        ++undecodable;
      }
      // And played: the location entered and a few passes run in it, or the story page shown.
      try {
        if (location) {
          static_cast<GameState&>(g) = GameState{};
          g.GamePhase = location->name;
          g.blnGame = true;
          LoadLocation(g, "save");
          for (int pass = 0; pass < 3; ++pass) RunGameFrame(g);
        } else {
          g.LoadPicture(g.e.picStory_help, file);
        }
      } catch (const RuntimeFault&) {
        // A picture that can't be decoded ends the pass; the next one runs as usual.
      }
    }
    WriteBytes(dir / file, whole);
  }
  std::cout << tried << " damaged files: " << refused << " refused at start-up, " << decoded << " decoded, "
            << undecodable << " not decodable\n";
  EXPECT_EQ(tried, int(RequiredDataFiles().size()) * 8);
  EXPECT_GT(refused, 0);
  EXPECT_GT(decoded, 0);
}

}  // namespace
}  // namespace cw::test
