#include "platform/win32/browser_win32.h"

#include <windows.h>
// windows.h first: oaidl.h needs its types.
#include <oaidl.h>

#include <string>

#include "platform/win32/com_ptr.h"
#include "platform/win32/wide_text.h"

namespace kelvoro::win32 {
namespace {

// The browser automation object and the interface asked of it.
constexpr CLSID kBrowserClass = {
    0x0002DF01, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kWebBrowser2 = {
    0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};

bool DispatchId(IDispatch* object, const wchar_t* name, DISPID& id) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  return SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
}

// object.Visible = True
bool PutVisible(IDispatch* object) {
  DISPID id = 0;
  if (!DispatchId(object, L"Visible", id)) return false;
  VARIANT value{};
  value.vt = VT_BOOL;
  value.boolVal = VARIANT_TRUE;
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{&value, &put, 1, 1};
  return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                                  &parameters, nullptr /* no result */,
                                  nullptr /* no exception info */, nullptr /* no arg error */));
}

// object.Navigate address, every optional argument left out.
bool CallNavigate(ShellServices& shell, IDispatch* object, const std::string& address) {
  DISPID id = 0;
  if (!DispatchId(object, L"Navigate", id)) return false;
  const BSTR url = shell.AllocString(WidePointer(WideFromCodePage(address)));
  if (url == nullptr) return false;
  VARIANT argument{};
  argument.vt = VT_BSTR;
  argument.bstrVal = url;
  DISPPARAMS parameters{&argument, nullptr /* no named arguments */, 1, 0};
  const HRESULT result = object->Invoke(
      id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr /* no result */,
      nullptr /* no exception info */, nullptr /* no arg error */);
  shell.FreeString(url);
  return SUCCEEDED(result);
}

}  // namespace

bool BrowserWin32::OpenWithAutomation(const std::string& address) {
  // IWebBrowser2 derives from IDispatch: the object is driven by name through the latter.
  ComPtr<IDispatch> browser;
  if (FAILED(
          shell_.CreateInstance(kBrowserClass, CLSCTX_SERVER, kWebBrowser2, browser.put_void())) ||
      !browser) {
    return false;
  }
  return PutVisible(browser.get()) && CallNavigate(shell_, browser.get(), address);
  // The reference is released here; the browser window stays open on its own.
}

bool BrowserWin32::OpenWithShell(const std::string& address) {
  return shell_.Open(address.c_str());
}

}  // namespace kelvoro::win32
