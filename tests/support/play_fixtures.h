#pragma once
// Shared by the play tests: scratch data folders with small location pictures and masks.
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "support/test_game.h"

namespace cw::test {

inline constexpr uint32_t kOpenGround = 0x00000000;

// An empty temporary folder, removed with the object.
class ScratchDir {
 public:
  ScratchDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("cinderwake-play-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string MaskFileOf(const std::string& location) {
  return location + (location == "duvavelab1" ? "collid.gif" : "Collid.gif");
}

// Sizes of the test locations: only the half lines the trigger tests use are large; small pictures load fast.
struct TestLocationSize {
  const char* name;
  int width, height;
};
inline constexpr TestLocationSize kTestLocations[] = {
    {"city", 200, 200},        {"hut", 100, 900},        {"powerplant1", 1100, 10}, {"powerplant2", 1000, 10},
    {"powerplant3", 100, 100}, {"duvave1", 100, 900},    {"duvave2", 100, 900},     {"duvavelab1", 100, 900},
    {"duvavelab2", 11, 901},   {"duvavelab3", 100, 100},
};

// Each test location's picture is one flat colour of its own.
inline uint32_t PictureColourOf(const std::string& location) {
  uint32_t sum = 0;
  for (char c : location) sum = sum * 31 + uint8_t(c);
  return Rgb(uint8_t(40 + sum % 200), uint8_t(90 + sum / 200 % 120), 0x60);
}

// Writes a location's picture and mask (PNG content under the game's file names; the decoder goes by content).
inline void WriteLocation(Media& media, const std::filesystem::path& dir, const std::string& location,
                          const Surface& picture, const Surface& mask) {
  media.SavePng(picture, (dir / (location + ".jpg")).string());
  media.SavePng(mask, (dir / MaskFileOf(location)).string());
}

// Writes every test location as open ground; `paint_mask` may draw walls and triggers first.
inline void WriteOpenLocations(Media& media, const std::filesystem::path& dir,
                               const std::function<void(const std::string&, Surface&)>& paint_mask = {}) {
  for (const auto& l : kTestLocations) {
    Surface mask(l.width, l.height, kOpenGround);
    if (paint_mask) paint_mask(l.name, mask);
    WriteLocation(media, dir, l.name, Surface(l.width, l.height, PictureColourOf(l.name)), mask);
  }
}

inline void FillRect(Surface& s, int x0, int y0, int x1, int y1, uint32_t colour) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) s.Set(x, y, colour);
}

// Building a game decodes every embedded picture, so the play tests share one game per data folder
// and start every test from the start values of the state.
inline TestGame& FreshGame(const std::filesystem::path& data_dir) {
  static std::unique_ptr<TestGame> shared;
  if (!shared) shared = std::make_unique<TestGame>(data_dir);
  Game& g = shared->g;
  static_cast<GameState&>(g) = GameState{};
  g.data_dir = data_dir;
  g.passes = 0;
  g.rng.Seed(1);
  g.blnGame = false;
  g.e.imgKey->visible = false;
  g.e.imgCard->visible = false;
  g.e.lblSMS->caption = "";
  g.e.picCity_base->Clear();
  g.e.picCity_Collid->Clear();
  g.ui.SetFocus(nullptr);
  return *shared;
}

// The ten test locations on open ground, written once for the whole run.
inline const std::filesystem::path& OpenWorldDir() {
  static ScratchDir dir;
  static bool written = false;
  if (!written) {
    WriteOpenLocations(FreshGame(dir.path()).platform, dir.path());
    written = true;
  }
  return dir.path();
}

}  // namespace cw::test
