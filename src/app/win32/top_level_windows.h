#pragma once

namespace kelvoro::win32 {

// The program runs as long as one of its top-level windows exists: the main window, and an open
// About window after the main window has been closed. Each top-level window reports its creation
// and its destruction; the destruction of the last one ends the message loop (WM_QUIT, exit
// code 0).
void TopLevelWindowCreated() noexcept;
void TopLevelWindowDestroyed() noexcept;

}  // namespace kelvoro::win32
