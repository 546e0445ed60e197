#include "ui/element.h"

#include <algorithm>
#include <cmath>

#include "runtime/value_types.h"

namespace cw {

PixelRect Element::DrawnRect() const {
  return {int(RoundHalfEven(left)), int(RoundHalfEven(top)), int(RoundHalfEven(width)), int(RoundHalfEven(height))};
}

int Element::ClientWidth() const { return std::max(0, int(RoundHalfEven(width)) - 2 * border); }
int Element::ClientHeight() const { return std::max(0, int(RoundHalfEven(height)) - 2 * border); }

void Element::Clear() {
  if (kind != ElementKind::Surface) return;
  int w = ClientWidth(), h = ClientHeight();
  bool fresh = buffer.width != w || buffer.height != h;
  if (fresh) buffer = Surface(w, h);
  // A new buffer is black already; leaving its pages untouched keeps an unused surface free.
  if (!fresh || back_colour != 0) buffer.Fill(back_colour);
  auto pic = Picture();
  if (pic && !pic->Empty()) Blit(buffer, 0, 0, pic->width, pic->height, *pic, 0, 0);
}

void Element::SetPicture(Surface pic, std::function<std::shared_ptr<const Surface>()> reload) {
  indexed.reset();
  bool fills = reload && kind == ElementKind::Surface && !pic.Empty() &&
               (sized || (ClientWidth() == pic.width && ClientHeight() == pic.height));
  if (!fills) return SetPicture(std::make_shared<const Surface>(std::move(pic)));
  // The buffer takes the decoded pixels as they are: no copy, and no second 15 MB block while loading.
  if (sized) {
    width = pic.width + 2 * border;
    height = pic.height + 2 * border;
  }
  picture.reset();
  reload_picture = std::move(reload);
  buffer = std::move(pic);
}

std::shared_ptr<const Surface> Element::Picture() const {
  if (picture || !reload_picture) return picture;
  return reload_picture();
}

void Element::SetPicture(IndexedSurface pic) {
  if (sized && !pic.Empty()) {
    width = pic.width + 2 * border;
    height = pic.height + 2 * border;
  }
  picture.reset();
  reload_picture = nullptr;
  buffer = Surface();
  indexed = std::move(pic);
}

void Element::CopyTo(Surface& dst, int dx, int dy, int w, int h) const {
  if (indexed)
    Blit(dst, dx, dy, w, h, *indexed, 0, 0);
  else
    Blit(dst, dx, dy, w, h, buffer, 0, 0);
}

void Element::SetPicture(std::shared_ptr<const Surface> pic) {
  indexed.reset();
  picture = std::move(pic);
  reload_picture = nullptr;
  if (sized && picture && !picture->Empty()) {
    width = picture->width + 2 * border;
    height = picture->height + 2 * border;
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
