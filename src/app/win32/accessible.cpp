#include "app/win32/accessible.h"

// windows.h first: oleacc.h needs its types.
#include <oleacc.h>

#include <memory>
#include <utility>

#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"

namespace kelvoro::win32 {
namespace {

// IID_IAccessible. The import library declares it as data of oleacc.dll, which the program does
// not link: it loads oleacc when a screen reader first asks.
constexpr IID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);

const SystemLibrary& Oleacc() {
  static const SystemLibrary oleacc("oleacc.dll");
  return oleacc;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

LONG RoleOf(AccessibleDescription::Role role) {
  switch (role) {
    case AccessibleDescription::Role::kButton:
      return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleDescription::Role::kCheckBox:
      return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleDescription::Role::kLink:
      return ROLE_SYSTEM_LINK;
    case AccessibleDescription::Role::kGraphic:
    case AccessibleDescription::Role::kDecoration:
      break;
  }
  return ROLE_SYSTEM_GRAPHIC;
}

// The system's standard object for the control, with the name, role, state and default action
// that the description gives for the control itself (CHILDID_SELF); every other call, and every
// call about a child, goes to the standard object unchanged. Reference counted as COM objects are;
// the last Release frees it.
class DescribedControl final : public IAccessible {
 public:
  DescribedControl(ShellServices& shell, IAccessible* standard, HWND control,
                   AccessibleDescription description, UINT action_message)
      : shell_(shell),
        standard_(standard),
        control_(control),
        description_(std::move(description)),
        action_message_(action_message) {}
  ~DescribedControl() { standard_->Release(); }
  DescribedControl(const DescribedControl&) = delete;
  DescribedControl& operator=(const DescribedControl&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, kIidAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) std::unique_ptr<DescribedControl> last(this);
    return left;
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument) override {
    return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, argument);
  }

  // IAccessible: what the description changes.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return standard_->get_accName(child, name);
    if (name == nullptr) return E_POINTER;
    *name = nullptr;
    if (description_.role == AccessibleDescription::Role::kDecoration) return S_FALSE;
    *name = shell_.AllocString(WidePointer(description_.name));
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsSelf(child)) return standard_->get_accRole(child, role);
    if (role == nullptr) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = RoleOf(description_.role);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const HRESULT result = standard_->get_accState(child, state);
    if (!IsSelf(child) || state == nullptr) return result;
    LONG flags = SUCCEEDED(result) && state->vt == VT_I4 ? state->lVal : 0;
    switch (description_.role) {
      case AccessibleDescription::Role::kCheckBox:
        flags &= ~STATE_SYSTEM_CHECKED;
        if (::SendMessageW(control_, BM_GETCHECK, 0, 0) == BST_CHECKED) {
          flags |= STATE_SYSTEM_CHECKED;
        }
        flags |= STATE_SYSTEM_FOCUSABLE;
        break;
      case AccessibleDescription::Role::kLink:
        flags |= STATE_SYSTEM_LINKED | STATE_SYSTEM_FOCUSABLE;
        if (::GetFocus() == control_) flags |= STATE_SYSTEM_FOCUSED;
        break;
      case AccessibleDescription::Role::kButton:
        flags |= STATE_SYSTEM_FOCUSABLE;
        if (::GetFocus() == control_) flags |= STATE_SYSTEM_FOCUSED;
        break;
      case AccessibleDescription::Role::kGraphic:
        flags |= STATE_SYSTEM_READONLY;
        break;
      case AccessibleDescription::Role::kDecoration:
        // Art that says nothing: screen readers pass over what is not to be seen.
        flags |= STATE_SYSTEM_INVISIBLE;
        break;
    }
    state->vt = VT_I4;
    state->lVal = flags;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (!IsSelf(child) || description_.role != AccessibleDescription::Role::kLink) {
      return standard_->get_accDefaultAction(child, action);
    }
    if (action == nullptr) return E_POINTER;
    *action = shell_.AllocString(L"Jump");
    return *action != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!IsSelf(child) || description_.role != AccessibleDescription::Role::kLink) {
      return standard_->accDoDefaultAction(child);
    }
    // Posted, as the system's own objects do: the link opens once this call has returned.
    return ::PostMessageW(control_, action_message_, 0, 0) ? S_OK : E_FAIL;
  }

  // IAccessible: the standard object's.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return standard_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ShellServices& shell_;
  IAccessible* standard_;  // owned: one reference
  HWND control_;
  AccessibleDescription description_;
  UINT action_message_;
  ULONG references_ = 1;  // one user-interface thread
};

}  // namespace

LRESULT AnswerGetObject(ShellServices& shell, HWND control, WPARAM wparam,
                        const AccessibleDescription& description, UINT action_message) {
  const auto create_standard =
      Oleacc().Get<CreateStdAccessibleObjectFn>("CreateStdAccessibleObject");
  const auto answer = Oleacc().Get<LresultFromObjectFn>("LresultFromObject");
  // The object crosses to the screen reader's process through COM.
  if (create_standard == nullptr || answer == nullptr || !shell.EnsureCom()) return 0;
  IAccessible* standard = nullptr;
  if (FAILED(create_standard(control, OBJID_CLIENT, kIidAccessible,
                             reinterpret_cast<void**>(&standard))) ||
      standard == nullptr) {
    return 0;
  }
  auto object =
      std::make_unique<DescribedControl>(shell, standard, control, description, action_message);
  const LRESULT result = answer(kIidAccessible, wparam, object.get());
  // LresultFromObject holds its own reference for as long as the screen reader needs one.
  object.release()->Release();
  return result < 0 ? 0 : result;
}

}  // namespace kelvoro::win32
