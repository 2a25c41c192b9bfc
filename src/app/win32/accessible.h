#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/shell_services.h"

namespace kelvoro::win32 {

// How a control is announced where the system's own description does not serve.
struct AccessibleDescription {
  enum class Role { kButton, kCheckBox, kGraphic, kDecoration, kLink };
  Role role;
  std::u16string name;  // empty for decoration
};

// The answer to a control's WM_GETOBJECT for its client area (OBJID_CLIENT): an object that gives
// `description`'s name, role and state, and for a link its default action ("Jump", which posts
// `action_message` to the control), and leaves everything else to the system's standard object
// for the control. 0, as for a message not handled, when the system cannot give its standard
// object (oleacc.dll missing) or COM cannot be initialised; then the system describes the control
// itself.
LRESULT AnswerGetObject(ShellServices& shell, HWND control, WPARAM wparam,
                        const AccessibleDescription& description, UINT action_message);

}  // namespace kelvoro::win32
