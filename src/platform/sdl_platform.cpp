#include "platform/sdl_platform.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/sdl_controllers.h"
#include "platform/sdl_keys.h"
#include "platform/x11_window.h"

namespace cw {

namespace {

constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;
// Packed 0x00BBGGRR: the game's frames upload without conversion.
constexpr uint32_t kFrameFormat = SDL_PIXELFORMAT_XBGR8888;

// The mixer calls back on its own thread; it can only hand the news over as an SDL event.
std::atomic<uint32_t> g_music_event{0};
// Counts PlayMusic calls, so the end of a file that was already replaced is dropped.
std::atomic<int32_t> g_music_generation{0};

void MusicFinished() {
  SDL_Event event{};
  event.type = g_music_event.load();
  event.user.code = g_music_generation.load();
  SDL_PushEvent(&event);
}

int GameButton(uint8_t sdl_button) {
  switch (sdl_button) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 4;
    default: return 0;
  }
}

int GameButtons(uint32_t sdl_state) {
  return ((sdl_state & SDL_BUTTON_LMASK) ? 1 : 0) | ((sdl_state & SDL_BUTTON_RMASK) ? 2 : 0) |
         ((sdl_state & SDL_BUTTON_MMASK) ? 4 : 0);
}

// The window's size: the player's own, else the one that shows the picture at the largest whole factor
// the desktop has room for.
void WindowedSize(const DisplayMode& mode, int& w, int& h) {
  if (mode.window_width > 0 && mode.window_height > 0) {
    w = mode.window_width;
    h = mode.window_height;
    return;
  }
  w = kPictureWidth;
  h = kPictureHeight;
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return;
  // Room for the window's frame and title bar.
  int factor = std::min((usable.w - 16) / kPictureWidth, (usable.h - 48) / kPictureHeight);
  if (factor > 1) {
    w *= factor;
    h *= factor;
  }
}

// Without a render node there is no graphics driver, and OpenGL would be a software rasteriser.
bool HasGraphicsDevice() {
#ifdef __linux__
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error))
    if (entry.path().filename().string().rfind("renderD", 0) == 0) return true;
  return false;
#else
  return true;
#endif
}

// True for an OpenGL renderer whose "GPU" is the CPU (llvmpipe, softpipe and the like).
bool DrawsOnTheCpu(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0) return false;
  using GetString = const unsigned char* (*)(unsigned);
  auto get_string = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const unsigned char* name = get_string ? get_string(0x1F01 /* GL_RENDERER */) : nullptr;
  if (!name) return false;
  const char* n = reinterpret_cast<const char*>(name);
  return std::strstr(n, "llvmpipe") || std::strstr(n, "softpipe") || std::strstr(n, "Software Rasterizer") ||
         std::strstr(n, "swrast");
}

// A graphics card scales and shows the picture almost for free. A software rasteriser standing in for one
// costs several times SDL's own blitter and loads a whole compiler, so then SDL draws straight into the
// window instead.
SDL_Renderer* CreateRenderer(SDL_Window* window) {
  const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
  if (asked && *asked) return SDL_CreateRenderer(window, -1, 0);  // the player's own choice
  if (HasGraphicsDevice()) {
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    if (renderer && !DrawsOnTheCpu(renderer)) return renderer;
    if (renderer) SDL_DestroyRenderer(renderer);
  }
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE)) return renderer;
  // No window framebuffer of its own on this system (Wayland): whatever SDL can draw with.
  return SDL_CreateRenderer(window, -1, 0);
}

std::runtime_error SdlError(const std::string& what) { return std::runtime_error(what + ": " + SDL_GetError()); }

}  // namespace

SdlPlatform::SdlPlatform(Options options, std::vector<uint8_t> regular_ttf, std::vector<uint8_t> bold_ttf)
    : media_(std::move(regular_ttf), std::move(bold_ttf)), in_page_(options.in_page) {
  for (const std::string& path : options.read_ahead)
    read_ahead_.Start(path, [this](const std::string& p) { return media_.DecodePicture(p); });
  for (const std::string& path : options.read_ahead_indexed)
    read_ahead_indexed_.Start(path, [this](const std::string& p) { return media_.DecodeIndexed(p); });
  SDL_SetHint(SDL_HINT_APP_NAME, "Cinderwake");  // how the sound server lists us
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) throw SdlError("Cannot start the video system");
  try {
    RequireDisplay();
    OpenWindow(options.display);
  } catch (...) {
    CloseWindow();
    throw;
  }
  controllers_ = std::make_unique<SdlControllers>();
  percent_ = options.music_volume;
  muted_ = options.muted;
  if (options.audio) OpenAudio();
}

SdlPlatform::~SdlPlatform() {
  CloseAudio();
  controllers_.reset();
  CloseWindow();
}

void SdlPlatform::RequireDisplay() {
  // Without a display SDL settles for an invisible window; only take that when asked for by name.
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  bool invisible = driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
  if (invisible && !(asked && *asked)) throw std::runtime_error("Cannot open the window: no display found");
}

void SdlPlatform::OpenWindow(const DisplayMode& mode) {
  // Full screen takes the desktop as it is; the window size is what leaving full screen goes back to.
  display_ = mode;
  int w = kPictureWidth, h = kPictureHeight;
  // Hidden until it is known whether a window manager will grant full screen.
  uint32_t flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_HIDDEN;
  if (in_page_) {
    flags = 0;  // the page's canvas, which the page scales
  } else {
    WindowedSize(mode, w, h);
  }
  window_ = SDL_CreateWindow("Cinderwake", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h, flags);
  if (!window_) throw SdlError("Cannot open the window");
  SDL_SetWindowMinimumSize(window_, kPictureWidth / 4, kPictureHeight / 4);
  no_window_manager_ = !in_page_ && X11WithoutWindowManager(window_);
  if (mode.full_screen && !in_page_) GoFullScreen();
  SDL_ShowWindow(window_);
  // Characters are derived from the keys themselves; no input method window is wanted.
  SDL_StopTextInput();
  if (in_page_) return;  // the page puts the picture into its canvas itself

  renderer_ = CreateRenderer(window_);
  if (!renderer_) throw SdlError("Cannot draw into the window");
  // Drawn on the CPU into the window, the texture takes the window's own layout, so no blit converts.
  SDL_RendererInfo info;
  texture_format_ = kFrameFormat;
  if (SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE)) {
    uint32_t window_format = SDL_GetWindowPixelFormat(window_);
    if (window_format == SDL_PIXELFORMAT_RGB888 || window_format == SDL_PIXELFORMAT_ARGB8888)
      texture_format_ = SDL_PIXELFORMAT_RGB888;
  }

  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
}

void SdlPlatform::CloseWindow() {
  note_.Forget();
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
  SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
}

int64_t SdlPlatform::Ticks() { return int64_t(SDL_GetTicks64()); }

void SdlPlatform::WaitUntil(int64_t deadline) {
  for (;;) {
    int64_t left = deadline - Ticks();
    if (left <= 0) return;
    // Sleep through all but the last millisecond, then close in with short naps.
    if (left > 1) {
      SDL_Delay(uint32_t(std::min<int64_t>(left - 1, INT32_MAX)));
    } else {
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  }
}

void SdlPlatform::WaitForEvent(int64_t deadline) {
  SDL_Event sdl;
  while (pending_.empty()) {
    ExpireNote();
    // A note on screen wakes the wait when its time is over, so that it goes away on a quiet screen too.
    int64_t until = note_on_screen_ ? note_.until() : -1;  // -1 also for a note that stays
    if (deadline >= 0 && (until < 0 || deadline < until)) until = deadline;
    int timeout = -1;
    if (until >= 0) {
      int64_t left = until - Ticks();
      if (left <= 0) {
        if (until == deadline) return;
        continue;
      }
      timeout = int(std::min<int64_t>(left, INT_MAX));
    }
    if (WaitSdlEvent(sdl, timeout)) Translate(sdl);
  }
}

bool SdlPlatform::WaitSdlEvent(SDL_Event& event, int timeout_ms) {
  if (timeout_ms >= 0) return SDL_WaitEventTimeout(&event, timeout_ms) != 0;
  if (SDL_WaitEvent(&event)) return true;
  SDL_Delay(10);  // only on an error inside SDL: don't spin
  return false;
}

bool SdlPlatform::PollEvent(InputEvent& event) {
  ExpireNote();
  SDL_Event sdl;
  // Fetching the system's events is a round of calls to the X server; a pass yields twice within a
  // millisecond, and once is enough. What SDL has queued already is handed out either way.
  if (int64_t now = Ticks(); now != last_pump_) {
    last_pump_ = now;
    SDL_PumpEvents();
  }
  while (pending_.empty() && SDL_PeepEvents(&sdl, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) Translate(sdl);
  if (pending_.empty()) return false;
  event = pending_.front();
  pending_.pop_front();
  return true;
}

void SdlPlatform::Translate(const SDL_Event& sdl) {
  if (controllers_ && controllers_->Translate(sdl, pending_)) return;
  InputEvent event;
  auto picture_point = [&](int x, int y) {
    int window_w = 0, window_h = 0, drawable_w = 0, drawable_h = 0;
    SDL_GetWindowSize(window_, &window_w, &window_h);
    drawable_w = window_w;
    drawable_h = window_h;
    if (renderer_) SDL_GetRendererOutputSize(renderer_, &drawable_w, &drawable_h);
    Viewport v = PictureViewport(drawable_w, drawable_h);
    PicturePoint p =
        WindowToPicture(v, x, y, window_w, window_h, drawable_w, drawable_h, kPictureWidth, kPictureHeight);
    event.x = p.x;
    event.y = p.y;
  };
  switch (sdl.type) {
    case SDL_QUIT: event.type = InputEvent::Type::Quit; break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      int key = VirtualKey(sdl.key.keysym.sym, sdl.key.keysym.mod);
      if (key == 0) return;
      event.key = key;
      if (sdl.type == SDL_KEYDOWN) {
        event.type = InputEvent::Type::KeyDown;
        event.ch = KeyCharacter(sdl.key.keysym.sym, sdl.key.keysym.mod);
      } else {
        event.type = InputEvent::Type::KeyUp;
      }
      break;
    }
    case SDL_MOUSEMOTION:
      event.type = InputEvent::Type::MouseMove;
      event.button = GameButtons(sdl.motion.state);
      picture_point(sdl.motion.x, sdl.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      event.type = sdl.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Type::MouseDown : InputEvent::Type::MouseUp;
      event.button = GameButton(sdl.button.button);
      if (event.button == 0) return;
      picture_point(sdl.button.x, sdl.button.y);
      break;
    case SDL_WINDOWEVENT:
      if (sdl.window.event == SDL_WINDOWEVENT_FOCUS_LOST || sdl.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
        event.type = sdl.window.event == SDL_WINDOWEVENT_FOCUS_LOST ? InputEvent::Type::FocusLost
                                                                    : InputEvent::Type::FocusGained;
        break;
      }
      // Uncovered or resized: show the last frame again rather than garbage until the next one.
      if (sdl.window.event == SDL_WINDOWEVENT_EXPOSED || sdl.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        ShowTexture();
      }
      return;
    case SDL_RENDER_DEVICE_RESET:
      // The textures were lost with the device; Present makes a new one.
      texture_ = nullptr;
      texture_width_ = texture_height_ = 0;
      note_.Forget();
      return;
    default:
      if (g_music_event == 0 || sdl.type != g_music_event.load()) return;
      if (sdl.user.code != g_music_generation.load()) return;  // a file since replaced
      event.type = InputEvent::Type::MusicEnded;
      break;
  }
  pending_.push_back(event);
}

void SdlPlatform::GoFullScreen() {
  // Without a window manager nobody grants full screen, yet SDL would take the window to cover the
  // screen while it stays as it is. The X server itself moves and sizes a window when nobody manages
  // it: a borderless window over the whole screen is full screen there.
  if (no_window_manager_) {
    SDL_Rect screen;
    if (SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(window_)), &screen) != 0) return;
    SDL_SetWindowBordered(window_, SDL_FALSE);
    SDL_SetWindowPosition(window_, screen.x, screen.y);
    SDL_SetWindowSize(window_, screen.w, screen.h);
    covering_ = true;
    return;
  }
  SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
  full_screen_asked_at_ = Ticks();
}

void SdlPlatform::LeaveFullScreen() {
  if (!covering_) {
    SDL_SetWindowFullscreen(window_, 0);
    return;
  }
  covering_ = false;
  int w, h;
  WindowedSize(display_, w, h);
  SDL_SetWindowBordered(window_, SDL_TRUE);
  SDL_SetWindowSize(window_, w, h);
  SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

void SdlPlatform::SetDisplay(const DisplayMode& mode) {
  DisplayMode before = display_;
  display_ = mode;
  bool full = covering_ || (SDL_GetWindowFlags(window_) & (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_FULLSCREEN_DESKTOP));
  if (mode.full_screen && !full) {
    GoFullScreen();
  } else if (!mode.full_screen && full) {
    LeaveFullScreen();
  }
  bool size_changed = mode.window_width != before.window_width || mode.window_height != before.window_height;
  // Leaving full screen goes back to the window SDL kept, unless the player has chosen a size.
  if (!mode.full_screen && (size_changed || (full && mode.window_width > 0))) {
    int w, h;
    WindowedSize(mode, w, h);
    SDL_SetWindowSize(window_, w, h);
  }
  ShowTexture();
}

void SdlPlatform::SetMusicVolume(int percent, bool muted) {
  percent_ = percent;
  muted_ = muted;
  if (audio_open_) Mix_VolumeMusic(MixerLevel(percent_, muted_));
}

void SdlPlatform::ShowNote(const std::string& text, int64_t shown_for) {
  note_.Show(text, Ticks(), shown_for);
  ShowTexture();
}

Viewport SdlPlatform::PictureViewport(int drawable_w, int drawable_h) const {
  return display_.smooth ? FillPicture(drawable_w, drawable_h, kPictureWidth, kPictureHeight)
                         : FitPicture(drawable_w, drawable_h, kPictureWidth, kPictureHeight);
}

void SdlPlatform::CheckFullScreenGranted() {
  // A window manager that won't make the window cover the screen leaves SDL drawing as if it had: the
  // picture lands off the window. After a moment's grace, SDL is told the window's real size.
  if (full_screen_asked_at_ < 0 || Ticks() - full_screen_asked_at_ < kFullScreenGrace) return;
  full_screen_asked_at_ = -1;
  auto real = X11WindowSize(window_);
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  if (!real || (real->first == w && real->second == h)) return;
  SDL_SetWindowFullscreen(window_, 0);
  SDL_SetWindowSize(window_, real->first, real->second);
}

void SdlPlatform::ExpireNote() {
  if (note_on_screen_ && !note_.Showing(Ticks())) ShowTexture();
}

void SdlPlatform::Present(const Surface& frame) { PresentChanged(frame, FrameArea{0, 0, frame.width, frame.height}); }

bool SdlPlatform::Upload(const Surface& frame, FrameArea area) {
  if (!renderer_ || frame.Empty() || frame.pixels.size() != size_t(frame.width) * size_t(frame.height)) return false;
  if (!texture_ || texture_width_ != frame.width || texture_height_ != frame.height) {
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, texture_format_, SDL_TEXTUREACCESS_STREAMING, frame.width, frame.height);
    if (!texture_) return false;
    texture_width_ = frame.width;
    texture_height_ = frame.height;
    area = FrameArea{0, 0, frame.width, frame.height};  // a new texture holds nothing yet
  }
  area = area.Within(frame.width, frame.height);
  if (area.Empty()) return true;
  SDL_Rect rect{area.x, area.y, area.w, area.h};
  if (texture_format_ == kFrameFormat) {
    SDL_UpdateTexture(texture_, &rect, frame.Row(area.y) + area.x, frame.width * 4);
    return true;
  }
  // Red and blue trade places on the way in, so that showing the texture is a plain copy.
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture_, &rect, &pixels, &pitch) != 0) return false;
  const int width = rect.w, height = rect.h;  // locals: the stores can't change them
  for (int y = 0; y < height; ++y) {
    const uint32_t* src = frame.Row(area.y + y) + area.x;
    auto* dst = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(pixels) + size_t(y) * pitch);
    for (int x = 0; x < width; ++x) {
      uint32_t p = src[x];
      dst[x] = (p & 0x0000FF00u) | ((p & 0xFFu) << 16) | ((p >> 16) & 0xFFu);
    }
  }
  SDL_UnlockTexture(texture_);
  return true;
}

void SdlPlatform::PresentChanged(const Surface& frame, const FrameArea& changed) {
  if (!Upload(frame, changed)) return;
  ShowTexture();
  if (!first_frame_shown_) {
    first_frame_shown_ = true;
    // For measuring start-up from outside: launch to the first picture on screen.
    if (std::getenv("CINDERWAKE_REPORT_FIRST_FRAME")) {
      auto ms =
          std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch());
      std::fprintf(stderr, "cinderwake: first frame at %lld ms\n", static_cast<long long>(ms.count()));
    }
  }
}

void SdlPlatform::ShowTexture() {
  if (!renderer_) return;
  CheckFullScreenGranted();
  int output_w = 0, output_h = 0;
  SDL_GetRendererOutputSize(renderer_, &output_w, &output_h);
  Viewport v = PictureViewport(output_w, output_h);
  // Only the bars beside a picture that doesn't fill the window need clearing.
  if (!texture_ || v.x > 0 || v.y > 0 || v.w < output_w || v.h < output_h) SDL_RenderClear(renderer_);
  if (texture_ && v.w > 0) {
    // Whole factors keep every pixel a sharp square; in-between sizes are smoothed.
    SDL_SetTextureScaleMode(texture_, v.whole ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    SDL_Rect dst{v.x, v.y, v.w, v.h};
    SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
  }
  int64_t now = Ticks();
  note_on_screen_ = note_.Showing(now);
  note_.Draw(renderer_, media_, v, now);
  SDL_RenderPresent(renderer_);
}

uint64_t SdlPlatform::RandomSeed() {
  uint64_t x = uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
  x ^= SDL_GetPerformanceCounter() * 0x9E3779B97F4A7C15ull;
  // Mix the bits so that close clock readings give unrelated seeds.
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

void SdlPlatform::OpenAudio() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;  // no sound: the game stays silent
  Mix_Init(MIX_INIT_MP3);
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  audio_open_ = true;
  Mix_VolumeMusic(MixerLevel(percent_, muted_));
  if (g_music_event == 0) {
    uint32_t type = SDL_RegisterEvents(1);
    if (type != uint32_t(-1)) g_music_event = type;
  }
  if (g_music_event != 0) Mix_HookMusicFinished(MusicFinished);
}

void SdlPlatform::CloseAudio() {
  if (!audio_open_) return;
  Mix_HookMusicFinished(nullptr);
  Mix_HaltMusic();
  if (music_) Mix_FreeMusic(music_);
  music_ = nullptr;
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  audio_open_ = false;
}

void SdlPlatform::SetMusicFile(const std::string& path) { music_file_ = path; }

std::string SdlPlatform::MusicFile() const { return music_file_; }

void SdlPlatform::PlayMusic() {
  if (!audio_open_) return;
  // Halting first means no end can be reported for the old play after the count moves on;
  // ends already queued carry the old count and are dropped.
  Mix_HaltMusic();
  ++g_music_generation;
  if (!music_ || loaded_file_ != music_file_) {
    // The new file replaces the old one even when it cannot be played.
    if (music_) Mix_FreeMusic(music_);
    music_ = music_file_.empty() ? nullptr : Mix_LoadMUS(music_file_.c_str());
    loaded_file_ = music_ ? music_file_ : std::string();
  }
  if (music_) Mix_PlayMusic(music_, 0);
}

bool SdlPlatform::MusicPlaying() const { return audio_open_ && Mix_PlayingMusic() != 0; }

std::optional<Surface> SdlPlatform::DecodePicture(const std::string& path) {
  if (auto picture = read_ahead_.Take(path)) return std::move(*picture);
  return media_.DecodePicture(path);
}

std::optional<Surface> SdlPlatform::DecodePicture(const void* data, size_t size) {
  return media_.DecodePicture(data, size);
}

std::optional<IndexedSurface> SdlPlatform::DecodeIndexed(const std::string& path) {
  if (auto picture = read_ahead_indexed_.Take(path)) return std::move(*picture);
  return media_.DecodeIndexed(path);
}

TextMask SdlPlatform::RenderText(const std::string& line, double point_size, bool bold) {
  return media_.RenderText(line, point_size, bold);
}

bool SdlPlatform::SavePng(const Surface& frame, const std::string& path) { return media_.SavePng(frame, path); }

}  // namespace cw
