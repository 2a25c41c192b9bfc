# Shared by the two cross toolchains: MinGW-w64 for KELVORO_MINGW_ARCH (i686 or x86_64), fully
# static, with the win32 threading model. The program uses no threads, and the posix model's
# runtime would import functions (GetTickCount64) that Windows XP lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${KELVORO_MINGW_ARCH})
set(CMAKE_C_COMPILER ${KELVORO_MINGW_ARCH}-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER ${KELVORO_MINGW_ARCH}-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER ${KELVORO_MINGW_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KELVORO_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Each function and datum in a section of its own, so that the program's link drops what it never
# calls (-Wl,--gc-sections in windows.cmake): the 32-bit program has a size budget.
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
