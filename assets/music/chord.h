#pragma once
// Chord symbols ("Am", "F", "Bb", "Esus4", "Cmaj7") turned into MIDI notes.
#include <string_view>
#include <vector>

namespace cw::music {

// Notes of the chord with its root in the given octave, root first, ascending.
// Throws std::invalid_argument for an unknown symbol.
std::vector<int> ChordNotes(std::string_view symbol, int octave);

// The chord's pitch classes placed in [lowest, lowest + 12), ascending: close voicings
// that move little from chord to chord.
std::vector<int> ChordVoicing(std::string_view symbol, int lowest);

}  // namespace cw::music
