#include "app/event_wiring.h"

#include "actors/player_keys.h"
#include "app/start_up.h"
#include "play/game.h"
#include "progression/abilities_screen.h"
#include "screens/credits_screen.h"
#include "screens/death_screen.h"
#include "screens/in_game_menu.h"
#include "screens/main_menu.h"
#include "screens/story_pages.h"

namespace cw {
namespace {

using ClickFn = void (*)(Game&);
using KeyFn = void (*)(Game&, int, int);
using MouseFn = void (*)(Game&, int, int, double, double);

void OnClick(Game& g, Element* el, ClickFn fn) {
  el->Click = [&g, fn] { fn(g); };
}
void OnKeyDown(Game& g, Element* el, KeyFn fn) {
  el->KeyDown = [&g, fn](int k, int s) { fn(g, k, s); };
}
void OnMouseMove(Game& g, Element* el, MouseFn fn) {
  el->MouseMove = [&g, fn](int b, int s, double x, double y) { fn(g, b, s, x, y); };
}
void OnMouseDown(Game& g, Element* el, MouseFn fn) {
  el->MouseDown = [&g, fn](int b, int s, double x, double y) { fn(g, b, s, x, y); };
}

}  // namespace

void WireEvents(Game& g) {
  auto& e = g.e;
  OnClick(g, e.picStartUp_base, picStartUp_base_Click);
  OnKeyDown(g, e.picStartUp_base, picStartUp_base_KeyDown);

  OnKeyDown(g, e.picMenu, picMenu_KeyDown);
  OnMouseMove(g, e.picMenu, picMenu_MouseMove);
  OnClick(g, e.Image2, Image2_Click);
  OnClick(g, e.Image3, Image3_Click);
  OnClick(g, e.Image4, Image4_Click);
  OnClick(g, e.Image5, Image5_Click);
  OnMouseMove(g, e.Image2, Image2_MouseMove);
  OnMouseMove(g, e.Image3, Image3_MouseMove);
  OnMouseMove(g, e.Image4, Image4_MouseMove);
  OnMouseMove(g, e.Image5, Image5_MouseMove);

  e.picStory->KeyPress = [&g](int ascii) { picStory_KeyPress(g, ascii); };
  OnMouseDown(g, e.picStory, picStory_MouseDown);

  OnClick(g, e.picCity_base, picCity_base_Click);
  OnKeyDown(g, e.picCity_base, piccity_base_KeyDown);
  e.picCity_base->KeyUp = [&g](int k, int s) { picCity_base_KeyUp(g, k, s); };
  OnClick(g, e.Command1, Command1_Click);
  OnClick(g, e.lblAbilities, lblAbilities_Click);

  OnKeyDown(g, e.picInGame, picInGame_KeyDown);
  OnMouseDown(g, e.picInGame, picInGame_MouseDown);
  OnMouseMove(g, e.picInGame, picInGame_MouseMove);

  OnKeyDown(g, e.picRPG, picRPG_KeyDown);
  OnMouseMove(g, e.picRPG, picRPG_MouseMove);
  OnClick(g, e.btnStrenghtDown, btnStrenghtDown_Click);
  OnClick(g, e.btnStrenghtUp, btnStrenghtUp_Click);
  OnClick(g, e.btnEnduranceDown, btnEnduranceDown_Click);
  OnClick(g, e.btnEnduranceUp, btnEnduranceUp_Click);
  OnClick(g, e.btnVitalityDown, btnVitalityDown_Click);
  OnClick(g, e.btnVitalityUp, btnVitalityUp_Click);
  OnClick(g, e.btnUltimateDown, btnUltimateDown_Click);
  OnClick(g, e.btnUltimateUp, btnUltimateUp_Click);
  OnClick(g, e.btnHealingDown, btnHealingDown_Click);
  OnClick(g, e.btnHealingUp, btnHealingUp_Click);
  OnClick(g, e.Command11, Command11_Click);
  OnMouseMove(g, e.lblHelpStrenght, lblHelpStrenght_MouseMove);
  OnMouseMove(g, e.lblHelpEndurance, lblHelpEndurance_MouseMove);
  OnMouseMove(g, e.lblHelpVitality, lblHelpVitality_MouseMove);
  OnMouseMove(g, e.lblHelpUltimate, lblHelpUltimate_MouseMove);
  OnMouseMove(g, e.lblHelpHealing, lblHelpHealing_MouseMove);
  OnMouseMove(g, e.lblHelpPoints, lblHelpPoints_MouseMove);

  OnKeyDown(g, e.picRIP, picRIP_KeyDown);
  OnMouseDown(g, e.picRIP, picRIP_MouseDown);
  OnKeyDown(g, e.picCred, picCred_KeyDown);
  OnClick(g, e.cmdExit_cred, cmdExit_cred_Click);

  g.ui.on_music_ended = [&g] { MP1_EndOfStream(g.MP1); };
  g.ui.on_close = [] { throw ProgramEnd{0}; };
}

}  // namespace cw
