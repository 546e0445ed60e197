#include "platform/sdl_controllers.h"

#include <map>
#include <string>

#include <SDL.h>
#include <gtest/gtest.h>

namespace cw {
namespace {

using T = InputEvent::Type;

// A game controller made of software, plugged into SDL and pulled out again by the test.
class SdlControllersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    controllers_ = std::make_unique<SdlControllers>();
  }
  void TearDown() override {
    if (stick_) SDL_JoystickClose(stick_);
    controllers_.reset();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  }

  void PlugIn() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = 2;
    desc.nbuttons = 15;
    desc.button_mask = (1u << 15) - 1;  // A .. d-pad right, in SDL's order
    desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_LEFTX) | (1u << SDL_CONTROLLER_AXIS_LEFTY);
    desc.name = "test pad";
    device_ = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(device_, 0) << SDL_GetError();
    stick_ = SDL_JoystickOpen(device_);
    ASSERT_NE(stick_, nullptr) << SDL_GetError();
  }
  void PullOut() {
    SDL_JoystickClose(stick_);
    stick_ = nullptr;
    SDL_JoystickDetachVirtual(device_);
  }

  // What the controllers make of the events SDL has now, as short text in order. SDL reports a
  // resting axis once when it first moves; such reports of no change are left out.
  std::string Events() {
    SDL_JoystickUpdate();
    std::deque<InputEvent> out;
    SDL_Event sdl;
    while (SDL_PollEvent(&sdl)) controllers_->Translate(sdl, out);
    std::string s;
    for (const auto& e : out) {
      if (e.type == T::PadAxis) {
        if (axes_[e.control] == e.value) continue;
        axes_[e.control] = e.value;
      }
      if (!s.empty()) s += " ";
      s += e.type == T::PadDown ? "down " : e.type == T::PadUp ? "up " : "axis ";
      s += std::to_string(e.control);
      if (e.type == T::PadAxis) s += "=" + std::to_string(e.value);
    }
    return s;
  }

  std::unique_ptr<SdlControllers> controllers_;
  SDL_Joystick* stick_ = nullptr;
  int device_ = -1;
  std::map<int, int> axes_;
};

TEST_F(SdlControllersTest, APluggedInControllerReportsButtonsAndSticks) {
  PlugIn();
  Events();
  ASSERT_EQ(controllers_->count(), 1);
  SDL_JoystickSetVirtualButton(stick_, SDL_CONTROLLER_BUTTON_A, 1);
  EXPECT_EQ(Events(), "down " + std::to_string(int(PadButton::South)));
  SDL_JoystickSetVirtualButton(stick_, SDL_CONTROLLER_BUTTON_A, 0);
  SDL_JoystickSetVirtualButton(stick_, SDL_CONTROLLER_BUTTON_START, 1);
  EXPECT_EQ(Events(), "up 0 down " + std::to_string(int(PadButton::Start)));
  SDL_JoystickSetVirtualAxis(stick_, SDL_CONTROLLER_AXIS_LEFTY, -20000);
  EXPECT_EQ(Events(), "axis " + std::to_string(int(PadAxis::LeftY)) + "=-20000");
}

TEST_F(SdlControllersTest, PullingOutAHeldControllerLetsGoOfEverything) {
  PlugIn();
  Events();
  SDL_JoystickSetVirtualButton(stick_, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
  SDL_JoystickSetVirtualAxis(stick_, SDL_CONTROLLER_AXIS_LEFTX, 30000);
  EXPECT_EQ(Events(), "axis 0=30000 down 13");
  PullOut();
  EXPECT_EQ(Events(), "axis 0=0 up 13");
  EXPECT_EQ(controllers_->count(), 0);
  // Plugged in again, it works as before.
  PlugIn();
  Events();
  EXPECT_EQ(controllers_->count(), 1);
  SDL_JoystickSetVirtualButton(stick_, SDL_CONTROLLER_BUTTON_B, 1);
  EXPECT_EQ(Events(), "down " + std::to_string(int(PadButton::East)));
}

}  // namespace
}  // namespace cw
