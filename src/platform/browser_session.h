#pragma once
// The SDL backend inside a web page (the emscripten build). The page's canvas is the window, 800 x 600,
// scaled by the page; keys reach the game while the canvas has the focus. Every wait hands control back
// to the browser (Asyncify) instead of blocking, and a wait for events ends as soon as SDL queues one:
// the page stays alive and nothing spins. Full screen is the page's; the page hears of the first frame.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/sdl_platform.h"

namespace cw {

class BrowserSession : public SdlPlatform {
 public:
  // `options` as for the desktop window; the page's canvas replaces the window.
  BrowserSession(SdlPlatform::Options options, std::vector<uint8_t> regular_ttf, std::vector<uint8_t> bold_ttf);
  ~BrowserSession() override;

  void WaitUntil(int64_t deadline) override;
  void PresentChanged(const Surface& frame, const FrameArea& changed) override;
  void ShowNote(const std::string& text, int64_t shown_for) override;
  void SetDisplay(const DisplayMode& mode) override;

 protected:
  bool WaitSdlEvent(SDL_Event& event, int timeout_ms) override;

 private:
  bool first_frame_told_ = false;
  std::vector<uint32_t> rgba_;  // the picture as the canvas takes it
  int rgba_width_ = 0;
  int rgba_height_ = 0;
  bool full_screen_;  // the setting last given
};

}  // namespace cw
