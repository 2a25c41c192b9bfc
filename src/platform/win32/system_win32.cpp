#include "platform/win32/system_win32.h"

#include <windows.h>

#include <string>
#include <utility>

#include "platform/failure.h"
#include "platform/win32/system_library.h"
#include "platform/win32/unique_handle.h"
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

// The Recycle Bin class of the whole machine, as 64-bit Explorer reads it (a 32-bit Windows has
// one view and ignores the flag; one that does not know it gets the key without it).
UniqueHKey OpenBinClass() {
  static const wchar_t kKey[] = L"Software\\Classes\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";
  UniqueHKey key;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, key.put()) !=
      ERROR_SUCCESS) {
    (void)::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_QUERY_VALUE, key.put());
  }
  return key;
}

// Room for any name the program would take, and for the longest it would pass over.
constexpr DWORD kNameUnits = 256;

std::u16string UpToZero(const std::u16string& buffer) {
  return buffer.substr(0, buffer.find(u'\0'));
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

std::uint16_t SystemWin32::DisplayLanguage() { return ::GetUserDefaultUILanguage(); }

SystemPort::Localized SystemWin32::LocalizedBinName(std::u16string& name) {
  using LoadMuiStringFn = LONG(WINAPI*)(HKEY, LPCWSTR, LPWSTR, DWORD, LPDWORD, DWORD, LPCWSTR);
  using LoadIndirectStringFn = HRESULT(WINAPI*)(LPCWSTR, LPWSTR, UINT, void**);
  // Windows Vista and later have the MUI loader; Windows XP only the shell's.
  const SystemLibrary advapi("advapi32.dll");
  const auto load_mui = advapi.Get<LoadMuiStringFn>("RegLoadMUIStringW");
  SystemLibrary shlwapi;
  LoadIndirectStringFn load_indirect = nullptr;
  if (load_mui == nullptr) {
    shlwapi = SystemLibrary("shlwapi.dll");
    load_indirect = shlwapi.Get<LoadIndirectStringFn>("SHLoadIndirectString");
    if (load_indirect == nullptr) return Localized::kNone;
  }
  const UniqueHKey key = OpenBinClass();
  if (!key) return Localized::kFailed;
  std::u16string buffer(kNameUnits, u'\0');
  if (load_mui != nullptr) {
    DWORD needed = 0;
    if (load_mui(key.get(), L"LocalizedString", WidePointer(buffer), kNameUnits * sizeof(char16_t),
                 &needed, 0 /* flags */, nullptr /* the system's own folder */) != ERROR_SUCCESS) {
      return Localized::kFailed;
    }
  } else {
    // "@<library>,-<string>", which the shell resolves in the display language.
    std::u16string source(kNameUnits, u'\0');
    DWORD type = REG_NONE;
    DWORD size = (kNameUnits - 1) * sizeof(char16_t);  // leaves a terminating zero
    if (::RegQueryValueExW(key.get(), L"LocalizedString", nullptr /* reserved */, &type,
                           reinterpret_cast<BYTE*>(WidePointer(source)), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
      return Localized::kFailed;
    }
    source = UpToZero(source);
    std::u16string expanded(kNameUnits, u'\0');
    const DWORD length =
        ::ExpandEnvironmentStringsW(WidePointer(source), WidePointer(expanded), kNameUnits);
    if (length == 0 || length > kNameUnits) return Localized::kFailed;
    if (FAILED(load_indirect(WidePointer(expanded), WidePointer(buffer), kNameUnits,
                             nullptr /* reserved */))) {
      return Localized::kFailed;
    }
  }
  name = UpToZero(buffer);
  return Localized::kAnswered;
}

void SystemWin32::NotifyIconsChanged() { shell_.NotifyAssociationsChanged(); }

void SystemWin32::EndProgram() { ::ExitProcess(0); }

}  // namespace kelvoro::win32
