#pragma once
// Game controllers through SDL: opened when plugged in (or present at start), closed when pulled out,
// their buttons and sticks reported as pad events. A controller pulled out while held lets go of
// everything it held, so no key stays pressed.
#include <cstdint>
#include <deque>
#include <map>

#include "platform/session.h"

union SDL_Event;
typedef struct _SDL_GameController SDL_GameController;

namespace cw {

class SdlControllers {
 public:
  SdlControllers();
  ~SdlControllers();
  SdlControllers(const SdlControllers&) = delete;
  SdlControllers& operator=(const SdlControllers&) = delete;

  // Handles a controller event: true when it was one, with the game's events for it appended to `out`.
  bool Translate(const SDL_Event& sdl, std::deque<InputEvent>& out);
  int count() const { return int(pads_.size()); }

 private:
  struct Pad {
    SDL_GameController* controller = nullptr;
    uint32_t held = 0;     // bit per PadButton
    int16_t axes[6] = {};  // last reported position per PadAxis
  };
  void Open(int device_index);
  void Close(int32_t instance, std::deque<InputEvent>& out);

  bool started_ = false;
  std::map<int32_t, Pad> pads_;  // by SDL instance id
};

}  // namespace cw
