#include "platform/sdl_controllers.h"

#include <SDL.h>

namespace cw {
namespace {

PadButton ButtonOf(uint8_t sdl_button) {
  switch (sdl_button) {
    case SDL_CONTROLLER_BUTTON_A: return PadButton::South;
    case SDL_CONTROLLER_BUTTON_B: return PadButton::East;
    case SDL_CONTROLLER_BUTTON_X: return PadButton::West;
    case SDL_CONTROLLER_BUTTON_Y: return PadButton::North;
    case SDL_CONTROLLER_BUTTON_BACK: return PadButton::Back;
    case SDL_CONTROLLER_BUTTON_GUIDE: return PadButton::Guide;
    case SDL_CONTROLLER_BUTTON_START: return PadButton::Start;
    case SDL_CONTROLLER_BUTTON_LEFTSTICK: return PadButton::LeftStick;
    case SDL_CONTROLLER_BUTTON_RIGHTSTICK: return PadButton::RightStick;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return PadButton::LeftShoulder;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return PadButton::RightShoulder;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return PadButton::DpadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return PadButton::DpadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return PadButton::DpadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return PadButton::DpadRight;
    default: return PadButton::Other;
  }
}

PadAxis AxisOf(uint8_t sdl_axis) {
  switch (sdl_axis) {
    case SDL_CONTROLLER_AXIS_LEFTX: return PadAxis::LeftX;
    case SDL_CONTROLLER_AXIS_LEFTY: return PadAxis::LeftY;
    case SDL_CONTROLLER_AXIS_RIGHTX: return PadAxis::RightX;
    case SDL_CONTROLLER_AXIS_RIGHTY: return PadAxis::RightY;
    case SDL_CONTROLLER_AXIS_TRIGGERLEFT: return PadAxis::LeftTrigger;
    default: return PadAxis::RightTrigger;
  }
}

InputEvent PadEvent(InputEvent::Type type, int32_t pad, int control, int value = 0) {
  InputEvent e;
  e.type = type;
  e.pad = pad;
  e.control = control;
  e.value = value;
  return e;
}

}  // namespace

SdlControllers::SdlControllers() {
  // Buttons by where they sit, not by the letters printed on them, which differ between makers.
  SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
  // Controllers present at start arrive as "added" events, like those plugged in later.
  started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

SdlControllers::~SdlControllers() {
  for (auto& [id, pad] : pads_) SDL_GameControllerClose(pad.controller);
  pads_.clear();
  if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlControllers::Open(int device_index) {
  if (!SDL_IsGameController(device_index)) return;
  SDL_GameController* controller = SDL_GameControllerOpen(device_index);
  if (!controller) return;
  int32_t id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
  if (pads_.count(id)) {
    SDL_GameControllerClose(controller);  // already open: SDL counted a second reference
    return;
  }
  pads_[id].controller = controller;
}

void SdlControllers::Close(int32_t instance, std::deque<InputEvent>& out) {
  auto it = pads_.find(instance);
  if (it == pads_.end()) return;
  Pad& pad = it->second;
  for (int b = 0; b < int(PadButton::Other); ++b)
    if (pad.held & (1u << b)) out.push_back(PadEvent(InputEvent::Type::PadUp, instance, b));
  for (int a = 0; a < 6; ++a)
    if (pad.axes[a] != 0) out.push_back(PadEvent(InputEvent::Type::PadAxis, instance, a, 0));
  SDL_GameControllerClose(pad.controller);
  pads_.erase(it);
}

bool SdlControllers::Translate(const SDL_Event& sdl, std::deque<InputEvent>& out) {
  switch (sdl.type) {
    case SDL_CONTROLLERDEVICEADDED: Open(sdl.cdevice.which); return true;
    case SDL_CONTROLLERDEVICEREMOVED: Close(sdl.cdevice.which, out); return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      auto it = pads_.find(sdl.cbutton.which);
      PadButton b = ButtonOf(sdl.cbutton.button);
      if (it == pads_.end() || b == PadButton::Other) return true;
      bool down = sdl.type == SDL_CONTROLLERBUTTONDOWN;
      uint32_t bit = 1u << int(b);
      if (down == ((it->second.held & bit) != 0)) return true;  // no change
      it->second.held = down ? (it->second.held | bit) : (it->second.held & ~bit);
      out.push_back(PadEvent(down ? InputEvent::Type::PadDown : InputEvent::Type::PadUp, sdl.cbutton.which, int(b)));
      return true;
    }
    case SDL_CONTROLLERAXISMOTION: {
      auto it = pads_.find(sdl.caxis.which);
      if (it == pads_.end()) return true;
      PadAxis a = AxisOf(sdl.caxis.axis);
      it->second.axes[int(a)] = sdl.caxis.value;
      out.push_back(PadEvent(InputEvent::Type::PadAxis, sdl.caxis.which, int(a), sdl.caxis.value));
      return true;
    }
    default: return false;
  }
}

}  // namespace cw
