#pragma once
// What blood, enemies, shots and the boss share on the play area: the mask under a point,
// keeping their place on the map while it scrolls, and drawing a sprite centred on a point.
#include <cmath>
#include <cstdint>

#include "external/image_effects.h"
#include "play/game.h"
#include "runtime/trig.h"

namespace cw {

// Colour of the visible mask under a play-area point; outside the mask this is kInvalidColour.
inline uint32_t MaskAt(const Game& g, double x, double y) { return g.e.picCity_Collid->buffer.Get(CInt(x), CInt(y)); }

// When the map scrolled this pass, things on it move back by the player's step to stay in place.
inline void ShiftWithMap(const Game& g, double& x, double& y) {
  if (g.CharCollisionX) x = x - g.r * Sin(g.u);
  if (g.CharCollisionY) y = y - g.r * Cos(g.u);
}

inline void DrawSprite(Game& g, const Element& sprite, double x, double y, uint32_t key_colour, double degrees,
                       int mode) {
  FoxRotate(g.e.picCity_base->buffer, CInt(x), CInt(y), sprite.buffer, sprite.buffer, key_colour, degrees, mode);
}

}  // namespace cw
