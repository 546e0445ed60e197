#include "patterns.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "chord.h"
#include "note.h"

namespace cw::music {
namespace {

std::vector<std::string_view> Tokens(std::string_view text) {
  std::vector<std::string_view> tokens;
  std::size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    std::size_t end = pos;
    while (end < text.size() && text[end] != ' ') ++end;
    if (end > pos && text.substr(pos, end - pos) != "|") tokens.push_back(text.substr(pos, end - pos));
    pos = end;
  }
  return tokens;
}

// The grid characters without bar lines and spaces.
std::string Steps(std::string_view grid) {
  std::string steps;
  for (char c : grid) {
    if (c != '|' && c != ' ') steps.push_back(c);
  }
  return steps;
}

int StepCount(std::string_view token, std::string_view length) {
  int steps = 0;
  const auto [end, error] = std::from_chars(length.data(), length.data() + length.size(), steps);
  if (error != std::errc() || end != length.data() + length.size() || steps <= 0)
    throw std::invalid_argument("bad note length: " + std::string(token));
  return steps;
}

int ChordIndex(std::string_view token) {
  int index = -1;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), index);
  if (error != std::errc() || end != token.data() + token.size() || index < 0)
    throw std::invalid_argument("bad arpeggio index: " + std::string(token));
  return index;
}

}  // namespace

void RequireEnd(double beat, double expectedBeat, std::string_view what) {
  if (std::abs(beat - expectedBeat) > 1e-9)
    throw std::logic_error(std::string(what) + " ends at beat " + std::to_string(beat) + ", not " +
                           std::to_string(expectedBeat));
}

void AddNote(Part& part, double beat, double beats, int midi, float velocity) {
  part.notes.push_back(NoteEvent{beat, beats, midi, velocity});
}

double AddMelody(Part& part, double startBeat, double stepBeats, std::string_view line, float velocity, double legato) {
  double beat = startBeat;
  for (std::string_view token : Tokens(line)) {
    const std::size_t colon = token.find(':');
    const std::string_view name = token.substr(0, colon);
    const int steps = colon == std::string_view::npos ? 1 : StepCount(token, token.substr(colon + 1));
    const double length = steps * stepBeats;
    if (name != "r") AddNote(part, beat, length * legato, NoteNumber(name), velocity);
    beat += length;
  }
  return beat;
}

void AddChords(Part& part, double startBeat, double beatsPerChord, std::string_view chords, int lowest,
               float velocity) {
  double beat = startBeat;
  for (std::string_view symbol : Tokens(chords)) {
    for (int midi : ChordVoicing(symbol, lowest)) AddNote(part, beat, beatsPerChord, midi, velocity);
    beat += beatsPerChord;
  }
}

void AddArpeggio(Part& part, double startBeat, double beatsPerChord, std::string_view chords, std::string_view order,
                 double stepBeats, int lowest, float velocity) {
  const std::vector<std::string_view> indices = Tokens(order);
  if (indices.empty()) throw std::invalid_argument("empty arpeggio order");
  const int stepsPerChord = static_cast<int>(beatsPerChord / stepBeats + 0.5);
  double beat = startBeat;
  for (std::string_view symbol : Tokens(chords)) {
    const std::vector<int> voicing = ChordVoicing(symbol, lowest);
    const int size = static_cast<int>(voicing.size());
    for (int step = 0; step < stepsPerChord; ++step) {
      const int index = ChordIndex(indices[step % indices.size()]);
      const int midi = voicing[index % size] + 12 * (index / size);
      AddNote(part, beat + step * stepBeats, stepBeats * 0.9, midi, velocity);
    }
    beat += beatsPerChord;
  }
}

void AddBassLine(Part& part, double startBeat, double beatsPerChord, std::string_view chords, std::string_view rhythm,
                 int lowest, float velocity) {
  const std::string steps = Steps(rhythm);
  const double stepBeats = beatsPerChord / static_cast<double>(steps.size());
  double beat = startBeat;
  for (std::string_view symbol : Tokens(chords)) {
    const int root = lowest + ((ChordNotes(symbol, 4).front() - lowest) % 12 + 12) % 12;
    NoteEvent* last = nullptr;
    for (std::size_t i = 0; i < steps.size(); ++i) {
      const double at = beat + static_cast<double>(i) * stepBeats;
      const char c = steps[i];
      if (c == '-' && last != nullptr) {
        last->beats += stepBeats;
        continue;
      }
      last = nullptr;
      if (c == '.' || c == '-') continue;
      const int midi = c == 'o' ? root + 12 : c == '5' ? root + 7 : root;
      if (c != 'x' && c != 'o' && c != '5') throw std::invalid_argument("bad bass step: " + steps);
      part.notes.push_back(NoteEvent{at, stepBeats * 0.8, midi, velocity});
      last = &part.notes.back();
    }
    beat += beatsPerChord;
  }
}

void AddDrums(Part& part, double startBeat, double stepBeats, std::string_view grid, int repeats, float velocity) {
  const std::string steps = Steps(grid);
  double beat = startBeat;
  for (int r = 0; r < repeats; ++r) {
    for (char c : steps) {
      const float accent = c == 'X' ? 1.0f : c == 'x' ? 0.75f : c == 'g' ? 0.4f : 0.0f;
      if (c != '.' && accent == 0.0f) throw std::invalid_argument("bad drum step: " + steps);
      if (accent > 0.0f) AddNote(part, beat, stepBeats * 0.5, 60, velocity * accent);
      beat += stepBeats;
    }
  }
}

}  // namespace cw::music
