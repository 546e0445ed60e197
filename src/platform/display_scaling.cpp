#include "platform/display_scaling.h"

#include <algorithm>
#include <cmath>

namespace cw {

Viewport FitPicture(int drawable_w, int drawable_h, int picture_w, int picture_h) {
  Viewport v;
  if (drawable_w <= 0 || drawable_h <= 0 || picture_w <= 0 || picture_h <= 0) return v;
  int factor = std::min(drawable_w / picture_w, drawable_h / picture_h);
  if (factor >= 1) {
    v.w = picture_w * factor;
    v.h = picture_h * factor;
    v.scale = factor;
    v.whole = true;
  } else {
    v.scale = std::min(double(drawable_w) / picture_w, double(drawable_h) / picture_h);
    v.w = std::clamp(int(std::lround(picture_w * v.scale)), 1, drawable_w);
    v.h = std::clamp(int(std::lround(picture_h * v.scale)), 1, drawable_h);
  }
  v.x = (drawable_w - v.w) / 2;
  v.y = (drawable_h - v.h) / 2;
  return v;
}

Viewport FillPicture(int drawable_w, int drawable_h, int picture_w, int picture_h) {
  Viewport v;
  if (drawable_w <= 0 || drawable_h <= 0 || picture_w <= 0 || picture_h <= 0) return v;
  v.scale = std::min(double(drawable_w) / picture_w, double(drawable_h) / picture_h);
  v.w = std::clamp(int(std::lround(picture_w * v.scale)), 1, drawable_w);
  v.h = std::clamp(int(std::lround(picture_h * v.scale)), 1, drawable_h);
  v.whole = v.w % picture_w == 0 && v.h % picture_h == 0 && v.w / picture_w == v.h / picture_h;
  v.x = (drawable_w - v.w) / 2;
  v.y = (drawable_h - v.h) / 2;
  return v;
}

PicturePoint WindowToPicture(const Viewport& viewport, double window_x, double window_y, int window_w, int window_h,
                             int drawable_w, int drawable_h, int picture_w, int picture_h) {
  if (viewport.w <= 0 || viewport.h <= 0) return {};
  // Window coordinates to drawable pixels (the two differ by the display's pixel density).
  double dx = window_w > 0 ? window_x * drawable_w / window_w : window_x;
  double dy = window_h > 0 ? window_y * drawable_h / window_h : window_y;
  int px = int(std::floor((dx - viewport.x) * picture_w / viewport.w));
  int py = int(std::floor((dy - viewport.y) * picture_h / viewport.h));
  return {std::clamp(px, 0, picture_w - 1), std::clamp(py, 0, picture_h - 1)};
}

}  // namespace cw
