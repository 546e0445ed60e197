// libFuzzer target: any file given to --replay is refused with its line, or replayed until it ends or
// parts ways with the game (a mismatch naming the line). Never a crash, and never a replay that runs on
// past what the recording holds.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "app/event_wiring.h"
#include "app/start_up.h"
#include "platform/headless_platform.h"
#include "platform/replay_session.h"
#include "platform/session_log.h"
#include "play/game.h"
#include "ui/embedded_assets.h"

namespace {

std::vector<uint8_t> Bytes(const char* name) {
  auto span = cw::EmbeddedAsset(name);
  return {span.begin(), span.end()};
}

struct Ended {};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  cw::SessionLog log;
  try {
    log = cw::ReadSessionLog(in);
  } catch (const cw::SessionLogError& e) {
    if (std::string(e.what()).rfind("line ", 0) != 0) __builtin_trap();
    return 0;
  }
  static cw::HeadlessPlatform* inner =
      new cw::HeadlessPlatform({}, 1, Bytes("font_regular.ttf"), Bytes("font_bold.ttf"));
  const size_t entries = log.entries.size();
  cw::ReplaySession replay(*inner, std::move(log), false);
  replay.on_end = [] { throw Ended{}; };
  cw::Game g(replay, *inner, CINDERWAKE_FUZZ_DATA_DIR);
  g.save_dir = CINDERWAKE_FUZZ_SAVE_DIR;
  g.ui.presents_frames = false;
  try {
    cw::WireEvents(g);
    cw::Form_Load(g);
    for (;;) {
      g.session.WaitForEvent(-1);
      g.DoEvents();
    }
  } catch (const Ended&) {
    if (replay.position() != entries) __builtin_trap();
  } catch (const cw::ReplayMismatch& e) {
    if (std::string(e.what()).rfind("line ", 0) != 0) __builtin_trap();
  } catch (const cw::ProgramEnd&) {
  }
  return 0;
}
