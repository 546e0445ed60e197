#include "chord.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "note.h"

namespace cw::music {
namespace {

struct Quality {
  std::string_view suffix;
  std::vector<int> intervals;
};

const std::vector<Quality>& Qualities() {
  static const std::vector<Quality> kQualities = {
      {"", {0, 4, 7}},         {"m", {0, 3, 7}},         {"5", {0, 7}},       {"7", {0, 4, 7, 10}},
      {"m7", {0, 3, 7, 10}},   {"maj7", {0, 4, 7, 11}},  {"sus2", {0, 2, 7}}, {"sus4", {0, 5, 7}},
      {"add9", {0, 4, 7, 14}}, {"madd9", {0, 3, 7, 14}},
  };
  return kQualities;
}

}  // namespace

std::vector<int> ChordNotes(std::string_view symbol, int octave) {
  std::size_t rootLength = 1;
  if (symbol.size() > 1 && (symbol[1] == '#' || symbol[1] == 'b')) rootLength = 2;
  if (symbol.empty()) throw std::invalid_argument("empty chord symbol");
  const std::string rootName = std::string(symbol.substr(0, rootLength)) + std::to_string(octave);
  const int root = NoteNumber(rootName);
  const std::string_view suffix = symbol.substr(rootLength);
  for (const Quality& quality : Qualities()) {
    if (quality.suffix != suffix) continue;
    std::vector<int> notes;
    for (int interval : quality.intervals) notes.push_back(root + interval);
    return notes;
  }
  throw std::invalid_argument("unknown chord: " + std::string(symbol));
}

std::vector<int> ChordVoicing(std::string_view symbol, int lowest) {
  std::vector<int> notes = ChordNotes(symbol, 4);
  for (int& note : notes) {
    note = lowest + ((note - lowest) % 12 + 12) % 12;
  }
  std::sort(notes.begin(), notes.end());
  notes.erase(std::unique(notes.begin(), notes.end()), notes.end());
  return notes;
}

}  // namespace cw::music
