#include "play/game.h"
#include "progression/abilities_screen.h"
#include "runtime/pacing.h"

namespace cw {
namespace {

const std::string kStrenghtHelp = "STRENGHT : \r\nHave a great effect on your life points ";
const std::string kEnduranceHelp =
    "ENDURANCE : \r\nYour opponents will hurt you less \r\nWith mastered Endurance you can \r\n"
    "turn the taken damage to your life";
const std::string kVitalityHelp = "VITALITY : \r\nYou will run much faster \r\n Have some effect on life ";
const std::string kUltimateHelp = "ULTIMATE : \r\nMaximize this ability and ,maybe, \r\n you will learn how to fly ! ";
const std::string kHealingHelp = "HEALING : \r\nConvert the damamge you've give \r\n to health points !";
const std::string kPointsHelp = "POINTS : \r\nAvailable points to sort ";

// One text at a time: the rows stay quiet until the mouse has crossed the screen background.
void StartHelp(Game& g, const std::string& text) {
  if (g.blnWritten) return;
  g.blnWritten = true;
  TypeDescription(g, text);
}

}  // namespace

void lblHelpStrenght_MouseMove(Game& g, int, int, double, double) { StartHelp(g, kStrenghtHelp); }
void lblHelpEndurance_MouseMove(Game& g, int, int, double, double) { StartHelp(g, kEnduranceHelp); }
void lblHelpVitality_MouseMove(Game& g, int, int, double, double) { StartHelp(g, kVitalityHelp); }
void lblHelpUltimate_MouseMove(Game& g, int, int, double, double) { StartHelp(g, kUltimateHelp); }
void lblHelpHealing_MouseMove(Game& g, int, int, double, double) { StartHelp(g, kHealingHelp); }
void lblHelpPoints_MouseMove(Game& g, int, int, double, double) { StartHelp(g, kPointsHelp); }

void picRPG_MouseMove(Game& g, int, int, double, double) {
  g.blnWritten = false;
  g.blnWrite = false;  // ends a running TypeDescription
  g.e.lblDescription->caption = "";
}

void TypeDescription(Game& g, const std::string& text) {
  g.blnWrite = true;
  size_t shown = 1;
  Pacer pace(g.session, Pacer::Start::TickZero);
  while (g.blnWrite) {
    // The wait itself does not look at events; they are handled once per character.
    pace.Wait();
    pace.SetDeadline(10);
    g.DoEvents();
    // A handler that stopped the typing during the yield has also cleared the text; keep it clear.
    if (!g.blnWrite) break;
    g.e.lblDescription->caption = text.substr(0, shown);
    ++shown;
  }
}

}  // namespace cw
