#include "platform/win32/browser_win32.h"

#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <string>

#include "platform/win32/com_scope.h"

namespace kelvoro::win32 {
namespace {

// The browser automation object and the interface asked of it.
constexpr CLSID kBrowserClass = {
    0x0002DF01, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kWebBrowser2 = {
    0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};

std::wstring Widen(const std::string& ansi) {
  if (ansi.empty()) return std::wstring();
  const int length = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                           nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) {
    ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                          length);
  }
  return wide;
}

bool DispatchId(IDispatch* object, const wchar_t* name, DISPID& id) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  return SUCCEEDED(
      object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
}

// object.Visible = True
bool PutVisible(IDispatch* object) {
  DISPID id = 0;
  if (!DispatchId(object, L"Visible", id)) return false;
  VARIANT value;
  ::VariantInit(&value);
  value.vt = VT_BOOL;
  value.boolVal = VARIANT_TRUE;
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{&value, &put, 1, 1};
  return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                                  &parameters, nullptr /* no result */,
                                  nullptr /* no exception info */, nullptr /* no arg error */));
}

// object.Navigate address, every optional argument left out.
bool CallNavigate(IDispatch* object, const std::string& address) {
  DISPID id = 0;
  if (!DispatchId(object, L"Navigate", id)) return false;
  const UniqueBstr url(Widen(address).c_str());
  if (!url) return false;
  VARIANT argument;
  ::VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = url.get();
  DISPPARAMS parameters{&argument, nullptr /* no named arguments */, 1, 0};
  return SUCCEEDED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                  &parameters, nullptr /* no result */,
                                  nullptr /* no exception info */, nullptr /* no arg error */));
}

}  // namespace

bool BrowserWin32::OpenWithAutomation(const std::string& address) {
  // IWebBrowser2 derives from IDispatch: the object is driven by name through the latter.
  ComPtr<IDispatch> browser;
  if (FAILED(::CoCreateInstance(kBrowserClass, nullptr /* not aggregated */, CLSCTX_SERVER,
                                kWebBrowser2, browser.put_void())) ||
      !browser) {
    return false;
  }
  return PutVisible(browser.get()) && CallNavigate(browser.get(), address);
  // The reference is released here; the browser window stays open on its own.
}

bool BrowserWin32::OpenWithShell(const std::string& address) {
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteA(nullptr /* no owner */, "open", address.c_str(), nullptr /* no arguments */,
                      nullptr /* default folder */, SW_SHOWNORMAL));
  // Values above 32 mean success.
  return result > 32;
}

}  // namespace kelvoro::win32
