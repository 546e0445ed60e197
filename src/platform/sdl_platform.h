#pragma once
// The real backend: an SDL2 window showing the 800 x 600 picture scaled to fit, keyboard, mouse and
// game controllers, the millisecond clock and music through SDL2_mixer. The window's own keys
// (full screen, music volume) are handled here and never reach the game. It is both the game's session
// and its media.
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

class SdlPlatform : public Session, public Media {
 public:
  struct Options {
    bool windowed = false;  // a resizable window instead of full screen
    bool audio = true;      // false never opens the audio device
    // Picture files the game will load first: decoded on a second thread while the window opens.
    std::vector<std::string> read_ahead;
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
  uint64_t RandomSeed() override;

  void SetMusicFile(const std::string& path) override;
  void PlayMusic() override;
  std::string MusicFile() const override;
  bool MusicPlaying() const override;

  std::optional<Surface> DecodePicture(const std::string& path) override;
  std::optional<Surface> DecodePicture(const void* data, size_t size) override;
  TextMask RenderText(const std::string& line, double point_size, bool bold) override;
  bool SavePng(const Surface& frame, const std::string& path) override;

 private:
  void RequireDisplay();
  void OpenWindow(bool windowed);
  void CloseWindow();
  void ShowTexture();
  void OpenAudio();
  void CloseAudio();
  // Turns one SDL event into the game's events (none, one or several) at the end of pending_.
  void Translate(const SDL_Event& sdl);
  // The window's own keys; true when the key was one of them.
  bool WindowKey(const SDL_KeyboardEvent& key);
  void ToggleFullScreen();
  void ChangeVolume(void (MusicVolume::*change)());
  // Takes the note away once its time is over.
  void ExpireNote();

  SdlMedia media_;
  PictureReadAhead read_ahead_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  uint32_t texture_format_ = 0;
  int texture_width_ = 0;
  int texture_height_ = 0;
  std::deque<InputEvent> pending_;  // translated, handed out by PollEvent
  std::set<int> swallowed_keys_;    // window keys held down, whose release the game must not see either
  std::unique_ptr<SdlControllers> controllers_;
  SdlNote note_;
  bool note_on_screen_ = false;
  bool first_frame_shown_ = false;

  bool audio_open_ = false;
  MusicVolume volume_;
  Mix_Music* music_ = nullptr;
  std::string music_file_;   // the file the game set
  std::string loaded_file_;  // the file music_ was loaded from
};

}  // namespace cw
