#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kelvoro {

// The main window's hidden data area: the constant values the writers store, the family text,
// the stock sound and the voice status text. Never on screen; read and written by control name.
// Get and Set raise a Failure for a name the store does not hold.
class ValueStore {
 public:
  ValueStore();

  const std::string& Get(std::string_view name) const;
  void Set(std::string_view name, const std::string& text);
  bool Holds(std::string_view name) const;

  struct Item {
    std::string_view name;
    std::string text;
  };

 private:
  std::array<Item, 9> items_;
};

}  // namespace kelvoro
