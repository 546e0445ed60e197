#include "note.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace cw::music {

double NoteFrequency(int midi) { return 440.0 * std::exp2((midi - 69) / 12.0); }

int NoteNumber(std::string_view name) {
  static constexpr int kLetterSemitones[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
    throw std::invalid_argument("bad note name: " + std::string(name));
  int semitone = kLetterSemitones[name[0] - 'A'];
  std::size_t pos = 1;
  if (name[pos] == '#') {
    ++semitone;
    ++pos;
  } else if (name[pos] == 'b') {
    --semitone;
    ++pos;
  }
  if (pos + 1 != name.size() || name[pos] < '0' || name[pos] > '8')
    throw std::invalid_argument("bad note name: " + std::string(name));
  const int octave = name[pos] - '0';
  return (octave + 1) * 12 + semitone;
}

}  // namespace cw::music
