#include "play/messages.h"

#include <algorithm>

#include "play/game.h"

namespace cw {

void StartMessage(Game& g, const std::string& text) {
  g.TextSMS = text;
  if (!g.WriteSMS) {
    g.CisloSMS = 1;
    g.WriteSMS = true;
  }
}

void RestartMessage(Game& g, const std::string& text) {
  g.TextSMS = text;
  g.CisloSMS = 1;
  g.WriteSMS = true;
}

void TypeMessage(Game& g) {
  if (!g.WriteSMS) return;
  g.CisloSMS = g.CisloSMS + 1;
  g.e.lblSMS->caption = g.TextSMS.substr(0, size_t(std::max(0, CInt(g.CisloSMS))));
  // A message stays up for 20 passes per character, counted from its start.
  if (g.CisloSMS >= 20.0 * double(g.TextSMS.size())) {
    g.WriteSMS = false;
    g.CisloSMS = 1;
    g.e.lblSMS->caption = "";
  }
}

}  // namespace cw
