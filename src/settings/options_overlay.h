#pragma once
// The options screen: drawn over whatever the game shows, never part of the game's own elements.
// It lists the controls and changes every setting with the keys (arrows, Enter, Escape) or the
// mouse; a controller reaches it as those keys. Rebinding a play key asks for the new key and
// refuses one another action already has.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/surface.h"
#include "settings/settings.h"

namespace cw {

struct TextMask;

class OptionsOverlay {
 public:
  enum class Row {
    Volume,
    Music,
    Display,
    WindowSize,
    Scaling,
    Pause,
    KeyUp,
    KeyDown,
    KeyLeft,
    KeyRight,
    KeyFire,
    Back
  };
  static constexpr int kRows = 12;

  // What one input did: new settings to keep and apply, and whether the screen is to close.
  struct Outcome {
    std::optional<Settings> changed;
    bool close = false;
  };

  // Renders one line of text (the platform's font, through its media).
  using RenderText = std::function<TextMask(const std::string& line, double points, bool bold)>;

  // Opens on the first row, waiting for nothing.
  void Open();
  Row selected() const { return selected_; }
  // The action whose new key is awaited, if any.
  std::optional<PlayAction> rebinding() const { return rebinding_; }
  // The line under the rows: what a refused key was, or what is awaited.
  const std::string& message() const { return message_; }

  Outcome Key(int key, const Settings& current);
  void MouseMove(int x, int y);
  Outcome Click(int x, int y, const Settings& current);

  // Dims the picture and draws the screen over it.
  void Draw(Surface& frame, const Settings& current, const RenderText& render) const;

  // The window sizes offered, 0 x 0 standing for "auto".
  static std::pair<int, int> NextWindowSize(int w, int h, int direction);
  // The on-screen text of each row (its title and its value).
  static std::string Title(Row row);
  static std::string Value(Row row, const Settings& s);

 private:
  Outcome Change(int direction, const Settings& current);  // -1 Left, +1 Right, 0 Enter
  Outcome RebindTo(int key, const Settings& current);
  static std::optional<Row> RowAt(int x, int y, int* part);

  Row selected_ = Row::Volume;
  std::optional<PlayAction> rebinding_;
  std::string message_;
};

}  // namespace cw
