# The Windows program, its resources and the end-to-end test driver (cross build only).
enable_language(RC)

set(KELVORO_DIST_DIR "${CMAKE_BINARY_DIR}/dist")

set(KELVORO_HARDENING_FLAGS -static -Wl,--dynamicbase -Wl,--nxcompat)

add_library(kelvoro_win32 STATIC
  # Win32 adapters of the ports and the windows themselves.
)
