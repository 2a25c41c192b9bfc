// The window procedure template, compiled against a stand-in for the system header.
#include "app/win32/window_procedure.h"

#include <gtest/gtest.h>

#include "platform/failure.h"

namespace kelvoro::win32 {
namespace {

namespace fake_user32 = testing::fake_user32;

// A window whose handler raises for one message.
struct RaisingWindow {
  static constexpr char kClassName[] = "TestWindow";
  LRESULT HandleMessage(UINT message, WPARAM /*wparam*/, LPARAM /*lparam*/) {
    if (message == raise_on) throw Failure("no room for the controls");
    return message == WM_NCCREATE ? TRUE : 0;
  }
  UINT raise_on;
  HWND window_ = nullptr;
};

TEST(WindowProcedure, RaisedFailureWhileCreatingFailsTheCreationAndLeavesATrace) {
  HWND__* const window = reinterpret_cast<HWND__*>(0x1234);
  for (UINT failing : {WM_NCCREATE, WM_CREATE}) {
    fake_user32::debug_output.clear();
    RaisingWindow object{failing};
    CREATESTRUCTA create{&object};
    const LPARAM lparam = reinterpret_cast<LPARAM>(&create);
    const LRESULT nccreate = WindowProcedure<RaisingWindow>(window, WM_NCCREATE, 0, lparam);
    if (failing == WM_NCCREATE) {
      EXPECT_EQ(FALSE, nccreate);
    } else {
      EXPECT_EQ(TRUE, nccreate);
      EXPECT_EQ(-1, WindowProcedure<RaisingWindow>(window, WM_CREATE, 0, lparam));
    }
    EXPECT_EQ("Kelvoro: window TestWindow not created: no room for the controls\n",
              fake_user32::debug_output)
        << "message " << failing;
  }
}

}  // namespace
}  // namespace kelvoro::win32
