#include "platform/browser_session.h"

#include <algorithm>
#include <climits>

#include <SDL.h>
#include <emscripten.h>

namespace cw {
namespace {

// While a controller is plugged in its buttons are read only when SDL looks: a wait with no end looks
// again this often.
constexpr int kControllerLookMs = 16;

// clang-format off
// Sleeps until `ms` have passed (negative: no limit) or the page calls Module.cinderwakeWake().
EM_ASYNC_JS(void, cw_page_wait, (int ms), {
  await new Promise((resolve) => {
    let timer = 0;
    const wake = () => {
      clearTimeout(timer);
      if (Module.cinderwakeWake === wake) Module.cinderwakeWake = null;
      resolve();
    };
    Module.cinderwakeWake = wake;
    if (ms >= 0) timer = setTimeout(wake, ms);
  });
});

// Called while SDL queues an event, before it is in the queue: the wait ends once the browser has
// finished delivering it.
EM_JS(void, cw_page_wake, (), {
  const wake = Module.cinderwakeWake;
  if (wake) setTimeout(wake, 0);
});

EM_JS(void, cw_page_toggle_full_screen, (), {
  if (Module.cinderwakeToggleFullScreen) Module.cinderwakeToggleFullScreen();
});

EM_JS(void, cw_page_first_frame, (), {
  if (Module.cinderwakeFirstFrame) Module.cinderwakeFirstFrame();
});

// Puts the area (x, y, w, h) of the width x height RGBA picture at `pixels` into the canvas.
EM_JS(void, cw_page_present, (const void* pixels, int width, int height, int x, int y, int w, int h), {
  Module.cinderwakePresent(HEAPU8, pixels, width, height, x, y, w, h);
});

// Shows `text` over the picture for `ms` milliseconds (negative: until the next note); "" takes it away.
EM_JS(void, cw_page_note, (const char* text, int ms), {
  if (Module.cinderwakeNote) Module.cinderwakeNote(UTF8ToString(text), ms);
});
// clang-format on

int WakeOnEvent(void*, SDL_Event*) {
  cw_page_wake();
  return 0;
}

// Set before SDL opens the window, which is when it listens to the page.
SdlPlatform::Options PageOptions(SdlPlatform::Options options) {
  // Keys only while the canvas has the focus, so the rest of the page keeps its keys.
  SDL_SetHint(SDL_HINT_EMSCRIPTEN_KEYBOARD_ELEMENT, "#canvas");
  options.in_page = true;
  options.read_ahead.clear();  // the page has no second thread
  return options;
}

}  // namespace

BrowserSession::BrowserSession(SdlPlatform::Options options, std::vector<uint8_t> regular_ttf,
                               std::vector<uint8_t> bold_ttf)
    : SdlPlatform(PageOptions(options), std::move(regular_ttf), std::move(bold_ttf)),
      full_screen_(options.display.full_screen) {
  SDL_AddEventWatch(WakeOnEvent, nullptr);
}

BrowserSession::~BrowserSession() { SDL_DelEventWatch(WakeOnEvent, nullptr); }

void BrowserSession::WaitUntil(int64_t deadline) {
  for (;;) {
    int64_t left = deadline - Ticks();
    if (left <= 0) return;
    emscripten_sleep(unsigned(std::min<int64_t>(left, INT_MAX)));
  }
}

bool BrowserSession::WaitSdlEvent(SDL_Event& event, int timeout_ms) {
  int64_t until = timeout_ms < 0 ? -1 : Ticks() + timeout_ms;
  for (;;) {
    if (SDL_PollEvent(&event)) return true;
    int64_t left = until < 0 ? -1 : until - Ticks();
    if (until >= 0 && left <= 0) return false;
    if (SDL_NumJoysticks() > 0 && (left < 0 || left > kControllerLookMs)) left = kControllerLookMs;
    cw_page_wait(int(std::min<int64_t>(left, INT_MAX)));
  }
}

void BrowserSession::SetDisplay(const DisplayMode& mode) {
  // Each switch of the player's (Alt+Enter) flips the setting: the page switches its own full screen,
  // which a browser grants only during a key or click. Size and scaling are the page's.
  if (mode.full_screen != full_screen_) cw_page_toggle_full_screen();
  full_screen_ = mode.full_screen;
}

// The canvas takes RGBA bytes straight from the program's memory: only the changed area is converted
// and handed over, with no renderer, texture or JavaScript copy in between.
void BrowserSession::PresentChanged(const Surface& frame, const FrameArea& changed) {
  if (frame.Empty() || frame.pixels.size() != size_t(frame.width) * size_t(frame.height)) return;
  FrameArea area = changed;
  if (rgba_width_ != frame.width || rgba_height_ != frame.height) {
    rgba_.assign(frame.pixels.size(), 0);
    rgba_width_ = frame.width;
    rgba_height_ = frame.height;
    area = FrameArea{0, 0, frame.width, frame.height};  // nothing of it is in the canvas yet
  }
  area = area.Within(frame.width, frame.height);
  if (!area.Empty()) {
    for (int y = area.y; y < area.y + area.h; ++y) {
      const uint32_t* src = frame.Row(y) + area.x;
      uint32_t* dst = rgba_.data() + size_t(y) * size_t(frame.width) + area.x;
      // 0x00BBGGRR is the bytes R, G, B, 0 already: only the alpha byte is the canvas's own.
      for (int x = 0; x < area.w; ++x) dst[x] = src[x] | 0xFF000000u;
    }
    cw_page_present(rgba_.data(), frame.width, frame.height, area.x, area.y, area.w, area.h);
  }
  if (!first_frame_told_) {
    first_frame_told_ = true;
    cw_page_first_frame();
  }
}

void BrowserSession::ShowNote(const std::string& text, int64_t shown_for) {
  cw_page_note(text.c_str(), int(std::clamp<int64_t>(shown_for, -1, INT_MAX)));
}

}  // namespace cw
