#pragma once
// Writing notes into a part from short readable strings. "|" marks bar lines and is skipped.
#include <string_view>

#include "song.h"

namespace cw::music {

// Melody such as "E5:4 D5:2 r:2 | C5:8": note name and length in steps (default 1), r = rest.
// Each key is held for legato of its length. Returns the beat after the last step.
double AddMelody(Part& part, double startBeat, double stepBeats, std::string_view line, float velocity,
                 double legato = 0.95);

// One chord per span, such as "Am F Dm E", voiced close above the note lowest.
void AddChords(Part& part, double startBeat, double beatsPerChord, std::string_view chords, int lowest, float velocity);

// Broken chords: order lists indices into the chord's voicing ("0 1 2 3"), an index past the
// top climbs an octave. The order repeats to fill each chord's span.
void AddArpeggio(Part& part, double startBeat, double beatsPerChord, std::string_view chords, std::string_view order,
                 double stepBeats, int lowest, float velocity);

// Bass line over a chord sheet, roots placed in [lowest, lowest + 12). The rhythm spans one
// chord, one character per step: x root, o octave above, 5 fifth, - holds the previous note, . rest.
void AddBassLine(Part& part, double startBeat, double beatsPerChord, std::string_view chords, std::string_view rhythm,
                 int lowest, float velocity);

// Drum grid, one character per step: X accent, x hit, g ghost, . rest; played repeats times.
void AddDrums(Part& part, double startBeat, double stepBeats, std::string_view grid, int repeats, float velocity);

// Throws std::logic_error when a line written by hand does not end where it should.
void RequireEnd(double beat, double expectedBeat, std::string_view what);

// A single held note.
void AddNote(Part& part, double beat, double beats, int midi, float velocity);

}  // namespace cw::music
