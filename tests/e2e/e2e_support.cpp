#include "e2e_support.h"

#include <cstdio>
#include <utility>

namespace kelvoro::e2e {

const char kMakerKey[] = "Software\\Orvane's Software";
const char kSettingsKey[] = "Software\\Orvane's Software\\Kelvoro\\2.1";
const char kVoicestat[] = "Voicestat";
const char kUserRecycleBinKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}";
const char kMachineRecycleBinKey[] =
    "Software\\Classes\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";
const char kCurrentSoundKey[] = "AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current";
const char kDefaultSoundKey[] = "AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Default";
const char kStockEmptyIcon[] = "%SystemRoot%\\System32\\shell32.dll,31";
const char kStockFullIcon[] = "%SystemRoot%\\System32\\shell32.dll,32";
const char kStockName[] = "Recycle Bin";
const char kStockSound[] = "%SystemRoot%\\media\\Windows Recycle.wav";

namespace {

constexpr char kMainWindowClass[] = "KelvoroForm1";
constexpr char kMessageBoxClass[] = "#32770";
constexpr int kMessageBoxTextId = 0xFFFF;

std::string& ProgramPathSlot() {
  static std::string path;
  return path;
}

}  // namespace

std::string ModuleFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  const auto slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

void SetProgramPath(std::string path) { ProgramPathSlot() = std::move(path); }

const std::string& ProgramPath() {
  if (ProgramPathSlot().empty()) ProgramPathSlot() = ModuleFolder() + "\\Kelvoro 2.1.exe";
  return ProgramPathSlot();
}

bool RunningUnderWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool WaitFor(const std::function<bool()>& done, DWORD timeout_ms, DWORD poll_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(poll_ms);
  }
}

std::string ClassNameOf(HWND hwnd) {
  char name[256] = {};
  const int length = GetClassNameA(hwnd, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

std::string TextOf(HWND hwnd) {
  // WM_GETTEXT with a timeout: a window of a hung program must not hang the driver.
  char text[1024] = {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                           SMTO_ABORTIFHUNG, kUiTimeoutMs, &length)) {
    return {};
  }
  return std::string(text, length < sizeof text ? length : sizeof text - 1);
}

namespace {

struct WindowSearch {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindowOfProcess(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner == search->pid) search->found.push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD pid) {
  WindowSearch search{pid, {}};
  EnumWindows(CollectWindowOfProcess, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindWindowOfProcess(DWORD pid, const char* class_name, const char* title) {
  for (HWND hwnd : TopLevelWindowsOf(pid)) {
    if (ClassNameOf(hwnd) != class_name) continue;
    if (title != nullptr && TextOf(hwnd) != title) continue;
    return hwnd;
  }
  return nullptr;
}

std::optional<MessageBoxInfo> FindMessageBox(DWORD pid) {
  for (HWND hwnd : TopLevelWindowsOf(pid)) {
    if (IsWindowVisible(hwnd) && ClassNameOf(hwnd) == kMessageBoxClass) {
      return ReadMessageBox(hwnd);
    }
  }
  return std::nullopt;
}

MessageBoxInfo ReadMessageBox(HWND box) {
  MessageBoxInfo info;
  info.hwnd = box;
  info.title = TextOf(box);
  if (HWND text = GetDlgItem(box, kMessageBoxTextId)) {
    info.text = TextOf(text);
    return info;
  }
  // Not every message box implementation gives its text that identifier: take the longest text
  // of a static control.
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (_stricmp(ClassNameOf(child).c_str(), "Static") != 0) continue;
    std::string text = TextOf(child);
    if (text.size() > info.text.size()) info.text = std::move(text);
  }
  return info;
}

bool DismissMessageBox(HWND box, DWORD timeout_ms) {
  HWND ok = GetDlgItem(box, IDOK);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
  return WaitFor([box] { return !IsWindow(box) || !IsWindowVisible(box); }, timeout_ms);
}

AppProcess::~AppProcess() {
  Terminate();
  if (process_ != nullptr) CloseHandle(process_);
}

bool AppProcess::Start(const std::string& exe, std::string* error) {
  if (process_ != nullptr) {
    *error = "already started";
    return false;
  }
  const auto slash = exe.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? std::string(".") : exe.substr(0, slash);
  std::string command_line = "\"" + exe + "\"";

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(exe.c_str(), command_line.data(), /*lpProcessAttributes=*/nullptr,
                      /*lpThreadAttributes=*/nullptr, /*bInheritHandles=*/FALSE,
                      /*dwCreationFlags=*/0, /*lpEnvironment=*/nullptr, folder.c_str(), &startup,
                      &info)) {
    *error = "CreateProcess(\"" + exe + "\") failed with error " + std::to_string(GetLastError());
    return false;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  pid_ = info.dwProcessId;
  return true;
}

HWND AppProcess::WaitForMainWindow(std::string* why, DWORD timeout_ms) {
  HWND main = nullptr;
  std::optional<MessageBoxInfo> box;
  const bool seen = WaitFor(
      [&] {
        main = FindWindowOfProcess(pid_, kMainWindowClass);
        if (main != nullptr && IsWindowVisible(main)) return true;
        box = FindMessageBox(pid_);
        return box.has_value() || !Running();
      },
      timeout_ms);
  if (seen && main != nullptr && IsWindowVisible(main)) return main;
  if (box) {
    *why = "a message box titled \"" + box->title + "\" says \"" + box->text + "\"";
  } else if (!Running()) {
    *why = "the program ended with exit code " + std::to_string(ExitCode());
  } else if (main != nullptr) {
    *why = "the main window exists but stayed hidden for " + std::to_string(timeout_ms) + " ms";
  } else {
    *why = "no main window after " + std::to_string(timeout_ms) + " ms";
  }
  return nullptr;
}

bool AppProcess::Close(DWORD timeout_ms) {
  if (!Running()) return process_ != nullptr;
  for (HWND hwnd : TopLevelWindowsOf(pid_)) {
    if (IsWindowVisible(hwnd)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process_, timeout_ms) == WAIT_OBJECT_0) return true;
  Terminate();
  return false;
}

bool AppProcess::Running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD AppProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_ != nullptr) GetExitCodeProcess(process_, &code);
  return code;
}

void AppProcess::Terminate() {
  if (!Running()) return;
  TerminateProcess(process_, /*uExitCode=*/1);
  WaitForSingleObject(process_, kCloseTimeoutMs);
}

void ClickButton(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

int CheckStateOf(HWND check_box) {
  DWORD_PTR state = 0;
  if (!SendMessageTimeoutA(check_box, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kUiTimeoutMs, &state)) {
    return -1;
  }
  return static_cast<int>(state);
}

std::optional<DWORD> RegValue::AsDword() const {
  if (data.size() != sizeof(DWORD)) return std::nullopt;
  return static_cast<DWORD>(data[0] | data[1] << 8 | data[2] << 16 |
                            static_cast<DWORD>(data[3]) << 24);
}

std::string RegValue::AsString() const {
  std::string text(data.begin(), data.end());
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

std::string RegTypeName(DWORD type) {
  switch (type) {
    case REG_NONE:
      return "REG_NONE";
    case REG_SZ:
      return "REG_SZ";
    case REG_EXPAND_SZ:
      return "REG_EXPAND_SZ";
    case REG_BINARY:
      return "REG_BINARY";
    case REG_DWORD:
      return "REG_DWORD";
    case REG_MULTI_SZ:
      return "REG_MULTI_SZ";
    default:
      return "type " + std::to_string(type);
  }
}

std::string RegValue::Describe() const {
  if (!Found()) return "missing (status " + std::to_string(status) + ")";
  std::string out = RegTypeName(type) + " ";
  if (type == REG_DWORD && AsDword()) {
    char number[32];
    std::snprintf(number, sizeof number, "0x%08lx (%lu)", static_cast<unsigned long>(*AsDword()),
                  static_cast<unsigned long>(*AsDword()));
    return out + number;
  }
  if (type == REG_SZ || type == REG_EXPAND_SZ) return out + "\"" + AsString() + "\"";
  out += std::to_string(data.size()) + " bytes:";
  for (auto byte : data) {
    char hex[4];
    std::snprintf(hex, sizeof hex, " %02x", byte);
    out += hex;
  }
  return out;
}

RegValue ReadRegValue(HKEY root, const std::string& path, const char* name) {
  RegValue value;
  HKEY key = nullptr;
  value.status = RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key);
  if (value.status != ERROR_SUCCESS) return value;
  DWORD size = 0;
  value.status = RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size);
  if (value.status == ERROR_SUCCESS) {
    value.data.resize(size);
    value.status = RegQueryValueExA(key, name, nullptr, &value.type, value.data.data(), &size);
    value.data.resize(size);
  }
  RegCloseKey(key);
  return value;
}

bool RegKeyExists(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

namespace {

LONG WriteRegValue(HKEY root, const std::string& path, const char* name, DWORD type,
                   const void* data, DWORD size) {
  HKEY key = nullptr;
  LONG status = RegCreateKeyExA(root, path.c_str(), 0, /*lpClass=*/nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_WRITE, /*lpSecurityAttributes=*/nullptr, &key,
                                /*lpdwDisposition=*/nullptr);
  if (status != ERROR_SUCCESS) return status;
  status = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
  return status;
}

}  // namespace

LONG WriteRegDword(HKEY root, const std::string& path, const char* name, DWORD value) {
  return WriteRegValue(root, path, name, REG_DWORD, &value, sizeof value);
}

LONG WriteRegString(HKEY root, const std::string& path, const char* name, DWORD type,
                    const std::string& text) {
  return WriteRegValue(root, path, name, type, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

LONG DeleteRegTree(HKEY root, const std::string& path) {
  const LONG status = RegDeleteTreeA(root, path.c_str());
  return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

LONG SeedStockRegistry() {
  const std::string user_icons = std::string(kUserRecycleBinKey) + "\\DefaultIcon";
  const std::string machine_icons = std::string(kMachineRecycleBinKey) + "\\DefaultIcon";
  const LONG statuses[] = {
      WriteRegString(HKEY_CURRENT_USER, kUserRecycleBinKey, "", REG_SZ, kStockName),
      WriteRegString(HKEY_CURRENT_USER, user_icons, "", REG_SZ, kStockEmptyIcon),
      WriteRegString(HKEY_CURRENT_USER, user_icons, "Empty", REG_SZ, kStockEmptyIcon),
      WriteRegString(HKEY_CURRENT_USER, user_icons, "Full", REG_SZ, kStockFullIcon),
      WriteRegString(HKEY_LOCAL_MACHINE, kMachineRecycleBinKey, "", REG_SZ, kStockName),
      WriteRegString(HKEY_LOCAL_MACHINE, machine_icons, "", REG_SZ, kStockEmptyIcon),
      WriteRegString(HKEY_LOCAL_MACHINE, machine_icons, "Empty", REG_SZ, kStockEmptyIcon),
      WriteRegString(HKEY_LOCAL_MACHINE, machine_icons, "Full", REG_SZ, kStockFullIcon),
      WriteRegString(HKEY_CURRENT_USER, kCurrentSoundKey, "", REG_EXPAND_SZ, kStockSound),
      WriteRegString(HKEY_CURRENT_USER, kDefaultSoundKey, "", REG_EXPAND_SZ, kStockSound),
  };
  for (LONG status : statuses) {
    if (status != ERROR_SUCCESS) return status;
  }
  return ERROR_SUCCESS;
}

LONG DeleteSettings() { return DeleteRegTree(HKEY_CURRENT_USER, kMakerKey); }

LONG SetWineVersionForProgram(const char* version) {
  if (!RunningUnderWine()) return ERROR_SUCCESS;
  return WriteRegString(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Kelvoro 2.1.exe",
                        "Version", REG_SZ, version);
}

::testing::AssertionResult PrepareFirstRun(const char* wine_version) {
  if (SetWineVersionForProgram(wine_version) != ERROR_SUCCESS) {
    return ::testing::AssertionFailure() << "the Windows version could not be set";
  }
  if (DeleteSettings() != ERROR_SUCCESS || RegKeyExists(HKEY_CURRENT_USER, kMakerKey)) {
    return ::testing::AssertionFailure() << "the settings survived deletion";
  }
  if (SeedStockRegistry() != ERROR_SUCCESS) {
    return ::testing::AssertionFailure()
           << "the stock values could not be written (on Windows, HKEY_LOCAL_MACHINE needs an "
              "administrator)";
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult StartProgram(AppProcess& app, HWND* main) {
  std::string error;
  if (!app.Start(ProgramPath(), &error)) return ::testing::AssertionFailure() << error;
  std::string why;
  *main = app.WaitForMainWindow(&why);
  if (*main == nullptr) return ::testing::AssertionFailure() << why;
  return ::testing::AssertionSuccess();
}

std::string CheckName(int state) {
  switch (state) {
    case BST_UNCHECKED:
      return "unticked";
    case BST_CHECKED:
      return "ticked";
    case BST_INDETERMINATE:
      return "indeterminate";
    default:
      return "no answer (" + std::to_string(state) + ")";
  }
}

}  // namespace kelvoro::e2e
