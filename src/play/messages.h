#pragma once
// The short messages typed into the status bar, and how one is started.
#include <string>

namespace cw {
class Game;

inline constexpr const char* kLockedPlantMessage = "Power Plant is locked.\r\nYou should find the key.";
inline constexpr const char* kCardFoundMessage = "You find the access card !";
inline constexpr const char* kKeyFoundMessage = "You find the key ! ";
inline constexpr const char* kLabOpenedMessage =
    "Access to the DUVAVE secret lab granted !\r\nYou will find the entrance somewhere\r\n"
    "on the DUVAVE scyscraper 1st floor.";
inline constexpr const char* kNoCardMessage = "You tried to push the button but\r\nYou need a access card";

// Sets the text; typing starts from the first character only when no message is being typed.
void StartMessage(Game& g, const std::string& text);
// Sets the text and types it from the first character, even over a message being typed.
void RestartMessage(Game& g, const std::string& text);
// One pass of typing: the next character, and the message cleared once it has stood long enough.
void TypeMessage(Game& g);

}  // namespace cw
