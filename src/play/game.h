#pragma once
// Form1: the one window object that owns every element and all game state for the whole run.
#include <cstdint>
#include <filesystem>
#include <string>

#include "external/music_player.h"
#include "platform/media.h"
#include "platform/session.h"
#include "platform/utf8_path.h"
#include "play/game_state.h"
#include "runtime/pacing.h"
#include "runtime/random.h"
#include "settings/settings.h"
#include "ui/window.h"

namespace cw {

// Thrown to end the program (End on the main menu, the window closed, a headless script's quit).
struct ProgramEnd {
  int status = 0;
};

class Game : public GameState {
 public:
  // `settings`: the player's, kept by whoever changes them (the options screen); the defaults when null.
  Game(Session& session, Media& media, std::filesystem::path data_dir, const Settings* settings = nullptr);

  Session& session;
  Media& media;
  Window ui;
  Elements& e;  // ui.e
  MusicPlayer MP1;
  Random rng;
  const Settings& settings;  // read only: the play keys
  std::filesystem::path data_dir;
  std::filesystem::path save_dir;  // where the saved game lives; the data folder unless start-up chose another
  int64_t passes = 0;              // game-loop passes since start, for the state dump
  int64_t faulted_passes = 0;      // passes abandoned by a fault

  // The session's millisecond counter as the game reads it: a signed 32-bit value.
  int32_t GetTickCount() const { return GameTick(session.Ticks()); }
  void DoEvents() { ui.DoEvents(); }
  double Rnd() { return rng.Next(); }
  void Randomize() { rng.Seed(session.RandomSeed()); }

  // A file of the data folder as UTF-8 text, e.g. DataFile("music.mp3").
  std::string DataFile(const std::string& name) const { return Utf8Path(data_dir / name); }
  // Loads a picture file of the data folder into a surface; faults when it can't be read.
  void LoadPicture(Element* el, const std::string& file_name);
  // The same for a collision mask, kept at 8 bits when its colours fit a palette.
  void LoadMask(Element* el, const std::string& file_name);
};

}  // namespace cw
