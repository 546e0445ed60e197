#pragma once
// One screen element of the window: surface, label, image, button, highlight or the media player.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/indexed_surface.h"
#include "platform/surface.h"

namespace cw {

enum class ElementKind { Surface, Label, Image, Button, Highlight, MediaPlayer };

// A rectangle of whole pixels.
struct PixelRect {
  int x, y, w, h;
};

struct Element {
  std::string name;
  ElementKind kind = ElementKind::Surface;
  Element* parent = nullptr;       // null for children of the window
  std::vector<Element*> children;  // in catalogue order: earlier lies above later
  int order = 0;                   // position in the catalogue

  double left = 0, top = 0, width = 0, height = 0;
  bool visible = false;
  bool sized = false;  // takes the size of a picture loaded into it
  int border = 0;      // frame width; children and the buffer lie inside it

  std::string caption;
  uint32_t back_colour = 0;
  uint32_t fore_colour = 0;
  double font_points = 12;
  bool bold = false;

  // The loaded picture, if any; the built-in ones are shared by every element that shows them.
  std::shared_ptr<const Surface> picture;
  // Set instead of `picture` when the buffer held all of it: brings the picture back for a Clear.
  std::function<std::shared_ptr<const Surface>()> reload_picture;
  Surface buffer;  // the drawing buffer ("hdc"); also the persistent picture ("Image")
  // A picture of exact colours nothing draws on (a collision mask), kept at 8 bits in place of the buffer.
  std::optional<IndexedSurface> indexed;

  // Event handlers; empty when the element delivers nothing the game handles.
  std::function<void()> Click;
  std::function<void(int key_code, int shift)> KeyDown;
  std::function<void(int key_code, int shift)> KeyUp;
  std::function<void(int key_ascii)> KeyPress;
  std::function<void(int button, int shift, double x, double y)> MouseDown;
  std::function<void(int button, int shift, double x, double y)> MouseMove;

  bool IsContainer() const { return kind == ElementKind::Surface; }
  // Where the element is drawn in its parent's client area: left, top, width and height rounded
  // halves to even, as every pixel operation rounds them. The mouse finds it in the same place.
  PixelRect DrawnRect() const;
  int ClientWidth() const;
  int ClientHeight() const;

  // Erases the drawing buffer to the picture on the back colour.
  void Clear();
  // Makes `pic` the picture; a sized surface takes its size. The buffer starts again from the picture.
  void SetPicture(std::shared_ptr<const Surface> pic);
  // With `reload`, a picture that fills the buffer becomes the buffer and is not kept twice (a location
  // and its mask are 15 MB each); `reload` brings it back should the surface be cleared.
  void SetPicture(Surface pic, std::function<std::shared_ptr<const Surface>()> reload = nullptr);
  // Keeps `pic` at 8 bits in place of the buffer, which is let go; a sized surface takes its size.
  void SetPicture(IndexedSurface pic);
  // The colour at (x, y) of the buffer, or of the 8-bit picture in its place.
  uint32_t ColourAt(int x, int y) const { return indexed ? indexed->Get(x, y) : buffer.Get(x, y); }
  // Blit (surface.h) from the buffer, or from the 8-bit picture in its place.
  void CopyTo(Surface& dst, int dx, int dy, int w, int h) const;
  // The picture, brought back if it was let go; null when there is none.
  std::shared_ptr<const Surface> Picture() const;
  void Move(double new_left, double new_top);
  void Move(double new_left, double new_top, double new_width, double new_height);
};

}  // namespace cw
