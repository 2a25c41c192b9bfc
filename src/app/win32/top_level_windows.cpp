#include "app/win32/top_level_windows.h"

#include <windows.h>

namespace kelvoro::win32 {
namespace {
// One user-interface thread: no lock.
int open_windows = 0;
}  // namespace

void TopLevelWindowCreated() noexcept { ++open_windows; }

void TopLevelWindowDestroyed() noexcept {
  if (open_windows > 0 && --open_windows == 0) ::PostQuitMessage(0);
}

}  // namespace kelvoro::win32
