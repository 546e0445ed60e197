#include "platform/sdl_note.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <SDL.h>

#include "platform/sdl_media.h"

namespace cw {

SdlNote::~SdlNote() { Forget(); }

void SdlNote::Forget() {
  if (texture_) SDL_DestroyTexture(texture_);
  texture_ = nullptr;
  texture_text_.clear();
}

void SdlNote::Draw(SDL_Renderer* renderer, SdlMedia& media, const Viewport& picture, int64_t now) {
  if (!Showing(now) || picture.w <= 0) return;
  // Drawn at the picture's scale, so the text is as sharp as the screen allows.
  int points = std::max(6, int(std::lround(12 * picture.scale)));
  if (!texture_ || texture_text_ != text_ || texture_points_ != points) {
    Forget();
    TextMask mask = media.RenderText(text_, points, true);
    if (mask.width <= 0 || mask.height <= 0) return;
    std::vector<uint32_t> pixels(mask.alpha.size());
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = (uint32_t(mask.alpha[i]) << 24) | 0x00FFFFFFu;
    texture_ = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, mask.width, mask.height);
    if (!texture_) return;
    SDL_UpdateTexture(texture_, nullptr, pixels.data(), mask.width * 4);
    SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_BLEND);
    texture_text_ = text_;
    texture_points_ = points;
    texture_w_ = mask.width;
    texture_h_ = mask.height;
  }
  int pad = std::max(2, int(std::lround(6 * picture.scale)));
  int margin = std::max(2, int(std::lround(12 * picture.scale)));
  SDL_Rect box{picture.x + picture.w - margin - texture_w_ - 2 * pad,
               picture.y + picture.h - margin - texture_h_ - 2 * pad, texture_w_ + 2 * pad, texture_h_ + 2 * pad};
  SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 180);
  SDL_RenderFillRect(renderer, &box);
  SDL_Rect text{box.x + pad, box.y + pad, texture_w_, texture_h_};
  SDL_RenderCopy(renderer, texture_, nullptr, &text);
  SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
}

}  // namespace cw
