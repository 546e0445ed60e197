#include "world/messages.h"

#include "shell/game.h"

namespace cw {

void StartMessage(Game& g, const std::string& text) {
  g.TextSMS = text;
  if (!g.WriteSMS) {
    g.CisloSMS = 1;
    g.WriteSMS = true;
  }
}

}  // namespace cw
