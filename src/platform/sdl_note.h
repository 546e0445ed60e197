#pragma once
// A short line of text drawn over the picture for a moment, e.g. "Music 70%" after a volume key.
// It belongs to the window, not to the game's picture: screenshots of the game never show it.
#include <cstdint>
#include <string>

#include "platform/display_scaling.h"

struct SDL_Renderer;
struct SDL_Texture;

namespace cw {

class SdlMedia;

class SdlNote {
 public:
  static constexpr int64_t kShownFor = 1500;  // milliseconds

  SdlNote() = default;
  ~SdlNote();
  SdlNote(const SdlNote&) = delete;
  SdlNote& operator=(const SdlNote&) = delete;

  // For `shown_for` milliseconds, or until the next note when negative; an empty text takes it away.
  void Show(const std::string& text, int64_t now, int64_t shown_for = kShownFor) {
    text_ = text;
    until_ = shown_for < 0 ? kForever : now + shown_for;
  }
  bool Showing(int64_t now) const { return !text_.empty() && now < until_; }
  // When a note on screen goes away by itself; -1 for one that stays.
  int64_t until() const { return until_ == kForever ? -1 : until_; }
  // Draws the note at the bottom right of the picture, at the picture's scale; nothing once it is over.
  void Draw(SDL_Renderer* renderer, SdlMedia& media, const Viewport& picture, int64_t now);
  // The renderer lost its textures (or is going away).
  void Forget();

 private:
  static constexpr int64_t kForever = INT64_MAX;
  std::string text_;
  int64_t until_ = 0;
  SDL_Texture* texture_ = nullptr;
  std::string texture_text_;
  int texture_points_ = 0;
  int texture_w_ = 0;
  int texture_h_ = 0;
};

}  // namespace cw
