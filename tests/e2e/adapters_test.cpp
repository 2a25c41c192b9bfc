// The program's Win32 adapters against the real system: what no in-memory fake can show.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "app/win32/window_procedure.h"
#include "platform/failure.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/unique_handle.h"

namespace kelvoro::win32 {
namespace {

// What a read through the adapter left: status, size, type and the 16-byte buffer (0xCD before).
struct Read {
  RegStatus status;
  std::uint32_t size;
  ValueType type;
  std::string buffer;
};

// Stores `bytes` bytes of the wide text in a scratch key and reads it back through the adapter,
// offering a buffer of `size` bytes.
Read StoreAndRead(const wchar_t* text, DWORD bytes, std::uint32_t size) {
  const char scratch[] = "Software\\Orvane's Software\\scratch";
  HKEY raw = nullptr;
  RegCreateKeyA(HKEY_CURRENT_USER, scratch, &raw);
  RegSetValueExW(raw, L"v", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), bytes);
  RegCloseKey(raw);
  RegistryWin32 registry;
  Read read{-1, size, ValueType::kDword, std::string(16, '\xCD')};
  KeyHandle key = 0;
  if (registry.OpenKey(RootKey::kCurrentUser, scratch, KeyAccess::kRead, key) == kRegSuccess) {
    read.status = registry.QueryValue(key, "v", read.type, read.buffer.data(), read.size);
    registry.CloseKey(key);
  }
  RegDeleteKeyA(HKEY_CURRENT_USER, scratch);
  return read;
}

TEST(RegistryAdapter, ReadsTakeOnlyWhatFitsAndNoZeroThatIsNotStored) {
  Read read = StoreAndRead(L"0123456789", 22, 8);  // 11 bytes with the zero: too large
  EXPECT_NE(read.status, kRegSuccess);
  EXPECT_EQ(std::tuple(read.size, read.type, read.buffer),
            std::tuple(8u, ValueType::kDword, std::string(16, '\xCD')));
  // Three characters, no zero: the system would count one that followed them in memory.
  read = StoreAndRead(L"abcd", 6, 16);
  EXPECT_EQ(read.status, kRegSuccess);
  EXPECT_EQ(std::tuple(read.size, read.type, read.buffer),
            std::tuple(3u, ValueType::kSz, "abc" + std::string(13, '\xCD')));
}

// Closes event handles and counts the closes; a failed close counts a hundred.
int closes = 0;
struct CountingCloser {
  void operator()(HANDLE handle) const noexcept { closes += CloseHandle(handle) ? 1 : 100; }
};
using UniqueEvent = UniqueHandle<HANDLE, CountingCloser>;

TEST(UniqueHandleAdapter, MovesLeaveTheSourceEmptyAndCloseEachHandleOnce) {
  closes = 0;
  {
    UniqueEvent a(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    const HANDLE first = a.get();
    UniqueEvent b(std::move(a));
    EXPECT_TRUE(!a && a.get() == nullptr && b.get() == first);
    UniqueEvent c(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    c = std::move(b);
    EXPECT_TRUE(!b && c.get() == first);
    EXPECT_EQ(closes, 1) << "the handle that the target of the move held";
  }
  EXPECT_EQ(closes, 2);
}

// A window whose handler raises for one message.
struct RaisingWindow {
  static constexpr wchar_t kClassName[] = L"KelvoroRaisingWindow";
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == raise_on) throw Failure("no room for the controls");
    return DefWindowProcW(window_, message, wparam, lparam);
  }
  UINT raise_on;
  HWND window_ = nullptr;
};

TEST(WindowProcedureAdapter, RaisedFailureWhileTheWindowIsMadeFailsItsCreation) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProcedure<RaisingWindow>;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = RaisingWindow::kClassName;
  ASSERT_NE(RegisterClassW(&window_class), 0);
  for (const UINT failing : {UINT{WM_NCCREATE}, UINT{WM_CREATE}, UINT{WM_NULL}}) {
    RaisingWindow object{failing};
    const HWND made = CreateWindowExW(0, RaisingWindow::kClassName, L"", WS_POPUP, 0, 0, 10, 10,
                                      nullptr, nullptr, window_class.hInstance, &object);
    EXPECT_EQ(made != nullptr, failing == WM_NULL) << "failing message " << failing;
    if (made != nullptr) DestroyWindow(made);
  }
  UnregisterClassW(RaisingWindow::kClassName, window_class.hInstance);
}

}  // namespace
}  // namespace kelvoro::win32
