#pragma once
// Steers the player with the arrow keys, pass by pass, along a shortest walkable path of the current
// location's mask to a red trigger area. Used by the tests that play through the shipped maps.
#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "platform/key_codes.h"
#include "play/game_loop.h"
#include "support/test_game.h"

namespace cw::test {

class Pilot {
 public:
  using Area = std::function<bool(double mx, double my)>;
  explicit Pilot(TestGame& t) : t_(t), g_(t.g) {}

  double MapX() const { return g_.My_x + std::fabs(g_.helpXCity); }
  double MapY() const { return g_.My_y + std::fabs(g_.helpYCity); }

  // Walks to a red pixel of the location mask inside `goal`, keeping clear of walls and of every other red
  // pixel. Returns true once GamePhase has changed; false when no path exists or the walk stalls.
  bool WalkToRed(const Area& goal, int max_passes, std::string* why = nullptr) {
    const std::string start_phase = g_.GamePhase;
    path_ = FindPath(goal);
    if (path_.empty()) return Fail(why, "no walkable path to the goal");
    size_t near = 0, best = 0;
    int stalled = 0;
    for (int pass = 0; pass < max_passes; ++pass) {
      near = NearestAhead(near);
      if (near > best) {
        best = near;
        stalled = 0;
      } else if (++stalled > 400) {
        return Fail(why, "stalled at map (" + std::to_string(MapX()) + ", " + std::to_string(MapY()) + ")");
      }
      Steer(path_[std::min(near + 12, path_.size() - 1)]);
      RunGameFrame(g_);
      if (g_.GamePhase != start_phase) {
        Release();
        return true;
      }
    }
    return Fail(why, "out of passes");
  }

 private:
  struct Point {
    double x, y;
  };

  static bool Fail(std::string* why, const std::string& text) {
    if (why) *why = text;
    return false;
  }

  void Send(InputEvent::Type type, int key) { t_.Send({type, key, 0, 0, 0, 0}); }

  void Release() {
    if (g_.upper) Send(InputEvent::Type::KeyUp, kKeyUp);
    if (g_.lefter || g_.righter) Send(InputEvent::Type::KeyUp, kKeyLeft);
  }

  // Turns toward the aim, stopping first when it lies well off the heading.
  void Steer(Point aim) {
    double dx = aim.x - MapX(), dy = aim.y - MapY();
    // Forward motion is (-sin u, -cos u).
    double diff = std::remainder(std::atan2(-dx, -dy) - g_.u, 2 * std::numbers::pi);
    if (std::fabs(diff) > 0.5 && g_.upper) Send(InputEvent::Type::KeyUp, kKeyUp);
    if (std::fabs(diff) > 0.07) {
      // Standing or going forward, Left raises u and Right lowers it.
      if (diff > 0 && !g_.lefter) Send(InputEvent::Type::KeyDown, kKeyLeft);
      if (diff < 0 && !g_.righter) Send(InputEvent::Type::KeyDown, kKeyRight);
    } else if (g_.lefter || g_.righter) {
      Send(InputEvent::Type::KeyUp, kKeyLeft);
    }
    if (std::fabs(diff) <= 0.5 && !g_.upper) Send(InputEvent::Type::KeyDown, kKeyUp);
  }

  size_t NearestAhead(size_t from) const {
    size_t best = from;
    double best_d = 1e18;
    for (size_t i = from; i < path_.size() && i < from + 80; ++i) {
      double d = std::hypot(path_[i].x - MapX(), path_[i].y - MapY());
      if (d < best_d) {
        best_d = d;
        best = i;
      }
    }
    return best;
  }

  std::vector<Point> FindPath(const Area& goal) const {
    const Element& mask = *g_.e.picHelp_city_collid;
    const int w = mask.ClientWidth(), h = mask.ClientHeight();
    auto idx = [w](int x, int y) { return size_t(y) * size_t(w) + size_t(x); };
    std::vector<uint8_t> is_goal(size_t(w) * h, 0), blocked(size_t(w) * h, 0);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        uint32_t c = mask.ColourAt(x, y);
        bool red = c == kRed;
        is_goal[idx(x, y)] = red && goal(x, y);
        blocked[idx(x, y)] = c == kCyan || (red && !is_goal[idx(x, y)]);
      }
    // Distance of every pixel to the nearest blocked one, in 8-neighbour steps.
    std::vector<int> clear(size_t(w) * h, -1);
    std::deque<int> queue;
    for (size_t i = 0; i < clear.size(); ++i)
      if (blocked[i]) {
        clear[i] = 0;
        queue.push_back(int(i));
      }
    while (!queue.empty()) {
      int i = queue.front();
      queue.pop_front();
      int x = i % w, y = i / w;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h || clear[idx(nx, ny)] >= 0) continue;
          clear[idx(nx, ny)] = clear[size_t(i)] + 1;
          queue.push_back(int(idx(nx, ny)));
        }
    }
    const int sx = int(std::lround(MapX())), sy = int(std::lround(MapY()));
    for (int margin : {12, 8, 5}) {
      std::vector<int> from(size_t(w) * h, -2);
      auto passable = [&](int x, int y) {
        size_t i = idx(x, y);
        if (blocked[i]) return false;
        return is_goal[i] || clear[i] >= margin || std::max(std::abs(x - sx), std::abs(y - sy)) <= 4;
      };
      if (sx < 0 || sy < 0 || sx >= w || sy >= h) return {};
      from[idx(sx, sy)] = -1;
      queue.assign(1, int(idx(sx, sy)));
      int reached = -1;
      while (!queue.empty() && reached < 0) {
        int i = queue.front();
        queue.pop_front();
        int x = i % w, y = i / w;
        for (int dy = -1; dy <= 1 && reached < 0; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h || from[idx(nx, ny)] != -2 || !passable(nx, ny)) continue;
            from[idx(nx, ny)] = i;
            if (is_goal[idx(nx, ny)]) {
              reached = int(idx(nx, ny));
              break;
            }
            queue.push_back(int(idx(nx, ny)));
          }
      }
      if (reached < 0) continue;
      std::vector<Point> path;
      for (int i = reached; i >= 0; i = from[size_t(i)]) path.push_back({double(i % w), double(i / w)});
      std::reverse(path.begin(), path.end());
      path.push_back(GoalCentre(is_goal, w, h, reached));
      return path;
    }
    return {};
  }

  // The middle of the red area the path ends in, so the walk goes on into it rather than along its edge.
  static Point GoalCentre(const std::vector<uint8_t>& is_goal, int w, int h, int seed) {
    std::vector<uint8_t> seen(is_goal.size(), 0);
    std::deque<int> queue{seed};
    seen[size_t(seed)] = 1;
    double sum_x = 0, sum_y = 0;
    long n = 0;
    while (!queue.empty()) {
      int i = queue.front();
      queue.pop_front();
      int x = i % w, y = i / w;
      sum_x += x;
      sum_y += y;
      ++n;
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        int nx = x + dx, ny = y + dy;
        if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
        size_t j = size_t(ny) * size_t(w) + size_t(nx);
        if (!is_goal[j] || seen[j]) continue;
        seen[j] = 1;
        queue.push_back(int(j));
      }
    }
    return {sum_x / double(n), sum_y / double(n)};
  }

  TestGame& t_;
  Game& g_;
  std::vector<Point> path_;
};

}  // namespace cw::test
