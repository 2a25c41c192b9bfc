#pragma once

#include <array>
#include <string>

#include "platform/ports/form1_port.h"

namespace kelvoro {

// The main window's hidden data area: the captions of the value labels, Label6 to txtvoicestat,
// one slot a control. Never on screen. Starts with the captions the layout gives the labels.
// Get and Set raise a Failure for a control that is no value label.
class ValueStore {
 public:
  ValueStore();

  static constexpr bool Holds(Control control) { return IsValueLabel(control); }
  const std::string& Get(Control control) const;
  void Set(Control control, const std::string& text);

 private:
  std::array<std::string, kValueLabelCount> texts_;
};

}  // namespace kelvoro
