#pragma once
// Waiting for the game's deadlines. The game reads time as its tick, the platform's milliseconds
// truncated to a signed 32-bit value, which wraps after about 24.8 days; deadlines are measured as
// 32-bit differences from the tick, so every loop keeps its pace across the wrap. Waits sleep on the
// session, and nothing passes before its deadline.
#include <cstdint>
#include <functional>

#include "platform/session.h"

namespace cw {

// The game's tick at platform time `ms`.
inline int32_t GameTick(int64_t ms) { return int32_t(uint32_t(uint64_t(ms))); }
// `tick` + `ms`, wrapping like the tick itself.
inline int32_t TickAfter(int32_t tick, int32_t ms) { return int32_t(uint32_t(tick) + uint32_t(ms)); }
// Whether `tick` is past `deadline`: their difference modulo 2^32, taken as signed, is positive.
inline bool TickPast(int32_t tick, int32_t deadline) { return int32_t(uint32_t(tick) - uint32_t(deadline)) > 0; }

// One loop's deadline: a pass (or step) may start once the tick is past it.
class Pacer {
 public:
  // What holds before the first deadline is set.
  enum class Start {
    AtOnce,  // nothing: the first pass runs at once
    // The deadline is tick 0: the first pass runs at once, except on tick 0 itself (where a headless
    // clock starts), when it waits for tick 1.
    TickZero,
  };
  explicit Pacer(Session& session, Start start = Start::AtOnce) : session_(session), start_(start) {}

  // The next deadline, `ms` after the tick now.
  void SetDeadline(int32_t ms);
  // Sleeps until the tick is past the deadline; window events wait meanwhile.
  void Wait();
  // Waits until the tick is past the deadline, handing the queued window events to `yield` between
  // readings of the tick, and sleeping until the deadline or the next event.
  void Wait(const std::function<void()>& yield);

 private:
  // Whether the tick at platform time `now` is past the deadline.
  bool Past(int64_t now) const;
  // The platform time at which the tick is first past the deadline, from a reading `now` before it.
  int64_t Wake(int64_t now) const;

  Session& session_;
  Start start_;
  bool set_ = false;
  int32_t deadline_ = 0;
  int64_t wake_ = 0;  // Wake() of the reading that set the deadline
};

}  // namespace cw
