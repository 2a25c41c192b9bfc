#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvoro {

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  friend constexpr bool operator==(Rgb a, Rgb b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
  }
};

// The light blue that start-up gives the main window, its check box and button set B, and the
// About window when it loads.
inline constexpr Rgb kWindowColour{166, 193, 232};

// The main window as the program's logic sees it: controls addressed by name. Every operation may
// raise a Failure (an unknown name, a control that refuses); none returns a status.
class Form1Port {
 public:
  virtual ~Form1Port() = default;

  // Caption of a label, or Text of the text box, visible or in the hidden data area.
  virtual std::string Caption(std::string_view control) const = 0;
  virtual void SetCaption(std::string_view control, const std::string& text) = 0;

  // Tick state of Check1: 0 unticked, 1 ticked.
  virtual int Check1Value() const = 0;
  virtual void SetCheck1Value(int value) = 0;

  // "Form1" names the window itself.
  virtual void SetBackColour(std::string_view control, Rgb colour) = 0;
  virtual void Hide(std::string_view control) = 0;
  // Puts entry `entry` (1-based) of the image list img1 into an image control.
  virtual void SetPictureFromImageList(std::string_view image, int entry) = 0;
};

}  // namespace kelvoro
