#include "shell/message_typing.h"

#include <algorithm>

#include "shell/game.h"

namespace cw {

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
