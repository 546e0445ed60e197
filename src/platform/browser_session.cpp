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
// clang-format on

int WakeOnEvent(void*, SDL_Event*) {
  cw_page_wake();
  return 0;
}

// Set before SDL opens the window, which is when it listens to the page.
SdlPlatform::Options PageOptions(SdlPlatform::Options options) {
  // Keys only while the canvas has the focus, so the rest of the page keeps its keys.
  SDL_SetHint(SDL_HINT_EMSCRIPTEN_KEYBOARD_ELEMENT, "#canvas");
  // SDL's own blitter into a 2D canvas (putImageData): WebGL costs far more where the browser draws it
  // on the CPU, and the picture is shown 1:1 anyway, the page scaling the canvas.
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  // Our waits hand control to the browser; SDL yielding after every present too would only add one
  // unwinding of the whole stack per picture.
  SDL_SetHint(SDL_HINT_EMSCRIPTEN_ASYNCIFY, "0");
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

void BrowserSession::Present(const Surface& frame) {
  SdlPlatform::Present(frame);
  if (!first_frame_told_) {
    first_frame_told_ = true;
    cw_page_first_frame();
  }
}

}  // namespace cw
