#pragma once

// Running the program in plain Win32 (on Windows as under Wine): its start and end, its windows,
// message boxes, texts, pixels and what a screen reader reads, and input.
#include <gtest/gtest.h>
#include <windows.h>
// windows.h first: oleacc.h needs its types.
#include <oleacc.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "texts/catalogue.h"

namespace kelvoro::e2e {

constexpr DWORD kUiTimeoutMs = 10000;
constexpr DWORD kSettleMs = 1500;  // time that a second, unwanted effect gets to show itself

inline std::wstring Widen(const std::string& text, UINT code_page = CP_ACP) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()),
                                  wide.data(), static_cast<int>(wide.size())));
  return wide;
}
inline std::string Utf8(std::wstring_view text) {
  return kelvoro::ToUtf8({reinterpret_cast<const char16_t*>(text.data()), text.size()});
}

// The program under test, as main() found it, and its folder.
inline std::string& TheProgram() {
  static std::string program;
  return program;
}
inline std::string ProgramFolder() {
  return TheProgram().substr(0, TheProgram().find_last_of("\\/"));
}

inline bool RunningUnderWine() {
  return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}
inline bool RunningOnWow64() {  // a 32-bit driver, and so program, on 64-bit Windows
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

inline bool WaitFor(const std::function<bool()>& done, DWORD timeout_ms = kUiTimeoutMs) {
  for (const ULONGLONG deadline = GetTickCount64() + timeout_ms; !done(); Sleep(50)) {
    if (GetTickCount64() >= deadline) return false;
  }
  return true;
}

// Sent with a timeout, so that a hung program cannot hang the driver; false if not answered.
inline bool Send(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0,
                 DWORD_PTR* result = nullptr) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, message, wparam, lparam, SMTO_ABORTIFHUNG, kUiTimeoutMs,
                             result ? result : &ignored) != 0;
}

inline std::string TextOf(HWND window) {  // in UTF-8
  wchar_t text[1024] = {};
  DWORD_PTR length = 0;
  Send(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), &length);
  return Utf8(std::wstring(text, std::min<DWORD_PTR>(length, 1023)));
}

// The visible top-level windows of a class, of process `pid` or (0) of any.
inline std::vector<HWND> VisibleWindows(DWORD pid, const char* window_class) {
  std::vector<HWND> found;
  for (HWND hwnd = nullptr; (hwnd = FindWindowExA(nullptr, hwnd, window_class, nullptr));) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if ((pid == 0 || owner == pid) && IsWindowVisible(hwnd)) found.push_back(hwnd);
  }
  return found;
}

struct MessageBoxInfo {
  HWND hwnd;
  std::string text;  // "title: message"
};
// The first visible message box of the process, waiting up to `wait_ms` for one; its static
// control 0xFFFF holds the message.
inline std::optional<MessageBoxInfo> FindMessageBox(DWORD pid, DWORD wait_ms = 0) {
  std::vector<HWND> boxes;
  WaitFor([&] { return !(boxes = VisibleWindows(pid, "#32770")).empty(); }, wait_ms);
  if (boxes.empty()) return std::nullopt;
  return MessageBoxInfo{boxes[0], TextOf(boxes[0]) + ": " + TextOf(GetDlgItem(boxes[0], 0xFFFF))};
}
inline bool DismissMessageBox(HWND box) {  // posts OK and waits until the box has gone
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  return WaitFor([box] { return !IsWindowVisible(box); });
}

// Starts `command` in `folder` (null: the driver's own).
inline HANDLE Launch(std::wstring command, const wchar_t* folder, DWORD* pid = nullptr) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder,
                      &startup, &info)) {
    return nullptr;
  }
  CloseHandle(info.hThread);
  if (pid != nullptr) *pid = info.dwProcessId;
  return info.hProcess;
}

// One run of the program; ended by force on destruction if it still runs.
class AppProcess {
 public:
  AppProcess() = default;
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;
  ~AppProcess() {
    if (Running()) TerminateProcess(process_, 1);
    if (process_ != nullptr) CloseHandle(process_);
  }

  // Starts the program under test and waits for its visible main window.
  ::testing::AssertionResult Start(HWND* main) {
    const std::wstring exe = Widen(TheProgram()),
                       folder = exe.substr(0, exe.find_last_of(L"\\/") + 1);
    process_ = Launch(L"\"" + exe + L"\"", folder.empty() ? nullptr : folder.c_str(), &pid_);
    if (process_ == nullptr) return ::testing::AssertionFailure() << "cannot start the program";
    std::optional<MessageBoxInfo> box;
    const auto seen = [&] {
      const auto mains = VisibleWindows(pid_, "KelvoroForm1");
      *main = mains.empty() ? nullptr : mains[0];
      return *main != nullptr || (box = FindMessageBox(pid_)) || !Running();
    };
    WaitFor(seen, 3 * kUiTimeoutMs);  // the first start in a new Wine prefix is slow
    if (*main != nullptr) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << (box         ? "a message box: " + box->text
                                             : Running() ? "no main window"
                                                         : "the program ended")
                                         << ", exit code " << ExitCode();
  }
  // Posts WM_CLOSE to each of its windows and waits for the end.
  bool Close() {
    for (const char* window_class : {"KelvoroForm1", "KelvoroForm2"}) {
      for (HWND hwnd : VisibleWindows(pid_, window_class)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
    }
    return WaitForSingleObject(process_, kUiTimeoutMs) == WAIT_OBJECT_0;
  }
  bool Running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
  }
  DWORD Id() const { return pid_; }
  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
  }

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// Input, posted (a handler may show a modal box): a click on a label; a key pressed and let go.
inline void ClickButton(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }
inline void ClickLabel(HWND label) {
  PostMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  PostMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}
inline void PressKey(HWND window, WORD key) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
  PostMessageA(window, WM_KEYDOWN, key, 1 | scan);
  PostMessageA(window, WM_KEYUP, key, 1 | scan | LPARAM{3} << 30);
}
inline HWND FocusOf(HWND window) {  // the keyboard focus in the thread of `window`
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                            : nullptr;
}
inline RECT BoxOf(HWND window, HWND control) {  // in the client area of `window`
  RECT box{};
  GetWindowRect(control, &box);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&box), 2);
  return box;
}

// The pixels that `window` shows on the screen, row by row from the top, as 0xRRGGBB.
inline std::vector<DWORD> PixelsOf(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  const int width = box.right - box.left, height = box.bottom - box.top;
  BITMAPINFO info{};
  info.bmiHeader = {
      sizeof info.bmiHeader, width, -height /* top-down */, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
  SelectObject(memory, old);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  for (DWORD& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

// Hands `use` the accessible object of the control's client area, reached as a screen reader
// reaches it, and the child that stands for the control itself; false without one.
inline bool WithAccessible(HWND control, const std::function<void(IAccessible&, VARIANT)>& use) {
  // IID_IAccessible, spelled out: the import library has it as data of oleacc.dll.
  constexpr IID kIidAccessible = {
      0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
  CoInitialize(nullptr);  // as often as it is undone
  IAccessible* object = nullptr;
  if (SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                           kIidAccessible, reinterpret_cast<void**>(&object))) &&
      object != nullptr) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    use(*object, self);
    object->Release();
  }
  CoUninitialize();
  return object != nullptr;
}

}  // namespace kelvoro::e2e
