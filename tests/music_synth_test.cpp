// Pure pieces of the music generator: pitches, chords, envelopes, pattern strings, the
// loop seam and the limiter curve.
#include <cmath>
#include <memory>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "music/chord.h"
#include "music/envelope.h"
#include "music/loop.h"
#include "music/master.h"
#include "music/note.h"
#include "music/pad.h"
#include "music/patterns.h"
#include "music/render.h"
#include "music/themes.h"

namespace cw::music {
namespace {

TEST(MusicNotes, FrequenciesAreEqualTemperedFromA440) {
  EXPECT_DOUBLE_EQ(NoteFrequency(69), 440.0);
  EXPECT_DOUBLE_EQ(NoteFrequency(81), 880.0);
  EXPECT_DOUBLE_EQ(NoteFrequency(57), 220.0);
  EXPECT_NEAR(NoteFrequency(60), 261.6255653005986, 1e-9);
}

TEST(MusicNotes, NamesMapToMidiNumbers) {
  EXPECT_EQ(NoteNumber("A4"), 69);
  EXPECT_EQ(NoteNumber("C4"), 60);
  EXPECT_EQ(NoteNumber("C#5"), 73);
  EXPECT_EQ(NoteNumber("Bb3"), 58);
  EXPECT_EQ(NoteNumber("E1"), 28);
  EXPECT_THROW(NoteNumber("H4"), std::invalid_argument);
  EXPECT_THROW(NoteNumber("A"), std::invalid_argument);
  EXPECT_THROW(NoteNumber("C#"), std::invalid_argument);
}

TEST(MusicChords, SymbolsGiveRootPositionNotes) {
  EXPECT_EQ(ChordNotes("Am", 3), (std::vector<int>{57, 60, 64}));
  EXPECT_EQ(ChordNotes("Bb", 3), (std::vector<int>{58, 62, 65}));
  EXPECT_EQ(ChordNotes("Esus4", 2), (std::vector<int>{40, 45, 47}));
  EXPECT_EQ(ChordNotes("Cmaj7", 4), (std::vector<int>{60, 64, 67, 71}));
  EXPECT_THROW(ChordNotes("Ax", 4), std::invalid_argument);
}

TEST(MusicChords, VoicingsStayWithinAnOctaveAboveTheFloor) {
  EXPECT_EQ(ChordVoicing("F", 52), (std::vector<int>{53, 57, 60}));
  EXPECT_EQ(ChordVoicing("E", 52), (std::vector<int>{52, 56, 59}));
  EXPECT_EQ(ChordVoicing("Am", 52), (std::vector<int>{52, 57, 60}));
}

TEST(MusicEnvelope, AdsrLevelsAlongTheNote) {
  const Adsr env{0.1, 0.2, 0.5, 0.4};
  EXPECT_DOUBLE_EQ(env.Level(-0.01, 1.0), 0.0);
  EXPECT_DOUBLE_EQ(env.Level(0.05, 1.0), 0.5);
  EXPECT_DOUBLE_EQ(env.Level(0.1, 1.0), 1.0);
  EXPECT_DOUBLE_EQ(env.Level(0.2, 1.0), 0.625);
  EXPECT_DOUBLE_EQ(env.Level(0.5, 1.0), 0.5);
  EXPECT_DOUBLE_EQ(env.Level(1.2, 1.0), 0.125);
  EXPECT_DOUBLE_EQ(env.Level(1.45, 1.0), 0.0);
  EXPECT_DOUBLE_EQ(env.End(1.0), 1.4);
}

TEST(MusicEnvelope, ReleaseDuringTheAttackStartsFromTheLevelReached) {
  const Adsr env{0.1, 0.2, 0.5, 0.4};
  EXPECT_DOUBLE_EQ(env.Level(0.25, 0.05), 0.125);
}

TEST(MusicPatterns, MelodyStepsRestsAndBarLines) {
  Part part;
  EXPECT_DOUBLE_EQ(AddMelody(part, 4.0, 0.5, "E5:4 r:2 | C5", 0.8f, 1.0), 7.5);
  ASSERT_EQ(part.notes.size(), 2u);
  EXPECT_DOUBLE_EQ(part.notes[0].beat, 4.0);
  EXPECT_DOUBLE_EQ(part.notes[0].beats, 2.0);
  EXPECT_EQ(part.notes[0].midi, 76);
  EXPECT_DOUBLE_EQ(part.notes[1].beat, 7.0);
  EXPECT_DOUBLE_EQ(part.notes[1].beats, 0.5);
  EXPECT_EQ(part.notes[1].midi, 72);
  EXPECT_THROW(AddMelody(part, 0.0, 1.0, "E5:0", 1.0f), std::invalid_argument);
}

TEST(MusicPatterns, BassLineFollowsTheChordRoots) {
  Part part;
  AddBassLine(part, 0.0, 4.0, "Em C", "x-.o", 31, 1.0f);
  ASSERT_EQ(part.notes.size(), 4u);
  EXPECT_EQ(part.notes[0].midi, 40);
  EXPECT_DOUBLE_EQ(part.notes[0].beats, 1.8);
  EXPECT_EQ(part.notes[1].midi, 52);
  EXPECT_DOUBLE_EQ(part.notes[1].beat, 3.0);
  EXPECT_EQ(part.notes[2].midi, 36);
  EXPECT_DOUBLE_EQ(part.notes[2].beat, 4.0);
  EXPECT_EQ(part.notes[3].midi, 48);
}

TEST(MusicPatterns, ArpeggioIndicesClimbOctaves) {
  Part part;
  AddArpeggio(part, 0.0, 4.0, "Am", "0 2 3 4", 1.0, 57, 1.0f);
  ASSERT_EQ(part.notes.size(), 4u);
  EXPECT_EQ(part.notes[0].midi, 57);
  EXPECT_EQ(part.notes[1].midi, 64);
  EXPECT_EQ(part.notes[2].midi, 69);
  EXPECT_EQ(part.notes[3].midi, 72);
  EXPECT_DOUBLE_EQ(part.notes[3].beat, 3.0);
}

TEST(MusicPatterns, DrumGridAccents) {
  Part part;
  AddDrums(part, 8.0, 0.25, "X.g.|x...", 2, 0.5f);
  ASSERT_EQ(part.notes.size(), 6u);
  EXPECT_DOUBLE_EQ(part.notes[0].beat, 8.0);
  EXPECT_FLOAT_EQ(part.notes[0].velocity, 0.5f);
  EXPECT_DOUBLE_EQ(part.notes[1].beat, 8.5);
  EXPECT_FLOAT_EQ(part.notes[1].velocity, 0.2f);
  EXPECT_DOUBLE_EQ(part.notes[2].beat, 9.0);
  EXPECT_FLOAT_EQ(part.notes[2].velocity, 0.375f);
  EXPECT_DOUBLE_EQ(part.notes[3].beat, 10.0);
}

TEST(MusicLoop, TailIsFoldedOntoTheStart) {
  StereoBuffer rendered(10);
  for (std::size_t i = 0; i < 10; ++i) rendered.left[i] = static_cast<float>(i + 1);
  const StereoBuffer loop = FoldTail(rendered, 4);
  EXPECT_EQ(loop.left, (std::vector<float>{1 + 5 + 9, 2 + 6 + 10, 3 + 7, 4 + 8}));
}

TEST(MusicLoop, EdgesFadeToExactSilence) {
  StereoBuffer loop(10);
  std::fill(loop.left.begin(), loop.left.end(), 1.0f);
  FadeEdges(loop, 4);
  EXPECT_FLOAT_EQ(loop.left[0], 0.0f);
  EXPECT_FLOAT_EQ(loop.left[2], 0.5f);
  EXPECT_FLOAT_EQ(loop.left[4], 1.0f);
  EXPECT_FLOAT_EQ(loop.left[7], 0.5f);
  EXPECT_FLOAT_EQ(loop.left[9], 0.0f);
}

TEST(MusicLoop, NoteRingingPastTheEndFlowsIntoTheStart) {
  Song song;
  song.bpm = 120.0;
  song.bars = 1;
  Part& pad = song.AddPart("pad", std::make_unique<Pad>(PadTone{}), {});
  AddNote(pad, 2.0, 2.0, 57, 1.0f);
  const StereoBuffer loop = RenderLoop(song, 44100.0);
  ASSERT_EQ(loop.Frames(), 88200u);
  // The pad is still loud at the loop's end, yet the seam is no larger than one sample's step.
  EXPECT_GT(std::fabs(loop.left[88199]), 0.02f);
  EXPECT_LT(std::fabs(loop.left[88199] - loop.left[0]), 0.01f);
  EXPECT_LT(std::fabs(loop.right[88199] - loop.right[0]), 0.01f);
}

TEST(MusicMaster, SoftLimitIsIdentityBelowTheKneeAndBoundedAbove) {
  EXPECT_FLOAT_EQ(SoftLimit(0.3f, 0.5f, 0.9f), 0.3f);
  EXPECT_FLOAT_EQ(SoftLimit(-0.5f, 0.5f, 0.9f), -0.5f);
  EXPECT_NEAR(SoftLimit(0.5f + 0.4f * std::atanh(0.5f), 0.5f, 0.9f), 0.7f, 1e-6);
  EXPECT_NEAR(SoftLimit(-0.5f - 0.4f * std::atanh(0.5f), 0.5f, 0.9f), -0.7f, 1e-6);
  EXPECT_FLOAT_EQ(SoftLimit(10.0f, 0.5f, 0.9f), 0.9f);
  EXPECT_FLOAT_EQ(SoftLimit(-1e6f, 0.5f, 0.9f), -0.9f);
}

TEST(MusicThemes, BothLoopsLastAtLeastAMinute) {
  EXPECT_EQ(LoopFrames(PlayTheme(), 44100.0), 2886545u);  // 36 bars at 132 bpm
  EXPECT_EQ(LoopFrames(MenuTheme(), 44100.0), 3432649u);  // 24 bars at 74 bpm
}

}  // namespace
}  // namespace cw::music
