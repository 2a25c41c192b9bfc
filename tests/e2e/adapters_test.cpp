// The program's Win32 adapters against the real system: what no in-memory fake can show.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/win32/gdi_scope.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/unique_handle.h"

namespace kelvoro::win32 {
namespace {

// What a value read through the adapter left: its status, size and type, and the 16 bytes of the
// buffer, which start as 0xCD.
struct Read {
  RegStatus status;
  std::uint32_t size;
  ValueType type;
  std::string buffer;
};

// Stores `bytes` bytes of the wide text as a value of a scratch key below the maker's key (which
// the backup restores) and reads it back through the adapter, offering a buffer of `size` bytes.
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

TEST(RegistryAdapter, ValueLargerThanTheBufferLeavesEverythingUntouched) {
  const Read read = StoreAndRead(L"0123456789", 22, 8);  // 11 bytes with the zero
  EXPECT_NE(read.status, kRegSuccess);
  EXPECT_EQ(read.size, 8u);
  EXPECT_EQ(read.type, ValueType::kDword);
  EXPECT_EQ(read.buffer, std::string(16, '\xCD'));
}

TEST(RegistryAdapter, TextWithoutTerminatingZeroIsReadExactly) {
  // Three characters, no zero: the system would count one that followed them in memory.
  const Read read = StoreAndRead(L"abcd", 6, 16);
  EXPECT_EQ(read.status, kRegSuccess);
  EXPECT_EQ(read.size, 3u);
  EXPECT_EQ(read.type, ValueType::kSz);
  EXPECT_EQ(read.buffer, "abc" + std::string(13, '\xCD'));
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

TEST(GdiScopeAdapter, SelectedObjectAndSavedStateGoBackAtTheEndOfTheScope) {
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ stock_pen = GetCurrentObject(dc, OBJ_PEN);
  const UniqueHPen pen(CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
  {
    const SavedDcState state(dc);
    SetBkMode(dc, TRANSPARENT);
    const SelectedObject selected(dc, pen.get());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen.get());
    const SelectedObject nothing(dc, nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen.get()) << "a null object selects nothing";
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), stock_pen);
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  DeleteDC(dc);
}

}  // namespace
}  // namespace kelvoro::win32
