#pragma once
// The text file of a recorded session: a header, then one line for everything the session handed
// the game, in order.
//   cinderwake-session 1            first line
//   frames 1                        the game presented its frames (1) or not (0)
//   save 4e6f53...                  the saved game the session started from, in hex; "save -" for none
//   settings 5b736f...              the player's settings file it started with, in hex (may be left out)
//   T 1234                          a clock reading
//   W 1250                          a wait ended; the clock then
//   E KeyDown 38 0 0 0 0 0 0 0      an event: type key ch button x y control value pad
//   P                               no event pending
//   S 987654321                     a random seed
#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/session.h"

namespace cw {

struct SessionHeader {
  bool frames = true;
  std::optional<std::string> saved_game;  // the file's bytes; none when there was no file
  // The player's settings as their file writes them: the play keys and pausing decide the game's course.
  std::optional<std::string> settings;
};

struct SessionEntry {
  enum class Kind : char { Ticks = 'T', Wait = 'W', Event = 'E', NoEvent = 'P', Seed = 'S' };
  Kind kind = Kind::NoEvent;
  int64_t value = 0;  // Ticks, Wait; Seed holds its bits
  InputEvent event;   // Event
  int line = 0;       // where it stands in the file, for messages
};

struct SessionLog {
  SessionHeader header;
  std::vector<SessionEntry> entries;
};

struct SessionLogError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

void WriteSessionHeader(std::ostream& out, const SessionHeader& header);
void WriteSessionEntry(std::ostream& out, const SessionEntry& entry);
// Throws SessionLogError naming the line that is not understood, or where the clock goes back.
SessionLog ReadSessionLog(std::istream& in);

}  // namespace cw
