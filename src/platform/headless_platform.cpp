#include "platform/headless_platform.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/utf8_path.h"

namespace cw {
namespace {

// An MP3 file starts with an ID3 tag or an MPEG frame sync.
bool LooksLikeMp3(const std::string& path) {
  std::ifstream f(PathFromUtf8(path), std::ios::binary);
  unsigned char b[3] = {0, 0, 0};
  if (!f.read(reinterpret_cast<char*>(b), 3)) return false;
  return (b[0] == 'I' && b[1] == 'D' && b[2] == '3') || (b[0] == 0xFF && (b[1] & 0xE0) == 0xE0);
}

}  // namespace

HeadlessPlatform::HeadlessPlatform(std::vector<ScriptCommand> script, uint64_t seed, std::vector<uint8_t> regular_ttf,
                                   std::vector<uint8_t> bold_ttf)
    : media_(std::move(regular_ttf), std::move(bold_ttf)), seed_(seed) {
  for (auto& c : script) {
    last_time_ = std::max(last_time_, c.time);
    (c.kind == ScriptCommand::Kind::Input ? inputs_ : commands_).push_back(std::move(c));
  }
}

void HeadlessPlatform::Inject(const InputEvent& event) { InjectAt(now_, event); }

void HeadlessPlatform::InjectAt(int64_t time, const InputEvent& event) {
  ScriptCommand c;
  c.time = std::max(time, now_);
  c.input = event;
  // Keeps the queue in time order: the new event goes after everything due at the same time.
  auto it = std::find_if(inputs_.begin(), inputs_.end(), [&](const ScriptCommand& s) { return s.time > c.time; });
  inputs_.insert(it, c);
}

void HeadlessPlatform::AdvanceTo(int64_t target) {
  if (last_time_ >= 0 && target > last_time_) {
    // Everything left happens before the end; then the run stops at the last line's time.
    while (!commands_.empty()) {
      ScriptCommand c = commands_.front();
      commands_.pop_front();
      now_ = std::max(now_, c.time);
      if (on_command) on_command(c);
    }
    now_ = std::max(now_, last_time_);
    if (on_script_end) on_script_end();
  }
  while (!commands_.empty() && commands_.front().time <= target) {
    ScriptCommand c = commands_.front();
    commands_.pop_front();
    now_ = std::max(now_, c.time);
    if (on_command) on_command(c);
  }
  now_ = std::max(now_, target);
}

void HeadlessPlatform::WaitUntil(int64_t deadline) {
  if (deadline <= now_) return;
  if (before_clock_moves) before_clock_moves();
  AdvanceTo(deadline);
}

void HeadlessPlatform::WaitForEvent(int64_t deadline) {
  if (InputDue()) return;
  if (before_clock_moves) {
    before_clock_moves();
    if (InputDue()) return;
  }
  int64_t next_input = inputs_.empty() ? -1 : inputs_.front().time;
  int64_t target = deadline;
  if (next_input >= 0 && (target < 0 || next_input < target)) target = next_input;
  if (target < 0) {
    // Nothing more will ever come: the run ends.
    if (last_time_ < 0) {
      if (on_script_end) on_script_end();
      return;
    }
    target = last_time_ + 1;
  }
  if (target > now_) AdvanceTo(target);
}

bool HeadlessPlatform::PollEvent(InputEvent& event) {
  if (!InputDue()) return false;
  event = inputs_.front().input;
  inputs_.pop_front();
  return true;
}

uint64_t HeadlessPlatform::RandomSeed() {
  // Reproducible: the seed of the run and the virtual time of the reseeding.
  return seed_ * 0x9E3779B97F4A7C15ull + uint64_t(now_);
}

void HeadlessPlatform::PlayMusic() { music_playing_ = !music_file_.empty() && LooksLikeMp3(music_file_); }

}  // namespace cw
