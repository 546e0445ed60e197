#include "pilot.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "path_planner.h"

namespace cw::autopilot {
namespace {

constexpr double kEngageRange = 230;     // enemies closer than this are fought before walking on
constexpr double kBossRoomEngage = 170;  // at the perch the boss comes first unless a minion is this close
constexpr double kSafeToOpenMenu = 260;  // no enemy this close when stopping for the in-game menu
constexpr int kReplanAfter = 120;        // passes without progress along the path
constexpr double kPerchReached = 16, kPerchLeft = 40;
constexpr double kBossKeepAway = 50;         // pixels around the boss's patrol line the way to the perch avoids
constexpr double kBossRoomWalkEngage = 110;  // on the way to the perch, stop to fight only this close

std::string GoalKey(const std::string& location, const Goal& goal) {
  return location + "/" + std::to_string(int(goal.kind)) + "/" + std::to_string(int(goal.red.effect)) + "/" +
         goal.red.to + "/" + std::to_string(int(goal.point.x)) + "," + std::to_string(int(goal.point.y));
}

}  // namespace

Pilot::Pilot(const Game& g, Recorder& recorder, std::filesystem::path data_dir)
    : g_(g), rec_(recorder), data_dir_(std::move(data_dir)), controls_(recorder) {}

void Pilot::Note(const std::string& text) { log_.push_back(std::to_string(g_.session.Ticks()) + " " + text); }

void Pilot::Click(const Element* el) {
  Point c = WindowCentre(g_, el);
  rec_.Click(int(std::lround(c.x)), int(std::lround(c.y)));
}

void Pilot::Step(bool idle) {
  const int64_t now = g_.session.Ticks();
  if (finish_at_ >= 0) {
    if (now >= finish_at_) finished_ = true;
    return;
  }
  // Input given a moment ago has not reached the game yet: look again once it has.
  if (now < rec_.last_time()) return;
  Screen screen = CurrentScreen(g_);
  if (screen != last_screen_) {
    Note(std::string("screen: ") + ScreenName(screen));
    last_screen_ = screen;
  }
  if (screen == Screen::Play) {
    PlayStep();
  } else {
    // Keys held into a menu would go on acting when play resumes.
    controls_.ReleaseAll();
    OnScreen(screen, idle);
  }
}

void Pilot::OnScreen(Screen screen, bool idle) {
  switch (screen) {
    case Screen::Splash:
      if (!splash_done_) {
        rec_.Tap("Space");
        splash_done_ = true;
      }
      break;
    case Screen::Death:
      if (idle) {
        ++deaths_;
        Note("died in " + g_.GamePhase);
        rec_.Tap("Space");
      }
      break;
    case Screen::Story:
      // The page takes a key once its opening is over and the game waits.
      if (idle && !g_.e.picStory_little->visible) rec_.Tap("Space");
      break;
    case Screen::InGameMenu:
      if (!idle) break;
      if (menu_wish_ == MenuWish::Save) {
        Note("save game");
        Click(g_.e.img1);
        progress_.saved = true;
      } else if (menu_wish_ == MenuWish::Load) {
        Note("load game");
        Click(g_.e.img2);
        progress_.loaded = true;
      } else {
        Click(g_.e.img4);
      }
      menu_wish_ = MenuWish::None;
      break;
    case Screen::Abilities:
      // Hovering a row types its help text: a waiting loop, so act without waiting for idle.
      if (const Element* plus = NextAbilityButton(g_)) {
        Click(plus);
      } else {
        Note("abilities: strength " + g_.e.lblStrenght->caption + ", endurance " + g_.e.lblEndurance->caption +
             ", vitality " + g_.e.lblVitality->caption + ", healing " + g_.e.lblHealing->caption + ", level " +
             g_.e.lblLevel->caption);
        Click(g_.e.Command11);
      }
      break;
    case Screen::Credits:
      if (idle) rec_.Tap("Escape");
      break;
    case Screen::Menu:
      if (!idle) break;
      if (g_.blnEnd) {
        // The ending is closed and the menu is back: done. A key release that changes nothing marks the
        // moment the final state is taken, in this run and in the replay.
        Note("back at the main menu after the ending");
        rec_.KeyUp("Escape");
        finish_at_ = rec_.last_time();
      } else if (progress_.saved) {
        Note("continue the saved game");
        Click(g_.e.Image3);
      } else {
        Note("new game");
        Click(g_.e.Image2);
      }
      break;
    case Screen::Play:
    case Screen::Busy: break;
  }
}

const MaskMap& Pilot::Mask(const std::string& location) {
  auto& slot = masks_[location];
  if (!slot) slot = std::make_unique<MaskMap>(g_.media, data_dir_, location);
  return *slot;
}

const WalkGrid& Pilot::Grid(const Goal& goal) {
  auto& slot = grids_[GoalKey(location_, goal)];
  if (!slot) {
    const std::string loc = location_;
    const int w = mask_->width(), h = mask_->height();
    std::function<bool(int, int)> red_goal = [](int, int) { return false; };
    if (goal.kind == Goal::Kind::Red) {
      const Trigger want = goal.red;
      red_goal = [loc, w, h, want](int x, int y) {
        Trigger t = RedAt(loc, x, y, w, h);
        return t.effect == want.effect && t.to == want.to;
      };
    }
    slot = std::make_unique<WalkGrid>(*mask_, red_goal);
    if (goal.kind != Goal::Kind::Red) slot->AddGoalDisc(goal.point, 10);
    if (goal.kind == Goal::Kind::Boss) {
      Point a, b;
      BossPatrolArea(g_, kBossKeepAway, a, b);
      slot->AddAvoidRect(a, b);
    }
  }
  return *slot;
}

void Pilot::Plan(const Goal& goal) {
  const WalkGrid& grid = Grid(goal);
  const Point me = PlayerOnMap(g_);
  std::vector<Point> path = PlanPath(grid, me);
  if (path.empty()) {
    Note("no path for: " + goal.why);
    if (goal.kind == Goal::Kind::Point) unreachable_.insert(GoalKey(location_, goal));
  } else if (goal.kind == Goal::Kind::Red) {
    const Point end = path.back();
    path.push_back(grid.GoalAreaCentre(int(end.x), int(end.y)));
  } else {
    path.push_back(goal.point);
  }
  follower_ = PathFollower(std::move(path), &grid);
  goal_ = goal;
  has_goal_ = true;
  ++replans_;
}

Intent Pilot::BossFight() {
  if (auto f = FightEnemies(g_, *mask_, kBossRoomEngage)) return *f;
  if (auto b = FightBoss(g_)) return *b;
  // Out of reach for now: face where the boss is and wait for it to come back.
  Intent in;
  in.turn = TurnToward(g_, HeadingTowards(g_.BossX - double(g_.My_x), g_.BossY - double(g_.My_y)));
  return in;
}

void Pilot::Trace() {
  const Point me = PlayerOnMap(g_);
  std::ostringstream s;
  s << "map " << int(me.x) << "," << int(me.y) << " play " << double(g_.My_x) << "," << double(g_.My_y) << " view "
    << double(g_.helpXCity) << "," << double(g_.helpYCity) << " u " << g_.u << " r " << double(g_.r) << " life "
    << g_.Life.get() << " path " << follower_.path().size() << " stalled " << follower_.stalled();
  Note(s.str());
}

void Pilot::PlayStep() {
  if (g_.GamePhase != location_) {
    if (!location_.empty()) Note("arrived in " + g_.GamePhase + " from " + location_);
    location_ = g_.GamePhase;
    mask_ = &Mask(location_);
    has_goal_ = false;
    at_perch_ = false;
  }
  lowest_life_ = std::min(lowest_life_, int(g_.Life.get()));
  if (trace_) Trace();
  Goal goal = NextGoal(g_, progress_);
  if (unreachable_.count(GoalKey(location_, goal))) goal = NextGoal(g_, progress_, false);
  if (goal.why != noted_goal_) {
    Note("goal: " + goal.why);
    noted_goal_ = goal.why;
  }

  if (goal.kind == Goal::Kind::SaveGame || goal.kind == Goal::Kind::LoadGame) {
    goal_ = goal;
    has_goal_ = true;
    Intent in;
    if (auto f = FightEnemies(g_, *mask_, kSafeToOpenMenu)) in = *f;
    bool still = double(g_.r) == 0 && !g_.upper && !g_.lefter && !g_.righter && !controls_.AnyHeld();
    if (!in.fire && in.turn == 0 && still && !FightEnemies(g_, *mask_, kSafeToOpenMenu)) {
      menu_wish_ = goal.kind == Goal::Kind::SaveGame ? MenuWish::Save : MenuWish::Load;
      Click(g_.e.Command1);
      return;
    }
    controls_.Apply(g_, in);
    return;
  }

  if (goal.kind == Goal::Kind::Boss) {
    const Point me = PlayerOnMap(g_);
    double d = std::hypot(me.x - goal.point.x, me.y - goal.point.y);
    if (d < kPerchReached) at_perch_ = true;
    if (d > kPerchLeft) at_perch_ = false;
    if (at_perch_) {
      controls_.Apply(g_, BossFight());
      return;
    }
  }

  const double engage = goal.kind == Goal::Kind::Boss ? kBossRoomWalkEngage : kEngageRange;
  if (auto f = FightEnemies(g_, *mask_, engage)) {
    controls_.Apply(g_, *f);
    return;
  }
  if (!has_goal_ || !(goal == goal_) || follower_.empty() || follower_.stalled() > kReplanAfter) {
    if (has_goal_ && goal == goal_ && follower_.stalled() > kReplanAfter) Note("stuck; planning again");
    Plan(goal);
  }
  Intent in = follower_.Step(g_);
  if (auto unlock = LeaveScrollLock(g_, follower_.heading())) {
    if (!unlocking_) Note("scroll band holds the view: drive the other way first");
    unlocking_ = true;
    in = *unlock;
  } else {
    unlocking_ = false;
  }
  controls_.Apply(g_, in);
}

}  // namespace cw::autopilot
