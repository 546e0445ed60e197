// Prints the headless script of the Linux flow test (new game, abilities, play, save, exit, continue,
// credits), the clicks at the window points of this build's screens, with its dumps into @DIR@.
#include <iostream>
#include <string>

#include "play/game.h"
#include "support/screens_fixtures.h"

namespace {

using cw::test::CentreOf;
using cw::test::WindowPoint;

std::string Click(int t, WindowPoint p) {
  return std::to_string(t) + " click " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
}
std::string Key(int t, const std::string& name) { return std::to_string(t) + " key " + name + "\n"; }
std::string Dump(int t, const std::string& name) { return std::to_string(t) + " dump @DIR@" + name + ".json\n"; }

}  // namespace

int main() {
  cw::test::TestGame t;
  cw::test::StartWithoutSplash(t.g);
  const cw::Elements& e = t.g.e;
  WindowPoint new_game = CentreOf(e.Image2), continue_game = CentreOf(e.Image3), credits = CentreOf(e.Image4),
              strength_up = CentreOf(e.btnStrenghtUp), ok = CentreOf(e.Command11), menu = CentreOf(e.Command1),
              save = CentreOf(e.img1), exit_game = CentreOf(e.img3);
  std::string s;
  s += Click(6000, new_game);
  s += Dump(9500, "story");
  s += Key(9600, "Space");
  s += Dump(15000, "abilities");
  for (int i = 0; i < 6; ++i) s += Click(15100 + 100 * i, strength_up);
  s += Dump(15700, "spent");
  s += Click(15800, ok);
  s += Dump(16000, "playing");
  s += Click(16100, menu);
  s += Click(16300, save);
  s += Dump(16400, "saved");
  s += Click(16500, menu);
  s += Click(16700, exit_game);
  s += Dump(16800, "exited");
  s += Click(16900, continue_game);
  s += Dump(17100, "continued");
  s += Click(17200, menu);
  s += Click(17400, exit_game);
  s += Click(17500, credits);
  s += Dump(17600, "credits");
  s += Key(17700, "Escape");
  s += Dump(17800, "closed");
  s += "18400 quit\n";
  std::cout << s;
  return 0;
}
