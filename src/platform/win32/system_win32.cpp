#include "platform/win32/system_win32.h"

#include <windows.h>

#include <string>

#include "platform/failure.h"

namespace kelvoro::win32 {
namespace {

// The longest path the system hands out, in UTF-16 units, with its terminating zero.
constexpr DWORD kLongestPath = 32768;

// The full path of the running executable. The buffer grows until the path fits: a truncated
// result fills the buffer to its last unit (older systems report no error for it).
std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr /* this executable */, path.data(),
                                              static_cast<DWORD>(path.size()));
    if (length == 0) throw Failure("The program's file name cannot be obtained");
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= kLongestPath) throw Failure("The program's file name is too long");
    path.resize(path.size() * 2);
  }
}

// `wide` in the ANSI code page. A character that the code page cannot express raises a Failure
// rather than turning into '?' or a look-alike: such a folder must never reach the registry.
std::string ToAnsi(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int wide_length = static_cast<int>(wide.size());
  BOOL used_default = FALSE;
  const int length =
      ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wide_length, nullptr, 0,
                            nullptr /* system default char */, &used_default);
  if (length <= 0 || used_default) {
    throw Failure("The program folder cannot be written in the system code page");
  }
  std::string ansi(static_cast<std::size_t>(length), '\0');
  used_default = FALSE;
  const int written =
      ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wide_length, ansi.data(),
                            length, nullptr /* system default char */, &used_default);
  if (written != length || used_default) {
    throw Failure("The program folder cannot be written in the system code page");
  }
  return ansi;
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

std::string SystemWin32::ProgramFolder() {
  std::wstring path = ModulePath();
  const std::wstring::size_type separator = path.find_last_of(L"\\/");
  if (separator == std::wstring::npos) throw Failure("The program folder cannot be obtained");
  // Everything before the last separator: "C:\Tools\x.exe" gives "C:\Tools", "C:\x.exe" gives
  // "C:". The callers add the separator themselves.
  path.resize(separator);
  return ToAnsi(path);
}

void SystemWin32::NotifyIconsChanged() { shell_.NotifyAssociationsChanged(); }

void SystemWin32::EndProgram() { ::ExitProcess(0); }

}  // namespace kelvoro::win32
