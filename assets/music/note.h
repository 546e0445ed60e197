#pragma once
// Note names and pitches: MIDI numbering, A4 = 69 = 440 Hz, equal temperament.
#include <string_view>

namespace cw::music {

// Frequency in Hz of a MIDI note number.
double NoteFrequency(int midi);

// MIDI number of a name such as "A4", "C#5" or "Bb3". Throws std::invalid_argument.
int NoteNumber(std::string_view name);

}  // namespace cw::music
