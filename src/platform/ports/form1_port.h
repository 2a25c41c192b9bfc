#pragma once

#include <cstddef>
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

// The controls of the main window that the program's logic addresses, named as the window names
// them. The hidden value labels come first, from Label6 to txtvoicestat, so that a store of their
// captions is an array indexed by the control.
enum class Control : std::uint8_t {
  // Hidden value labels: the constant values the writers store, the family text, the stock
  // sound and the voice status text.
  Label6,
  Label7,
  Label8,
  emplabel,
  full,
  Label11,
  Label12,
  lbldefvoice,
  txtvoicestat,
  // The window itself and its visible controls.
  Form1,
  Check1,
  Command1,
  Command2,
  Command3,
  Command5,
  Command6,
  Command7,
  Image1,
  Image3,
  Image4,
};

inline constexpr std::size_t kValueLabelCount = static_cast<std::size_t>(Control::txtvoicestat) + 1;

constexpr bool IsValueLabel(Control control) { return control <= Control::txtvoicestat; }

// The control's name on the window, as its layout and the failure descriptions give it.
constexpr std::string_view NameOf(Control control) {
  switch (control) {
    case Control::Label6:
      return "Label6";
    case Control::Label7:
      return "Label7";
    case Control::Label8:
      return "Label8";
    case Control::emplabel:
      return "emplabel";
    case Control::full:
      return "full";
    case Control::Label11:
      return "Label11";
    case Control::Label12:
      return "Label12";
    case Control::lbldefvoice:
      return "lbldefvoice";
    case Control::txtvoicestat:
      return "txtvoicestat";
    case Control::Form1:
      return "Form1";
    case Control::Check1:
      return "Check1";
    case Control::Command1:
      return "Command1";
    case Control::Command2:
      return "Command2";
    case Control::Command3:
      return "Command3";
    case Control::Command5:
      return "Command5";
    case Control::Command6:
      return "Command6";
    case Control::Command7:
      return "Command7";
    case Control::Image1:
      return "Image1";
    case Control::Image3:
      return "Image3";
    case Control::Image4:
      return "Image4";
  }
  return {};
}

// The main window as the program's logic sees it. Every operation may raise a Failure (a control
// that does not support the operation, a control that refuses); none returns a status.
class Form1Port {
 public:
  virtual ~Form1Port() = default;

  // Caption of a label, or Text of the text box, visible or in the hidden data area.
  virtual std::string Caption(Control control) const = 0;
  virtual void SetCaption(Control control, const std::string& text) = 0;

  // Tick state of Check1: 0 unticked, 1 ticked.
  virtual int Check1Value() const = 0;
  virtual void SetCheck1Value(int value) = 0;

  // Control::Form1 names the window itself.
  virtual void SetBackColour(Control control, Rgb colour) = 0;
  virtual void Hide(Control control) = 0;
  // Puts entry `entry` (1-based) of the image list img1 into an image control.
  virtual void SetPictureFromImageList(Control image, int entry) = 0;
};

}  // namespace kelvoro
