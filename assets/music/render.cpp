#include "render.h"

#include <cmath>
#include <numbers>

#include "delay.h"
#include "filter.h"
#include "loop.h"
#include "note.h"
#include "reverb.h"

namespace cw::music {
namespace {

std::size_t FrameAt(double seconds, double sampleRate) {
  return static_cast<std::size_t>(std::llround(seconds * sampleRate));
}

// Gain that dips right after each beat and is back to exactly 1 at the next, as if the kick
// pushed it; continuous at both ends so it cannot click.
double PumpGain(double secondsIntoBeat, double secondsPerBeat, double depth) {
  const double floor = std::exp(-secondsPerBeat / 0.12);
  const double recovery = (std::exp(-secondsIntoBeat / 0.12) - floor) / (1.0 - floor);
  return 1.0 - depth * (1.0 - std::exp(-secondsIntoBeat / 0.005)) * recovery;
}

void RenderPart(const Part& part, std::size_t partIndex, const Song& song, double sampleRate, StereoBuffer& out) {
  const double secondsPerBeat = song.SecondsPerBeat();
  for (std::size_t n = 0; n < part.notes.size(); ++n) {
    const NoteEvent& note = part.notes[n];
    const std::size_t start = FrameAt(note.beat * secondsPerBeat, sampleRate);
    if (start >= out.Frames()) continue;
    Voice voice;
    voice.frequency = NoteFrequency(note.midi);
    voice.gate = note.beats * secondsPerBeat;
    voice.velocity = note.velocity;
    voice.seed = static_cast<std::uint32_t>(partIndex * 100003u + n + 1u);
    voice.sampleRate = sampleRate;
    std::size_t frames = FrameAt(voice.gate + part.instrument->Tail(), sampleRate);
    if (frames > out.Frames() - start) frames = out.Frames() - start;
    part.instrument->Render(voice, &out.left[start], &out.right[start], frames);
  }
  if (part.mix.pump > 0.0f) {
    for (std::size_t i = 0; i < out.Frames(); ++i) {
      const double intoBeat = std::fmod(i / sampleRate, secondsPerBeat);
      const float gain = static_cast<float>(PumpGain(intoBeat, secondsPerBeat, part.mix.pump));
      out.left[i] *= gain;
      out.right[i] *= gain;
    }
  }
}

}  // namespace

std::size_t LoopFrames(const Song& song, double sampleRate) {
  return FrameAt(song.LengthBeats() * song.SecondsPerBeat(), sampleRate);
}

StereoBuffer MixSong(const Song& song, double sampleRate) {
  const std::size_t total = LoopFrames(song, sampleRate) + FrameAt(kTailSeconds, sampleRate);
  StereoBuffer mix(total), reverbSend(total), delaySend(total);
  // One scratch buffer for all parts, cleared while it is mixed: fresh or separately
  // cleared pages for every part would cost more than the synthesis.
  StereoBuffer rendered(total);
  for (std::size_t p = 0; p < song.parts.size(); ++p) {
    const Part& part = song.parts[p];
    RenderPart(part, p, song, sampleRate, rendered);
    // Constant-power pan, unity in the centre.
    const double angle = (part.mix.pan + 1.0) * std::numbers::pi / 4.0;
    const float gainLeft = static_cast<float>(part.mix.gain * std::numbers::sqrt2 * std::cos(angle));
    const float gainRight = static_cast<float>(part.mix.gain * std::numbers::sqrt2 * std::sin(angle));
    for (std::size_t i = 0; i < total; ++i) {
      const float left = rendered.left[i] * gainLeft;
      const float right = rendered.right[i] * gainRight;
      rendered.left[i] = 0.0f;
      rendered.right[i] = 0.0f;
      mix.left[i] += left;
      mix.right[i] += right;
      reverbSend.left[i] += left * part.mix.reverb;
      reverbSend.right[i] += right * part.mix.reverb;
      delaySend.left[i] += left * part.mix.delay;
      delaySend.right[i] += right * part.mix.delay;
    }
  }
  const StereoBuffer reverb = ApplyReverb(reverbSend, song.reverb);
  const StereoBuffer echo = ApplyDelay(delaySend, song.delay, sampleRate);
  SvFilter rumbleLeft, rumbleRight;
  rumbleLeft.Set(25.0, 0.707, sampleRate);
  rumbleRight.Set(25.0, 0.707, sampleRate);
  for (std::size_t i = 0; i < total; ++i) {
    mix.left[i] = rumbleLeft.Highpass(mix.left[i] + reverb.left[i] + echo.left[i]);
    mix.right[i] = rumbleRight.Highpass(mix.right[i] + reverb.right[i] + echo.right[i]);
  }
  return mix;
}

StereoBuffer RenderLoop(const Song& song, double sampleRate) {
  return FoldTail(MixSong(song, sampleRate), LoopFrames(song, sampleRate));
}

}  // namespace cw::music
