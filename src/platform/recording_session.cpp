#include "platform/recording_session.h"

#include <stdexcept>

#include "platform/utf8_path.h"

namespace cw {

RecordingSession::RecordingSession(Session& inner, const std::string& path, const SessionHeader& header)
    : inner_(inner), out_(PathFromUtf8(path), std::ios::binary | std::ios::trunc) {
  if (!out_) throw std::runtime_error("can't write the recording " + path);
  WriteSessionHeader(out_, header);
}

void RecordingSession::Write(const SessionEntry& entry) {
  if (!quiet) WriteSessionEntry(out_, entry);
}

int64_t RecordingSession::Ticks() {
  int64_t t = inner_.Ticks();
  Write({SessionEntry::Kind::Ticks, t, {}});
  return t;
}

template <typename F>
void RecordingSession::Wait(F wait) {
  try {
    wait();
  } catch (...) {
    Write({SessionEntry::Kind::Wait, inner_.Ticks(), {}});
    out_.flush();
    throw;
  }
  Write({SessionEntry::Kind::Wait, inner_.Ticks(), {}});
  // Waits come many times a second: what was played so far survives a crash.
  out_.flush();
}

void RecordingSession::WaitUntil(int64_t deadline) {
  Wait([&] { inner_.WaitUntil(deadline); });
}

void RecordingSession::WaitForEvent(int64_t deadline) {
  Wait([&] { inner_.WaitForEvent(deadline); });
}

bool RecordingSession::PollEvent(InputEvent& event) {
  bool got = inner_.PollEvent(event);
  Write(got ? SessionEntry{SessionEntry::Kind::Event, 0, event} : SessionEntry{SessionEntry::Kind::NoEvent, 0, {}});
  return got;
}

uint64_t RecordingSession::RandomSeed() {
  uint64_t seed = inner_.RandomSeed();
  Write({SessionEntry::Kind::Seed, int64_t(seed), {}});
  return seed;
}

}  // namespace cw
