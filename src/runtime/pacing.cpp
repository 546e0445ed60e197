#include "runtime/pacing.h"

namespace cw {

void Pacer::SetDeadline(int32_t ms) {
  int64_t now = session_.Ticks();
  deadline_ = TickAfter(GameTick(now), ms);
  set_ = true;
  wake_ = Wake(now);
}

bool Pacer::Past(int64_t now) const {
  int32_t tick = GameTick(now);
  if (set_) return TickPast(tick, deadline_);
  return start_ == Start::AtOnce || tick != 0;
}

int64_t Pacer::Wake(int64_t now) const {
  // Unset, the deadline is 0: what TickZero waits for.
  return now + int32_t(uint32_t(deadline_) - uint32_t(GameTick(now))) + 1;
}

void Pacer::Wait() {
  if (set_) {
    session_.WaitUntil(wake_);
    return;
  }
  if (start_ == Start::AtOnce) return;
  int64_t now = session_.Ticks();
  if (!Past(now)) session_.WaitUntil(Wake(now));
}

void Pacer::Wait(const std::function<void()>& yield) {
  for (int64_t now = session_.Ticks(); !Past(now); now = session_.Ticks()) {
    yield();
    now = session_.Ticks();
    if (Past(now)) return;
    session_.WaitForEvent(Wake(now));
  }
}

}  // namespace cw
