#include "runtime/pacing.h"

#include <climits>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/headless_platform.h"

namespace cw {
namespace {

constexpr int64_t kWrap = int64_t(1) << 31;  // the platform time at which the game's tick turns negative

TEST(TickArithmetic, TruncatesAndComparesAcrossTheWrap) {
  EXPECT_EQ(GameTick(0), 0);
  EXPECT_EQ(GameTick(kWrap - 1), INT32_MAX);
  EXPECT_EQ(GameTick(kWrap), INT32_MIN);
  EXPECT_EQ(GameTick((int64_t(1) << 32) + 7), 7);

  EXPECT_EQ(TickAfter(100, 20), 120);
  EXPECT_EQ(TickAfter(INT32_MAX - 5, 20), INT32_MIN + 14);

  EXPECT_FALSE(TickPast(120, 120));
  EXPECT_TRUE(TickPast(121, 120));
  EXPECT_FALSE(TickPast(119, 120));
  EXPECT_TRUE(TickPast(INT32_MIN, INT32_MAX));  // one past, over the wrap
  EXPECT_FALSE(TickPast(INT32_MAX, INT32_MIN));
  EXPECT_TRUE(TickPast(INT32_MIN + 14, INT32_MAX - 5));
  EXPECT_FALSE(TickPast(INT32_MAX - 5, INT32_MIN + 14));
}

// A headless clock with no script, moved to `start` (the virtual clock jumps there).
struct ClockAt : HeadlessPlatform {
  explicit ClockAt(int64_t start) : HeadlessPlatform({}, 1, {}, {}) { WaitUntil(start); }
};

TEST(Pacer, SleepsUntilTheTickIsPastTheDeadline) {
  for (int64_t start : {int64_t(1000), kWrap - 10}) {
    SCOPED_TRACE(start);
    ClockAt p(start);
    Pacer pace(p);
    pace.Wait();  // no deadline yet: at once
    EXPECT_EQ(p.Ticks(), start);
    pace.SetDeadline(20);
    pace.Wait();
    EXPECT_EQ(p.Ticks(), start + 21);
    pace.Wait();  // already past
    EXPECT_EQ(p.Ticks(), start + 21);
    p.WaitUntil(start + 30);  // a pass that took 9 ms
    pace.SetDeadline(20);
    pace.Wait();
    EXPECT_EQ(p.Ticks(), start + 51);
  }
  // Started 10 ms before the wrap, the second pass ran at a negative tick.
  ClockAt p(kWrap - 10);
  Pacer pace(p);
  pace.SetDeadline(20);
  pace.Wait();
  EXPECT_EQ(GameTick(p.Ticks()), INT32_MIN + 11);
}

TEST(Pacer, ADeadlineAtTickZeroHoldsOnlyTickZero) {
  const std::vector<std::pair<int64_t, int64_t>> cases = {
      {0, 1}, {5, 5}, {kWrap, kWrap}, {int64_t(1) << 32, (int64_t(1) << 32) + 1}};
  for (const auto& [start, end] : cases) {
    SCOPED_TRACE(start);
    ClockAt p(start);
    Pacer pace(p, Pacer::Start::TickZero);
    pace.Wait();
    EXPECT_EQ(p.Ticks(), end);

    ClockAt q(start);
    Pacer yielding(q, Pacer::Start::TickZero);
    int yields = 0;
    yielding.Wait([&] { ++yields; });
    EXPECT_EQ(q.Ticks(), end);
    EXPECT_EQ(int64_t(yields), end - start);  // once, while the tick was 0
  }
}

TEST(Pacer, YieldsToEachEventWhileWaitingAndSleepsBetween) {
  for (int64_t start : {int64_t(0), kWrap - 50}) {
    SCOPED_TRACE(start);
    ClockAt p(start);
    p.InjectAt(start + 30, {InputEvent::Type::KeyDown, 38, 0, 0, 0, 0});
    p.InjectAt(start + 70, {InputEvent::Type::KeyUp, 38, 0, 0, 0, 0});
    Pacer pace(p);
    std::vector<std::pair<int64_t, int>> yields;  // time after the start, events handled
    auto yield = [&] {
      int events = 0;
      for (InputEvent e; p.PollEvent(e);) ++events;
      yields.emplace_back(p.Ticks() - start, events);
    };
    pace.Wait(yield);  // no deadline yet: at once, no yield
    EXPECT_TRUE(yields.empty());
    pace.SetDeadline(100);
    pace.Wait(yield);
    const std::vector<std::pair<int64_t, int>> expected = {{0, 0}, {30, 1}, {70, 1}};
    EXPECT_EQ(yields, expected);
    EXPECT_EQ(p.Ticks(), start + 101);
  }
}

}  // namespace
}  // namespace cw
