// The program in the display language that this driver runs in, which the program inherits:
// Windows' display language, or under Wine the one LANG names (for a locale the system has
// generated; test.sh runs this scenario once in each of the program's languages). Every text comes
// from that language's catalogue in the program's resources, every text fits its place, and
// Apply writes what it writes in English.
#include <windows.h>

#include <iostream>
#include <string>
#include <vector>

#include "driver.h"
#include "res/resource.h"

namespace kelvoro::e2e {
namespace {

// A catalogue line for each text, in the program's order of its texts.
enum Line {
  kTagline = 0,
  kSoundOption = 3,
  kApply = 5,
  kAboutButton = 7,
  kAboutTitle = 12,
  kFreeware = 13,
  kApplied = 20,
};

// The program's catalogue for the display language (its resource), by primary language; 0 for
// English, which the program has built in, and for a language it does not speak.
int CatalogueFor(LANGID language) {
  struct Known {
    WORD primary;
    int catalogue;
  };
  static constexpr Known kKnown[] = {
      {LANG_GERMAN, IDR_CATALOGUE_DE},        {LANG_FRENCH, IDR_CATALOGUE_FR},
      {LANG_SPANISH, IDR_CATALOGUE_ES},       {LANG_ITALIAN, IDR_CATALOGUE_IT},
      {LANG_PORTUGUESE, IDR_CATALOGUE_PT_BR}, {LANG_RUSSIAN, IDR_CATALOGUE_RU},
      {LANG_POLISH, IDR_CATALOGUE_PL},        {LANG_TURKISH, IDR_CATALOGUE_TR},
      {LANG_CHINESE, IDR_CATALOGUE_ZH_CN},    {LANG_JAPANESE, IDR_CATALOGUE_JA},
      {LANG_KOREAN, IDR_CATALOGUE_KO}};
  for (const Known& known : kKnown) {
    if (known.primary == PRIMARYLANGID(language)) return known.catalogue;
  }
  return 0;
}

std::wstring FromUtf8(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                  wide.data(), static_cast<int>(wide.size())));
  return wide;
}

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

// The lines of the program's catalogue `resource`, escapes resolved.
std::vector<std::wstring> CatalogueOf(int resource) {
  std::vector<std::wstring> lines;
  const HMODULE program =
      LoadLibraryExW(Widen(TheProgram()).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  const HRSRC found = program != nullptr
                          ? FindResourceW(program, MAKEINTRESOURCEW(resource), MAKEINTRESOURCEW(10))
                          : nullptr;
  const HGLOBAL loaded = found != nullptr ? LoadResource(program, found) : nullptr;
  if (loaded != nullptr) {
    const std::string data(static_cast<const char*>(LockResource(loaded)),
                           SizeofResource(program, found));
    std::string line;
    for (std::size_t i = 0; i < data.size(); ++i) {
      if (data[i] == '\\' && i + 1 < data.size()) {
        line += data[++i] == 'n' ? '\n' : data[i];
      } else if (data[i] != '\n') {
        line += data[i];
      } else {
        lines.push_back(FromUtf8(line));
        line.clear();
      }
    }
  }
  if (program != nullptr) FreeLibrary(program);
  return lines;
}

// Where the texts lie: every visible control within the window's client area and, where it
// starts inside the preview's outline (`frame`, empty for none), within that too; no two controls
// with text over one another by more than the design's few pixels (its labels' boxes touch where
// their texts do not). The program sizes each label to its text, wraps one that its room cannot
// hold and widens a button for its caption, so that a text that does not fit shows here as a
// control that leaves its place. Returns a line for each that does.
std::string Misfits(HWND window, const RECT& frame) {
  constexpr LONG kDesignOverlap = 4;
  RECT client{};
  GetClientRect(window, &client);
  std::vector<std::pair<int, RECT>> texts;
  std::string misfits;
  const auto within = [](const RECT& box, const RECT& area) {
    RECT inside{};
    IntersectRect(&inside, &box, &area);
    return EqualRect(&inside, &box) != FALSE;
  };
  for (HWND control = GetWindow(window, GW_CHILD); control != nullptr;
       control = GetWindow(control, GW_HWNDNEXT)) {
    if (!IsWindowVisible(control)) continue;
    RECT box{};
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&box), 2);
    const int id = GetDlgCtrlID(control);
    const std::string text = Utf8(WideTextOf(control));
    if (!within(box, client)) misfits += std::to_string(id) + " \"" + text + "\": outside\n";
    if (box.top > frame.top && box.top < frame.bottom && !within(box, frame)) {
      misfits += std::to_string(id) + " \"" + text + "\": across the preview's outline\n";
    }
    if (text.empty()) continue;
    for (const auto& [other, other_box] : texts) {
      RECT common{};
      if (IntersectRect(&common, &box, &other_box) && common.bottom - common.top > kDesignOverlap) {
        misfits += std::to_string(id) + " \"" + text + "\": over " + std::to_string(other) + "\n";
      }
    }
    texts.push_back({id, box});
  }
  return misfits;
}

// At each display scale under Wine; on Windows at the scale the user signed in with.
class Language : public ScaledScenario, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    if (RunningUnderWine()) {
      ScaledScenario::SetUp();
    } else if (GetParam() != 96) {
      GTEST_SKIP() << "Windows takes a new display scale at sign-in";
    }
  }
  void StartHere() {
    if (RunningUnderWine()) {
      StartAt(GetParam());
    } else {
      Start();
    }
  }
};

TEST_P(Language, EveryTextFromItsCatalogueFitsAndApplyWritesWhatEnglishWrites) {
  const int catalogue_id = CatalogueFor(GetUserDefaultUILanguage());
  std::cout << "display language " << std::hex << GetUserDefaultUILanguage() << std::dec
            << ", catalogue " << catalogue_id << "\n";
  std::vector<std::wstring> texts{L"A fresh look and sound for your Recycle Bin.",
                                  L"",
                                  L"",
                                  L"Replace 'Empty Recycle Bin' sound.",
                                  L"",
                                  L"Apply ",
                                  L"",
                                  L"About",
                                  L"",
                                  L"",
                                  L"",
                                  L"",
                                  L"About",
                                  L"Freeware"};
  texts.resize(kApplied + 1);
  texts[kApplied] =
      L"The changes have been made to the Recycle Bin successfully. Press 'F5'(Refresh) Key "
      L"several times on the Desktop to Display the changes.";
  if (catalogue_id != 0) {
    const std::vector<std::wstring> catalogue = CatalogueOf(catalogue_id);
    ASSERT_GT(catalogue.size(), static_cast<std::size_t>(kApplied));
    for (const int line : {kTagline, kSoundOption, kApply, kAboutTitle, kApplied}) {
      EXPECT_NE(catalogue[line], texts[line]) << "line " << line << " is English";
    }
    texts = catalogue;
  }
  ASSERT_NO_FATAL_FAILURE(StartHere());
  EXPECT_EQ(WideTextOf(GetDlgItem(main_, IDC_LABEL3)), texts[kTagline]);
  EXPECT_EQ(WideTextOf(GetDlgItem(main_, IDC_LABEL14)), texts[kSoundOption]);
  EXPECT_EQ(WideTextOf(GetDlgItem(main_, IDC_COMMAND7)), texts[kApply]);
  EXPECT_EQ(WideTextOf(GetDlgItem(main_, IDC_COMMAND5)), texts[kAboutButton]);
  // The preview's outline (240, 1440, 6255 x 2535 twips), inside its one-pixel line.
  const HDC screen = GetDC(nullptr);
  const int dpi = RunningUnderWine() ? GetParam() : GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const auto pixels = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
  EXPECT_EQ(Misfits(main_, RECT{pixels(240) + 1, pixels(1440) + 1, pixels(240 + 6255) - 1,
                                pixels(1440 + 2535) - 1}),
            "");

  ASSERT_NO_FATAL_FAILURE(ClickCheck1("ticked"));
  std::wstring shown;
  Run(IDC_COMMAND7, [&] {
    if (const auto box = FindMessageBox(app_.Id())) {
      shown = WideTextOf(box->hwnd) + L": " + WideTextOf(GetDlgItem(box->hwnd, 0xFFFF));
    }
  });
  EXPECT_EQ(shown, L"Kelvoro: " + texts[kApplied]);
  const std::string folder = TheProgram().substr(0, TheProgram().find_last_of('\\'));
  EXPECT_EQ(Appearance(kWin10),
            Appearance("Kelvoro", folder + "\\black.ico,0", folder + "\\white.ico,0"));
  EXPECT_EQ(CurrentSound(), ReplacementSound(REG_EXPAND_SZ));

  const HWND about = ClickAbout();
  EXPECT_EQ(WideTextOf(about), texts[kAboutTitle]);
  EXPECT_EQ(WideTextOf(GetDlgItem(about, IDC_ABOUT_LABEL2)), texts[kFreeware]);
  EXPECT_EQ(Misfits(about, RECT{}), "");
  EXPECT_TRUE(app_.Close());
}

INSTANTIATE_TEST_SUITE_P(Dpi, Language, ::testing::Values(96, 144, 192));

}  // namespace
}  // namespace kelvoro::e2e
