// The driver's shared support: see driver.h.
#include "driver.h"

#include <algorithm>
#include <fstream>

#include "res/resource.h"

namespace kelvoro::e2e {
namespace {

const char kUserBinKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}";
const char kMachineBinKey[] = "Software\\Classes\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";

const char kMakerKey[] = "Software\\Orvane's Software";
const char kVersionKey[] = "Software\\Wine\\AppDefaults\\Kelvoro 2.1.exe";

// Starts `command` in `folder` (null: the driver's own).
HANDLE Launch(std::wstring command, const wchar_t* folder, DWORD* pid = nullptr) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder,
                      &startup, &info)) {
    return nullptr;
  }
  CloseHandle(info.hThread);
  if (pid != nullptr) *pid = info.dwProcessId;
  return info.hProcess;
}

// A 32-bit driver, and so a 32-bit program, on 64-bit Windows.
bool RunningOnWow64() {
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

}  // namespace

std::wstring WideTextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), text.size())));
  return text;
}

std::string Utf8(const std::wstring& text) {
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(length > 0 ? length - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::wstring Widen(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                  wide.data(), static_cast<int>(wide.size())));
  return wide;
}

std::string& TheProgram() {
  static std::string program;
  return program;
}

bool RunningUnderWine() {
  return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

bool WaitFor(const std::function<bool()>& done, DWORD timeout_ms) {
  for (const ULONGLONG deadline = GetTickCount64() + timeout_ms; !done(); Sleep(50)) {
    if (GetTickCount64() >= deadline) return false;
  }
  return true;
}

std::string TextOf(HWND window) {
  char text[1024] = {};
  DWORD_PTR length = 0;  // with a timeout: a hung program must not hang the driver
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, kUiTimeoutMs, &length);
  return std::string(text, std::min<DWORD_PTR>(length, sizeof text - 1));
}

std::vector<HWND> VisibleWindows(DWORD pid, const char* window_class) {
  std::vector<HWND> found;
  for (HWND hwnd = nullptr; (hwnd = FindWindowExA(nullptr, hwnd, window_class, nullptr));) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if ((pid == 0 || owner == pid) && IsWindowVisible(hwnd)) found.push_back(hwnd);
  }
  return found;
}

std::optional<MessageBoxInfo> FindMessageBox(DWORD pid, DWORD wait_ms) {
  std::vector<HWND> boxes;
  WaitFor([&] { return !(boxes = VisibleWindows(pid, "#32770")).empty(); }, wait_ms);
  if (boxes.empty()) return std::nullopt;
  // The static control 0xFFFF holds the message.
  return MessageBoxInfo{boxes[0], TextOf(boxes[0]) + ": " + TextOf(GetDlgItem(boxes[0], 0xFFFF))};
}

bool DismissMessageBox(HWND box) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  return WaitFor([box] { return !IsWindowVisible(box); });
}

AppProcess::~AppProcess() {
  if (Running()) TerminateProcess(process_, 1);
  if (process_ != nullptr) CloseHandle(process_);
}

::testing::AssertionResult AppProcess::Start(HWND* main, std::wstring exe) {
  const std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/") + 1);
  process_ = Launch(L"\"" + exe + L"\"", folder.empty() ? nullptr : folder.c_str(), &pid_);
  if (process_ == nullptr) return ::testing::AssertionFailure() << "cannot start the program";
  std::optional<MessageBoxInfo> box;
  const auto seen = [&] {
    const auto mains = VisibleWindows(pid_, "KelvoroForm1");
    *main = mains.empty() ? nullptr : mains[0];
    return *main != nullptr || (box = FindMessageBox(pid_)) || !Running();
  };
  WaitFor(seen, 3 * kUiTimeoutMs);  // the first start in a new Wine prefix is slow
  if (*main != nullptr) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << (box         ? "a message box: " + box->text
                                           : Running() ? "no main window"
                                                       : "the program ended")
                                       << ", exit code " << ExitCode();
}

bool AppProcess::Close() {
  for (const char* window_class : {"KelvoroForm1", "KelvoroForm2"}) {
    for (HWND hwnd : VisibleWindows(pid_, window_class)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
  }
  return WaitForSingleObject(process_, kUiTimeoutMs) == WAIT_OBJECT_0;
}

bool AppProcess::Running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD AppProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_, &code);
  return code;
}

void ClickButton(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void ClickLabel(HWND label) {
  PostMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  PostMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void PressKey(HWND window, WORD key) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
  PostMessageA(window, WM_KEYDOWN, key, 1 | scan);
  PostMessageA(window, WM_KEYUP, key, 1 | scan | LPARAM{3} << 30);
}

std::vector<DWORD> PixelsOf(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  const int width = box.right - box.left, height = box.bottom - box.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
  SelectObject(memory, old);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  for (DWORD& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

bool WithAccessible(HWND control, const std::function<void(IAccessible&, VARIANT)>& use) {
  // IID_IAccessible, spelled out: the import library has it as data of oleacc.dll.
  constexpr IID kIidAccessible = {
      0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
  CoInitialize(nullptr);  // as often as it is undone
  IAccessible* object = nullptr;
  if (SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                           kIidAccessible, reinterpret_cast<void**>(&object))) &&
      object != nullptr) {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    use(*object, self);
    object->Release();
  }
  CoUninitialize();
  return object != nullptr;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                            : nullptr;
}

// ---- The registry

namespace {
constexpr REGSAM kExplorersView = KEY_WOW64_64KEY;
}  // namespace

std::string Text(DWORD type, const std::string& text) {
  return (type == REG_SZ ? "REG_SZ \"" : "REG_EXPAND_SZ \"") + text + "\"";
}

std::string Dword(DWORD number) { return "REG_DWORD " + std::to_string(number); }

std::string Show(HKEY root, const std::string& path, const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | kExplorersView, &key) != ERROR_SUCCESS) {
    return "missing";
  }
  DWORD type = REG_NONE, size = 0;
  LONG status = RegQueryValueExA(key, name, nullptr, &type, nullptr, &size);
  std::string data(size, '\0');
  if (status == ERROR_SUCCESS) {
    status =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
  }
  RegCloseKey(key);
  data.resize(size);
  if (status != ERROR_SUCCESS) return "missing";
  if (type == REG_DWORD && size == 4) return Dword(*reinterpret_cast<const DWORD*>(data.data()));
  if ((type == REG_SZ || type == REG_EXPAND_SZ) && size > 0 && data.find('\0') == size - 1) {
    return Text(type, data.substr(0, size - 1));
  }
  std::string out = "type " + std::to_string(type) + ":";
  for (const unsigned char byte : data) out += " " + std::to_string(byte);
  return out;
}

LONG WriteValue(HKEY root, const std::string& path, const char* name, DWORD type,
                const std::string& text) {
  HKEY key = nullptr;
  LONG status =
      RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) return status;
  const DWORD size = static_cast<DWORD>(text.size() + (type == REG_DWORD ? 0 : 1));  // the zero
  status = RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()), size);
  RegCloseKey(key);
  return status;
}

std::wstring ShowWide(HKEY root, const std::string& path, const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | kExplorersView, &key) != ERROR_SUCCESS) {
    return L"missing";
  }
  std::wstring data(1024, L'\0');
  DWORD type = REG_NONE, size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  const LONG status =
      RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return L"missing";
  data.resize(size / sizeof(wchar_t));
  if (type != REG_SZ || size % 2 != 0 || data.find(L'\0') != data.size() - 1) return L"not a text";
  return data.substr(0, data.size() - 1);
}

LONG DeleteTree(HKEY root, const std::string& path, REGSAM view) {
  const std::string::size_type last = path.find_last_of('\\');
  HKEY parent = nullptr;
  LONG status =
      RegOpenKeyExA(root, path.substr(0, last).c_str(), 0, KEY_ALL_ACCESS | view, &parent);
  if (status == ERROR_SUCCESS) {
    status = RegDeleteTreeA(parent, path.substr(last + 1).c_str());
    RegCloseKey(parent);
  }
  return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

// ---- The registry of a first run

namespace {

// scripts/stock-windows.reg, which the driver carries as its resource STOCK_REGISTRY.
std::string StockRegistry() {
  const HRSRC found = FindResourceA(nullptr, "STOCK_REGISTRY", MAKEINTRESOURCEA(10));
  const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  return loaded ? std::string(static_cast<const char*>(LockResource(loaded)),
                              SizeofResource(nullptr, found))
                : std::string();
}

// Imports the stock registry with the system's own importer: reg.exe, from a temporary file.
LONG ImportStockRegistry() {
  char folder[MAX_PATH], file[MAX_PATH];
  if (!GetTempPathA(MAX_PATH, folder) || !GetTempFileNameA(folder, "kel", 0, file)) {
    return ERROR_PATH_NOT_FOUND;
  }
  std::ofstream(file, std::ios::binary) << StockRegistry();
  DWORD code = ERROR_FILE_NOT_FOUND;
  if (HANDLE reg = Launch(L"reg.exe import \"" + Widen(file) + L"\"", nullptr)) {
    WaitForSingleObject(reg, 3 * kUiTimeoutMs);
    GetExitCodeProcess(reg, &code);
    CloseHandle(reg);
  }
  DeleteFileA(file);
  return StockRegistry().empty() ? ERROR_FILE_NOT_FOUND : code;
}

// The registry of a first run, the program seeing the Windows version `wine_version` under Wine:
// the stock values of scripts/stock-windows.reg and no settings.
::testing::AssertionResult PrepareFirstRun(const char* wine_version) {
  LONG status = ImportStockRegistry();
  if (!status) status = DeleteTree(HKEY_CURRENT_USER, kMakerKey);
  if (!status && RunningUnderWine()) {
    status = WriteValue(HKEY_CURRENT_USER, kVersionKey, "Version", REG_SZ, wine_version);
  }
  if (!status) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the registry could not be prepared: " << status;
}

}  // namespace

// ---- What the program wrote

namespace {
const char kCurrentSoundKey[] = "AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current";
}  // namespace

std::string CurrentSound() { return Show(HKEY_CURRENT_USER, kCurrentSoundKey); }
std::string ReplacementSound(DWORD type) {
  char folder[MAX_PATH] = {};
  return Text(type,
              std::string(folder, GetWindowsDirectoryA(folder, MAX_PATH)) + "\\media\\dravik.wav");
}

// The Recycle Bin's name and icons (default, Empty, Full) in the family's place, and as expected.
std::string Appearance(const Family& family) {
  const std::string icons = std::string(family.class_key) + "\\DefaultIcon";
  return Show(family.root, family.class_key) + "; " + Show(family.root, icons) + ", " +
         Show(family.root, icons, "Empty") + ", " + Show(family.root, icons, "Full");
}
std::string Appearance(const std::string& name, const std::string& empty, const std::string& full) {
  return Text(REG_SZ, name) + "; " + Text(REG_SZ, empty) + ", " + Text(REG_SZ, empty) + ", " +
         Text(REG_SZ, full);
}

// The name this display language's Windows gives the Recycle Bin: the class's LocalizedString as
// the system resolves it, read here as the shell reads it; "Recycle Bin" in English (where Wine
// answers "Trash").
std::wstring SystemBinName() {
  if (PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_ENGLISH) return L"Recycle Bin";
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMachineBinKey, 0, KEY_READ | KEY_WOW64_64KEY, &key) !=
      ERROR_SUCCESS) {
    return L"no class";
  }
  std::wstring name(256, L'\0');
  DWORD size = 0;
  const LONG status =
      RegLoadMUIStringW(key, L"LocalizedString", name.data(),
                        static_cast<DWORD>(name.size() * sizeof(wchar_t)), &size, 0, nullptr);
  RegCloseKey(key);
  return status == ERROR_SUCCESS ? name.substr(0, name.find(L'\0')) : L"no answer";
}

// ---- The scenarios

// clang-format off
const Family kWin10{"win10", "5 6 7", IDC_COMMAND7, IDC_COMMAND6, HKEY_CURRENT_USER, kUserBinKey,
                    REG_EXPAND_SZ};
const Family kWin98{"win98", "1 2 3", IDC_COMMAND1, IDC_COMMAND2, HKEY_LOCAL_MACHINE,
                    kMachineBinKey, REG_SZ};
const Family kWin31{"win31", "1 2 3", IDC_COMMAND1, IDC_COMMAND2, nullptr, nullptr, REG_SZ};
// clang-format on
void PrintTo(const Family& family, std::ostream* out) { *out << family.version; }

namespace {
DWORD WINAPI SendClick(void* button) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(static_cast<HWND>(button), BM_CLICK, 0, 0, SMTO_NORMAL, 3 * kUiTimeoutMs,
                      &ignored);
  return 0;
}
}  // namespace

void Scenario::Prepare(const char* version) {
  if (std::string(version) != "win10" && RunningOnWow64()) {
    GTEST_SKIP() << "the " << version << " family cannot occur on 64-bit Windows";
  }
  if (!RunningUnderWine() && std::string(version) != "win10") {
    GTEST_SKIP() << "only Wine lets one program see another Windows family";
  }
  ASSERT_TRUE(PrepareFirstRun(version));
}

void Scenario::Start(const char* version) {
  ASSERT_NO_FATAL_FAILURE(Prepare(version));
  if (!IsSkipped()) {
    ASSERT_TRUE(app_.Start(&main_));
  }
}

std::string Scenario::Check1() {
  DWORD_PTR state = 3;
  SendMessageTimeoutA(GetDlgItem(main_, IDC_CHECK1), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG,
                      kUiTimeoutMs, &state);
  return state == BST_CHECKED ? "ticked" : state == BST_UNCHECKED ? "unticked" : "unknown";
}

void Scenario::ClickCheck1(const char* until) {
  ClickButton(GetDlgItem(main_, IDC_CHECK1));
  ASSERT_TRUE(WaitFor([&] { return Check1() == until; })) << "Check1 stays " << Check1();
}

std::string Scenario::Run(int id, const std::function<void()>& on_box) {
  HANDLE thread = CreateThread(nullptr, 0, SendClick, GetDlgItem(main_, id), 0, nullptr);
  std::string boxes;
  WaitFor(
      [&] {
        const auto box = FindMessageBox(app_.Id());
        if (box) on_box();
        if (box) boxes += box->text + "\n";
        return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0 ||
               (box && !DismissMessageBox(box->hwnd));
      },
      3 * kUiTimeoutMs);
  EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0) << "still running after " << boxes;
  CloseHandle(thread);
  return boxes;
}

HWND Scenario::ClickAbout() {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(GetDlgItem(main_, IDC_COMMAND5), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG,
                      kUiTimeoutMs, &ignored);
  WaitFor([&] { return !VisibleWindows(app_.Id(), "KelvoroForm2").empty(); });
  Sleep(kSettleMs);
  const auto found = VisibleWindows(app_.Id(), "KelvoroForm2");
  EXPECT_EQ(found.size(), 1u) << "About windows";
  return found.empty() ? nullptr : found[0];
}

namespace {
const char kDesktopKey[] = "Control Panel\\Desktop";
}  // namespace

void ScaledScenario::SetUp() {
  SetProcessDPIAware();
  saved_ = Show(HKEY_CURRENT_USER, kDesktopKey, "LogPixels");
}

void ScaledScenario::TearDown() {
  if (saved_.empty()) return;
  if (saved_ == "missing") {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_SET_VALUE, &key) == 0) {
      RegDeleteValueA(key, "LogPixels");
      RegCloseKey(key);
    }
  } else {
    SetLogPixels(static_cast<DWORD>(std::stoul(saved_.substr(saved_.find(' ') + 1))));
  }
}

void ScaledScenario::SetLogPixels(DWORD dpi) {
  ASSERT_EQ(
      RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD, &dpi, sizeof dpi),
      ERROR_SUCCESS);
}

void ScaledScenario::StartAt(int dpi) {
  ASSERT_NO_FATAL_FAILURE(SetLogPixels(static_cast<DWORD>(dpi)));
  ASSERT_NO_FATAL_FAILURE(Start());
  Sleep(kSettleMs);  // painted
}

}  // namespace kelvoro::e2e
