#include "platform/win32/wide_text.h"

namespace kelvoro::win32 {

std::u16string WideFromCodePage(const std::string& text) {
  const int length = static_cast<int>(text.size());
  const int needed = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return std::u16string();
  std::u16string wide(static_cast<std::size_t>(needed), u'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, WidePointer(wide), needed);
  return wide;
}

}  // namespace kelvoro::win32
