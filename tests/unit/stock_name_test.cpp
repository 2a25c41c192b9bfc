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
  Language speaking;                      // the program's
  std::string expected;
  const char* word = "Korb";  // German's; English, built in, has no catalogue to give one
  RegStatus query = kRegSuccess;
};

TEST(StockBinName, TakesTheFirstAcceptableSourceInOrder) {
  const std::u16string longest(kLongestBinName, u'b');
  constexpr Language de = Language::kGerman, en = Language::kEnglish;
  constexpr Localized answered = Localized::kAnswered, none = Localized::kNone;
  // clang-format off
  const Source sources[] = {
      {"English: never the system's", true, kBritain, answered, u"Trash", {}, en, "Recycle Bin"},
      {"English on 9x", false, 0x0409, answered, u"Trash", {}, en, "Recycle Bin"},
      {"the system's answer", true, kGermany, answered, u"Papier korb", {}, de, "Papier korb"},
      {"any letters", true, 0x0411, answered, u"\u3054\u307F\u7BB1", {}, en, "\u3054\u307F\u7BB1"},
      {"the longest", true, kGermany, answered, longest, {}, de, ToUtf8(longest)},
      {"overlong", true, kGermany, answered, longest + u'b', {}, de, "Korb"},
      {"empty", true, kGermany, answered, u"", {}, de, "Korb"},
      {"ours", true, kGermany, answered, u"KELVORO", {}, de, "Korb"},
      {"a zero inside", true, kGermany, answered, std::u16string(u"Pa\0x", 4), {}, de, "Korb"},
      {"a control character", true, kGermany, answered, u"Pa\x1F", {}, de, "Korb"},
      {"failed", true, kGermany, Localized::kFailed, u"", TextValue("Papierkorb"), de, "Korb"},
      {"no loader: the class", true, kGermany, none, u"", TextValue("Papierkorb"), de, "Papierkorb"},
      {"no loader, no text", true, kGermany, none, u"", DwordValue(0x41414141), de, "Korb"},
      {"no loader, ours", true, kGermany, none, u"", TextValue("Kelvoro"), de, "Korb"},
      {"no loader, no class", true, kGermany, none, u"", {}, de, "Korb"},
      {"no word of ours", true, kNetherlands, Localized::kFailed, u"", {}, en, "Recycle Bin"},
      {"a language we lack", true, kNetherlands, answered, u"Prullenbak", {}, en, "Prullenbak"},
      {"a word of another language", true, 0x0411, Localized::kFailed, u"", {}, de, "Recycle Bin"},
      {"9x: our word", false, kGermany, answered, u"Abfall", TextValue("Abfall"), de, "Korb"},
      {"9x: not in the code page", false, kGermany, none, u"", {}, de, "Recycle Bin", "\xD0\x9A"},
      {"raises", true, kGermany, none, u"", TextValue("Papierkorb"), de, "Korb", "Korb", kRaise},
  };
  // clang-format on
  for (const Source& source : sources) {
    Harness h;
    Speaking speaking(source.speaking, source.speaking == Language::kEnglish ? "" : source.word);
    h.system.display_language = source.display;
    h.system.localized = source.localized;
    h.system.localized_name = source.answer;
    if (source.class_default) h.registry.Put(kMachineClass, "", *source.class_default);
    if (source.query != kRegSuccess) h.registry.FailWith("Query ", source.query);
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
    EXPECT_EQ(ToUtf8(name), h.form1.Caption(Control::Label11));
    EXPECT_EQ(FakeSystem::InCodePage(name) ? TextValue(ToUtf8(name)) : WideTextValue(name),
              h.registry.Get(kNTClass, ""));
  }
}

}  // namespace
}  // namespace kelvoro
