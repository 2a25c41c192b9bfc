// What the keyboard and a screen reader get from a window's controls beyond the system's own.
// The controls that are links (kOpensPage) and those that AccessibleOf names pass their messages
// through ControlProcedure first: a link takes Enter and Space from the dialog keys and opens
// its page once a press, opens it too on a screen reader's default action, and shows the focus
// rectangle while it has the focus; each of them answers WM_GETOBJECT with the name, role and
// state of DescriptionOf (accessible.h). Everything else goes on to the system's procedure. No
// exception leaves ControlProcedure.

#include <string>

#include "app/win32/painting.h"
#include "app/win32/window.h"
#include "platform/win32/wide_text.h"

namespace kelvoro::win32 {
namespace {

// Posted to a link by a screen reader's default action: opens it as a click does.
constexpr UINT kOpenLinkMessage = WM_APP + 1;

}  // namespace

LRESULT CALLBACK Window::ControlProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  // The last place that catches for the control: no exception unwinds into user32.
  try {
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    const Control* control = self != nullptr ? self->FindByWindow(window) : nullptr;
    if (control != nullptr && control->system_procedure != nullptr) {
      return self->OnControlMessage(*control, message, wparam, lparam);
    }
  } catch (...) {
    return 0;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

AccessibleDescription Window::DescriptionOf(const Control& control) const {
  using Role = AccessibleDescription::Role;
  const AccessibleControl* accessible = AccessibleOf(*control.layout);
  if (accessible == nullptr || accessible->role == AccessibleRole::kButton) {
    // Named by its own text, without the blanks that set it off.
    std::u16string text = WideWindowText(control.window);
    const std::size_t first = text.find_first_not_of(u' ');
    text.erase(0, first == std::u16string::npos ? text.size() : first);
    text.erase(text.find_last_not_of(u' ') + 1);
    return {accessible == nullptr ? Role::kLink : Role::kButton, text};
  }
  switch (accessible->role) {
    case AccessibleRole::kCheckBox:
      return {Role::kCheckBox, ToUtf16(Text(accessible->text))};
    case AccessibleRole::kGraphic:
      return {Role::kGraphic, ToUtf16(Text(accessible->text))};
    case AccessibleRole::kButton:
    case AccessibleRole::kDecoration:
      break;
  }
  return {Role::kDecoration, std::u16string()};
}

LRESULT Window::CallSystem(const Control& control, UINT message, WPARAM wparam,
                           LPARAM lparam) const {
  return ::CallWindowProcW(control.system_procedure, control.window, message, wparam, lparam);
}

LRESULT Window::OnControlMessage(const Control& control, UINT message, WPARAM wparam,
                                 LPARAM lparam) {
  const ControlLayout& layout = *control.layout;
  const bool link = (layout.flags & kOpensPage) != 0;
  switch (message) {
    case WM_GETOBJECT:
      if (static_cast<LONG>(lparam) == OBJID_CLIENT) {
        const AccessibleDescription description = DescriptionOf(control);
        if (const LRESULT answer =
                AnswerGetObject(shell_, control.window, wparam, description, kOpenLinkMessage)) {
          return answer;
        }
      }
      break;
    case WM_GETDLGCODE:
      // Enter and Space come to the link itself, rather than to the window's dialog keys.
      if (link && lparam != 0) {
        const auto* key = reinterpret_cast<const MSG*>(lparam);
        if (key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_SPACE)) {
          return DLGC_WANTMESSAGE;
        }
      }
      break;
    case WM_KEYDOWN:
      // Once a press: a key held down repeats without opening the page again.
      if (link && (wparam == VK_RETURN || wparam == VK_SPACE) && (lparam & (1 << 30)) == 0) {
        OnCommand(layout.id, STN_CLICKED);
        return 0;
      }
      break;
    case kOpenLinkMessage:
      if (link) OnCommand(layout.id, STN_CLICKED);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (link) ::InvalidateRect(control.window, nullptr, TRUE /* erase */);
      break;
    case WM_PAINT:
      if (link) {
        // The label as the system paints it, and the focus rectangle around it.
        CallSystem(control, message, wparam, lparam);
        DrawLinkFocus(control.window);
        return 0;
      }
      break;
    default:
      break;
  }
  return CallSystem(control, message, wparam, lparam);
}

}  // namespace kelvoro::win32
