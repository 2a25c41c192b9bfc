#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "appearance/appearance_writer.h"
#include "support/fakes.h"
#include "texts/catalogue.h"
#include "texts/inflate.h"
#include "texts/line_breaks.h"

namespace kelvoro {
namespace {

using namespace testing;

// A file the build made in its folder of catalogues.
std::string ReadBuilt(const std::string& name) {
  std::ifstream file(std::string(KELVORO_CATALOGUE_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

std::string ReadCatalogue(std::string_view code) {
  return ReadBuilt("catalogue-" + std::string(code) + ".txt");
}

// The texts the program shows in English are the template's, entry for entry and in its order;
// every language translates every one of them and keeps each placeholder.
TEST(Catalogues, TheTemplateIsTheProgramsEnglishAndEveryLanguageTranslatesEveryText) {
  const Catalogue english = Catalogue::Parse(ReadCatalogue("en"));
  for (const TextEntry& entry : kTexts) {
    EXPECT_EQ(english.Get(entry.id), entry.english) << entry.key;
  }
  for (const LanguageInfo& language : kLanguages) {
    if (language.language == Language::kEnglish) continue;
    const Catalogue catalogue = Catalogue::Parse(ReadCatalogue(language.code));
    for (const TextEntry& entry : kTexts) {
      const std::string& text = catalogue.Get(entry.id);
      EXPECT_TRUE(catalogue.Translates(entry.id)) << language.code << ": " << entry.key;
      EXPECT_EQ(std::count(text.begin(), text.end(), '%'),
                std::count(entry.english.begin(), entry.english.end(), '%'))
          << language.code << ": " << entry.key << ": " << text;
    }
  }
}

// The program carries the catalogues packed, each of which unpacks to its compact form byte for
// byte; cut short it never unpacks whole, and with any one bit changed it is refused or stays in
// its limit.
TEST(Catalogues, EachPackedCatalogueUnpacksToItsCompactFormAndABrokenOneToNoMore) {
  const std::string catalogues = ReadBuilt("catalogues.bin");
  for (const LanguageInfo& language : kLanguages) {
    if (language.language == Language::kEnglish) continue;
    const std::string text = ReadCatalogue(language.code);
    const std::string packed(PackedCatalogue(catalogues, language.code));
    EXPECT_EQ(Inflate(packed, text.size()), text) << language.code;
    for (std::size_t i = 0; i < packed.size(); ++i) {
      EXPECT_NE(Inflate(packed.substr(0, i), text.size()), text) << language.code << i;
      std::string broken = packed;
      broken[i] = static_cast<char>(broken[i] ^ (1 << i % 8));
      const auto unpacked = Inflate(broken, text.size());
      EXPECT_LE(unpacked.value_or("").size(), text.size()) << language.code << i;
    }
  }
  EXPECT_EQ(PackedCatalogue(catalogues.substr(0, catalogues.size() - 1), "ko"), "");
  EXPECT_EQ(PackedCatalogue("an index without its end", "an"), "");
  // Blocks zlib makes of no catalogue: a stored one, then one of the fixed codes with copies;
  // a copy of the byte before; a block of its own codes whose lengths end in a run of zeros, the
  // same with a code the block's code lacks, and with a run that repeats nothing before it.
  using namespace std::string_literals;
  const std::pair<std::string, std::optional<std::string>> streams[] = {
      {"\x00\x02\x00\xFD\xFF"
       "ab"
       "\x4B\x4C\x4A\x4E\x84\x21\x00"s,
       "ababcabcabcabc"},
      {"\x4B\x4C\xC4\x04\x00"s, std::string(20, 'a')},
      {"\x05\x82\xB7\x0C\x00\x00\x00\xC0\x58\xDB\xFA\x3B\xF4\x60"s, "a"},
      {"\x05\x82\xB7\x0C\x00\x00\x00\xC0\x58\x5B\x7F\x88\x1E\x07"s, std::nullopt},
      {"\x05\x82\xB7\x0C\x00\x00\x00\xC0\x06\x6B\x5B\x7F\x87\x1E\x0C"s, std::nullopt}};
  for (const auto& [stream, unpacked] : streams) EXPECT_EQ(Inflate(stream, 20), unpacked);
}

TEST(Catalogues, WhatALineDoesNotGiveStaysEnglish) {
  // The tagline translated (with a line break and a backslash, and a Windows line end), the
  // empty row's line empty, the full row's with an escape no catalogue has, the sound option's
  // translated, and nothing after it.
  const Catalogue catalogue = Catalogue::Parse("Eins\\nzwei \\\\ drei\r\n\nkaputt\\x\nTon");
  EXPECT_EQ(catalogue.Get(TextId::kTagline), "Eins\nzwei \\ drei");
  for (const TextId id : {TextId::kEmptyRow, TextId::kFullRow, TextId::kHint}) {
    EXPECT_FALSE(catalogue.Translates(id)) << static_cast<int>(id);
    EXPECT_EQ(catalogue.Get(id), kTexts[static_cast<std::size_t>(id)].english);
  }
  EXPECT_EQ(catalogue.Get(TextId::kSoundOption), "Ton");
  EXPECT_EQ(Catalogue::Parse("a\\").Get(TextId::kTagline), kTexts[0].english) << "a lone escape";
  const Catalogue longer = Catalogue::Parse(std::string(kTextCount, '\n') + "one line too many");
  EXPECT_FALSE(longer.Translates(TextId::kTagline));
}

TEST(Languages, TheSublanguageChoosesWhereWindowsHasTwoScriptsOrStandardsElseThePrimary) {
  using L = Language;
  // Taiwan, Hong Kong, Macao and Traditional Chinese; China and Singapore; Portugal and Brazil;
  // Serbia (Latin, Cyrillic), Serbia and Montenegro; Croatia and Bosnia; Nynorsk; no catalogue.
  // clang-format off
  const std::pair<std::uint16_t, Language> cases[] = {
      {0x0404, L::kChineseTraditional}, {0x0C04, L::kChineseTraditional},
      {0x1404, L::kChineseTraditional}, {0x7C04, L::kChineseTraditional},
      {0x0804, L::kChineseSimplified}, {0x1004, L::kChineseSimplified},
      {0x0816, L::kPortuguesePortugal}, {0x0416, L::kPortugueseBrazil},
      {0x241A, L::kSerbianLatin}, {0x281A, L::kSerbianLatin}, {0x0C1A, L::kSerbianLatin},
      {0x041A, L::kCroatian}, {0x141A, L::kCroatian}, {0x0814, L::kNorwegian},
      {0x0807, L::kGerman}, {0x0C0C, L::kFrench}, {0x140C, L::kFrench}, {0x080A, L::kSpanish},
      {0x0401, L::kArabic}, {0x0809, L::kEnglish}, {0x0000, L::kEnglish}, {0x0436, L::kEnglish}};
  // clang-format on
  for (const auto& [ui_language, language] : cases) {
    EXPECT_EQ(LanguageFor(ui_language), language) << std::hex << ui_language;
  }
  for (const LanguageInfo& info : kLanguages) {
    EXPECT_EQ(&InfoOf(info.language), &info);
    // Any sublanguage that chooses no language of its own (here the fifth) reads the primary's.
    if (info.match == Match::kPrimary) {
      EXPECT_EQ(LanguageFor(info.primary | 0x1000), info.language) << info.code;
    }
  }
}

// A line of Thai breaks only at its marks (or blanks), as late as its width allows; every letter
// is a pixel wide here.
TEST(LineBreaks, AsManyWordsALineAsItHoldsBrokenOnlyAtMarksAndBlanks) {
  struct : LineWidth {
    int Of(std::u16string_view line) const override { return static_cast<int>(line.size()); }
  } width_of;
  const std::u16string text = u"ab\u200Bcd\u200Befg hi\nj\u200Bklmnop\u200Bq";
  EXPECT_EQ(WithoutBreakMarks(text), u"abcdefg hi\njklmnopq");
  EXPECT_EQ(BrokenAtMarks(text, 4, width_of), u"abcd\r\nefg\r\nhi\nj\r\nklmnop\r\nq");
  EXPECT_EQ(BrokenAtMarks(text, 7, width_of), u"abcdefg\r\nhi\njklmnop\r\nq");
  EXPECT_EQ(BrokenAtMarks(text, 100, width_of), WithoutBreakMarks(text));
  EXPECT_EQ(BrokenAtMarks(u"abcdef\u200Bg", 3, width_of), u"abcdef\r\ng") << "a word wider";
  EXPECT_FALSE(HasBreakMarks(u"abc def"));
}

TEST(Texts, Utf16OfWellFormedTextAndReplacementOfWhatIsNot) {
  const std::string every_length =
      "Papierkorb \xC2\x80 \xDF\xBF \xE0\xA0\x80 \xE3\x81\x94 \xF0\x90\x80\x80 \xF4\x8F\xBF\xBF";
  const std::pair<std::string, std::u16string> cases[] = {
      {every_length, u"Papierkorb \u0080 \u07FF \u0800 \u3054 \U00010000 \U0010FFFF"},
      {"a\x80\x62", u"a\uFFFDb"},                                  // a lone continuation byte
      {"a\xE3\x81", u"a\uFFFD\uFFFD"},                             // cut short at the end
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                               // overlong
      {"\xED\xA0\x80\xED\xBF\xBF", std::u16string(6, u'\uFFFD')},  // surrogates
      {"\xF4\x90\x80\x80", std::u16string(4, u'\uFFFD')}};         // beyond Unicode
  for (const auto& [utf8, utf16] : cases) EXPECT_EQ(ToUtf16(utf8), utf16) << utf8;
  EXPECT_EQ(ToUtf8(ToUtf16(every_length)), every_length);
  EXPECT_EQ(ToUtf8(std::u16string{0xDC00, 0xDC00, u'a', 0xD800, u'b', 0xD800}),
            "\xEF\xBF\xBD\xEF\xBF\xBD\x61\xEF\xBF\xBD\x62\xEF\xBF\xBD")
      << "lone surrogates";
  EXPECT_EQ(Fill("Contact %1.", "x@y"), "Contact x@y.");
  EXPECT_EQ(Fill("No placeholder", "x"), "No placeholder");
}

// The texts the program shows come from the chosen language's catalogue, reasons of failures
// included; what it writes does not.
TEST(Texts, MessagesAndReasonsInTheChosenLanguageAndTheWritesUnchanged) {
  const auto line = [](TextId id) { return static_cast<std::size_t>(id); };
  std::string german;
  for (std::size_t i = 0; i < kTextCount; ++i) {
    german += i == line(TextId::kAppliedMessage)   ? "Übernommen.\n"
              : i == line(TextId::kFolderNotKnown) ? "Ordner unbekannt\n"
                                                   : "\n";
  }
  UseLanguage(Language::kGerman, Catalogue::Parse(german));
  Harness h;
  h.registry.AddKey(kNTIcon);
  ApplyIcons(h.registry, h.system, h.messages, h.form1, kNTKeys);
  ApplyName(h.registry, h.system, h.messages, h.form1, kNTKeys);
  const auto written = h.registry.Get(kNTClass, "");
  EXPECT_EQ(Describe(Failure(TextId::kFolderNotKnown)), "Ordner unbekannt");
  EXPECT_EQ(Describe(Failure(TextId::kFileNameTooLong)), "The program's file name is too long");
  UseLanguage(Language::kEnglish, Catalogue());
  EXPECT_EQ(h.messages.Shown(), Events{"Message 64: Übernommen."});
  EXPECT_EQ(written, TextValue("Kelvoro"));
  EXPECT_EQ(Text(TextId::kAppliedMessage), kTexts[line(TextId::kAppliedMessage)].english);
}

}  // namespace
}  // namespace kelvoro
