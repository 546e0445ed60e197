// Music while playing: a pulse of machines under the city.
// Intro (4 bars) - A: groove (8) - B: lead theme (8) - C: lead climbs (8) - breakdown (4) -
// build with a snare roll (4), which lands back on the intro.
#include <memory>

#include "bass.h"
#include "bell.h"
#include "hihat.h"
#include "kick.h"
#include "lead.h"
#include "pad.h"
#include "patterns.h"
#include "pluck.h"
#include "snare.h"
#include "sweep.h"
#include "themes.h"

namespace cw::music {
namespace {

constexpr std::string_view kIntroChords = "Em C D B";
constexpr std::string_view kAChords = "Em C D B | Em C Am B";
constexpr std::string_view kBChords = "Em C D B | Em C Am B";
constexpr std::string_view kCChords = "C D Em Em | C D B B";
constexpr std::string_view kBreakChords = "Am C Em B";
constexpr std::string_view kBuildChords = "Em C D B";

// Sixteenth-note steps, sixteen to a bar.
constexpr std::string_view kLeadB =
    "B4:4 E5:4 G5:4 F#5:2 E5:2 | G5:6 E5:2 C5:4 E5:4 | F#5:4 A5:4 F#5:2 D5:2 E5:2 F#5:2 | D#5:12 r:4 | "
    "B4:4 E5:4 G5:4 B5:4 | C6:6 B5:2 G5:4 E5:4 | A5:4 G5:2 F#5:2 E5:4 C5:4 | B4:4 D#5:4 F#5:4 A5:4";
constexpr std::string_view kLeadC =
    "E5:2 r:2 E5:2 D5:2 C5:4 B4:4 | A4:6 F#4:2 D4:4 F#4:4 | G4:4 B4:4 E5:8 | r:8 D5:2 E5:2 D5:2 B4:2 | "
    "C5:4 B4:2 G4:2 E4:4 G4:4 | F#4:4 A4:4 D5:4 C5:2 A4:2 | B4:8 A4:4 F#4:4 | D#4:12 r:4";
constexpr std::string_view kSparkleC =
    "E6:2 r:2 E6:2 D6:2 C6:4 B5:4 | A5:6 F#5:2 D5:4 F#5:4 | G5:4 B5:4 E6:8 | r:8 D6:2 E6:2 D6:2 B5:2 | "
    "C6:4 B5:2 G5:2 E5:4 G5:4 | F#5:4 A5:4 D6:4 C6:2 A5:2 | B5:8 A5:4 F#5:4 | D#5:12 r:4";
// Eighth-note steps.
constexpr std::string_view kBreakBell = "E5:4 C5:4 | G5:4 E5:4 | B5:6 G5:2 | F#5:8";

constexpr std::string_view kFourOnTheFloor = "X...X...X...X...";
constexpr std::string_view kBackbeat = "....X.......X...";
constexpr std::string_view kBackbeatFill = "....X.......X.gx";
constexpr std::string_view kBassGallop = "x.xo x.xo x.xo x.xo";
constexpr std::string_view kBassEighths = "x.x. x.x. x.x. x.x.";

}  // namespace

Song PlayTheme() {
  Song song;
  song.bpm = 132.0;
  song.bars = 36;
  song.reverb = {0.7, 0.45};
  song.delay = {song.SecondsPerBeat() * 0.75, 0.38, 3200.0};
  song.loudnessDb = -16.0;
  const double intro = song.Bar(0), a = song.Bar(4), b = song.Bar(12), c = song.Bar(20);
  const double breakdown = song.Bar(28), build = song.Bar(32);

  Part& kick = song.AddPart("kick", std::make_unique<Kick>(KickTone{}), {0.45f, 0.0f, 0.03f, 0.0f, 0.0f});
  AddDrums(kick, intro, 0.25, kFourOnTheFloor, 28, 1.0f);
  AddDrums(kick, build, 0.25, kFourOnTheFloor, 4, 0.95f);

  Part& snare = song.AddPart("snare", std::make_unique<Snare>(SnareTone{}), {1.0f, 0.05f, 0.25f, 0.0f, 0.0f});
  for (int bar = 4; bar < 28; bar += 4) {
    AddDrums(snare, song.Bar(bar), 0.25, kBackbeat, 3, 0.9f);
    AddDrums(snare, song.Bar(bar + 3), 0.25, kBackbeatFill, 1, 0.9f);
  }
  // The roll tightens bar by bar into the top of the loop.
  AddDrums(snare, build, 0.25, "....x.......x...", 1, 0.55f);
  AddDrums(snare, build + 4.0, 0.25, "..x...x...x...x.", 1, 0.65f);
  AddDrums(snare, build + 8.0, 0.25, "x.x.x.x.x.x.x.x.", 1, 0.75f);
  AddDrums(snare, build + 12.0, 0.25, "xxxxxxxxxxxxXXXX", 1, 0.9f);

  Part& hats = song.AddPart("hats", std::make_unique<HiHat>(HiHatTone{0.04, 7000.0}), {0.9f, 0.3f, 0.05f, 0.0f, 0.0f});
  AddDrums(hats, intro, 0.25, "x.x.x.x.x.x.x.x.", 4, 0.7f);
  AddDrums(hats, a, 0.25, "xgxgxgxgxgxgxgxg", 8, 0.8f);
  AddDrums(hats, b, 0.25, "xg.gxg.gxg.gxg.g", 16, 0.8f);
  AddDrums(hats, breakdown, 0.25, "..g...g...g...g.", 4, 0.7f);
  AddDrums(hats, build, 0.25, "xgxgxgxgxgxgxgxg", 4, 0.8f);
  Part& openHats =
      song.AddPart("open hats", std::make_unique<HiHat>(HiHatTone{0.22, 6500.0}), {0.55f, -0.3f, 0.1f, 0.0f, 0.0f});
  AddDrums(openHats, b, 0.25, "..x...x...x...x.", 16, 0.8f);
  // A crash marks the top of each section, the top of the loop included.
  Part& crash = song.AddPart("crash", std::make_unique<HiHat>(HiHatTone{0.9, 3500.0}), {0.5f, 0.2f, 0.3f, 0.0f, 0.0f});
  for (double top : {intro, a, b, c, build}) AddNote(crash, top, 0.5, 60, 0.9f);
  AddNote(crash, breakdown, 0.5, 60, 0.6f);

  Part& bass = song.AddPart("bass", std::make_unique<Bass>(BassTone{}), {1.3f, 0.0f, 0.0f, 0.0f, 0.3f});
  AddBassLine(bass, intro, 4.0, kIntroChords, kBassEighths, 31, 0.75f);
  AddBassLine(bass, a, 4.0, kAChords, kBassGallop, 31, 0.9f);
  AddBassLine(bass, b, 4.0, kBChords, kBassGallop, 31, 0.9f);
  AddBassLine(bass, c, 4.0, kCChords, kBassGallop, 31, 0.95f);
  AddBassLine(bass, breakdown, 4.0, kBreakChords, "x---------------", 31, 0.6f);
  AddBassLine(bass, build, 4.0, kBuildChords, kBassEighths, 31, 0.85f);

  Part& pad = song.AddPart("pad", std::make_unique<Pad>(PadTone{{0.3, 0.8, 0.8, 1.0}, 1300.0, 0.3, 0.25, 10.0, 0.0}),
                           {0.5f, 0.0f, 0.35f, 0.0f, 0.55f});
  AddChords(pad, intro, 4.0, kIntroChords, 52, 0.6f);
  AddChords(pad, a, 4.0, kAChords, 52, 0.7f);
  AddChords(pad, b, 4.0, kBChords, 52, 0.7f);
  AddChords(pad, c, 4.0, kCChords, 52, 0.8f);
  AddChords(pad, breakdown, 4.0, kBreakChords, 52, 0.9f);
  AddChords(pad, build, 4.0, kBuildChords, 52, 0.7f);

  Part& arp = song.AddPart("arp", std::make_unique<Pluck>(PluckTone{}), {0.5f, -0.25f, 0.15f, 0.35f, 0.2f});
  constexpr std::string_view kArpOrder = "0 1 2 3 1 2 3 4";
  AddArpeggio(arp, song.Bar(2), 4.0, "D B", kArpOrder, 0.25, 59, 0.5f);
  AddArpeggio(arp, a, 4.0, kAChords, kArpOrder, 0.25, 59, 0.7f);
  AddArpeggio(arp, b, 4.0, kBChords, kArpOrder, 0.25, 59, 0.55f);
  AddArpeggio(arp, c, 4.0, kCChords, kArpOrder, 0.25, 59, 0.6f);
  AddArpeggio(arp, breakdown, 4.0, kBreakChords, "0 2 1 3", 0.5, 59, 0.6f);

  Part& lead = song.AddPart("lead", std::make_unique<Lead>(LeadTone{}), {0.75f, 0.0f, 0.3f, 0.3f, 0.0f});
  RequireEnd(AddMelody(lead, b, 0.25, kLeadB, 0.9f), c, "lead B");
  RequireEnd(AddMelody(lead, c, 0.25, kLeadC, 0.95f), breakdown, "lead C");

  Part& bell = song.AddPart("bell", std::make_unique<Bell>(BellTone{}), {0.5f, 0.2f, 0.4f, 0.3f, 0.0f});
  RequireEnd(AddMelody(bell, c, 0.25, kSparkleC, 0.7f), breakdown, "sparkle C");
  RequireEnd(AddMelody(bell, breakdown, 0.5, kBreakBell, 0.9f), build, "breakdown bell");

  Part& riser = song.AddPart("riser", std::make_unique<Sweep>(SweepTone{}), {1.5f, 0.0f, 0.4f, 0.0f, 0.0f});
  AddNote(riser, build, 16.0, 60, 0.8f);
  return song;
}

}  // namespace cw::music
