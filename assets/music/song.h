#pragma once
// A piece of music as data: tempo, length, and parts of timed notes played by instruments.
#include <memory>
#include <string>
#include <vector>

#include "delay.h"
#include "instrument.h"
#include "reverb.h"

namespace cw::music {

struct NoteEvent {
  double beat = 0.0;   // start, in beats from the top of the loop
  double beats = 1.0;  // how long the key is held
  int midi = 60;
  float velocity = 1.0f;
};

struct PartMix {
  float gain = 1.0f;
  float pan = 0.0f;     // -1 left .. 1 right
  float reverb = 0.0f;  // send levels
  float delay = 0.0f;
  float pump = 0.0f;  // 0..1: how far the part ducks on every beat, under the kick
};

struct Part {
  std::string name;
  std::unique_ptr<Instrument> instrument;
  PartMix mix;
  std::vector<NoteEvent> notes;
};

struct Song {
  double bpm = 120.0;
  int beatsPerBar = 4;
  int bars = 16;
  std::vector<Part> parts;
  ReverbSettings reverb;
  DelaySettings delay;
  double loudnessDb = -16.0;  // RMS of the finished loop, dB below full scale

  double SecondsPerBeat() const { return 60.0 / bpm; }
  double Bar(int index) const { return static_cast<double>(index) * beatsPerBar; }
  double LengthBeats() const { return Bar(bars); }
  Part& AddPart(std::string name, std::unique_ptr<Instrument> instrument, PartMix mix) {
    parts.push_back(Part{std::move(name), std::move(instrument), mix, {}});
    return parts.back();
  }
};

}  // namespace cw::music
