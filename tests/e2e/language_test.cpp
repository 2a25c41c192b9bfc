// The program in the display language this driver runs in, which it inherits (under Wine the one
// LANG names; test.sh runs this once in each of the program's languages): the texts of that
// language's catalogue, every control in its place, and Apply's writes as in English.
#include <algorithm>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scenario.h"

namespace kelvoro::e2e {
namespace {

// A catalogue line for each text, in the program's order of its texts.
constexpr int kSoundOption = 3, kApply = 5, kBinName = 8;
constexpr int kAboutTitle = 12, kFreeware = 13, kApplied = 20;

// The languages of the program's catalogues and their codes, by which its resource CATALOGUES
// indexes them; English is built in.
constexpr std::pair<WORD, std::string_view> kCatalogueLanguages[] = {
    {LANG_GERMAN, "de"},        {LANG_FRENCH, "fr"},   {LANG_SPANISH, "es"}, {LANG_ITALIAN, "it"},
    {LANG_PORTUGUESE, "pt_BR"}, {LANG_RUSSIAN, "ru"},  {LANG_POLISH, "pl"},  {LANG_TURKISH, "tr"},
    {LANG_CHINESE, "zh_CN"},    {LANG_JAPANESE, "ja"}, {LANG_KOREAN, "ko"}};

// The lines of the program's catalogue `number` (of kCatalogueLanguages, from 1) in UTF-8, escapes
// resolved: found in the index of CATALOGUES (each code, a zero byte and the packed size in two
// bytes; a zero byte) and unpacked as Windows unpacks LZNT1.
std::vector<std::string> CatalogueOf(int number) {
  std::vector<std::string> lines{""};
  const HMODULE program =
      LoadLibraryExW(Widen(TheProgram()).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  const HRSRC found =
      program ? FindResourceW(program, L"CATALOGUES", MAKEINTRESOURCEW(10)) : nullptr;
  const HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
  const std::string_view all(loaded ? static_cast<const char*>(LockResource(loaded)) : "",
                             loaded ? SizeofResource(program, found) : 0);
  std::size_t at = 0, offset = 0, packed = 0, packed_size = 0;
  while (at < all.size() && all[at] != '\0') {
    const std::size_t end = all.find('\0', at);
    if (end == std::string_view::npos || all.size() - end < 3) break;
    const std::size_t size =
        static_cast<unsigned char>(all[end + 1]) | static_cast<unsigned char>(all[end + 2]) << 8;
    if (all.substr(at, end - at) == kCatalogueLanguages[number - 1].second) {
      packed = offset, packed_size = size;
    }
    offset += size;
    at = end + 3;
  }
  using Unpack = LONG(WINAPI*)(USHORT, PUCHAR, ULONG, PUCHAR, ULONG, PULONG);
  const auto unpack = reinterpret_cast<Unpack>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlDecompressBuffer")));
  std::string text(65536, '\0');
  ULONG size = 0;
  if (unpack == nullptr || packed_size == 0 || all.size() < at + 1 + packed + packed_size ||
      unpack(2 /* LZNT1 */, reinterpret_cast<PUCHAR>(text.data()), text.size(),
             reinterpret_cast<PUCHAR>(const_cast<char*>(all.data() + at + 1 + packed)), packed_size,
             &size) != 0) {
    size = 0;
  }
  for (DWORD i = 0; i < size; ++i) {
    if (text[i] == '\n') {
      lines.emplace_back();
    } else {
      lines.back() +=
          text[i] == '\\' && i + 1 < size ? (text[++i] == 'n' ? '\n' : text[i]) : text[i];
    }
  }
  if (program) FreeLibrary(program);
  return lines;
}

// The program's catalogue of this display language, from 1; 0 for English.
int CatalogueId() {
  const auto* const end = std::end(kCatalogueLanguages);
  const auto* found = std::find_if(kCatalogueLanguages, end, [](const auto& language) {
    return language.first == PRIMARYLANGID(GetUserDefaultUILanguage());
  });
  return found == end ? 0 : 1 + static_cast<int>(found - kCatalogueLanguages);
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
  const int catalogue_id = CatalogueId();
  std::cout << "display language " << std::hex << GetUserDefaultUILanguage() << std::dec
            << ", catalogue " << catalogue_id << "\n";
  std::map<int, std::string> texts{{kSoundOption, "Replace 'Empty Recycle Bin' sound."},
                                   {kApply, "Apply "},
                                   {kAboutTitle, "About"},
                                   {kFreeware, "Freeware"},
                                   {kApplied, kAppliedMessage}};
  if (catalogue_id != 0) {
    const std::vector<std::string> catalogue = CatalogueOf(catalogue_id);
    ASSERT_GT(catalogue.size(), static_cast<std::size_t>(kApplied));
    for (auto& [line, text] : texts) {
      EXPECT_TRUE(catalogue[line] != text || line == kFreeware) << "line " << line << " is English";
      text = catalogue[line];
    }
  }
  ASSERT_NO_FATAL_FAILURE(StartAt(GetParam()));
  EXPECT_EQ(TextOf(GetDlgItem(main_, IDC_LABEL14)), texts[kSoundOption]);
  EXPECT_EQ(TextOf(GetDlgItem(main_, IDC_COMMAND7)), texts[kApply]);
  // The preview's outline (240, 1440, 6255 x 2535 twips), inside its one-pixel line.
  const HDC screen = GetDC(nullptr);
  const int dpi = RunningUnderWine() ? GetParam() : GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(Misfits(main_, RECT{Pixels(240, dpi) + 1, Pixels(1440, dpi) + 1,
                                Pixels(240 + 6255, dpi) - 1, Pixels(1440 + 2535, dpi) - 1}),
            "");

  ASSERT_NO_FATAL_FAILURE(ClickCheck1("ticked"));
  EXPECT_EQ(Run(IDC_COMMAND7), "Kelvoro: " + texts[kApplied] + "\n");
  EXPECT_EQ(Appearance(kWin10), NewLook("Kelvoro"));
  EXPECT_EQ(CurrentSound(), ReplacementSound(REG_EXPAND_SZ));

  const HWND about = ClickAbout();
  EXPECT_EQ(TextOf(about), texts[kAboutTitle]);
  EXPECT_EQ(TextOf(GetDlgItem(about, IDC_ABOUT_LABEL2)), texts[kFreeware]);
  EXPECT_EQ(Misfits(about, RECT{}), "");

  // Restore Defaults gives the bin the name Windows gives it here, and the rest as in English.
  Run(IDC_COMMAND6);
  std::cout << "the system's name for the bin: " << SystemBinName() << "\n";
  EXPECT_EQ(Appearance(kWin10), StockLook(SystemBinName()));
  EXPECT_TRUE(app_.Close());
}

// On the 9x family, which has no MUI strings, Restore Defaults names the bin by the program's own
// word for the language (the one its stock picture shows), in the system's code page.
using LanguageNineX = Scenario;
TEST_F(LanguageNineX, RestoreNamesTheBinInTheLanguage) {
  ASSERT_NO_FATAL_FAILURE(Start("win98"));
  if (IsSkipped()) return;
  Run(IDC_COMMAND1);
  EXPECT_EQ(Show(kWin98.root, kWin98.class_key), Text(REG_SZ, "Kelvoro"));
  Run(IDC_COMMAND2);
  const int catalogue_id = CatalogueId();
  EXPECT_EQ(
      Show(kWin98.root, kWin98.class_key),
      Text(REG_SZ, catalogue_id != 0 ? CatalogueOf(catalogue_id).at(kBinName) : "Recycle Bin"));
  EXPECT_TRUE(app_.Close());
}

INSTANTIATE_TEST_SUITE_P(Dpi, Language, ::testing::Values(96, 144, 192));

}  // namespace
}  // namespace kelvoro::e2e
