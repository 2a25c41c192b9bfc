#pragma once

// What the scenarios share: the registry as the program leaves it and as a first run finds it, and
// the Scenario fixture with the Windows families it runs under.
#include <fstream>
#include <string>

#include "driver.h"
#include "res/resource.h"

namespace kelvoro::e2e {

// ---- The registry, read in the view that 64-bit Explorer reads (32-bit Windows has only one).

inline std::string Text(DWORD type, const std::string& text) {
  return (type == REG_SZ ? "REG_SZ \"" : "REG_EXPAND_SZ \"") + text + "\"";
}
inline std::string Dword(DWORD number) { return "REG_DWORD " + std::to_string(number); }

// "REG_SZ \"text\"" (UTF-8) for a text with one terminating zero, "REG_DWORD 1", "missing", or
// the bytes.
inline std::string Show(HKEY root, const std::string& path, const char* name = "") {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) {
    return "missing";
  }
  std::string data(4096, '\0');
  DWORD type = REG_NONE, size = 4096;
  const LONG status = RegQueryValueExW(key, Widen(name).c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(data.data()), &size);
  RegCloseKey(key);
  data.resize(size);
  if (status != ERROR_SUCCESS) return "missing";
  if (type == REG_DWORD && size == 4) return Dword(*reinterpret_cast<const DWORD*>(data.data()));
  const std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / 2);
  if ((type == REG_SZ || type == REG_EXPAND_SZ) && size % 2 == 0 && size > 0 &&
      text.find(L'\0') == text.size() - 1) {
    return Text(type, Utf8(text.substr(0, text.size() - 1)));
  }
  std::string out = "type " + std::to_string(type) + ":";
  for (const unsigned char byte : data) out += " " + std::to_string(byte);
  return out;
}

// Writes a text with its terminating zero, creating the key when missing.
inline LONG WriteText(HKEY root, const char* path, const char* name, const std::string& text) {
  return RegSetKeyValueA(root, path, name, REG_SZ, text.c_str(),
                         static_cast<DWORD>(text.size() + 1));
}

// Deletes the key at `path` with all below it, in the registry view `view` (0: the driver's own).
inline LONG DeleteTree(HKEY root, const std::string& path, REGSAM view = 0) {
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

// A first run's registry: scripts/stock-windows.reg (the resource STOCK_REGISTRY) imported by
// reg.exe, no settings, and under Wine the program seeing the Windows version `wine_version`.
inline ::testing::AssertionResult PrepareFirstRun(const char* wine_version) {
  const HRSRC found = FindResourceA(nullptr, "STOCK_REGISTRY", MAKEINTRESOURCEA(10));
  const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  char folder[MAX_PATH], file[MAX_PATH];
  DWORD status = ERROR_FILE_NOT_FOUND;
  if (loaded && GetTempPathA(MAX_PATH, folder) && GetTempFileNameA(folder, "kel", 0, file)) {
    std::ofstream(file, std::ios::binary)
        .write(static_cast<const char*>(LockResource(loaded)), SizeofResource(nullptr, found));
    if (HANDLE reg = Launch(L"reg.exe import \"" + Widen(file) + L"\"", nullptr)) {
      WaitForSingleObject(reg, 3 * kUiTimeoutMs);
      GetExitCodeProcess(reg, &status);
      CloseHandle(reg);
    }
    DeleteFileA(file);
  }
  if (!status) status = DeleteTree(HKEY_CURRENT_USER, "Software\\Orvane's Software");
  if (!status && RunningUnderWine()) {
    status = WriteText(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Kelvoro 2.1.exe", "Version",
                       wine_version);
  }
  if (!status) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the registry could not be prepared: " << status;
}

// ---- What the program wrote

inline std::string Voicestat() {
  return Show(HKEY_CURRENT_USER, "Software\\Orvane's Software\\Kelvoro\\2.1", "Voicestat");
}

// The "Empty Recycle Bin" sound as it is now, and as Apply with the box ticked makes it.
inline std::string CurrentSound() {
  return Show(HKEY_CURRENT_USER, "AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current");
}
inline std::string ReplacementSound(DWORD type) {
  char folder[MAX_PATH] = {};
  return Text(type,
              std::string(folder, GetWindowsDirectoryA(folder, MAX_PATH)) + "\\media\\dravik.wav");
}

struct Family {
  const char* version;  // as Wine's AppDefaults take it
  const char* buttons;  // the visible Command buttons, a blank after each
  int apply, restore;
  HKEY root;  // where the family keeps the Recycle Bin's name and icons; none for Win32s
  const char* class_key;
  DWORD sound_type;  // of the replacement sound
};
// clang-format off
inline const Family kWin10{"win10", "5 6 7 ", IDC_COMMAND7, IDC_COMMAND6, HKEY_CURRENT_USER,
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}", REG_EXPAND_SZ};
inline const Family kWin98{"win98", "1 2 3 ", IDC_COMMAND1, IDC_COMMAND2, HKEY_LOCAL_MACHINE,
    "Software\\Classes\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}", REG_SZ};
// clang-format on
inline const Family kWin31{"win31", "1 2 3 ", IDC_COMMAND1, IDC_COMMAND2, nullptr, nullptr, REG_SZ};
inline void PrintTo(const Family& family, std::ostream* out) { *out << family.version; }

// The Recycle Bin's name and icons (default, Empty, Full) in the family's place, and as expected.
inline std::string Appearance(const Family& family) {
  const std::string icons = std::string(family.class_key) + "\\DefaultIcon";
  return Show(family.root, family.class_key) + "; " + Show(family.root, icons) + ", " +
         Show(family.root, icons, "Empty") + ", " + Show(family.root, icons, "Full");
}
inline std::string Appearance(const std::string& name, const std::string& empty,
                              const std::string& full) {
  return Text(REG_SZ, name) + "; " + Text(REG_SZ, empty) + ", " + Text(REG_SZ, empty) + ", " +
         Text(REG_SZ, full);
}
// Named `name`, with the program's icons or with the stock ones.
inline std::string NewLook(const std::string& name) {
  return Appearance(name, ProgramFolder() + "\\black.ico,0", ProgramFolder() + "\\white.ico,0");
}
inline std::string StockLook(const std::string& name) {
  return Appearance(name, "%SystemRoot%\\System32\\shell32.dll,31",
                    "%SystemRoot%\\System32\\shell32.dll,32");
}

// The name this display language's Windows gives the Recycle Bin: the class's LocalizedString as
// the shell reads it; "Recycle Bin" in English (where Wine answers "Trash").
inline std::string SystemBinName() {
  if (PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_ENGLISH) return "Recycle Bin";
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kWin98.class_key, 0, KEY_READ | KEY_WOW64_64KEY, &key) !=
      ERROR_SUCCESS) {
    return "no class";
  }
  std::wstring name(256, L'\0');
  DWORD size = 0;
  const LONG status =
      RegLoadMUIStringW(key, L"LocalizedString", name.data(),
                        static_cast<DWORD>(name.size() * sizeof(wchar_t)), &size, 0, nullptr);
  RegCloseKey(key);
  return status == ERROR_SUCCESS ? Utf8(name.substr(0, name.find(L'\0'))) : "no answer";
}

// ---- The scenarios

inline int Pixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

class Scenario : public ::testing::Test {
 protected:
  void Prepare(const char* version) {
    if (std::string(version) != "win10" && (RunningOnWow64() || !RunningUnderWine())) {
      GTEST_SKIP() << "the " << version << " family occurs only under Wine, on 32-bit Windows";
    }
    ASSERT_TRUE(PrepareFirstRun(version));
  }
  void Start(const char* version = "win10") {
    ASSERT_NO_FATAL_FAILURE(Prepare(version));
    if (IsSkipped()) return;
    ASSERT_TRUE(app_.Start(&main_));
  }

  std::string Check1() {
    DWORD_PTR state = 3;
    Send(GetDlgItem(main_, IDC_CHECK1), BM_GETCHECK, 0, 0, &state);
    return state == BST_CHECKED ? "ticked" : state == BST_UNCHECKED ? "unticked" : "unknown";
  }
  void ClickCheck1(const char* until) {
    ClickButton(GetDlgItem(main_, IDC_CHECK1));
    ASSERT_TRUE(WaitFor([&] { return Check1() == until; })) << "Check1 stays " << Check1();
  }

  // Clicks the button from a thread of its own, whose return marks the handler's end, handing each
  // message box meanwhile to `on_box` and dismissing it. Returns the boxes' texts, a line each.
  std::string Run(
      int id, const std::function<void()>& on_box = [] {}) {
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

  static DWORD WINAPI SendClick(void* button) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(static_cast<HWND>(button), BM_CLICK, 0, 0, SMTO_NORMAL, 3 * kUiTimeoutMs,
                        &ignored);
    return 0;
  }

  // Clicks About (whose handler returns, the window being modeless); the one About window.
  HWND ClickAbout() {
    Send(GetDlgItem(main_, IDC_COMMAND5), BM_CLICK);
    WaitFor([&] { return !VisibleWindows(app_.Id(), "KelvoroForm2").empty(); });
    Sleep(kSettleMs);
    const auto found = VisibleWindows(app_.Id(), "KelvoroForm2");
    EXPECT_EQ(found.size(), 1u) << "About windows";
    return found.empty() ? nullptr : found[0];
  }

  AppProcess app_;
  HWND main_ = nullptr;
};

// A scenario whose program starts at the display scale of its parameter: under Wine LogPixels,
// put back afterwards; Windows takes a new scale only at sign-in, so there only 96 runs. The
// driver sees the windows in real pixels.
class ScaledScenario : public Scenario, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    if (!RunningUnderWine() && GetParam() != 96) GTEST_SKIP() << "Windows scales at sign-in";
    SetProcessDPIAware();
    if (RunningUnderWine()) saved_ = Show(HKEY_CURRENT_USER, kDesktopKey, "LogPixels");
  }
  void TearDown() override {
    if (saved_ == "missing") {
      RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels");
    } else if (!saved_.empty()) {
      EXPECT_EQ(SetLogPixels(std::stoul(saved_.substr(saved_.find(' ') + 1))), ERROR_SUCCESS);
    }
  }
  static LONG SetLogPixels(DWORD dpi) {
    return RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD, &dpi,
                           sizeof dpi);
  }
  void StartAt(int dpi) {
    ASSERT_EQ(RunningUnderWine() ? SetLogPixels(dpi) : ERROR_SUCCESS, ERROR_SUCCESS);
    ASSERT_NO_FATAL_FAILURE(Start());
    Sleep(kSettleMs);  // painted
  }

 private:
  static constexpr char kDesktopKey[] = "Control Panel\\Desktop";
  std::string saved_;
};

}  // namespace kelvoro::e2e
