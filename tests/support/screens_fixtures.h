#pragma once
// Shared by the screen tests: timed script lines for a TestGame, window points of elements,
// and the state the saved game touches.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/start_up.h"
#include "platform/key_codes.h"
#include "play/game.h"
#include "support/test_game.h"

namespace cw::test {

inline ScriptCommand InputAt(int64_t t, InputEvent e) {
  ScriptCommand c;
  c.time = t;
  c.kind = ScriptCommand::Kind::Input;
  c.input = e;
  return c;
}
inline ScriptCommand KeyDownAt(int64_t t, int key, int ch = 0) {
  return InputAt(t, {InputEvent::Type::KeyDown, key, ch, 0, 0, 0});
}
inline ScriptCommand MouseMoveAt(int64_t t, int x, int y) {
  return InputAt(t, {InputEvent::Type::MouseMove, 0, 0, 0, x, y});
}
inline ScriptCommand MouseDownAt(int64_t t, int x, int y, int button = 1) {
  return InputAt(t, {InputEvent::Type::MouseDown, 0, 0, button, x, y});
}
inline ScriptCommand MouseUpAt(int64_t t, int x, int y) {
  return InputAt(t, {InputEvent::Type::MouseUp, 0, 0, 1, x, y});
}
// A dump line: the platform calls on_command at exactly t, while the game waits.
inline ScriptCommand TimerAt(int64_t t) {
  ScriptCommand c;
  c.time = t;
  c.kind = ScriptCommand::Kind::Dump;
  return c;
}
inline void AddClick(std::vector<ScriptCommand>& s, int64_t t, int x, int y) {
  s.push_back(MouseMoveAt(t, x, y));
  s.push_back(MouseDownAt(t, x, y));
  s.push_back(MouseUpAt(t, x, y));
}

struct WindowPoint {
  int x, y;
};
// The window pixel at (local_x, local_y) of an element as drawn, through its parents and their frames.
inline WindowPoint PointIn(const Element* el, double local_x, double local_y) {
  double x = el->DrawnRect().x + local_x, y = el->DrawnRect().y + local_y;
  for (const Element* p = el->parent; p; p = p->parent) {
    x += p->DrawnRect().x + p->border;
    y += p->DrawnRect().y + p->border;
  }
  return {int(x + 0.5), int(y + 0.5)};
}
inline WindowPoint CentreOf(const Element* el) { return PointIn(el, el->width / 2, el->height / 2); }

// The screens where start-up places them (centred over the play area, the menu at the corner),
// the menu shown and focused; quicker than a start-up, which decodes the city's pictures.
inline void PlaceScreens(Game& g) {
  g.e.picRPG->Move(167.5, 51.5);
  g.e.picCred->Move(151.5, 68);
  g.e.picRIP->Move(150, 112.5);
  g.e.picInGame->Move(235, 90.5);
  g.e.picStartUp_base->Move(0, 0);
  g.e.picMenu->Move(0, 0);
  g.ui.Show(g.e.picMenu);
  g.ui.SetFocus(g.e.picMenu);
}

// Start-up without the splash: the state and layout of a new game, the menu shown and focused.
inline void StartWithoutSplash(Game& g) {
  g.blnStart = true;
  Form_Load(g);
  g.blnStart = Value();
  g.ui.Show(g.e.picMenu);
  g.ui.SetFocus(g.e.picMenu);
}

// A small city of 90 x 70 pixels in a scratch data folder: quick to load, and its size shows it was loaded.
inline void WriteSmallCity(Media& media, const std::filesystem::path& dir) {
  media.SavePng(Surface(90, 70, 0x00406080), (dir / "city.jpg").string());
  media.SavePng(Surface(90, 70, 0x00000000), (dir / "cityCollid.gif").string());
}

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream f(file, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}
inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

// Lines joined and each ended with CR LF, as the game writes them.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

// Everything a saved game can change, as text, in file order.
inline std::vector<std::string> SavedFields(const Game& g) {
  return {g.helpXCity.Text(),
          g.helpYCity.Text(),
          g.GamePhase,
          g.My_x.Text(),
          g.My_y.Text(),
          std::to_string(g.Strength.get()) + "/" + g.e.lblStrenght->caption,
          std::to_string(g.Endurance.get()) + "/" + g.e.lblEndurance->caption,
          std::to_string(g.Vitality.get()) + "/" + g.e.lblVitality->caption,
          std::to_string(g.Ultimate.get()) + "/" + g.e.lblUltimate->caption,
          std::to_string(g.Healing.get()) + "/" + g.e.lblHealing->caption,
          std::to_string(g.Experience.get()),
          std::to_string(g.ExperienceNeeded.get()),
          std::to_string(g.Level.get()) + "/" + g.e.lblLevel->caption,
          std::to_string(g.Life.get()),
          g.e.imgKey->visible ? "key" : "no key",
          g.e.imgCard->visible ? "card" : "no card",
          g.e.lblPoints->caption};
}

}  // namespace cw::test
