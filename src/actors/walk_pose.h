#pragma once
// The walk cycle of the player, the enemies and the boss: poses 1, 2, 3, 2, 1, ..., one step every
// kPassesPerPose passes.
#include "runtime/value_types.h"

namespace cw {

inline constexpr int kPassesPerPose = 9;

// The enemies' and the boss's cycle: counts a pass and, every kPassesPerPose-th, moves the pose one
// step, turning round at 3 and at 1.
void StepWalkPose(Int16& tick, Int16& pose, Int16& pose_step);

}  // namespace cw
