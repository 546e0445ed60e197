#include "shell/element.h"

#include <algorithm>
#include <cmath>

#include "shell/vb_types.h"

namespace cw {

int Element::ClientWidth() const { return std::max(0, int(RoundHalfEven(width)) - 2 * border); }
int Element::ClientHeight() const { return std::max(0, int(RoundHalfEven(height)) - 2 * border); }

void Element::Clear() {
  if (kind != ElementKind::Surface) return;
  int w = ClientWidth(), h = ClientHeight();
  if (buffer.width != w || buffer.height != h) buffer = Surface(w, h);
  buffer.Fill(back_colour);
  if (!picture.Empty()) Blit(buffer, 0, 0, picture.width, picture.height, picture, 0, 0);
}

void Element::SetPicture(Surface pic) {
  picture = std::move(pic);
  if (sized && !picture.Empty()) {
    width = picture.width + 2 * border;
    height = picture.height + 2 * border;
  }
  Clear();
}

void Element::Move(double new_left, double new_top) {
  left = new_left;
  top = new_top;
}

void Element::Move(double new_left, double new_top, double new_width, double new_height) {
  left = new_left;
  top = new_top;
  width = new_width;
  height = new_height;
  if (kind == ElementKind::Surface) Clear();
}

}  // namespace cw
