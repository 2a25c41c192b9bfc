# The Windows program, its resources and the end-to-end test driver (cross build only).
enable_language(RC)

set(KELVORO_DIST_DIR "${CMAKE_BINARY_DIR}/dist")

# One self-contained executable (no MinGW DLLs), with ASLR and DEP, Terminal Server aware (a
# Remote Desktop session must see the real Windows folder), and without symbols. The subsystem
# and OS version fields name the oldest Windows the program runs on: XP (5.1), or XP x64 (5.2).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KELVORO_OLDEST_MINOR 2)
  set(KELVORO_ASLR_FLAGS -Wl,--dynamicbase -Wl,--high-entropy-va)
else()
  set(KELVORO_OLDEST_MINOR 1)
  set(KELVORO_ASLR_FLAGS -Wl,--dynamicbase)
endif()
set(KELVORO_PROGRAM_LINK_FLAGS -static ${KELVORO_ASLR_FLAGS} -Wl,--nxcompat -Wl,--tsaware
    -Wl,--major-subsystem-version,5 -Wl,--minor-subsystem-version,${KELVORO_OLDEST_MINOR}
    -Wl,--major-os-version,5 -Wl,--minor-os-version,${KELVORO_OLDEST_MINOR} -Wl,--gc-sections -s)

# Win32 adapters of the ports and the main window.
add_library(kelvoro_win32 STATIC
  src/platform/win32/registry_win32.cpp
  src/platform/win32/system_win32.cpp
  src/platform/win32/message_win32.cpp
  src/app/win32/accessible.cpp
  src/app/win32/colours.cpp
  src/app/win32/control_access.cpp
  src/app/win32/control_text.cpp
  src/app/win32/controls.cpp
  src/app/win32/painting.cpp
  src/app/win32/picture.cpp
  src/app/win32/window.cpp
  src/app/win32/form1_fitting.cpp
  src/app/win32/form1_window.cpp
  src/app/win32/form2_window.cpp
  src/platform/win32/browser_win32.cpp
  src/platform/win32/shell_services.cpp
  src/platform/win32/system_library.cpp
  src/platform/win32/wide_text.cpp
)
target_include_directories(kelvoro_win32 PUBLIC src res)
target_compile_definitions(kelvoro_win32 PUBLIC
  WIN32_LEAN_AND_MEAN NOMINMAX STRICT
  # Windows 2000 and later (and the 9x family through the ANSI entry points).
  _WIN32_WINNT=0x0500 WINVER=0x0500 _WIN32_IE=0x0500)
target_link_libraries(kelvoro_win32 PUBLIC kelvoro_core comctl32 gdi32 user32 advapi32)

add_executable(kelvoro WIN32
  src/app/win32/main.cpp
  res/kelvoro.rc
)
set_source_files_properties(res/kelvoro.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/kelvoro.manifest;${CMAKE_SOURCE_DIR}/res/resource.h;${CMAKE_SOURCE_DIR}/res/kelvoro.ico;${CMAKE_SOURCE_DIR}/res/black-preview.ico;${CMAKE_SOURCE_DIR}/res/white-preview.ico;${CMAKE_SOURCE_DIR}/res/logo.bmp;${CMAKE_SOURCE_DIR}/res/stock.bmp;${CMAKE_SOURCE_DIR}/res/arrow.bmp;${CMAKE_SOURCE_DIR}/res/logo-scales.ico;${CMAKE_SOURCE_DIR}/res/stock-scales.ico;${CMAKE_SOURCE_DIR}/res/arrow-scales.ico;${CMAKE_SOURCE_DIR}/res/hand.cur")
target_link_libraries(kelvoro PRIVATE kelvoro_win32)
# The catalogues are found beside the other resources' files.
add_dependencies(kelvoro kelvoro_catalogues)
target_include_directories(kelvoro PRIVATE "${KELVORO_CATALOGUE_DIR}")
set_property(SOURCE res/kelvoro.rc APPEND PROPERTY OBJECT_DEPENDS ${KELVORO_CATALOGUES})
target_link_options(kelvoro PRIVATE -mwindows ${KELVORO_PROGRAM_LINK_FLAGS})
set_target_properties(kelvoro PROPERTIES
  OUTPUT_NAME "Kelvoro 2.1"
  RUNTIME_OUTPUT_DIRECTORY "${KELVORO_DIST_DIR}")

# Apply names black.ico and white.ico in the program folder: they travel with the program.
add_custom_command(TARGET kelvoro POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different
    "${CMAKE_SOURCE_DIR}/res/black.ico" "${CMAKE_SOURCE_DIR}/res/white.ico"
    "${KELVORO_DIST_DIR}"
  VERBATIM)

add_subdirectory(bench)

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(tests/e2e)
endif()
