#pragma once
// The player at the keyboard: looks at the screen between two moments of the game and decides what
// to press. Step runs whenever the game's clock is about to move.
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "combat.h"
#include "controls.h"
#include "map_grid.h"
#include "play/game.h"
#include "recorder.h"
#include "route.h"
#include "screens.h"
#include "steering.h"

namespace cw::autopilot {

class Pilot {
 public:
  Pilot(const Game& g, Recorder& recorder, std::filesystem::path data_dir);

  // `idle`: the game waits for input and nothing is on its way; something must be given now.
  void Step(bool idle);

  // The ending has been closed and the main menu is back: the run is over at finish_time().
  bool finished() const { return finished_; }
  int64_t finish_time() const { return finish_at_; }
  // What happened, one line per notable moment, with the virtual time.
  const std::vector<std::string>& log() const { return log_; }
  int deaths() const { return deaths_; }
  int lowest_life() const { return lowest_life_; }
  const Progress& progress() const { return progress_; }
  // Logs the player's position, heading and speed on every pass of play.
  void set_trace(bool on) { trace_ = on; }
  int64_t shots() const { return controls_.shots(); }

 private:
  void Note(const std::string& text);
  void OnScreen(Screen screen, bool idle);
  void PlayStep();
  void Trace();
  void Click(const Element* el);
  const MaskMap& Mask(const std::string& location);
  const WalkGrid& Grid(const Goal& goal);
  void Plan(const Goal& goal);
  Intent BossFight();

  const Game& g_;
  Recorder& rec_;
  std::filesystem::path data_dir_;
  Controls controls_;
  Progress progress_;
  std::map<std::string, std::unique_ptr<MaskMap>> masks_;
  std::map<std::string, std::unique_ptr<WalkGrid>> grids_;
  std::set<std::string> unreachable_;  // goals no path leads to
  const MaskMap* mask_ = nullptr;
  std::string location_;
  Goal goal_;
  bool has_goal_ = false;
  std::string noted_goal_;
  PathFollower follower_;
  int replans_ = 0;
  bool at_perch_ = false;
  bool unlocking_ = false;
  enum class MenuWish { None, Save, Load } menu_wish_ = MenuWish::None;
  Screen last_screen_ = Screen::Busy;
  bool splash_done_ = false;
  bool finished_ = false;
  int64_t finish_at_ = -1;
  int deaths_ = 0;
  int lowest_life_ = 1 << 30;
  bool trace_ = false;
  std::vector<std::string> log_;
};

}  // namespace cw::autopilot
