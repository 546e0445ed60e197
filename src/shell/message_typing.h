#pragma once
namespace cw {
class Game;
// Types the current message into lblSMS, one more character per pass, and removes it when its time is up.
void TypeMessage(Game& g);
}  // namespace cw
