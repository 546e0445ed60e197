#include "settings/options_overlay.h"

#include <algorithm>
#include <array>
#include <map>
#include <tuple>

#include "platform/key_names.h"
#include "platform/media.h"

namespace cw {
namespace {

// The look of the game's own screens: a dark metal panel, red titles, green values, the dark blue
// highlight of the in-game menu.
constexpr uint32_t kPanel = Rgb(0x1c, 0x1a, 0x1a);
constexpr uint32_t kPanelEdge = Rgb(0x70, 0x6c, 0x68);
constexpr uint32_t kPanelInner = Rgb(0x34, 0x30, 0x2e);
constexpr uint32_t kRowBack = Rgb(0x2a, 0x24, 0x22);
constexpr uint32_t kRowSelected = 0x00800000;
constexpr uint32_t kTitle = Rgb(0xf0, 0x80, 0x20);
constexpr uint32_t kLabel = 0x000000FF;
constexpr uint32_t kValue = 0x0000FF00;
constexpr uint32_t kArrow = Rgb(0xc0, 0xc0, 0xc0);
constexpr uint32_t kMessage = Rgb(0xff, 0xe0, 0x40);
constexpr uint32_t kHelp = Rgb(0xc8, 0xc8, 0xc8);

constexpr int kPanelX = 110, kPanelY = 24, kPanelW = 580, kPanelH = 552;
constexpr int kRowX = 130, kRowW = 540, kRowsY = 78, kRowH = 26, kRowGap = 2;
constexpr int kValueX = 440, kValueW = 196;  // the value, between its two arrows
constexpr int kArrowW = 24;
constexpr int kMessageY = kRowsY + OptionsOverlay::kRows * (kRowH + kRowGap) + 4;
constexpr int kHelpY = kMessageY + 30;

constexpr std::array<std::pair<int, int>, 7> kWindowSizes = {
    {{0, 0}, {800, 600}, {1200, 900}, {1600, 1200}, {2000, 1500}, {2400, 1800}, {3200, 2400}}};

const char* const kHelpLines[] = {
    "Play: the keys above.  Mouse: the MENU and ABILITIES buttons, the menus.",
    "Menus: arrows and Enter.  Escape closes the credits.",
    "Here: Up/Down choose, Left/Right or Enter change, Backspace a key's default.",
    "Anywhere: F1 options, F11 or Alt+Enter full screen, - / + music volume, M music.",
    "Controller: d-pad, A fire and choose, B back, Start menu, Back options.",
};

std::optional<PlayAction> ActionOfRow(OptionsOverlay::Row row) {
  switch (row) {
    case OptionsOverlay::Row::KeyUp: return PlayAction::Up;
    case OptionsOverlay::Row::KeyDown: return PlayAction::Down;
    case OptionsOverlay::Row::KeyLeft: return PlayAction::Left;
    case OptionsOverlay::Row::KeyRight: return PlayAction::Right;
    case OptionsOverlay::Row::KeyFire: return PlayAction::Fire;
    default: return std::nullopt;
  }
}

std::string ActionTitle(PlayAction a) {
  switch (a) {
    case PlayAction::Up: return "WALK FORWARD";
    case PlayAction::Down: return "WALK BACKWARD";
    case PlayAction::Left: return "TURN LEFT";
    case PlayAction::Right: return "TURN RIGHT";
    case PlayAction::Fire: return "FIRE";
  }
  return "";
}

bool Adjustable(OptionsOverlay::Row row) { return row <= OptionsOverlay::Row::Pause; }

int RowTop(int index) { return kRowsY + index * (kRowH + kRowGap); }

uint32_t Mix(uint32_t under, uint32_t over, int a) {
  auto ch = [&](int shift) {
    int u = int((under >> shift) & 0xFF), o = int((over >> shift) & 0xFF);
    return uint32_t((u * (255 - a) + o * a + 127) / 255) << shift;
  };
  return ch(0) | ch(8) | ch(16);
}

void Fill(Surface& f, int x, int y, int w, int h, uint32_t colour) {
  int x0 = std::max(0, x), y0 = std::max(0, y), x1 = std::min(f.width, x + w), y1 = std::min(f.height, y + h);
  for (int yy = y0; yy < y1; ++yy) std::fill(f.Row(yy) + x0, f.Row(yy) + x1, colour);
}

void Frame(Surface& f, int x, int y, int w, int h, int t, uint32_t colour) {
  Fill(f, x, y, w, t, colour);
  Fill(f, x, y + h - t, w, t, colour);
  Fill(f, x, y, t, h, colour);
  Fill(f, x + w - t, y, t, h, colour);
}

// Text in `colour`; `align` -1 left at x, 0 centred in [x, x + w), the row's height centres it upright.
void Text(Surface& f, const OptionsOverlay::RenderText& render, const std::string& text, double points, bool bold,
          uint32_t colour, int x, int y, int w, int h, int align) {
  static std::map<std::tuple<std::string, double, bool>, TextMask> cache;
  if (cache.size() > 256) cache.clear();
  auto key = std::make_tuple(text, points, bold);
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(key, render(text, points, bold)).first;
  const TextMask& m = it->second;
  int lx = align < 0 ? x : x + (w - m.width) / 2;
  int ly = y + (h - m.height) / 2;
  for (int yy = 0; yy < m.height; ++yy) {
    int fy = ly + yy;
    if (fy < 0 || fy >= f.height) continue;
    for (int xx = 0; xx < m.width; ++xx) {
      int fx = lx + xx;
      uint8_t a = m.alpha[size_t(yy) * m.width + xx];
      if (a == 0 || fx < 0 || fx >= f.width) continue;
      uint32_t& p = f.Row(fy)[fx];
      p = Mix(p, colour, a);
    }
  }
}

}  // namespace

void OptionsOverlay::Open() {
  selected_ = Row::Volume;
  rebinding_.reset();
  message_.clear();
}

std::pair<int, int> OptionsOverlay::NextWindowSize(int w, int h, int direction) {
  // A size of the player's own (from the file) steps to its neighbours by width.
  int current = -1;
  for (size_t i = 0; i < kWindowSizes.size(); ++i)
    if (kWindowSizes[i] == std::make_pair(w, h)) current = int(i);
  int n = int(kWindowSizes.size());
  if (current >= 0) return kWindowSizes[size_t((current + direction + n) % n)];
  if (direction > 0) {
    for (size_t i = 1; i < kWindowSizes.size(); ++i)
      if (kWindowSizes[i].first > w) return kWindowSizes[i];
    return kWindowSizes[0];
  }
  for (size_t i = kWindowSizes.size(); i-- > 1;)
    if (kWindowSizes[i].first < w) return kWindowSizes[i];
  return kWindowSizes[0];
}

std::string OptionsOverlay::Title(Row row) {
  switch (row) {
    case Row::Volume: return "MUSIC VOLUME";
    case Row::Music: return "MUSIC";
    case Row::Display: return "DISPLAY";
    case Row::WindowSize: return "WINDOW SIZE";
    case Row::Scaling: return "SCALING";
    case Row::Pause: return "PAUSE IN THE BACKGROUND";
    case Row::Back: return "BACK";
    default: return ActionTitle(*ActionOfRow(row));
  }
}

std::string OptionsOverlay::Value(Row row, const Settings& s) {
  switch (row) {
    case Row::Volume: return std::to_string(s.music_volume) + "%";
    case Row::Music: return s.muted ? "OFF" : "ON";
    case Row::Display: return s.full_screen ? "FULL SCREEN" : "WINDOW";
    case Row::WindowSize:
      return s.window_width > 0 ? std::to_string(s.window_width) + " x " + std::to_string(s.window_height) : "AUTO";
    case Row::Scaling: return s.scaling == Scaling::Smooth ? "SMOOTH" : "SHARP";
    case Row::Pause: return s.pause_on_focus_loss ? "ON" : "OFF";
    case Row::Back: return "";
    default: return KeyName(s.Key(*ActionOfRow(row)));
  }
}

OptionsOverlay::Outcome OptionsOverlay::Key(int key, const Settings& current) {
  if (rebinding_) return RebindTo(key, current);
  Outcome out;
  int n = kRows;
  switch (key) {
    case kKeyEscape:
    case kKeyF1: out.close = true; break;
    case kKeyUp: selected_ = Row((int(selected_) + n - 1) % n); break;
    case kKeyDown:
    case kKeyTab: selected_ = Row((int(selected_) + 1) % n); break;
    case kKeyLeft: return Change(-1, current);
    case kKeyRight: return Change(1, current);
    case kKeyEnter:
    case kKeySpace: return Change(0, current);
    case kKeyBackspace:
      if (auto action = ActionOfRow(selected_)) {
        int key_default = Settings{}.Key(*action);
        if (current.Key(*action) == key_default) break;
        if (auto other = current.ActionOf(key_default)) {
          message_ = KeyName(key_default) + " is the key for " + ActionTitle(*other);
          break;
        }
        Settings s = current;
        s.Key(*action) = key_default;
        message_.clear();
        out.changed = s;
      }
      break;
    default: break;
  }
  if (key != kKeyBackspace) message_.clear();
  return out;
}

OptionsOverlay::Outcome OptionsOverlay::Change(int direction, const Settings& current) {
  Outcome out;
  message_.clear();
  Settings s = current;
  switch (selected_) {
    case Row::Volume:
      if (direction < 0) {
        s.VolumeDown();
      } else if (direction > 0 || s.music_volume < 100) {
        s.VolumeUp();
      } else {
        s.music_volume = 0;  // Enter goes round
      }
      break;
    case Row::Music: s.muted = !s.muted; break;
    case Row::Display: s.full_screen = !s.full_screen; break;
    case Row::WindowSize: {
      auto [w, h] = NextWindowSize(s.window_width, s.window_height, direction < 0 ? -1 : 1);
      s.window_width = w;
      s.window_height = h;
      break;
    }
    case Row::Scaling: s.scaling = s.scaling == Scaling::Sharp ? Scaling::Smooth : Scaling::Sharp; break;
    case Row::Pause: s.pause_on_focus_loss = !s.pause_on_focus_loss; break;
    case Row::Back:
      if (direction == 0) out.close = true;
      return out;
    default:
      if (direction == 0) {
        rebinding_ = ActionOfRow(selected_);
        message_ = "Press the new key for " + ActionTitle(*rebinding_) + "  (Escape: keep " +
                   KeyName(current.Key(*rebinding_)) + ")";
      }
      return out;
  }
  if (!(s == current)) out.changed = s;
  return out;
}

OptionsOverlay::Outcome OptionsOverlay::RebindTo(int key, const Settings& current) {
  Outcome out;
  PlayAction action = *rebinding_;
  if (key == kKeyEscape) {
    rebinding_.reset();
    message_.clear();
    return out;
  }
  std::string name = KeyName(key);
  if (name.empty()) {
    message_ = "That key can't be a play key; press another";
    return out;
  }
  if (KeyReserved(key)) {
    message_ = name + " is kept for the game's own use; press another";
    return out;
  }
  if (auto other = current.ActionOf(key); other && *other != action) {
    message_ = name + " is already the key for " + ActionTitle(*other) + "; press another";
    return out;
  }
  rebinding_.reset();
  message_.clear();
  if (current.Key(action) != key) {
    Settings s = current;
    s.Key(action) = key;
    out.changed = s;
  }
  return out;
}

std::optional<OptionsOverlay::Row> OptionsOverlay::RowAt(int x, int y, int* part) {
  if (x < kRowX || x >= kRowX + kRowW) return std::nullopt;
  for (int i = 0; i < kRows; ++i) {
    int top = RowTop(i);
    if (y < top || y >= top + kRowH) continue;
    *part = 0;
    if (Adjustable(Row(i)) && x >= kValueX - kArrowW && x < kValueX) *part = -1;
    if (Adjustable(Row(i)) && x >= kValueX + kValueW && x < kValueX + kValueW + kArrowW) *part = 1;
    return Row(i);
  }
  return std::nullopt;
}

void OptionsOverlay::MouseMove(int x, int y) {
  if (rebinding_) return;
  int part = 0;
  if (auto row = RowAt(x, y, &part)) selected_ = *row;
}

OptionsOverlay::Outcome OptionsOverlay::Click(int x, int y, const Settings& current) {
  if (rebinding_) return {};  // a key is awaited: Escape gives up
  int part = 0;
  auto row = RowAt(x, y, &part);
  if (!row) return {};
  selected_ = *row;
  return Change(part, current);
}

void OptionsOverlay::Draw(Surface& f, const Settings& s, const RenderText& render) const {
  // The game below, dimmed: it stands still while this screen is open.
  for (auto& p : f.pixels) p = Mix(p, 0, 150);
  Fill(f, kPanelX, kPanelY, kPanelW, kPanelH, kPanel);
  Frame(f, kPanelX, kPanelY, kPanelW, kPanelH, 3, kPanelEdge);
  Frame(f, kPanelX + 5, kPanelY + 5, kPanelW - 10, kPanelH - 10, 2, kPanelInner);
  Text(f, render, "OPTIONS", 20, true, kTitle, kPanelX, kPanelY + 10, kPanelW, 40, 0);
  for (int i = 0; i < kRows; ++i) {
    Row row = Row(i);
    int top = RowTop(i);
    bool chosen = row == selected_;
    Fill(f, kRowX, top, kRowW, kRowH, chosen ? kRowSelected : kRowBack);
    Fill(f, kRowX, top, 3, kRowH, kTitle);  // the accent bar of the game's rows
    if (row == Row::Back) {
      Text(f, render, "BACK TO THE GAME", 12, true, kValue, kRowX, top, kRowW, kRowH, 0);
      continue;
    }
    Text(f, render, Title(row), 12, false, kLabel, kRowX + 14, top, 0, kRowH, -1);
    bool awaited = rebinding_ && ActionOfRow(row) == rebinding_;
    Text(f, render, awaited ? "?" : Value(row, s), 12, false, awaited ? kMessage : kValue, kValueX, top, kValueW, kRowH,
         0);
    if (Adjustable(row)) {
      Text(f, render, "<", 12, true, kArrow, kValueX - kArrowW, top, kArrowW, kRowH, 0);
      Text(f, render, ">", 12, true, kArrow, kValueX + kValueW, top, kArrowW, kRowH, 0);
    }
  }
  if (!message_.empty()) Text(f, render, message_, 10, false, kMessage, kRowX, kMessageY, kRowW, 22, 0);
  Text(f, render, "CONTROLS", 11, true, kTitle, kRowX + 4, kHelpY, 0, 20, -1);
  int y = kHelpY + 22;
  for (const char* line : kHelpLines) {
    Text(f, render, line, 9, false, kHelp, kRowX + 4, y, 0, 17, -1);
    y += 17;
  }
}

}  // namespace cw
