#include "platform/win32/message_win32.h"

#include <vector>

#include "platform/win32/wide_text.h"
#include "texts/catalogue.h"
#include "texts/line_breaks.h"

namespace kelvoro::win32 {
namespace {

// Disables, for as long as it lives, the visible top-level windows of this thread other than
// `owner`, which the message box disables itself; then enables again exactly those it disabled.
// Hidden windows take no input and are left alone.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND owner) noexcept : owner_(owner) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(this));
  }
  ~OtherWindowsDisabled() {
    for (const HWND window : disabled_) {
      if (::IsWindow(window)) ::EnableWindow(window, TRUE);
    }
  }
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK DisableOne(HWND window, LPARAM self_address) {
    auto* self = reinterpret_cast<OtherWindowsDisabled*>(self_address);
    if (window == self->owner_ || !::IsWindowVisible(window) || !::IsWindowEnabled(window)) {
      return TRUE;
    }
    // Recorded before it is disabled, so that no window stays disabled for want of memory.
    try {
      self->disabled_.push_back(window);
    } catch (...) {
      return FALSE;
    }
    ::EnableWindow(window, FALSE);
    return TRUE;
  }

  HWND owner_;
  std::vector<HWND> disabled_;
};

bool IsShown(HWND window) {
  return window != nullptr && ::IsWindow(window) && ::IsWindowVisible(window);
}

}  // namespace

void MessageWin32::Show(const std::string& text, MessageStyle style) {
  // Centred on and owned by the main window while it is shown, else by the window in use (the
  // About window, once the main window has been closed); during start-up the box stands alone.
  HWND owner = IsShown(main_window_) ? main_window_ : ::GetActiveWindow();
  if (!IsShown(owner)) owner = nullptr;
  const OtherWindowsDisabled others(owner);
  const std::u16string wide = WithoutBreakMarks(ToUtf16(text));
  const std::u16string title = ToUtf16(kAppTitle);
  const UINT reading = right_to_left_ ? MB_RTLREADING | MB_RIGHT : 0U;
  ::MessageBoxW(owner, WidePointer(wide), WidePointer(title),
                MB_OK | MB_APPLMODAL | reading | static_cast<UINT>(style));
}

}  // namespace kelvoro::win32
