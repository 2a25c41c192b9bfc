#include "appearance/stock_name.h"

#include <gtest/gtest.h>

#include "appearance/commands.h"
#include "support/fakes.h"
#include "texts/catalogue.h"

namespace kelvoro {
namespace {

using namespace testing;
using Localized = SystemPort::Localized;

constexpr std::uint16_t kGermany = 0x0407, kNetherlands = 0x0413, kBritain = 0x0809;
const char kMachineClass[] =
    "HKLM\\Software\\Classes\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";

// The program speaking `language`, with `word` for the bin ("" for a language it has no word in).
struct Speaking {
  Speaking(Language language, const std::string& word) {
    UseLanguage(language, Catalogue::Parse(std::string(8, '\n') + word + "\n"));
  }
  ~Speaking() { UseLanguage(Language::kEnglish, Catalogue()); }
};

struct Source {
  const char* what;
  bool nt;
  std::uint16_t display;
  Localized localized;
  std::u16string answer;                  // the system's, where it answers
  std::optional<RegValue> class_default;  // HKLM, read where the system has no loader
  std::string word;                       // the program's own, in German
  std::string expected;
};

TEST(StockBinName, TakesTheFirstAcceptableSourceInOrder) {
  const std::u16string longest(kLongestBinName, u'b');
  const Source sources[] = {
      {"English: never the system's",
       true,
       kBritain,
       Localized::kAnswered,
       u"Trash",
       {},
       "",
       "Recycle Bin"},
      {"English on 9x", false, 0x0409, Localized::kAnswered, u"Trash", {}, "", "Recycle Bin"},
      {"the system's answer",
       true,
       kGermany,
       Localized::kAnswered,
       u"Papierkorb",
       {},
       "Korb",
       "Papierkorb"},
      {"any letters",
       true,
       0x0411,
       Localized::kAnswered,
       u"\u3054\u307F\u7BB1",
       {},
       "",
       "\u3054\u307F\u7BB1"},
      {"the longest", true, kGermany, Localized::kAnswered, longest, {}, "Korb", Utf8(longest)},
      {"overlong", true, kGermany, Localized::kAnswered, longest + u'b', {}, "Korb", "Korb"},
      {"empty", true, kGermany, Localized::kAnswered, u"", {}, "Korb", "Korb"},
      {"ours", true, kGermany, Localized::kAnswered, u"KELVORO", {}, "Korb", "Korb"},
      {"a zero inside",
       true,
       kGermany,
       Localized::kAnswered,
       std::u16string(u"Pa\0x", 4),
       {},
       "Korb",
       "Korb"},
      {"failed", true, kGermany, Localized::kFailed, u"", TextValue("Papierkorb"), "Korb", "Korb"},
      {"no loader: the class", true, kGermany, Localized::kNone, u"", TextValue("Papierkorb"),
       "Korb", "Papierkorb"},
      {"no loader, no text", true, kGermany, Localized::kNone, u"", DwordValue(7), "Korb", "Korb"},
      {"no loader, ours", true, kGermany, Localized::kNone, u"", TextValue("Kelvoro"), "Korb",
       "Korb"},
      {"no loader, no class", true, kGermany, Localized::kNone, u"", {}, "Korb", "Korb"},
      {"no word of ours", true, kNetherlands, Localized::kFailed, u"", {}, "", "Recycle Bin"},
      {"a language we lack",
       true,
       kNetherlands,
       Localized::kAnswered,
       u"Prullenbak",
       {},
       "",
       "Prullenbak"},
      {"9x: our word", false, kGermany, Localized::kAnswered, u"Abfall", TextValue("Abfall"),
       "Korb", "Korb"},
      {"9x: outside the code page",
       false,
       kGermany,
       Localized::kAnswered,
       u"",
       {},
       "\xD0\x9A",
       "Recycle Bin"},
  };
  for (const Source& source : sources) {
    Harness h;
    const bool german = (source.display & 0x3FF) == 0x07;
    Speaking speaking(german ? Language::kGerman : Language::kEnglish, source.word);
    h.system.display_language = source.display;
    h.system.localized = source.localized;
    h.system.localized_name = source.answer;
    if (source.class_default) h.registry.Put(kMachineClass, "", *source.class_default);
    EXPECT_EQ(source.expected, StockBinName(h.registry, h.system, source.nt)) << source.what;
  }
}

// Restore Defaults puts the name into Label11 and writes it from there: through the ANSI entry
// point where the code page has its letters, else through the wide one.
TEST(StockBinName, RestoreDefaultsWritesItThroughLabel11) {
  for (const std::u16string& name :
       {std::u16string(u"Corbeille"), std::u16string(u"\u3054\u307F\u7BB1")}) {
    Harness h;
    h.system.display_language = 0x040C;
    h.system.localized_name = name;
    h.form1.SetCaption(Control::Label12, "Windows NT");
    h.registry.AddKey(kNTIcon);
    RestoreCommand(h.ports);
    EXPECT_EQ(Utf8(name), h.form1.Caption(Control::Label11));
    EXPECT_EQ(FakeSystem::InCodePage(name) ? TextValue(Utf8(name)) : WideTextValue(name),
              h.registry.Get(kNTClass, ""));
  }
}

}  // namespace
}  // namespace kelvoro
