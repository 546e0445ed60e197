// Composition of the window picture from the visible elements, bottom of the stack first.
#include <algorithm>
#include <map>

#include "ui/window.h"

namespace cw {
namespace {

struct Clip {
  int x0, y0, x1, y1;
  Clip Intersect(int ax, int ay, int aw, int ah) const {
    return {std::max(x0, ax), std::max(y0, ay), std::min(x1, ax + aw), std::min(y1, ay + ah)};
  }
  bool Empty() const { return x0 >= x1 || y0 >= y1; }
};

void FillRect(Surface& f, const Clip& c, int x, int y, int w, int h, uint32_t colour) {
  Clip r = c.Intersect(x, y, w, h);
  if (r.Empty()) return;
  for (int yy = r.y0; yy < r.y1; ++yy) std::fill(f.Row(yy) + r.x0, f.Row(yy) + r.x1, colour);
}

void FrameRect(Surface& f, const Clip& c, int x, int y, int w, int h, int t, uint32_t colour) {
  FillRect(f, c, x, y, w, t, colour);
  FillRect(f, c, x, y + h - t, w, t, colour);
  FillRect(f, c, x, y, t, h, colour);
  FillRect(f, c, x + w - t, y, t, h, colour);
}

void CopyClipped(Surface& f, const Clip& c, int x, int y, const Surface& src) {
  Clip r = c.Intersect(x, y, src.width, src.height);
  if (r.Empty()) return;
  Blit(f, r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0, src, r.x0 - x, r.y0 - y);
}

uint32_t Mix(uint32_t under, uint32_t over, int a) {
  auto ch = [&](int shift) {
    int u = int((under >> shift) & 0xFF), o = int((over >> shift) & 0xFF);
    return uint32_t((u * (255 - a) + o * a + 127) / 255) << shift;
  };
  return ch(0) | ch(8) | ch(16);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

}  // namespace

void Window::DrawText(Surface& frame, const std::string& text, double points, bool bold, uint32_t colour, int x, int y,
                      int cx0, int cy0, int cx1, int cy1, bool centred, int w, int h) const {
  static std::map<std::tuple<std::string, double, bool>, TextMask> cache;
  if (cache.size() > 512) cache.clear();
  Clip clip{cx0, cy0, cx1, cy1};
  int line_y = y;
  auto lines = SplitLines(text);
  for (const auto& line : lines) {
    auto key = std::make_tuple(line, points, bold);
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, media_.RenderText(line, points, bold)).first;
    const TextMask& m = it->second;
    int lx = centred ? x + (w - m.width) / 2 : x;
    int ly = centred ? y + (h - m.height * int(lines.size())) / 2 + (line_y - y) : line_y;
    Clip r = clip.Intersect(lx, ly, m.width, m.height);
    if (r.Empty()) r = Clip{0, 0, 0, 0};
    for (int yy = r.y0; yy < r.y1; ++yy) {
      const uint8_t* a = &m.alpha[size_t(yy - ly) * m.width];
      uint32_t* row = frame.Row(yy);
      for (int xx = r.x0; xx < r.x1; ++xx)
        if (int alpha = a[xx - lx]) row[xx] = Mix(row[xx], colour, alpha);
    }
    line_y += std::max(m.height, int(points * 96 / 72 + 4));
  }
}

void Window::DrawElement(Surface& frame, const Element& el, int ox, int oy, int cx0, int cy0, int cx1, int cy1) const {
  if (!el.visible) return;
  const PixelRect r = el.DrawnRect();
  int x = ox + r.x, y = oy + r.y, w = r.w, h = r.h;
  Clip clip{cx0, cy0, cx1, cy1};
  switch (el.kind) {
    case ElementKind::Surface: {
      Clip inner = clip.Intersect(x, y, w, h);
      if (inner.Empty()) return;
      if (el.border > 0) {
        FrameRect(frame, inner, x, y, w, h, 1, 0x00A0A0A0);
        FrameRect(frame, inner, x + 1, y + 1, w - 2, h - 2, el.border - 1, 0x00202020);
      }
      int bx = x + el.border, by = y + el.border;
      Clip client = inner.Intersect(bx, by, el.ClientWidth(), el.ClientHeight());
      CopyClipped(frame, client, bx, by, el.buffer);
      for (auto it = el.children.rbegin(); it != el.children.rend(); ++it)
        DrawElement(frame, **it, bx, by, client.x0, client.y0, client.x1, client.y1);
      return;
    }
    case ElementKind::Label:
      if (!el.caption.empty())
        DrawText(frame, el.caption, el.font_points, el.bold, el.fore_colour, x, y, clip.x0, clip.y0, clip.x1, clip.y1,
                 false, 0, 0);
      return;
    case ElementKind::Button: {
      FillRect(frame, clip, x, y, w, h, el.back_colour);
      FrameRect(frame, clip, x, y, w, h, 1, 0x00202020);
      Clip inner = clip.Intersect(x, y, w, h);
      DrawText(frame, el.caption, el.font_points, el.bold, el.fore_colour, x, y, inner.x0, inner.y0, inner.x1, inner.y1,
               true, w, h);
      return;
    }
    case ElementKind::Image:
      if (el.picture && !el.picture->Empty()) CopyClipped(frame, clip.Intersect(x, y, w, h), x, y, *el.picture);
      return;
    case ElementKind::Highlight: FrameRect(frame, clip, x, y, w, h, 2, el.back_colour); return;
    case ElementKind::MediaPlayer: return;
  }
}

Surface Window::Compose() const {
  Surface frame;
  ComposeInto(frame);
  return frame;
}

void Window::ComposeInto(Surface& frame) const {
  if (frame.width != kWidth || frame.height != kHeight) frame = Surface(kWidth, kHeight, 0);
  ComposeInto(frame, FrameArea{0, 0, kWidth, kHeight});
}

void Window::ComposeInto(Surface& frame, const FrameArea& area) const {
  const Clip c = Clip{0, 0, kWidth, kHeight}.Intersect(area.x, area.y, area.w, area.h);
  if (c.Empty()) return;
  // What lies beneath a surface whose picture covers the whole area is never seen: drawing starts there.
  size_t bottom = top_level_.size();
  bool covered = false;
  for (size_t i = 0; i < top_level_.size(); ++i) {
    const Element& el = *top_level_[i];
    if (!el.visible || el.kind != ElementKind::Surface) continue;
    const PixelRect r = el.DrawnRect();
    const int bx = r.x + el.border, by = r.y + el.border;
    const Clip shown = Clip{0, 0, kWidth, kHeight}
                           .Intersect(r.x, r.y, r.w, r.h)
                           .Intersect(bx, by, el.ClientWidth(), el.ClientHeight())
                           .Intersect(bx, by, el.buffer.width, el.buffer.height);
    if (shown.x0 <= c.x0 && shown.y0 <= c.y0 && shown.x1 >= c.x1 && shown.y1 >= c.y1) {
      bottom = i + 1;
      covered = true;
      break;
    }
  }
  if (!covered) FillRect(frame, c, c.x0, c.y0, c.x1 - c.x0, c.y1 - c.y0, 0);
  for (size_t i = bottom; i-- > 0;) DrawElement(frame, *top_level_[i], 0, 0, c.x0, c.y0, c.x1, c.y1);
}

}  // namespace cw
