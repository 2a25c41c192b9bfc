# Cross toolchain: 64-bit Windows.
set(KELVORO_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
