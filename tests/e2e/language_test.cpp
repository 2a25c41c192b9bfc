// The program in the display language this driver runs in, which it inherits (under Wine the one
// LANG names; test.sh runs this once in each of the program's languages): the texts of that
// language's catalogue, every control in its place, and Apply's writes as in English.
#include <algorithm>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scenario.h"
#include "texts/catalogue.h"
#include "texts/inflate.h"
#include "texts/line_breaks.h"

namespace kelvoro::e2e {
namespace {

using kelvoro::TextId;

// The catalogue of this display language as the program reads it, from its resource CATALOGUES;
// nothing for English, which is built in.
std::optional<kelvoro::Catalogue> DisplayCatalogue() {
  const kelvoro::LanguageInfo& language =
      kelvoro::InfoOf(kelvoro::LanguageFor(GetUserDefaultUILanguage()));
  std::cout << "display language " << std::hex << GetUserDefaultUILanguage() << std::dec
            << ", catalogue " << language.code << "\n";
  if (language.language == kelvoro::Language::kEnglish) return std::nullopt;
  const HMODULE program =
      LoadLibraryExW(Widen(TheProgram()).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  const HRSRC found =
      program ? FindResourceW(program, L"CATALOGUES", MAKEINTRESOURCEW(10)) : nullptr;
  const HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
  const std::string_view all(loaded ? static_cast<const char*>(LockResource(loaded)) : "",
                             loaded ? SizeofResource(program, found) : 0);
  const auto compact = kelvoro::Inflate(kelvoro::PackedCatalogue(all, language.code), 65536);
  if (program) FreeLibrary(program);
  EXPECT_TRUE(compact.has_value()) << "the program has no catalogue " << language.code;
  return kelvoro::Catalogue::Parse(compact.value_or(""));
}

// A text as it shows: without the marks where a Thai line may break.
std::string Shown(const std::string& text) {
  return kelvoro::ToUtf8(kelvoro::WithoutBreakMarks(kelvoro::ToUtf16(text)));
}
// A label's text less its blanks and line breaks, which a label broken at its marks moves.
std::string Unbroken(std::string text) {
  text = Shown(text);
  text.erase(std::remove_if(text.begin(), text.end(),
                            [](char c) { return c == ' ' || c == '\r' || c == '\n'; }),
             text.end());
  return text;
}

// The program sizes each label to its text, wraps what its room cannot hold and widens a button
// for its caption: a text that does not fit shows as a control that leaves the window or the
// preview's outline (`frame`), or lies over another by more than the design's few pixels. A line
// for each.
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
    const int id = GetDlgCtrlID(control);
    const RECT box = BoxOf(window, control);
    const std::string text = TextOf(control), named = std::to_string(id) + " \"" + text + "\": ";
    if (!within(box, client)) misfits += named + "outside\n";
    if (box.top > frame.top && box.top < frame.bottom && !within(box, frame)) {
      misfits += named + "across the preview's outline\n";
    }
    if (text.empty()) continue;
    for (const auto& [other, other_box] : texts) {
      RECT common{};
      if (IntersectRect(&common, &box, &other_box) && common.bottom - common.top > kDesignOverlap) {
        misfits += named + "over " + std::to_string(other) + "\n";
      }
    }
    texts.push_back({id, box});
  }
  return misfits;
}

using Language = ScaledScenario;

TEST_P(Language, EveryTextFromItsCatalogueFitsAndApplyWritesWhatEnglishWrites) {
  const std::optional<kelvoro::Catalogue> catalogue = DisplayCatalogue();
  const auto text = [&catalogue](TextId id) {
    if (catalogue && id != TextId::kFreeware) {
      EXPECT_TRUE(catalogue->Translates(id) &&
                  catalogue->Get(id) != kelvoro::kTexts[static_cast<int>(id)].english)
          << kelvoro::kTexts[static_cast<int>(id)].key << " is English";
    }
    return Shown(catalogue ? catalogue->Get(id) : kelvoro::Catalogue().Get(id));
  };
  ASSERT_NO_FATAL_FAILURE(StartAt(GetParam()));
  EXPECT_EQ(Unbroken(TextOf(GetDlgItem(main_, IDC_LABEL14))), Unbroken(text(TextId::kSoundOption)));
  EXPECT_EQ(TextOf(GetDlgItem(main_, IDC_COMMAND7)), text(TextId::kApply));
  // The preview's outline (240, 1440, 6255 x 2535 twips), inside its one-pixel line.
  const HDC screen = GetDC(nullptr);
  const int dpi = RunningUnderWine() ? GetParam() : GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(Misfits(main_, RECT{Pixels(240, dpi) + 1, Pixels(1440, dpi) + 1,
                                Pixels(240 + 6255, dpi) - 1, Pixels(1440 + 2535, dpi) - 1}),
            "");

  ASSERT_NO_FATAL_FAILURE(ClickCheck1("ticked"));
  EXPECT_EQ(Run(IDC_COMMAND7), "Kelvoro: " + text(TextId::kAppliedMessage) + "\n");
  EXPECT_EQ(Appearance(kWin10), NewLook("Kelvoro"));
  EXPECT_EQ(CurrentSound(), ReplacementSound(REG_EXPAND_SZ));

  const HWND about = ClickAbout();
  EXPECT_EQ(TextOf(about), text(TextId::kAboutTitle));
  EXPECT_EQ(TextOf(GetDlgItem(about, IDC_ABOUT_LABEL2)), text(TextId::kFreeware));
  EXPECT_EQ(Misfits(about, RECT{}), "");

  // Restore Defaults gives the bin the name Windows gives it here, and the rest as in English.
  Run(IDC_COMMAND6);
  std::cout << "the system's name for the bin: " << SystemBinName() << "\n";
  EXPECT_EQ(Appearance(kWin10), StockLook(SystemBinName()));
  EXPECT_TRUE(app_.Close());
}

// On the 9x family, which has no MUI strings, Restore Defaults names the bin by the program's own
// word for the language (the one its stock picture shows), where the system's code page can
// write it (Romanian's ș, for one, it cannot), else "Recycle Bin".
using LanguageNineX = Scenario;
TEST_F(LanguageNineX, RestoreNamesTheBinInTheLanguage) {
  ASSERT_NO_FATAL_FAILURE(Start("win98"));
  if (IsSkipped()) return;
  Run(IDC_COMMAND1);  // named Kelvoro, as the session test shows
  Run(IDC_COMMAND2);
  const std::optional<kelvoro::Catalogue> catalogue = DisplayCatalogue();
  const std::string word = catalogue ? catalogue->Get(TextId::kBinName) : "Recycle Bin";
  BOOL lost = FALSE;
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, Widen(word, CP_UTF8).c_str(), -1, nullptr, 0,
                      nullptr, &lost);
  EXPECT_EQ(Show(kWin98.root, kWin98.class_key), Text(REG_SZ, lost ? "Recycle Bin" : word));
  EXPECT_TRUE(app_.Close());
}

INSTANTIATE_TEST_SUITE_P(Dpi, Language, ::testing::Values(96, 144, 192));

}  // namespace
}  // namespace kelvoro::e2e
