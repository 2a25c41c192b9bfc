#include "app/value_store.h"

#include <cstddef>
#include <string_view>

#include "platform/failure.h"

namespace kelvoro {
namespace {

struct LayoutCaption {
  Control control;
  std::string_view text;
};

// The captions the layout gives the value labels, in the order of the controls.
constexpr std::array<LayoutCaption, kValueLabelCount> kLayoutCaptions{{
    {Control::Label6, "black.ico,0"},
    {Control::Label7, "white.ico,0"},
    {Control::Label8, "Kelvoro"},
    {Control::emplabel, "%SystemRoot%\\System32\\shell32.dll,31"},
    {Control::full, "%SystemRoot%\\System32\\shell32.dll,32"},
    {Control::Label11, "Recycle Bin"},
    {Control::Label12, "Label12"},
    {Control::lbldefvoice, "defvoice"},
    {Control::txtvoicestat, ""},
}};

// The slot of the first caption that is not its control's; kValueLabelCount when there is none.
constexpr std::size_t FirstMisplacedCaption() {
  std::size_t slot = 0;
  while (slot < kLayoutCaptions.size() &&
         static_cast<std::size_t>(kLayoutCaptions[slot].control) == slot) {
    ++slot;
  }
  return slot;
}
static_assert(FirstMisplacedCaption() == kValueLabelCount,
              "one caption a value label, in the order of the controls");

std::size_t SlotOf(Control control) {
  if (!IsValueLabel(control)) throw Failure("Control not found: " + std::string(NameOf(control)));
  return static_cast<std::size_t>(control);
}

}  // namespace

ValueStore::ValueStore() {
  for (const LayoutCaption& caption : kLayoutCaptions) {
    texts_[static_cast<std::size_t>(caption.control)] = caption.text;
  }
}

const std::string& ValueStore::Get(Control control) const { return texts_[SlotOf(control)]; }

void ValueStore::Set(Control control, const std::string& text) { texts_[SlotOf(control)] = text; }

}  // namespace kelvoro
