#include "ui/window.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>

#include "platform/key_codes.h"
#include "runtime/value_types.h"

namespace cw {
namespace {

std::string Lower(std::string s) {
  for (auto& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool HandlesClick(const Element& e) { return bool(e.Click); }
bool HandlesMouseDown(const Element& e) { return bool(e.MouseDown); }
bool HandlesMouseMove(const Element& e) { return bool(e.MouseMove); }
bool HandlesAnyMouse(const Element& e) { return e.Click || e.MouseDown || e.MouseMove || e.KeyDown; }

int ShiftBit(int key) {
  switch (key) {
    case kKeyShift: return 1;
    case kKeyCtrl: return 2;
    case kKeyAlt: return 4;
    default: return 0;
  }
}

}  // namespace

Window::Window(Session& session, Media& media,
               const std::function<std::shared_ptr<const Surface>(const std::string&)>& load_asset)
    : session_(session), media_(media) {
  for (auto entry = CatalogueBegin(); entry != CatalogueEnd(); ++entry) {
    auto el = std::make_unique<Element>();
    el->name = entry->name;
    el->kind = entry->kind;
    el->order = int(elements_.size());
    el->left = entry->left;
    el->top = entry->top;
    el->width = entry->width;
    el->height = entry->height;
    el->visible = entry->visible;
    el->sized = entry->sized;
    el->border = entry->border;
    el->caption = entry->caption;
    el->back_colour = entry->back_colour;
    el->fore_colour = entry->fore_colour;
    el->font_points = entry->font_points;
    el->bold = entry->bold;
    if (entry->parent) {
      el->parent = by_lower_name_.at(Lower(entry->parent));
      el->parent->children.push_back(el.get());
    } else {
      top_level_.push_back(el.get());
    }
    if (entry->picture) {
      auto pic = load_asset(entry->picture);
      if (el->kind == ElementKind::Surface)
        el->SetPicture(std::move(pic));
      else
        el->picture = std::move(pic);
    } else if (el->kind == ElementKind::Surface) {
      el->Clear();
    }
    by_lower_name_[Lower(el->name)] = el.get();
    elements_.push_back(std::move(el));
  }
#define CW_BIND_ELEMENT(n) e.n = by_lower_name_.at(Lower(#n));
  CW_ELEMENT_NAMES(CW_BIND_ELEMENT)
#undef CW_BIND_ELEMENT
}

Element* Window::TryFind(const std::string& name) const {
  auto it = by_lower_name_.find(Lower(name));
  return it == by_lower_name_.end() ? nullptr : it->second;
}

Element& Window::Find(const std::string& name) const {
  Element* el = TryFind(name);
  if (!el) throw RuntimeFault("no element named " + name);
  return *el;
}

bool Window::EffectivelyVisible(const Element* el) const {
  for (; el; el = el->parent)
    if (!el->visible) return false;
  return true;
}

void Window::DoEvents() {
  InputEvent event;
  while (session_.PollEvent(event)) Dispatch(event);
  if (!presents_frames) return;
  // Captions and moves don't mark the picture as changed, so a quiet screen is still redrawn now and then.
  if (session_.Ticks() - last_present_ >= 100) dirty_ = true;
  PresentIfChanged();
}

Element* Window::TopmostAt(int x, int y, bool (*handles)(const Element&), double& local_x, double& local_y) const {
  // Walks from the top of the stack down: children above their parent, earlier siblings above later ones.
  struct Finder {
    const Window& w;
    bool (*handles)(const Element&);
    Element* found = nullptr;
    int lx = 0, ly = 0;
    bool Visit(const std::vector<Element*>& siblings, int ox, int oy, int x, int y) {
      for (Element* el : siblings) {
        if (!el->visible || el->kind == ElementKind::MediaPlayer) continue;
        const PixelRect r = el->DrawnRect();
        int ex = ox + r.x, ey = oy + r.y;
        if (x < ex || y < ey || x >= ex + r.w || y >= ey + r.h) continue;
        if (Visit(el->children, ex + el->border, ey + el->border, x, y)) return true;
        if (handles(*el)) {
          found = el;
          lx = x - ex - el->border;
          ly = y - ey - el->border;
          return true;
        }
        if (el->kind == ElementKind::Surface) return false;  // a surface hides what lies beneath it
      }
      return false;
    }
  } finder{*this, handles};
  finder.Visit(top_level_, 0, 0, x, y);
  local_x = finder.lx;
  local_y = finder.ly;
  return finder.found;
}

void Window::Dispatch(const InputEvent& ev) {
  // A fault inside a handler ends that handler only.
  try {
    Route(ev);
  } catch (const RuntimeFault&) {
  }
}

void Window::Route(const InputEvent& ev) {
  using T = InputEvent::Type;
  double lx = 0, ly = 0;
  switch (ev.type) {
    case T::KeyDown: {
      shift_state_ |= ShiftBit(ev.key);
      Element* target = KeyTarget();
      if (target && target->KeyDown) target->KeyDown(ev.key, shift_state_);
      // The focus may have moved inside the key handler; the character goes where the key went.
      if (ev.ch != 0 && target && target->KeyPress) target->KeyPress(ev.ch);
      break;
    }
    case T::KeyUp:
      shift_state_ &= ~ShiftBit(ev.key);
      if (Element* target = KeyTarget(); target && target->KeyUp) target->KeyUp(ev.key, shift_state_);
      break;
    case T::MouseMove:
      if (Element* el = TopmostAt(ev.x, ev.y, HandlesMouseMove, lx, ly)) el->MouseMove(ev.button, shift_state_, lx, ly);
      break;
    case T::MouseDown: {
      // A press on a surface that takes keys gives it the keyboard focus.
      if (Element* el = TopmostAt(ev.x, ev.y, HandlesAnyMouse, lx, ly); el && el->KeyDown) focus_ = el;
      pressed_ = ev.button == 1 ? TopmostAt(ev.x, ev.y, HandlesClick, lx, ly) : nullptr;
      if (Element* el = TopmostAt(ev.x, ev.y, HandlesMouseDown, lx, ly)) el->MouseDown(ev.button, shift_state_, lx, ly);
      break;
    }
    case T::MouseUp: {
      if (ev.button != 1) break;
      Element* el = TopmostAt(ev.x, ev.y, HandlesClick, lx, ly);
      bool same = el && el == pressed_;
      pressed_ = nullptr;
      if (same && EffectivelyVisible(el)) el->Click();
      break;
    }
    case T::MusicEnded:
      if (on_music_ended) on_music_ended();
      break;
    case T::Quit:
      if (on_close) on_close();
      break;
    case T::PadDown:
    case T::PadUp:
    case T::PadAxis: RoutePad(ev); break;
    case T::FocusLost:
    case T::FocusGained: break;  // the player's business (settings/player_session), not the game's
  }
}

void Window::RoutePad(const InputEvent& ev) {
  bool in_play = KeyTarget() == e.picCity_base;
  for (const PadAction& action : pad_mapping_.Map(ev, in_play)) {
    if (!action.menu_button) {
      InputEvent key = action.key;
      if (in_play && play_key) key.key = play_key(key.key);
      Dispatch(key);
    } else if (EffectivelyVisible(e.Command1) && e.Command1->Click) {
      try {
        e.Command1->Click();
      } catch (const RuntimeFault&) {
      }
    }
  }
}

Element* Window::KeyTarget() {
  if (focus_ && EffectivelyVisible(focus_)) return focus_;
  // A hidden element cannot keep the focus: it passes to the topmost shown surface that takes keys.
  focus_ = nullptr;
  for (Element* el : top_level_) {
    if (el->visible && el->kind == ElementKind::Surface && (el->KeyDown || el->KeyUp || el->KeyPress)) {
      focus_ = el;
      break;
    }
  }
  return focus_;
}

void Window::Refresh(const Element* drawn) {
  while (drawn->parent) drawn = drawn->parent;
  auto it = std::find(top_level_.begin(), top_level_.end(), drawn);
  if (drawn_.size() != top_level_.size()) drawn_.assign(top_level_.size(), false);
  if (it != top_level_.end()) drawn_[size_t(it - top_level_.begin())] = true;
  dirty_ = true;
  if (presents_frames) PresentIfChanged();
}

uint64_t Window::Look(const Element& el) const {
  uint64_t h = 0xCBF29CE484222325ull;
  auto mix = [&h](uint64_t v) { h = (h ^ v) * 0x100000001B3ull; };
  auto mix_double = [&mix](double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    mix(bits);
  };
  mix(el.visible);
  if (!el.visible) return h;
  mix(uint64_t(el.kind));
  mix_double(el.left);
  mix_double(el.top);
  mix_double(el.width);
  mix_double(el.height);
  mix(uint64_t(el.border));
  mix(std::hash<std::string>()(el.caption));
  mix(el.back_colour);
  mix(el.fore_colour);
  mix_double(el.font_points);
  mix(el.bold);
  mix(reinterpret_cast<uintptr_t>(el.picture.get()));
  // A new picture or size brings a new buffer; drawing into the buffer is told through Refresh.
  mix(reinterpret_cast<uintptr_t>(el.buffer.pixels.data()));
  mix(uint64_t(el.buffer.width) << 32 | uint32_t(el.buffer.height));
  for (const Element* child : el.children) mix(Look(*child));
  return h;
}

FrameArea Window::ChangedArea() {
  const size_t n = top_level_.size();
  if (looks_.size() != n) {
    looks_.assign(n, 0);
    areas_.assign(n, FrameArea{});
    drawn_all_ = true;
  }
  if (drawn_.size() != n) drawn_.assign(n, false);
  int x0 = kWidth, y0 = kHeight, x1 = 0, y1 = 0;
  auto add = [&](const FrameArea& a) {
    if (a.Empty()) return;
    x0 = std::min(x0, a.x);
    y0 = std::min(y0, a.y);
    x1 = std::max(x1, a.x + a.w);
    y1 = std::max(y1, a.y + a.h);
  };
  for (size_t i = 0; i < n; ++i) {
    const Element& el = *top_level_[i];
    FrameArea area;
    if (el.visible && el.kind == ElementKind::Label) {
      area = {0, 0, kWidth, kHeight};  // a label's text is not held inside its rectangle
    } else if (el.visible) {
      const PixelRect r = el.DrawnRect();
      area = FrameArea{r.x, r.y, r.w, r.h}.Within(kWidth, kHeight);
    }
    uint64_t look = Look(el);
    if (drawn_[i] || look != looks_[i] || !(area == areas_[i])) {
      add(areas_[i]);
      add(area);
    }
    looks_[i] = look;
    areas_[i] = area;
    drawn_[i] = false;
  }
  if (drawn_all_) {
    drawn_all_ = false;
    return {0, 0, kWidth, kHeight};
  }
  if (x0 >= x1 || y0 >= y1) return {};
  return {x0, y0, x1 - x0, y1 - y0};
}

void Window::PresentIfChanged() {
  if (!dirty_) return;
  dirty_ = false;
  last_present_ = session_.Ticks();
  const FrameArea area = ChangedArea();
  if (area.w <= 0 || area.h <= 0) return;  // the picture on screen is still right
  if (frame_.width != kWidth || frame_.height != kHeight || area == FrameArea{0, 0, kWidth, kHeight}) {
    ComposeInto(frame_);
    session_.Present(frame_);
    return;
  }
  ComposeInto(frame_, area);
  session_.PresentChanged(frame_, area);
}

}  // namespace cw
