// bare_window.exe: the least a Win32 program does to put a window on the screen. One class, one
// fixed-size tool window with the main window's client size, a message loop; nothing else. It is
// built with the program's compiler, flags and static runtime, so its start-up time and working
// set are the floor that kelvoro_bench measures the program against.

#include <windows.h>
#ifdef KELVORO_BARE_WITH_COMMON_CONTROLS
#include <commctrl.h>
#endif

namespace {

constexpr char kClassName[] = "BareWindow";
constexpr int kClientWidth = 449;
constexpr int kClientHeight = 362;
// The main window's frame: a fixed tool window with only a close box, no taskbar button.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command_line*/,
                   int show_command) {
#ifdef KELVORO_BARE_WITH_COMMON_CONTROLS
  // The variant that pays what every window with the common controls pays.
  InitCommonControls();
#endif
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kClassName;
  if (RegisterClassA(&window_class) == 0) return 1;

  RECT frame = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kStyle, /*bMenu=*/FALSE, kExStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const HWND hwnd = CreateWindowExA(
      kExStyle, kClassName, /*lpWindowName=*/"", kStyle,
      (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
      width, height, /*hWndParent=*/nullptr, /*hMenu=*/nullptr, instance, /*lpParam=*/nullptr);
  if (hwnd == nullptr) return 1;
  ShowWindow(hwnd, show_command);
  UpdateWindow(hwnd);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
