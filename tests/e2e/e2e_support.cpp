#include "e2e_support.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace kelvoro::e2e {

const char kSettingsKey[] = "Software\\Orvane's Software\\Kelvoro\\2.1";
const char kUserBinKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}";
const char kMachineBinKey[] = "Software\\Classes\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";
const char kCurrentSoundKey[] = "AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current";
const char kAutomationServerKey[] =
    "Software\\Classes\\CLSID\\{0002DF01-0000-0000-C000-000000000046}\\LocalServer32";
namespace {

const char kMakerKey[] = "Software\\Orvane's Software";
const char kVersionKey[] = "Software\\Wine\\AppDefaults\\Kelvoro 2.1.exe";

// Starts `command` in `folder` (null: the driver's own).
HANDLE Launch(std::string command, const char* folder, DWORD* pid = nullptr) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder,
                      &startup, &info)) {
    return nullptr;
  }
  CloseHandle(info.hThread);
  if (pid != nullptr) *pid = info.dwProcessId;
  return info.hProcess;
}

}  // namespace

Options& TheOptions() {
  static Options options;
  return options;
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

::testing::AssertionResult AppProcess::Start(HWND* main) {
  const std::string& exe = TheOptions().program;
  const std::string folder = exe.substr(0, exe.find_last_of("\\/") + 1);
  process_ = Launch("\"" + exe + "\"", folder.empty() ? nullptr : folder.c_str(), &pid_);
  if (process_ == nullptr) return ::testing::AssertionFailure() << "cannot start " << exe;
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

// ---- Registry

namespace {

std::wstring Wide(const std::string& utf8) {
  std::wstring out(utf8.size(), L'\0');
  out.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                                 static_cast<int>(out.size())));
  return out;
}

std::string Utf8(const wchar_t* text, std::size_t length) {
  std::string out(length * 3, '\0');
  out.resize(WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(),
                                 static_cast<int>(out.size()), nullptr, nullptr));
  return out;
}

std::string RootName(HKEY root) { return root == HKEY_LOCAL_MACHINE ? "HKLM\\" : "HKCU\\"; }
HKEY RootOf(const std::string& name) {
  return name.compare(0, 4, "HKLM") == 0 ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}
std::wstring PathOf(const std::string& name) { return Wide(name.substr(5)); }

}  // namespace

std::string Text(DWORD type, const std::string& text) {
  return (type == REG_SZ ? "REG_SZ \"" : "REG_EXPAND_SZ \"") + text + "\"";
}

std::string Dword(DWORD number) { return "REG_DWORD " + std::to_string(number); }

namespace {

std::string Describe(const std::optional<RegValue>& value) {
  if (!value) return "missing";
  const auto& data = value->data;
  if (value->type == REG_DWORD && data.size() == 4) {
    return Dword(data[0] | data[1] << 8 | data[2] << 16 | static_cast<DWORD>(data[3]) << 24);
  }
  const std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / 2);
  if ((value->type == REG_SZ || value->type == REG_EXPAND_SZ) && data.size() % 2 == 0 &&
      !text.empty() && text.find(L'\0') == text.size() - 1) {
    return Text(value->type, Utf8(text.data(), text.size() - 1));
  }
  std::string out = "type " + std::to_string(value->type) + ":";
  for (auto byte : data) out += " " + std::to_string(byte);
  return out;
}

std::optional<RegValue> ReadRegValue(HKEY root, const std::string& path, const char* name) {
  Snapshot key;  // with all below it: little, for the keys read here
  TakeSnapshot({root, path}, &key);
  const auto values = key.find(RootName(root) + path);
  if (values == key.end() || values->second.count(name) == 0) return std::nullopt;
  return values->second.at(name);
}

}  // namespace

std::string Show(HKEY root, const std::string& path, const char* name) {
  return Describe(ReadRegValue(root, path, name));
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

namespace {

LONG AddToSnapshot(HKEY root, const std::wstring& path, const std::wstring& except, Snapshot* out) {
  if (path.size() >= except.size() &&
      path.compare(path.size() - except.size(), except.size(), except) == 0) {
    return ERROR_SUCCESS;
  }
  HKEY key = nullptr;
  LONG status = RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key);
  if (status != ERROR_SUCCESS) return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
  auto& values = (*out)[RootName(root) + Utf8(path.data(), path.size())];
  std::vector<wchar_t> name(16384);
  for (DWORD i = 0; status == ERROR_SUCCESS; ++i) {
    RegValue value;
    DWORD length = 16384, size = 0;
    status = RegEnumValueW(key, i, name.data(), &length, nullptr, &value.type, nullptr, &size);
    value.data.resize(size);
    length = 16384;
    if (status == ERROR_SUCCESS) {
      status = RegEnumValueW(key, i, name.data(), &length, nullptr, &value.type, value.data.data(),
                             &size);
    }
    if (status == ERROR_SUCCESS) values[Utf8(name.data(), length)] = value;
  }
  std::vector<std::wstring> children;
  if (status == ERROR_NO_MORE_ITEMS) status = ERROR_SUCCESS;
  for (DWORD i = 0, length = 256; status == ERROR_SUCCESS; ++i, length = 256) {
    status = RegEnumKeyExW(key, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS) {
      children.push_back((path.empty() ? L"" : path + L"\\") + std::wstring(name.data(), length));
    }
  }
  RegCloseKey(key);
  for (std::size_t i = 0; i < children.size() && status == ERROR_NO_MORE_ITEMS; ++i) {
    if (const LONG failed = AddToSnapshot(root, children[i], except, out)) status = failed;
  }
  return status == ERROR_NO_MORE_ITEMS ? ERROR_SUCCESS : status;
}

}  // namespace

LONG TakeSnapshot(const Place& place, Snapshot* out, const std::string& except) {
  return AddToSnapshot(place.root, Wide(place.path), Wide(except), out);
}

LONG RestoreSnapshot(const Place& place, const Snapshot& saved) {
  const std::string top = RootName(place.root) + place.path;
  const auto below = [&](const std::string& key) {
    return key == top || key.compare(0, top.size() + 1, top + "\\") == 0;
  };
  Snapshot now;
  LONG status = TakeSnapshot(place, &now);
  // Children sort after their parents: backwards, each key goes before its parent.
  for (auto it = now.rbegin(); status == ERROR_SUCCESS && it != now.rend(); ++it) {
    if (saved.count(it->first) == 0) {
      status = RegDeleteKeyW(RootOf(it->first), PathOf(it->first).c_str());
    }
  }
  for (auto it = saved.begin(); status == ERROR_SUCCESS && it != saved.end(); ++it) {
    if (!below(it->first)) continue;
    HKEY key = nullptr;
    status = RegCreateKeyExW(RootOf(it->first), PathOf(it->first).c_str(), 0, nullptr, 0,
                             KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    const auto& current = now[it->first];
    for (const auto& [name, value] : current) {
      if (status == ERROR_SUCCESS && it->second.count(name) == 0) {
        status = RegDeleteValueW(key, Wide(name).c_str());
      }
    }
    for (const auto& [name, value] : it->second) {
      const auto found = current.find(name);
      if (status == ERROR_SUCCESS && (found == current.end() || !(found->second == value))) {
        status = RegSetValueExW(key, Wide(name).c_str(), 0, value.type, value.data.data(),
                                static_cast<DWORD>(value.data.size()));
      }
    }
    RegCloseKey(key);
  }
  return status;
}

LONG DeleteTree(HKEY root, const std::string& path) { return RestoreSnapshot({root, path}, {}); }

std::vector<std::string> Differences(const Snapshot& before, const Snapshot& after) {
  // Each side flattened to "key" and "key [name]" -> how it reads.
  const auto flat = [](const Snapshot& snapshot) {
    std::map<std::string, std::string> out;
    for (const auto& [key, values] : snapshot) {
      out[key];
      for (const auto& [name, value] : values) out[key + " [" + name + "]"] = Describe(value);
    }
    return out;
  };
  const auto old = flat(before), now = flat(after);
  const auto shown = [](const std::string& text) { return text.empty() ? "" : " = " + text; };
  std::vector<std::string> lines;
  for (const auto& [item, text] : old) {
    if (now.count(item) == 0) lines.push_back("- " + item + shown(text));
  }
  for (const auto& [item, text] : now) {
    const auto was = old.find(item);
    if (was == old.end()) lines.push_back("+ " + item + shown(text));
    if (was != old.end() && was->second != text) {
      lines.push_back("~ " + item + ": " + was->second + " -> " + text);
    }
  }
  return lines;
}

// ---- The registry of a first run, and its backup.

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
  if (HANDLE reg = Launch("reg.exe import \"" + std::string(file) + "\"", nullptr)) {
    WaitForSingleObject(reg, 3 * kUiTimeoutMs);
    GetExitCodeProcess(reg, &code);
    CloseHandle(reg);
  }
  DeleteFileA(file);
  return StockRegistry().empty() ? ERROR_FILE_NOT_FOUND : code;
}

// Every tree that a scenario or the program writes: the keys of the stock registry and these.
std::vector<Place> TouchedPlaces() {
  std::vector<Place> places = {{HKEY_CURRENT_USER, kMakerKey},
                               {HKEY_CURRENT_USER, kVersionKey},
                               {HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser"},
                               {HKEY_LOCAL_MACHINE, kAutomationServerKey}};
  std::istringstream lines(StockRegistry());
  for (std::string line; std::getline(lines, line);) {
    const std::size_t slash = line.find('\\'), end = line.find(']');
    if (line[0] != '[' || slash > end) continue;
    places.push_back(
        {line.compare(1, 18, "HKEY_LOCAL_MACHINE") == 0 ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
         line.substr(slash + 1, end - slash - 1)});
  }
  return places;
}

Snapshot saved, stock;  // before the first scenario; after the stock values were imported

class RegistryBackup : public ::testing::Environment {
  void SetUp() override {
    for (const Place& place : TouchedPlaces()) {
      ASSERT_EQ(TakeSnapshot(place, &saved), ERROR_SUCCESS) << "cannot save " << place.path;
    }
    saved_ = true;
    ASSERT_EQ(ImportStockRegistry(), ERROR_SUCCESS)
        << "cannot import the stock values (on Windows, HKLM needs an administrator)";
    for (const Place& place : TouchedPlaces()) ASSERT_EQ(TakeSnapshot(place, &stock), 0);
  }
  void TearDown() override {
    for (const Place& place : TouchedPlaces()) {
      EXPECT_TRUE(!saved_ || RestoreSnapshot(place, saved) == ERROR_SUCCESS) << place.path;
    }
  }
  bool saved_ = false;
};

}  // namespace

::testing::Environment* NewRegistryBackup() { return new RegistryBackup; }

::testing::AssertionResult PrepareFirstRun(const char* wine_version) {
  LONG status = TheOptions().keep_registry ? ImportStockRegistry() : ERROR_SUCCESS;
  for (const Place& place : TouchedPlaces()) {
    if (!TheOptions().keep_registry && !status) status = RestoreSnapshot(place, stock);
  }
  if (!status) status = DeleteTree(HKEY_CURRENT_USER, kMakerKey);
  if (!status && RunningUnderWine()) {
    status = WriteValue(HKEY_CURRENT_USER, kVersionKey, "Version", REG_SZ, wine_version);
  }
  if (!status) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the registry could not be prepared: " << status;
}

}  // namespace kelvoro::e2e
