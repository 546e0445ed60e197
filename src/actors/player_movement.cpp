#include "actors/player_movement.h"

#include <cmath>

#include "actors/walk_pose.h"
#include "play/game.h"
#include "runtime/angles.h"
#include "runtime/trig.h"

namespace cw {
namespace {

constexpr double kSpeedStep = 0.5;
constexpr double kTurn = 0.12;                   // radians per pass
constexpr double kTurnDegrees = Degrees(kTurn);  // the same turn for the sprite
constexpr double kScrollMargin = 5;
constexpr int kWalkThroughWalls = 25;  // Ultimate from which walls are ignored

// Both limits are single precision, like the ability arithmetic they come from.
float SpeedLimit(const Game& g) { return float(g.Vitality.get()) / 10.0f + 3.0f; }
float BounceSpeed(const Game& g) { return float(g.Vitality.get()) / 10.0f + 4.0f; }

double StepX(const Game& g) { return g.r * Sin(g.u); }
double StepY(const Game& g) { return g.r * Cos(g.u); }

// Reads the mask as the previous pass left it in picCity_Collid.
bool OnWall(const Game& g) {
  uint32_t colour = g.e.picCity_Collid->buffer.Get(CInt(g.My_x), CInt(g.My_y));
  return colour == kCyan && g.Ultimate < kWalkThroughWalls;
}

// Throws the player back against the direction of travel, faster than the top speed.
void Bounce(Game& g) {
  if (g.r > 0) {
    g.r = double(-BounceSpeed(g));
  } else if (g.r < 0) {
    g.r = double(BounceSpeed(g));
  }
  g.My_x = g.My_x + StepX(g);
  g.My_y = g.My_y + StepY(g);
}

void Accelerate(Game& g) {
  if (g.upper) {
    if (!(g.r <= double(-(float(g.Vitality.get()) / 10.0f) - 3.0f))) g.r = g.r - kSpeedStep;
  } else if (g.downer) {
    if (!(g.r >= double(SpeedLimit(g)))) g.r = g.r + kSpeedStep;
  }
}

// Forward or standing, Right turns the facing clockwise; backing up, it turns the other way.
void TurnAndWrapAngle(Game& g) {
  if (g.righter || g.lefter) {
    bool clockwise = g.righter ? !(g.r > 0) : g.r > 0;
    if (clockwise) {
      g.u -= kTurn;
      g.angle = g.angle + kTurnDegrees;
    } else {
      g.u += kTurn;
      g.angle = g.angle - kTurnDegrees;
    }
  }
  // Set to one degree past zero rather than reduced by a full turn.
  if (g.angle < -360) {
    g.angle = -1;
  } else if (g.angle > 360) {
    g.angle = 1;
  }
}

void AnimatePose(Game& g) {
  if (g.r == 0) {
    g.charMoving = false;
    g.charPhase = 2;  // standing
  } else {
    g.charMoving = true;
  }
  g.RunCount = int64_t(g.RunCount) + 1;
  if (g.RunCount == kPassesPerPose) {
    if (g.charMoving) {
      g.charPhase = g.charPhase + g.abc;
      if (g.charPhase >= 3) {
        g.abc = -1;
      } else if (g.charPhase == 1) {
        g.abc = 1;
      }
    }
    g.RunCount = 0;
  }
}

// Near the left or right edge of the play area the map takes the horizontal step instead of the player.
void ScrollHorizontally(Game& g) {
  double W = g.e.picCity_base->width;
  double HW = g.e.picHelp_city_base->width;
  bool left_band = 150 <= g.My_x && g.My_x <= 170 && g.helpXCity < -kScrollMargin;
  bool right_band = W - 170 <= g.My_x && g.My_x <= W - 150 && g.helpXCity + HW > W + kScrollMargin;
  if (!(left_band || right_band)) return;
  g.helpXCity = g.helpXCity - StepX(g);
  g.My_x = g.My_x - StepX(g);
  if (OnWall(g)) {
    g.helpXCity = g.helpXCity + StepX(g);
    g.helpYCity = g.helpYCity + StepY(g);
    Bounce(g);
  }
  g.CharCollisionX = true;
  g.DetectMapMove = true;
}

void ScrollVertically(Game& g) {
  double H = g.e.picCity_base->height;
  double HH = g.e.picHelp_city_base->height;
  bool top_band = 130 <= g.My_y && g.My_y <= 150 && g.helpYCity < -kScrollMargin;
  bool bottom_band = H - 150 <= g.My_y && g.My_y <= H - 130 && g.helpYCity + HH > H + kScrollMargin;
  if (!(top_band || bottom_band)) return;
  g.helpYCity = g.helpYCity - StepY(g);
  g.My_y = g.My_y - StepY(g);
  if (OnWall(g)) {
    g.helpXCity = g.helpXCity + StepX(g);
    g.helpYCity = g.helpYCity + StepY(g);
    Bounce(g);
  }
  g.CharCollisionY = true;
  g.DetectMapMove = true;
}

}  // namespace

void MovePlayer(Game& g) {
  Accelerate(g);
  TurnAndWrapAngle(g);
  AnimatePose(g);

  g.My_x = g.My_x + StepX(g);
  g.My_y = g.My_y + StepY(g);

  g.DetectMapMove = false;
  g.CharCollisionX = false;
  g.CharCollisionY = false;
  ScrollHorizontally(g);
  ScrollVertically(g);

  if (!g.DetectMapMove && OnWall(g)) {
    // The step once more with the old speed, then the bounce.
    g.My_x = g.My_x + StepX(g);
    g.My_y = g.My_y + StepY(g);
    Bounce(g);
  }

  double W = g.e.picCity_base->width, H = g.e.picCity_base->height;
  if (g.My_x <= 0 || g.My_x >= W || g.My_y <= 0 || g.My_y >= H) Bounce(g);
}

}  // namespace cw
