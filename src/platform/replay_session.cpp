#include "platform/replay_session.h"

namespace cw {
namespace {

const char* KindName(SessionEntry::Kind kind) {
  switch (kind) {
    case SessionEntry::Kind::Ticks: return "a clock reading";
    case SessionEntry::Kind::Wait: return "a wait";
    case SessionEntry::Kind::Event: return "an event";
    case SessionEntry::Kind::NoEvent: return "an event";
    case SessionEntry::Kind::Seed: return "a random seed";
  }
  return "?";
}

}  // namespace

ReplaySession::ReplaySession(Session& inner, SessionLog log, bool paced)
    : inner_(inner), log_(std::move(log)), paced_(paced) {}

void ReplaySession::End() {
  if (on_end) on_end();
  throw std::runtime_error("the recording has ended");
}

const SessionEntry& ReplaySession::Take(SessionEntry::Kind kind) {
  if (next_ >= log_.entries.size()) End();
  const SessionEntry& entry = log_.entries[next_];
  bool event_query = kind == SessionEntry::Kind::Event || kind == SessionEntry::Kind::NoEvent;
  bool event_entry = entry.kind == SessionEntry::Kind::Event || entry.kind == SessionEntry::Kind::NoEvent;
  if (event_query ? !event_entry : entry.kind != kind) {
    throw ReplayMismatch("line " + std::to_string(entry.line) + ": the game asked for " + KindName(kind) +
                         " where the recording holds " + KindName(entry.kind));
  }
  ++next_;
  return entry;
}

void ReplaySession::Reach(int64_t t) {
  if (!paced_) {
    inner_.WaitUntil(t);
    return;
  }
  if (!started_) {
    started_ = true;
    recorded_start_ = t;
    inner_start_ = inner_.Ticks();
  }
  // Watching in a window: the window stays alive (and can be closed) while the replay waits.
  int64_t until = inner_start_ + (t - recorded_start_);
  if (before_wait && inner_.Ticks() < until) before_wait();
  for (;;) {
    InputEvent e;
    while (inner_.PollEvent(e))
      if (e.type == InputEvent::Type::Quit) End();
    if (inner_.Ticks() >= until) return;
    inner_.WaitForEvent(until);
  }
}

int64_t ReplaySession::Ticks() {
  if (quiet) return inner_.Ticks();
  int64_t t = Take(SessionEntry::Kind::Ticks).value;
  if (paced_) Reach(t);
  return t;
}

void ReplaySession::WaitUntil(int64_t deadline) {
  const SessionEntry& entry = Take(SessionEntry::Kind::Wait);
  if (entry.value < deadline) {
    // The program ended during this wait (a quit, the window closed): the recording ends with it.
    if (next_ == log_.entries.size()) {
      Reach(entry.value);
      End();
    }
    // No session ends a wait early otherwise: the game waits for another time than the recorded one did.
    throw ReplayMismatch("line " + std::to_string(entry.line) + ": the wait ends at " + std::to_string(entry.value) +
                         ", before the game's deadline " + std::to_string(deadline));
  }
  Reach(entry.value);
}

void ReplaySession::WaitForEvent(int64_t) { Reach(Take(SessionEntry::Kind::Wait).value); }

bool ReplaySession::PollEvent(InputEvent& event) {
  const SessionEntry& entry = Take(SessionEntry::Kind::Event);
  if (entry.kind == SessionEntry::Kind::NoEvent) return false;
  event = entry.event;
  return true;
}

uint64_t ReplaySession::RandomSeed() { return uint64_t(Take(SessionEntry::Kind::Seed).value); }

}  // namespace cw
