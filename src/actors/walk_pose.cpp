#include "actors/walk_pose.h"

namespace cw {

void StepWalkPose(Int16& tick, Int16& pose, Int16& pose_step) {
  tick = tick + 1;
  if (tick >= kPassesPerPose) {
    pose = pose + pose_step;
    if (pose >= 3) {
      pose_step = -1;
    } else if (pose == 1) {
      pose_step = 1;
    }
    tick = 0;
  }
}

}  // namespace cw
