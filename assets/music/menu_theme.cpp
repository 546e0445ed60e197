// Menu and story music: night over the city, slow and a little sad.
// Intro (4 bars) - A: the theme (8) - B: it opens up, soft pulse (8) - outro (4), back to the intro.
#include <memory>

#include "bass.h"
#include "bell.h"
#include "hihat.h"
#include "kick.h"
#include "lead.h"
#include "pad.h"
#include "patterns.h"
#include "pluck.h"
#include "sweep.h"
#include "themes.h"

namespace cw::music {
namespace {

constexpr std::string_view kIntroChords = "Am F Dm E";
constexpr std::string_view kAChords = "Am F C G | Am F Dm E";
constexpr std::string_view kBChords = "Dm Am Bb F | Dm Am E E";
constexpr std::string_view kOutroChords = "Am F Dm E";

// Eighth-note steps, eight to a bar.
constexpr std::string_view kThemeA =
    "E5:4 A4:2 B4:2 | C5:4 B4:2 A4:2 | G4:4 E4:2 G4:2 | D5:6 r:2 | "
    "E5:4 A5:2 G5:2 | F5:3 E5:1 C5:4 | D5:2 E5:2 F5:2 A5:2 | G#5:6 r:2";
constexpr std::string_view kThemeB =
    "F5:4 A5:2 F5:2 | E5:4 C5:2 A4:2 | D5:3 F5:1 Bb5:4 | A5:4 G5:2 F5:2 | "
    "F5:2 E5:2 D5:2 F5:2 | E5:6 C5:2 | B4:4 D5:2 G#5:2 | B5:4 A5:2 G#5:2";
constexpr std::string_view kCounterB = "F4:8 | E4:8 | D4:8 | C4:8 | F4:8 | E4:8 | D4:4 B3:4 | G#3:8";
constexpr std::string_view kThemeOutro = "A5:6 r:2 | r:2 A4:2 C5:2 E5:2 | D5:6 r:2 | B4:6 r:2";

}  // namespace

Song MenuTheme() {
  Song song;
  song.bpm = 74.0;
  song.bars = 24;
  song.reverb = {0.86, 0.5};
  song.delay = {song.SecondsPerBeat() * 0.75, 0.42, 2800.0};
  song.loudnessDb = -18.0;
  const double intro = song.Bar(0), a = song.Bar(4), b = song.Bar(12), outro = song.Bar(20);

  Part& pad = song.AddPart("pad", std::make_unique<Pad>(PadTone{{1.6, 1.5, 0.85, 2.5}, 1100.0, 0.35, 0.12, 9.0}),
                           {0.9f, 0.0f, 0.55f, 0.0f, 0.0f});
  AddChords(pad, intro, 4.0, kIntroChords, 52, 0.7f);
  AddChords(pad, a, 4.0, kAChords, 52, 0.8f);
  AddChords(pad, b, 4.0, kBChords, 52, 0.9f);
  AddChords(pad, outro, 4.0, kOutroChords, 52, 0.75f);

  Part& bass =
      song.AddPart("bass", std::make_unique<Bass>(BassTone{{0.08, 0.5, 0.8, 0.8}, 120.0, 250.0, 0.3, 1.1, 0.35}),
                   {0.7f, 0.0f, 0.05f, 0.0f, 0.0f});
  AddBassLine(bass, a, 4.0, kAChords, "x-------", 33, 0.7f);
  AddBassLine(bass, b, 4.0, kBChords, "x---.-x-", 33, 0.8f);
  AddBassLine(bass, outro, 4.0, kOutroChords, "x-------", 33, 0.6f);

  Part& arp = song.AddPart("arp", std::make_unique<Pluck>(PluckTone{{0.004, 0.6, 0.0, 0.3}, 350.0, 2600.0, 0.2, 0.3}),
                           {0.8f, 0.25f, 0.35f, 0.45f, 0.0f});
  AddArpeggio(arp, intro, 4.0, kIntroChords, "0 1 2 3 4 3 2 1", 0.5, 57, 0.55f);
  AddArpeggio(arp, a, 4.0, kAChords, "0 1 2 3 4 3 2 1", 0.5, 57, 0.6f);
  AddArpeggio(arp, b, 4.0, kBChords, "0 1 2 4 3 2 1 2", 0.5, 57, 0.7f);
  AddArpeggio(arp, outro, 4.0, kOutroChords, "0 1 2 3 4 3 2 1", 0.5, 57, 0.55f);

  Part& bell = song.AddPart("bell", std::make_unique<Bell>(BellTone{}), {0.95f, -0.15f, 0.45f, 0.3f, 0.0f});
  RequireEnd(AddMelody(bell, a, 0.5, kThemeA, 0.75f), b, "theme A");
  RequireEnd(AddMelody(bell, b, 0.5, kThemeB, 0.85f), outro, "theme B");
  RequireEnd(AddMelody(bell, outro, 0.5, kThemeOutro, 0.65f), song.LengthBeats(), "outro theme");

  LeadTone strings{{0.35, 0.5, 0.8, 0.9}, 700.0, 300.0, 0.45, 0.004};
  Part& counter = song.AddPart("counter", std::make_unique<Lead>(strings), {0.9f, 0.3f, 0.5f, 0.0f, 0.0f});
  RequireEnd(AddMelody(counter, b, 0.5, kCounterB, 0.7f, 1.0), outro, "counter line");

  // A heartbeat and a shaker keep the B part moving without waking anyone.
  Part& kick = song.AddPart("kick", std::make_unique<Kick>(KickTone{44.0, 60.0, 0.05, 0.4, 0.05}),
                            {0.55f, 0.0f, 0.15f, 0.0f, 0.0f});
  AddDrums(kick, b, 0.25, "X.......x.......", 8, 0.8f);
  Part& shaker =
      song.AddPart("shaker", std::make_unique<HiHat>(HiHatTone{0.05, 6000.0}), {1.6f, -0.35f, 0.35f, 0.0f, 0.0f});
  AddDrums(shaker, b, 0.25, "..g...x...g...x.", 8, 0.6f);

  // Wind rising into the return of the theme.
  Part& wind = song.AddPart("wind", std::make_unique<Sweep>(SweepTone{250.0, 2200.0}), {2.0f, 0.0f, 0.6f, 0.0f, 0.0f});
  AddNote(wind, song.Bar(18), 8.0, 60, 0.6f);
  return song;
}

}  // namespace cw::music
