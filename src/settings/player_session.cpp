#include "settings/player_session.h"

#include "platform/key_codes.h"

namespace cw {
namespace {

using T = InputEvent::Type;

DisplayMode DisplayOf(const Settings& s) {
  return DisplayMode{s.full_screen, s.window_width, s.window_height, s.scaling == Scaling::Smooth};
}

}  // namespace

PlayerSession::PlayerSession(Session& inner, Media& media, Presentation& presentation, Settings settings)
    : inner_(inner), media_(media), presentation_(presentation), settings_(settings) {}

bool PlayerSession::PollEvent(InputEvent& event) {
  for (;;) {
    if (paused() && !quit_) Hold();
    if (quit_) {
      event = *quit_;
      quit_.reset();
      return true;
    }
    if (!kept_.empty()) {
      event = kept_.front();
      kept_.pop_front();
    } else {
      if (!inner_.PollEvent(event)) return false;
      if (Take(event)) continue;
      if (paused()) {
        Keep(event);
        continue;
      }
    }
    Saw(event);
    return true;
  }
}

void PlayerSession::Hold() {
  int64_t since = inner_.Ticks();
  Redraw();
  InputEvent e;
  while (paused() && !quit_) {
    if (!inner_.PollEvent(e)) {
      inner_.WaitForEvent(-1);
      continue;
    }
    if (e.type == T::Quit) {
      quit_ = e;  // the game decides; should it go on, it still stands still
    } else if (!Take(e)) {
      Keep(e);
    }
  }
  paused_for_ += inner_.Ticks() - since;
  if (paused()) return;
  // Sticks that moved meanwhile: the game gets where they are now.
  for (const auto& [control, value] : axes_) {
    auto seen = game_axes_.find(control);
    if ((seen == game_axes_.end() && value != 0) || (seen != game_axes_.end() && seen->second != value)) {
      InputEvent a;
      a.type = T::PadAxis;
      a.pad = control.first;
      a.control = control.second;
      a.value = value;
      kept_.push_back(a);
    }
  }
}

bool PlayerSession::Take(const InputEvent& e) {
  switch (e.type) {
    case T::FocusLost:
    case T::FocusGained:
      focus_lost_ = e.type == T::FocusLost;
      UpdatePauseNote();
      return true;
    case T::KeyDown: return TakeKeyDown(e);
    case T::KeyUp:
      if (e.key == kKeyAlt) alt_ = false;
      if (e.key == kKeyCtrl) ctrl_ = false;
      return player_keys_.erase(e.key) > 0;
    case T::PadDown:
    case T::PadUp:
    case T::PadAxis: return TakePad(e);
    case T::MouseMove:
      if (!options_open_) return false;
      overlay_.MouseMove(e.x, e.y);
      Redraw();
      return true;
    case T::MouseDown:
      if (!options_open_) return false;
      if (e.button == 1) Apply(overlay_.Click(e.x, e.y, settings_));
      return true;
    case T::MouseUp:
      // The release of a button the game saw go down is the game's, whenever it comes.
      return options_open_ && !game_buttons_.count(e.button);
    default: return false;
  }
}

bool PlayerSession::TakeKeyDown(const InputEvent& e) {
  if (e.key == kKeyAlt) alt_ = true;
  if (e.key == kKeyCtrl) ctrl_ = true;
  if (player_keys_.count(e.key)) return true;  // held: the key repeats
  // A key the game holds, repeating while it stands still: the release comes to the game later.
  if (paused() && game_keys_.count(e.key)) return true;
  player_keys_.insert(e.key);
  if (options_open_ && overlay_.rebinding()) {
    Apply(overlay_.Key(e.key, settings_));  // every key is a candidate, even the game's own
  } else if (e.key == kKeyF1) {
    SetOptionsOpen(!options_open_);
  } else if (e.key == kKeyF1 + 10 || (e.key == kKeyEnter && alt_)) {
    Settings s = settings_;
    s.full_screen = !s.full_screen;
    Change(s);
  } else if (!alt_ && !ctrl_ && (e.key == kKeyMinus || e.key == kKeySubtract)) {
    Volume(&Settings::VolumeDown);
  } else if (!alt_ && !ctrl_ && (e.key == kKeyAdd || e.key == kKeyEquals)) {
    Volume(&Settings::VolumeUp);
  } else if (!alt_ && !ctrl_ && e.key == 'M') {
    Volume(&Settings::ToggleMute);
  } else if (options_open_) {
    Apply(overlay_.Key(e.key, settings_));
  } else if (!paused()) {
    player_keys_.erase(e.key);
    return false;  // the game's
  }
  // Standing still, the game takes no keys: they are the player's too, with their releases.
  return true;
}

bool PlayerSession::TakePad(const InputEvent& e) {
  PadControl control{e.pad, e.control};
  if (e.type == T::PadAxis) axes_[control] = e.value;
  if (e.type == T::PadUp && player_pad_.erase(control)) {
    if (options_open_) overlay_pad_.Map(e, false);
    return true;
  }
  if (e.type == T::PadDown && PadButton(e.control) == PadButton::Back) {
    player_pad_.insert(control);
    SetOptionsOpen(!options_open_);
    return true;
  }
  if (options_open_) {
    for (const PadAction& a : overlay_pad_.Map(e, false))
      if (!a.menu_button && a.key.type == T::KeyDown) Apply(overlay_.Key(a.key.key, settings_));
  }
  if (e.type == T::PadDown && paused()) {
    player_pad_.insert(control);
    return true;
  }
  return false;  // releases and sticks go on to the game, now or when it goes on
}

void PlayerSession::Keep(const InputEvent& e) {
  switch (e.type) {
    case T::KeyUp:
      if (game_keys_.count(e.key)) kept_.push_back(e);
      break;
    case T::MouseUp:
      if (game_buttons_.count(e.button)) kept_.push_back(e);
      break;
    case T::PadUp:
      if (game_pad_.count({e.pad, e.control})) kept_.push_back(e);
      break;
    case T::MusicEnded: kept_.push_back(e); break;
    default: break;  // the stick is caught up at the end; nothing else happened as far as the game knows
  }
}

void PlayerSession::Saw(const InputEvent& e) {
  switch (e.type) {
    case T::KeyDown: game_keys_.insert(e.key); break;
    case T::KeyUp: game_keys_.erase(e.key); break;
    case T::MouseDown: game_buttons_.insert(e.button); break;
    case T::MouseUp: game_buttons_.erase(e.button); break;
    case T::PadDown: game_pad_.insert({e.pad, e.control}); break;
    case T::PadUp: game_pad_.erase({e.pad, e.control}); break;
    case T::PadAxis:
      game_axes_[{e.pad, e.control}] = e.value;
      axes_[{e.pad, e.control}] = e.value;
      break;
    default: break;
  }
}

void PlayerSession::Change(const Settings& s) {
  Settings before = settings_;
  settings_ = s;
  if (s.music_volume != before.music_volume || s.muted != before.muted)
    presentation_.SetMusicVolume(s.music_volume, s.muted);
  if (!(DisplayOf(s) == DisplayOf(before))) presentation_.SetDisplay(DisplayOf(s));
  UpdatePauseNote();
  if (on_change) on_change(settings_);
  Redraw();
}

void PlayerSession::Apply(const OptionsOverlay::Outcome& outcome) {
  if (outcome.changed) Change(*outcome.changed);
  if (outcome.close) {
    SetOptionsOpen(false);
  } else {
    Redraw();
  }
}

void PlayerSession::SetOptionsOpen(bool open) {
  if (open == options_open_) return;
  options_open_ = open;
  if (open) overlay_.Open();
  Redraw();
}

void PlayerSession::Volume(void (Settings::*change)()) {
  Settings s = settings_;
  (s.*change)();
  if (!(s == settings_)) Change(s);
  presentation_.ShowNote(presentation_.HasSound() ? settings_.VolumeNote() : "No sound", kNoteTime);
}

void PlayerSession::UpdatePauseNote() {
  bool wanted = FocusPause();
  if (wanted == pause_note_) return;
  pause_note_ = wanted;
  presentation_.ShowNote(wanted ? "Paused" : "", -1);
}

void PlayerSession::Present(const Surface& frame) {
  last_frame_ = &frame;
  inner_.Present(frame);
}

void PlayerSession::PresentChanged(const Surface& frame, const FrameArea& changed) {
  last_frame_ = &frame;
  inner_.PresentChanged(frame, changed);
}

void PlayerSession::Redraw() {
  if (!last_frame_) return;
  if (!options_open_) {
    inner_.Present(*last_frame_);
    return;
  }
  Surface f = *last_frame_;
  DrawOptions(f);
  inner_.Present(f);
}

void PlayerSession::DrawOptions(Surface& frame) const {
  if (!options_open_) return;
  overlay_.Draw(frame, settings_, [this](const std::string& line, double points, bool bold) {
    return media_.RenderText(line, points, bold);
  });
}

}  // namespace cw
