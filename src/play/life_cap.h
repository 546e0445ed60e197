#pragma once
// The life cap, 100 + 5 x Vitality + 20 x Strength, worked out in single precision from whole fifths and
// tenths: 100 + Vitality / 10 x 50 + Strength / 5 x 100. The rules add the three terms in two orders,
// and in single precision the sums differ for some abilities: with Strength 21 and Vitality 21 the
// first order gives 625 and the second 624.99994. That decides, among other things, whether a player
// at 605 life takes a first-aid kit, so each rule keeps its own order.

namespace cw {

class Game;

// 100 first: the life label and the test before a kill heals.
float MaxLifeHundredFirst(const Game& g);
// 100 last: the cap of the abilities screen's new-level bonus and of the first-aid kits.
float MaxLifeHundredLast(const Game& g);

}  // namespace cw
