#include "platform/sdl_platform.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstring>
#include <stdexcept>
#include <thread>

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

// Windows-style virtual-key code of a key; 0 for keys the game has no code for.
int VirtualKey(SDL_Keycode sym, uint16_t mod) {
  if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + (sym - SDLK_a);
  if (sym >= SDLK_0 && sym <= SDLK_9) return '0' + (sym - SDLK_0);
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return 112 + (sym - SDLK_F1);
  if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9 && (mod & KMOD_NUM)) return 97 + (sym - SDLK_KP_1);
  switch (sym) {
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_RETURN: case SDLK_KP_ENTER: return 13;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return 16;
    case SDLK_LCTRL: case SDLK_RCTRL: return 17;
    case SDLK_LALT: case SDLK_RALT: return 18;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    case SDLK_ESCAPE: return 27;
    case SDLK_SPACE: return 32;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_PRINTSCREEN: return 44;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return 46;
    case SDLK_LGUI: return 91;
    case SDLK_RGUI: return 92;
    case SDLK_APPLICATION: return 93;
    case SDLK_KP_MULTIPLY: return 106;
    case SDLK_KP_PLUS: return 107;
    case SDLK_KP_MINUS: return 109;
    case SDLK_KP_DIVIDE: return 111;
    case SDLK_NUMLOCKCLEAR: return 144;
    case SDLK_SCROLLLOCK: return 145;
    case SDLK_SEMICOLON: return 186;
    case SDLK_EQUALS: return 187;
    case SDLK_COMMA: return 188;
    case SDLK_MINUS: return 189;
    case SDLK_PERIOD: return 190;
    case SDLK_SLASH: return 191;
    case SDLK_BACKQUOTE: return 192;
    case SDLK_LEFTBRACKET: return 219;
    case SDLK_BACKSLASH: return 220;
    case SDLK_RIGHTBRACKET: return 221;
    case SDLK_QUOTE: return 222;
    default: break;
  }
  // The keypad without Num Lock moves like the keys printed on it.
  bool num = mod & KMOD_NUM;
  switch (sym) {
    case SDLK_KP_0: return num ? 96 : 45;
    case SDLK_KP_PERIOD: return num ? 110 : 46;
    case SDLK_KP_1: return 35;
    case SDLK_KP_2: return 40;
    case SDLK_KP_3: return 34;
    case SDLK_KP_4: return 37;
    case SDLK_KP_5: return 12;
    case SDLK_KP_6: return 39;
    case SDLK_KP_7: return 36;
    case SDLK_KP_8: return 38;
    case SDLK_KP_9: return 33;
    default: return 0;
  }
}

// The character a key types, from the key itself and Shift / Caps Lock; 0 for keys that type none.
// Only letters follow Shift: other keys give their unshifted character on every layout alike.
int KeyCharacter(SDL_Keycode sym, uint16_t mod) {
  if (sym >= SDLK_a && sym <= SDLK_z) {
    bool upper = ((mod & KMOD_SHIFT) != 0) != ((mod & KMOD_CAPS) != 0);
    return (upper ? 'A' : 'a') + (sym - SDLK_a);
  }
  bool num = mod & KMOD_NUM;
  if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) return num ? '1' + (sym - SDLK_KP_1) : 0;
  switch (sym) {
    case SDLK_RETURN: case SDLK_KP_ENTER: return 13;
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_ESCAPE: return 27;
    case SDLK_KP_0: return num ? '0' : 0;
    case SDLK_KP_PERIOD: return num ? '.' : 0;
    case SDLK_KP_MULTIPLY: return '*';
    case SDLK_KP_PLUS: return '+';
    case SDLK_KP_MINUS: return '-';
    case SDLK_KP_DIVIDE: return '/';
    default: break;
  }
  // Printable keys have their own character as their SDL key code.
  return (sym >= 32 && sym < 127) ? int(sym) : 0;
}

std::runtime_error SdlError(const std::string& what) { return std::runtime_error(what + ": " + SDL_GetError()); }

}  // namespace

SdlPlatform::SdlPlatform(Options options, std::vector<uint8_t> regular_ttf, std::vector<uint8_t> bold_ttf)
    : media_(std::move(regular_ttf), std::move(bold_ttf)) {
  SDL_SetHint(SDL_HINT_APP_NAME, "Cinderwake");  // how the sound server lists us
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) throw SdlError("Cannot start the video system");
  try {
    RequireDisplay();
    OpenWindow(options.windowed);
  } catch (...) {
    CloseWindow();
    throw;
  }
  if (options.audio) OpenAudio();
}

SdlPlatform::~SdlPlatform() {
  CloseAudio();
  CloseWindow();
}

void SdlPlatform::RequireDisplay() {
  // Without a display SDL settles for an invisible window; only take that when asked for by name.
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  bool invisible = driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
  if (invisible && !(asked && *asked)) throw std::runtime_error("Cannot open the window: no display found");
}

void SdlPlatform::OpenWindow(bool windowed) {
  uint32_t flags = windowed ? SDL_WINDOW_RESIZABLE : SDL_WINDOW_FULLSCREEN_DESKTOP;
  window_ = SDL_CreateWindow("Cinderwake", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kPictureWidth,
                             kPictureHeight, flags);
  if (!window_) throw SdlError("Cannot open the window");

  // Sharp pixels when the picture is scaled up to the screen.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) throw SdlError("Cannot draw into the window");
  // Letterboxed 800 x 600; mouse positions come back in picture pixels.
  if (SDL_RenderSetLogicalSize(renderer_, kPictureWidth, kPictureHeight) != 0) throw SdlError("Cannot scale");

  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
  // Characters are derived from the keys themselves; no input method window is wanted.
  SDL_StopTextInput();
}

void SdlPlatform::CloseWindow() {
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
  InputEvent event;
  while (pending_.empty()) {
    int got;
    if (deadline < 0) {
      got = SDL_WaitEvent(&sdl);
      if (!got) SDL_Delay(10);  // only on an error inside SDL: don't spin
    } else {
      int64_t left = deadline - Ticks();
      if (left <= 0) return;
      got = SDL_WaitEventTimeout(&sdl, int(std::min<int64_t>(left, INT_MAX)));
    }
    if (got && Translate(sdl, event)) pending_.push_back(event);
  }
}

bool SdlPlatform::PollEvent(InputEvent& event) {
  if (!pending_.empty()) {
    event = pending_.front();
    pending_.pop_front();
    return true;
  }
  SDL_Event sdl;
  while (SDL_PollEvent(&sdl)) {
    if (Translate(sdl, event)) return true;
  }
  return false;
}

bool SdlPlatform::Translate(const SDL_Event& sdl, InputEvent& event) {
  event = InputEvent{};
  switch (sdl.type) {
    case SDL_QUIT:
      event.type = InputEvent::Type::Quit;
      return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      int key = VirtualKey(sdl.key.keysym.sym, sdl.key.keysym.mod);
      if (key == 0) return false;
      event.key = key;
      if (sdl.type == SDL_KEYDOWN) {
        event.type = InputEvent::Type::KeyDown;
        event.ch = KeyCharacter(sdl.key.keysym.sym, sdl.key.keysym.mod);
      } else {
        event.type = InputEvent::Type::KeyUp;
      }
      return true;
    }
    case SDL_MOUSEMOTION:
      event.type = InputEvent::Type::MouseMove;
      event.button = GameButtons(sdl.motion.state);
      event.x = std::clamp(sdl.motion.x, 0, kPictureWidth - 1);
      event.y = std::clamp(sdl.motion.y, 0, kPictureHeight - 1);
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      event.type = sdl.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Type::MouseDown : InputEvent::Type::MouseUp;
      event.button = GameButton(sdl.button.button);
      if (event.button == 0) return false;
      event.x = std::clamp(sdl.button.x, 0, kPictureWidth - 1);
      event.y = std::clamp(sdl.button.y, 0, kPictureHeight - 1);
      return true;
    case SDL_WINDOWEVENT:
      // Uncovered or resized: show the last frame again rather than garbage until the next one.
      if (sdl.window.event == SDL_WINDOWEVENT_EXPOSED || sdl.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        ShowTexture();
      }
      return false;
    case SDL_RENDER_DEVICE_RESET:
      // The texture was lost with the device; Present makes a new one.
      texture_ = nullptr;
      texture_width_ = texture_height_ = 0;
      return false;
    default:
      if (g_music_event != 0 && sdl.type == g_music_event.load()) {
        if (sdl.user.code != g_music_generation.load()) return false;  // a file since replaced
        event.type = InputEvent::Type::MusicEnded;
        return true;
      }
      return false;
  }
}

void SdlPlatform::Present(const Surface& frame) {
  if (frame.Empty() || frame.pixels.size() != size_t(frame.width) * size_t(frame.height)) return;
  if (!texture_ || texture_width_ != frame.width || texture_height_ != frame.height) {
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, kFrameFormat, SDL_TEXTUREACCESS_STREAMING, frame.width, frame.height);
    if (!texture_) return;
    texture_width_ = frame.width;
    texture_height_ = frame.height;
  }
  SDL_UpdateTexture(texture_, nullptr, frame.pixels.data(), frame.width * 4);
  ShowTexture();
}

void SdlPlatform::ShowTexture() {
  SDL_RenderClear(renderer_);
  if (texture_) SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
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

std::optional<Surface> SdlPlatform::DecodePicture(const std::string& path) { return media_.DecodePicture(path); }

std::optional<Surface> SdlPlatform::DecodePicture(const void* data, size_t size) {
  return media_.DecodePicture(data, size);
}

TextMask SdlPlatform::RenderText(const std::string& line, double point_size, bool bold) {
  return media_.RenderText(line, point_size, bold);
}

bool SdlPlatform::SavePng(const Surface& frame, const std::string& path) { return media_.SavePng(frame, path); }

}  // namespace cw
