#include "platform/win32/shell_services.h"

namespace kelvoro::win32 {
namespace {

constexpr LONG kAssociationsChanged = 0x08000000;  // SHCNE_ASSOCCHANGED
constexpr UINT kIdList = 0x0000;                   // SHCNF_IDLIST

using CoInitializeFn = HRESULT(WINAPI*)(LPVOID);
using CoUninitializeFn = void(WINAPI*)();
using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
using SysAllocStringFn = BSTR(WINAPI*)(const OLECHAR*);
using SysFreeStringFn = void(WINAPI*)(BSTR);
using ShellExecuteAFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
using SHChangeNotifyFn = void(WINAPI*)(LONG, UINT, LPCVOID, LPCVOID);

}  // namespace

ShellServices::~ShellServices() {
  if (com_initialised_) {
    if (const auto uninitialise = ole32_.Get<CoUninitializeFn>("CoUninitialize")) uninitialise();
  }
}

bool ShellServices::EnsureCom() {
  if (!com_tried_) {
    com_tried_ = true;
    ole32_ = SystemLibrary("ole32.dll");
    if (const auto initialise = ole32_.Get<CoInitializeFn>("CoInitialize")) {
      // S_FALSE (already initialised on this thread) also needs its uninitialise.
      com_initialised_ = SUCCEEDED(initialise(nullptr /* reserved */));
    }
  }
  return com_initialised_;
}

HRESULT ShellServices::CreateInstance(const CLSID& class_id, DWORD context, const IID& interface_id,
                                      void** object) {
  if (!EnsureCom()) return CO_E_NOTINITIALIZED;
  const auto create = ole32_.Get<CoCreateInstanceFn>("CoCreateInstance");
  if (create == nullptr) return E_NOTIMPL;
  return create(class_id, nullptr /* not aggregated */, context, interface_id, object);
}

BSTR ShellServices::AllocString(const wchar_t* text) {
  if (!oleaut32_) oleaut32_ = SystemLibrary("oleaut32.dll");
  const auto alloc = oleaut32_.Get<SysAllocStringFn>("SysAllocString");
  return alloc != nullptr ? alloc(text) : nullptr;
}

void ShellServices::FreeString(BSTR text) {
  if (text == nullptr) return;
  if (const auto free = oleaut32_.Get<SysFreeStringFn>("SysFreeString")) free(text);
}

bool ShellServices::Open(const char* target) {
  if (!shell32_) shell32_ = SystemLibrary("shell32.dll");
  const auto execute = shell32_.Get<ShellExecuteAFn>("ShellExecuteA");
  if (execute == nullptr) return false;
  const auto result = reinterpret_cast<INT_PTR>(
      execute(nullptr /* no owner */, "open", target, nullptr /* no arguments */,
              nullptr /* default folder */, SW_SHOWNORMAL));
  // Values above 32 mean success.
  return result > 32;
}

void ShellServices::NotifyAssociationsChanged() {
  if (!shell32_) shell32_ = SystemLibrary("shell32.dll");
  if (const auto notify = shell32_.Get<SHChangeNotifyFn>("SHChangeNotify")) {
    notify(kAssociationsChanged, kIdList, nullptr, nullptr);
  }
}

}  // namespace kelvoro::win32
