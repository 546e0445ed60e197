#pragma once
// Where the 800 x 600 picture goes in a window of any size, and where a pointer in the window
// lands on the picture. Sizes are in drawable pixels; pointer positions arrive in window
// coordinates, which differ from drawable pixels on high-DPI displays.

namespace cw {

struct Viewport {
  int x = 0;  // top-left corner of the picture in drawable pixels
  int y = 0;
  int w = 0;  // size of the scaled picture
  int h = 0;
  double scale = 1;    // drawable pixels per picture pixel
  bool whole = false;  // scaled by a whole factor: every picture pixel is a sharp square
};

struct PicturePoint {
  int x = 0;
  int y = 0;
};

// The largest whole factor of the picture that fits, centred; when not even the picture's own
// size fits, the largest size that keeps its shape.
Viewport FitPicture(int drawable_w, int drawable_h, int picture_w = 800, int picture_h = 600);

// As large as fits with the picture's shape kept, centred: smooth rather than sharp, unless the size
// happens to be a whole factor.
Viewport FillPicture(int drawable_w, int drawable_h, int picture_w = 800, int picture_h = 600);

// The picture pixel under a window point, clamped to the picture.
PicturePoint WindowToPicture(const Viewport& viewport, double window_x, double window_y, int window_w, int window_h,
                             int drawable_w, int drawable_h, int picture_w = 800, int picture_h = 600);

}  // namespace cw
