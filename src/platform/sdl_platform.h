#pragma once
// The real backend: an SDL2 window showing the 800 x 600 picture scaled to fit, keyboard, mouse and
// game controllers, the millisecond clock and music through SDL2_mixer. It applies the player's
// settings (music volume, full screen, scaling), which the game owns, and shows short notes. It is both the game's
// session and its media.
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/display_scaling.h"
#include "platform/media.h"
#include "platform/music_volume.h"
#include "platform/picture_read_ahead.h"
#include "platform/presentation.h"
#include "platform/sdl_media.h"
#include "platform/sdl_note.h"
#include "platform/session.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_KeyboardEvent;
typedef struct _Mix_Music Mix_Music;
union SDL_Event;

namespace cw {

class SdlControllers;

class SdlPlatform : public Session, public Media, public Presentation {
 public:
  struct Options {
    DisplayMode display;     // full screen or a resizable window, and the scaling
    int music_volume = 100;  // percent
    bool muted = false;
    bool audio = true;  // false never opens the audio device
    // Picture files the game will load first: decoded on a second thread while the window opens.
    std::vector<std::string> read_ahead;
    std::vector<std::string> read_ahead_indexed;  // the same for masks (DecodeIndexed)
    // The canvas of a web page: 800 x 600, neither resizable nor full screen (the page scales it).
    // No renderer: the subclass puts the picture and the notes into the page itself.
    bool in_page = false;
  };

  // Throws std::runtime_error when no window can be opened.
  SdlPlatform(Options options, std::vector<uint8_t> regular_ttf, std::vector<uint8_t> bold_ttf);
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  int64_t Ticks() override;
  void WaitUntil(int64_t deadline) override;
  void WaitForEvent(int64_t deadline) override;
  bool PollEvent(InputEvent& event) override;
  void Present(const Surface& frame) override;
  void PresentChanged(const Surface& frame, const FrameArea& changed) override;
  uint64_t RandomSeed() override;

  void SetMusicFile(const std::string& path) override;
  void PlayMusic() override;
  std::string MusicFile() const override;
  bool MusicPlaying() const override;

  std::optional<Surface> DecodePicture(const std::string& path) override;
  std::optional<Surface> DecodePicture(const void* data, size_t size) override;
  std::optional<IndexedSurface> DecodeIndexed(const std::string& path) override;
  TextMask RenderText(const std::string& line, double point_size, bool bold) override;
  bool SavePng(const Surface& frame, const std::string& path) override;

  void SetMusicVolume(int percent, bool muted) override;
  void SetDisplay(const DisplayMode& mode) override;
  void ShowNote(const std::string& text, int64_t shown_for) override;
  bool HasSound() const override { return audio_open_; }

 protected:
  // Takes the next SDL event, waiting up to `timeout_ms` for one (a negative timeout: no limit);
  // false when none came in time.
  virtual bool WaitSdlEvent(SDL_Event& event, int timeout_ms);

 private:
  void RequireDisplay();
  void OpenWindow(const DisplayMode& mode);
  void CloseWindow();
  void ShowTexture();
  // Copies `area` of the frame into the texture (made anew when its size changed: then all of it).
  bool Upload(const Surface& frame, FrameArea area);
  void OpenAudio();
  void CloseAudio();
  // Turns one SDL event into the game's events (none, one or several) at the end of pending_.
  void Translate(const SDL_Event& sdl);
  void GoFullScreen();
  void LeaveFullScreen();
  // Gives up full screen when the window manager hasn't granted it (see x11_window.h).
  void CheckFullScreenGranted();
  // Where the picture goes in a drawable of this size, by the scaling of the settings.
  Viewport PictureViewport(int drawable_w, int drawable_h) const;
  // Takes the note away once its time is over.
  void ExpireNote();

  SdlMedia media_;
  PictureReadAhead<Surface> read_ahead_;
  PictureReadAhead<IndexedSurface> read_ahead_indexed_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  uint32_t texture_format_ = 0;
  int texture_width_ = 0;
  int texture_height_ = 0;
  std::deque<InputEvent> pending_;  // translated, handed out by PollEvent
  std::unique_ptr<SdlControllers> controllers_;
  SdlNote note_;
  bool note_on_screen_ = false;
  bool first_frame_shown_ = false;

  bool in_page_ = false;
  bool audio_open_ = false;
  int percent_ = 100;
  bool muted_ = false;
  DisplayMode display_;
  bool no_window_manager_ = false;
  bool covering_ = false;  // full screen without a window manager: a borderless window over the screen
  static constexpr int64_t kFullScreenGrace = 1000;  // milliseconds for a window manager to grant full screen
  int64_t full_screen_asked_at_ = -1;
  int64_t last_pump_ = -1;  // the tick at which the system's events were last fetched
  Mix_Music* music_ = nullptr;
  std::string music_file_;   // the file the game set
  std::string loaded_file_;  // the file music_ was loaded from
};

}  // namespace cw
