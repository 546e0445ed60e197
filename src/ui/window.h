#pragma once
// The one window: owns every element, composes the window picture, routes input to handlers.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/media.h"
#include "platform/session.h"
#include "ui/controller_mapping.h"
#include "ui/element.h"
#include "ui/element_catalogue.h"

namespace cw {

// Direct handles to every catalogue element, by its own name.
struct Elements {
#define CW_DECLARE_ELEMENT(n) Element* n = nullptr;
  CW_ELEMENT_NAMES(CW_DECLARE_ELEMENT)
#undef CW_DECLARE_ELEMENT
};

class Window {
 public:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;

  // Builds the catalogue; pictures come from `load_asset` (embedded picture file name -> decoded picture).
  Window(Session& session, Media& media,
         const std::function<std::shared_ptr<const Surface>(const std::string&)>& load_asset);

  Elements e;
  const std::vector<std::unique_ptr<Element>>& all() const { return elements_; }
  // Case-insensitive lookup of a name composed at run time; faults when nothing matches.
  Element& Find(const std::string& name) const;
  Element* TryFind(const std::string& name) const;

  void Show(Element* el) {
    el->visible = true;
    dirty_ = true;
  }
  void Hide(Element* el) {
    el->visible = false;
    dirty_ = true;
  }
  bool EffectivelyVisible(const Element* el) const;
  void SetFocus(Element* el) {
    focus_ = el;
    dirty_ = true;
  }
  Element* focus() const { return focus_; }
  // Shows what has been drawn. Other changes (captions, moves) reach the screen at the next yield.
  void Refresh() {
    dirty_ = true;
    drawn_all_ = true;
    if (presents_frames) PresentIfChanged();
  }
  // The same when only `drawn`'s buffer has been drawn on: the rest of the picture is not composed again.
  void Refresh(const Element* drawn);
  // False for the headless twin, which composes the picture only when asked for a screenshot.
  bool presents_frames = true;

  // Yield to window events: dispatches every queued event to its handler right here.
  // Handlers may start nested loops that yield again.
  void DoEvents();
  void Dispatch(const InputEvent& event);

  // Presents the window picture if anything changed since the last time; only the part that changed
  // is composed and handed to the session.
  void PresentIfChanged();
  // The window picture composed from the visible elements in stacking order.
  Surface Compose() const;
  void ComposeInto(Surface& frame) const;
  // Composes only `area` of a frame that already has the window's size.
  void ComposeInto(Surface& frame, const FrameArea& area) const;

  // Set by the game: the media player's end-of-stream handler and the window's close request.
  std::function<void()> on_music_ended;
  std::function<void()> on_close;
  // Set by the game: the key the play area takes for one a controller gives in play (the play keys
  // can be changed; the controller stays as it is).
  std::function<int(int key)> play_key;

 private:
  void Route(const InputEvent& event);
  // Controller input, turned into the keys and the MENU button it stands for.
  void RoutePad(const InputEvent& event);
  Element* KeyTarget();
  Element* TopmostAt(int x, int y, bool (*handles)(const Element&), double& local_x, double& local_y) const;
  void DrawElement(Surface& frame, const Element& el, int ox, int oy, int clip_x0, int clip_y0, int clip_x1,
                   int clip_y1) const;
  void DrawText(Surface& frame, const std::string& text, double points, bool bold, uint32_t colour, int x, int y,
                int cx0, int cy0, int cx1, int cy1, bool centred_in_w, int w, int h) const;

  Session& session_;
  Media& media_;
  std::vector<std::unique_ptr<Element>> elements_;
  std::unordered_map<std::string, Element*> by_lower_name_;
  std::vector<Element*> top_level_;  // children of the window, catalogue order
  Element* focus_ = nullptr;
  Element* pressed_ = nullptr;  // element under the pointer when the left button went down
  int shift_state_ = 0;
  ControllerMapping pad_mapping_;
  // What a top-level element (with everything inside it) looks like, short of its buffers' pixels.
  uint64_t Look(const Element& el) const;
  // The part of the picture that differs from the one presented last (w == 0: none).
  FrameArea ChangedArea();

  bool dirty_ = true;
  int64_t last_present_ = 0;
  Surface frame_;  // kept between presents: a fresh 800 x 600 buffer every pass costs page faults
  // Since the last present: drawn on somewhere unknown, or in these top-level elements' buffers.
  bool drawn_all_ = true;
  std::vector<bool> drawn_;
  // Per top-level element, as presented last: its look and where it lay (w == 0: not shown).
  std::vector<uint64_t> looks_;
  std::vector<FrameArea> areas_;
};

}  // namespace cw
