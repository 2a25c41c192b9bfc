#pragma once

#include <windows.h>
// windows.h first: the COM headers need its types.
#include <objbase.h>
#include <oleauto.h>

#include "platform/win32/system_library.h"

namespace kelvoro::win32 {

// COM and the shell, reached through ole32, oleaut32 and shell32 loaded from the system folder on
// first use: the program needs them only when a web link is clicked or a command has changed the
// Recycle Bin, and start-up is quicker and smaller without them. COM is initialised once, for
// the user-interface thread, the first time it is needed, and uninitialised when this object
// goes. Every call fails softly (an error result, or nothing) when a library or function is
// missing.
class ShellServices {
 public:
  ShellServices() = default;
  ~ShellServices();
  ShellServices(const ShellServices&) = delete;
  ShellServices& operator=(const ShellServices&) = delete;

  // CoCreateInstance, after initialising COM for this thread if that has not happened yet.
  HRESULT CreateInstance(const CLSID& class_id, DWORD context, const IID& interface_id,
                         void** object);
  BSTR AllocString(const wchar_t* text);
  void FreeString(BSTR text);
  // ShellExecute's "open" on `target`; true when the shell accepted it.
  bool Open(const char* target);
  // Tells the shell that file associations, and with them the icons it shows, have changed.
  void NotifyAssociationsChanged();

 // Initialises COM for this thread the first time it is asked; true when COM can be used.
  bool EnsureCom();

 private:

  SystemLibrary ole32_;
  SystemLibrary oleaut32_;
  SystemLibrary shell32_;
  bool com_tried_ = false;
  bool com_initialised_ = false;
};

}  // namespace kelvoro::win32
