#include "app/value_store.h"

#include <algorithm>

#include "platform/failure.h"

namespace kelvoro {

ValueStore::ValueStore()
    : items_{{
          {"Label6", "black.ico,0"},
          {"Label7", "white.ico,0"},
          {"Label8", "Kelvoro"},
          {"emplabel", "%SystemRoot%\\System32\\shell32.dll,31"},
          {"full", "%SystemRoot%\\System32\\shell32.dll,32"},
          {"Label11", "Recycle Bin"},
          {"Label12", "Label12"},
          {"lbldefvoice", "defvoice"},
          {"txtvoicestat", ""},
      }} {}

bool ValueStore::Holds(std::string_view name) const {
  return std::any_of(items_.begin(), items_.end(),
                     [&](const Item& item) { return item.name == name; });
}

const std::string& ValueStore::Get(std::string_view name) const {
  for (const Item& item : items_) {
    if (item.name == name) return item.text;
  }
  throw Failure("Control not found: " + std::string(name));
}

void ValueStore::Set(std::string_view name, const std::string& text) {
  for (Item& item : items_) {
    if (item.name == name) {
      item.text = text;
      return;
    }
  }
  throw Failure("Control not found: " + std::string(name));
}

}  // namespace kelvoro
