#include "screens.h"

#include <array>

#include "runtime/value_types.h"

namespace cw::autopilot {
namespace {

int CaptionNumber(const Element* el) { return int(ParseNumber(el->caption).value_or(0)); }

}  // namespace

Screen CurrentScreen(const Game& g) {
  if (g.e.picStartUp_base->visible) return Screen::Splash;
  if (g.e.picRIP->visible) return Screen::Death;
  if (g.e.picStory->visible) return Screen::Story;
  if (g.e.picInGame->visible) return Screen::InGameMenu;
  if (g.e.picRPG->visible) return Screen::Abilities;
  if (g.e.picCred->visible) return Screen::Credits;
  if (g.e.picMenu->visible) return Screen::Menu;
  if (g.blnGame) return Screen::Play;
  return Screen::Busy;
}

const char* ScreenName(Screen s) {
  switch (s) {
    case Screen::Splash: return "splash";
    case Screen::Death: return "death screen";
    case Screen::Story: return "story page";
    case Screen::InGameMenu: return "in-game menu";
    case Screen::Abilities: return "abilities screen";
    case Screen::Credits: return "credits";
    case Screen::Menu: return "main menu";
    case Screen::Play: return "play";
    case Screen::Busy: return "transition";
  }
  return "?";
}

Point WindowCentre(const Game&, const Element* el) {
  double x = el->width / 2, y = el->height / 2;
  for (const Element* p = el; p; p = p->parent) {
    x += p->left;
    y += p->top;
  }
  return {x, y};
}

const Element* NextAbilityButton(const Game& g) {
  if (CaptionNumber(g.e.lblPoints) <= 0) return nullptr;
  struct Row {
    const Element* value;
    const Element* plus;
    double weight;
  };
  const std::array<Row, 3> rows{{{g.e.lblStrenght, g.e.btnStrenghtUp, 2},
                                 {g.e.lblEndurance, g.e.btnEnduranceUp, 2},
                                 {g.e.lblHealing, g.e.btnHealingUp, 1}}};
  if (CaptionNumber(g.e.lblVitality) < 3) return g.e.btnVitalityUp;
  const Row* best = nullptr;
  for (const Row& row : rows) {
    int v = CaptionNumber(row.value);
    if (v >= 25) continue;
    if (!best || v / row.weight < CaptionNumber(best->value) / best->weight) best = &row;
  }
  return best ? best->plus : g.e.btnVitalityUp;
}

}  // namespace cw::autopilot
