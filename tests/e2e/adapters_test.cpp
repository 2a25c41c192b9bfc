// The program's Win32 adapters against the real system: what no in-memory fake can show.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "platform/win32/gdi_scope.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/unique_handle.h"

namespace kelvoro::win32 {
namespace {

constexpr char kScratchKey[] = "Software\\Orvane's Software\\Kelvoro e2e scratch";

// A scratch key under the maker's key (which the backup restores), deleted again at the end.
class RegistryAdapter : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kScratchKey, &key_), ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(key_);
    RegDeleteKeyA(HKEY_CURRENT_USER, kScratchKey);
  }

  // Queries `name` through the adapter into a buffer of `size` bytes filled with 0xCD.
  RegStatus Query(const char* name, std::uint32_t& size, ValueType& type,
                  unsigned char (&buffer)[16]) {
    std::memset(buffer, 0xCD, sizeof buffer);
    KeyHandle key = 0;
    RegStatus status = registry_.OpenKey(RootKey::kCurrentUser, kScratchKey, KeyAccess::kRead, key);
    if (status == kRegSuccess) status = registry_.QueryValue(key, name, type, buffer, size);
    if (key != 0) registry_.CloseKey(key);
    return status;
  }

  HKEY key_ = nullptr;
  RegistryWin32 registry_;
};

TEST_F(RegistryAdapter, ValueLargerThanTheBufferLeavesEverythingUntouched) {
  ASSERT_EQ(
      RegSetValueExA(key_, "long", 0, REG_SZ, reinterpret_cast<const BYTE*>("0123456789"), 11),
      ERROR_SUCCESS);
  unsigned char buffer[16];
  std::uint32_t size = 8;
  ValueType type = ValueType::kDword;
  EXPECT_NE(Query("long", size, type, buffer), kRegSuccess);
  EXPECT_EQ(size, 8u);
  EXPECT_EQ(type, ValueType::kDword);
  for (unsigned char byte : buffer) ASSERT_EQ(byte, 0xCD) << "the buffer was written";
}

TEST_F(RegistryAdapter, TextWithoutTerminatingZeroIsReadExactly) {
  // Three characters and no zero: the system would count a zero that followed them in memory.
  ASSERT_EQ(RegSetValueExW(key_, L"bare", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"abcd"), 6),
            ERROR_SUCCESS);
  unsigned char buffer[16];
  std::uint32_t size = 16;
  ValueType type = ValueType::kDword;
  ASSERT_EQ(Query("bare", size, type, buffer), kRegSuccess);
  EXPECT_EQ(type, ValueType::kSz);
  ASSERT_EQ(size, 3u);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 3), "abc");
  for (std::size_t i = 3; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], 0xCD) << "byte " << i;
}

// Counts the closes of event handles, and closes them.
int closes = 0;
struct CountingCloser {
  void operator()(HANDLE handle) const noexcept {
    ++closes;
    CloseHandle(handle);
  }
};
using UniqueEvent = UniqueHandle<HANDLE, CountingCloser>;

bool IsOpen(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != 0;
}

TEST(UniqueHandleAdapter, MovesLeaveTheSourceEmptyAndCloseEachHandleOnce) {
  const HANDLE first = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  const HANDLE second = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  closes = 0;
  {
    UniqueEvent a(first);
    UniqueEvent b(std::move(a));
    EXPECT_FALSE(a) << "moved-from";
    EXPECT_EQ(a.get(), nullptr);
    EXPECT_EQ(b.get(), first);
    UniqueEvent c(second);
    c = std::move(b);  // closes `second`
    EXPECT_FALSE(b);
    EXPECT_EQ(c.get(), first);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(IsOpen(second));
    EXPECT_TRUE(IsOpen(first));
  }
  EXPECT_EQ(closes, 2);
  EXPECT_FALSE(IsOpen(first));
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
