// Kelvoro 2.1: the program starts with its main window and ends when its last window closes.

#include <windows.h>

#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "app/mirroring.h"
#include "app/win32/form1_window.h"
#include "platform/ports/ports.h"
#include "platform/win32/browser_win32.h"
#include "platform/win32/message_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_services.h"
#include "platform/win32/system_win32.h"
#include "platform/windows_version.h"
#include "texts/catalogue.h"
#include "texts/inflate.h"

// The library's default terminate handler prints the demangled type of an uncaught exception;
// its demangler alone is about a tenth of the executable. Nothing escapes WinMain, which catches
// everything, so a plain abort serves.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace {

// Libraries loaded while the program runs (by COM, by the shell) come from the system folder
// alone, never from the current or the program's folder. The calls exist only on newer systems.
void LimitLibrarySearch() {
  constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  const HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
  if (kernel == nullptr) return;
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  using SetDllDirectoryFn = BOOL(WINAPI*)(LPCSTR);
  if (const auto set_default = reinterpret_cast<SetDefaultDllDirectoriesFn>(
          reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")))) {
    set_default(kSearchSystem32);
  }
  if (const auto set_directory = reinterpret_cast<SetDllDirectoryFn>(
          reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDllDirectoryA")))) {
    set_directory("");  // takes the current folder out of the search
  }
}

// A push button of the program, the system's or owner-drawn (set A draws its own face).
bool IsPushButton(HWND window) {
  char class_name[16] = {};
  if (::GetClassNameA(window, class_name, sizeof class_name) == 0 ||
      ::lstrcmpiA(class_name, "Button") != 0) {
    return false;
  }
  switch (::GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
    case BS_OWNERDRAW:
      return true;
    default:
      return false;
  }
}

// Enter on the push button that has the focus clicks it, as Space does. The dialog keyboard
// handling would click it only once Tab had made it the default button; after a mouse click, or
// with set A's owner-drawn buttons, Enter would become an IDOK that no control owns.
bool ClickedByEnter(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_RETURN) return false;
  const HWND button = msg.hwnd;
  const HWND parent = button != nullptr ? ::GetParent(button) : nullptr;
  if (parent == nullptr || !IsPushButton(button) || !::IsWindowEnabled(button)) return false;
  ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  return true;
}

// Keyboard navigation of the window that holds the focus: Tab and Shift+Tab between the controls
// that can take the focus, Space on a button or the check box, Enter or Space on a link.
bool IsNavigationMessage(MSG& msg) {
  const HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
  return root != nullptr && ::IsDialogMessageW(root, &msg);
}

// The user's Windows display language, and its catalogue from the program's resource of every
// catalogue, packed (English, built in, where the language has none or its catalogue cannot be
// unpacked). Only that one is unpacked, once.
void UseDisplayLanguage(HINSTANCE instance) {
  const kelvoro::Language language = kelvoro::LanguageFor(::GetUserDefaultUILanguage());
  if (language == kelvoro::Language::kEnglish) return;
  const HRSRC found = ::FindResourceA(instance, "CATALOGUES", MAKEINTRESOURCEA(10));  // RT_RCDATA
  const HGLOBAL loaded = found != nullptr ? ::LoadResource(instance, found) : nullptr;
  const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (data == nullptr) return;
  constexpr std::size_t kLongestCatalogue = 64 * 1024;
  const std::optional<std::string> compact = kelvoro::Inflate(
      kelvoro::PackedCatalogue(
          std::string_view(static_cast<const char*>(data), ::SizeofResource(instance, found)),
          kelvoro::InfoOf(language).code),
      kLongestCatalogue);
  if (!compact || compact->empty()) return;
  kelvoro::UseLanguage(language, kelvoro::Catalogue::Parse(*compact));
}

int Run(HINSTANCE instance, int show_command) {
  LimitLibrarySearch();
  // COM and the shell, loaded when first needed; they outlive every window.
  kelvoro::win32::ShellServices shell;
  kelvoro::win32::BrowserWin32 browser(shell);
  kelvoro::win32::RegistryWin32 registry;
  kelvoro::win32::SystemWin32 system(shell);
  kelvoro::win32::MessageWin32 messages;
  kelvoro::WindowsFacts facts;
  UseDisplayLanguage(instance);
  messages.SetRightToLeft(
      kelvoro::MirroringFor(kelvoro::InfoOf(kelvoro::CurrentLanguage()).direction)
          .right_to_left_reading);
  kelvoro::win32::Form1 form1(instance, shell, browser);
  if (!form1.Create()) return 1;
  messages.SetMainWindow(form1.Handle());
  const kelvoro::Ports ports{registry, system, messages, form1};
  form1.Load(ports, facts);
  form1.ShowCentred(show_command);

  MSG msg{};
  while (::GetMessageW(&msg, nullptr /* every window of the thread */, 0, 0) > 0) {
    if (ClickedByEnter(msg) || IsNavigationMessage(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command_line*/,
                   int show_command) {
  // Outside any window procedure a failure has nowhere left to go: the program ends quietly.
  try {
    return Run(instance, show_command);
  } catch (...) {
    return 1;
  }
}
