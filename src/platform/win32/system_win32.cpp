#include "platform/win32/system_win32.h"

#include <windows.h>

#include <string>
#include <utility>

#include "platform/failure.h"
#include "platform/win32/wide_text.h"

namespace kelvoro::win32 {
namespace {

// The longest path the system hands out, in UTF-16 units, with its terminating zero.
constexpr DWORD kLongestPath = 32768;

// The full path of the running executable. The buffer grows until the path fits: a truncated
// result fills the buffer to its last unit (older systems report no error for it).
std::u16string ModulePath() {
  std::u16string path(MAX_PATH, u'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr /* this executable */, WidePointer(path),
                                              static_cast<DWORD>(path.size()));
    if (length == 0) throw Failure(TextId::kFileNameUnknown);
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= kLongestPath) throw Failure(TextId::kFileNameTooLong);
    path.resize(path.size() * 2);
  }
}

}  // namespace

bool SystemWin32::QueryVersion(std::uint32_t& platform_id) {
  OSVERSIONINFOA info;
  ::ZeroMemory(&info, sizeof info);
  static_assert(sizeof info == 148, "OSVERSIONINFOA must be the 148-byte structure");
  info.dwOSVersionInfoSize = sizeof info;
  if (!::GetVersionExA(&info)) return false;
  platform_id = info.dwPlatformId;
  return true;
}

void SystemWin32::QueryWindowsDirectory(char* buffer, std::uint32_t size) {
  // The length returned is of no use: the caller reads up to the zero written into the buffer.
  (void)::GetWindowsDirectoryA(buffer, size);
}

std::u16string SystemWin32::ProgramFolder() {
  std::u16string path = ModulePath();
  const std::u16string::size_type separator = path.find_last_of(u"\\/");
  if (separator == std::u16string::npos) throw Failure(TextId::kFolderUnknown);
  // Everything before the last separator: "C:\Tools\x.exe" gives "C:\Tools", "C:\x.exe" gives
  // "C:". The callers add the separator themselves.
  path.resize(separator);
  return path;
}

bool SystemWin32::ToCodePage(const std::u16string& text, std::string& ansi) {
  if (text.empty()) {
    ansi.clear();
    return true;
  }
  const int length = static_cast<int>(text.size());
  // No best fit: a character without a place of its own in the code page must not turn into '?'
  // or a look-alike, which would name another file. A UTF-8 code page has a place for every
  // character and takes neither the flag nor the question.
  const bool utf8 = ::GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL used_default = FALSE;
  BOOL* const ask = utf8 ? nullptr : &used_default;
  const int needed = ::WideCharToMultiByte(CP_ACP, flags, WidePointer(text), length, nullptr, 0,
                                           nullptr /* system default char */, ask);
  if (needed <= 0 || used_default) return false;
  std::string converted(static_cast<std::size_t>(needed), '\0');
  const int written =
      ::WideCharToMultiByte(CP_ACP, flags, WidePointer(text), length, converted.data(), needed,
                            nullptr /* system default char */, ask);
  if (written != needed || used_default) return false;
  ansi = std::move(converted);
  return true;
}

std::u16string SystemWin32::FromCodePage(const std::string& text) {
  std::u16string wide = WideFromCodePage(text);
  if (wide.empty() && !text.empty()) throw Failure(TextId::kCodePageText);
  return wide;
}

void SystemWin32::NotifyIconsChanged() { shell_.NotifyAssociationsChanged(); }

void SystemWin32::EndProgram() { ::ExitProcess(0); }

}  // namespace kelvoro::win32
