#pragma once

#include <windows.h>

#include <string>

namespace kelvoro::win32 {

// Texts for the wide (UTF-16) entry points, held as std::u16string: Windows' WCHAR is a UTF-16
// unit, and the program keeps to one wide string type.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' WCHAR is UTF-16");

inline const wchar_t* WidePointer(const std::u16string& text) noexcept {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline wchar_t* WidePointer(std::u16string& text) noexcept {
  return reinterpret_cast<wchar_t*>(text.data());
}

// `text`, in the system's ANSI code page, in UTF-16; empty when it cannot be read there.
std::u16string WideFromCodePage(const std::string& text);

}  // namespace kelvoro::win32
