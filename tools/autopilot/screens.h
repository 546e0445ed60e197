#pragma once
// The screens around play as a player sees them: which one is up, where its buttons are on the
// window, and how to spend ability points.
#include <string>

#include "map_grid.h"
#include "play/game.h"

namespace cw::autopilot {

enum class Screen { Splash, Death, Story, InGameMenu, Abilities, Credits, Menu, Play, Busy };

// The screen on top; Busy while a fade or a transition runs without taking input.
Screen CurrentScreen(const Game& g);
const char* ScreenName(Screen s);

// The middle of an element in window pixels, from the element positions the game shows.
Point WindowCentre(const Game& g, const Element* el);

// The "+" button to press next on the abilities screen, or null when no point is left to spend.
// Vitality comes first (a faster walk and a little more life), then Strength and Endurance, with some Healing.
const Element* NextAbilityButton(const Game& g);

}  // namespace cw::autopilot
