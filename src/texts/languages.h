#pragma once

// The languages the program speaks, the letters each is written in, which way its lines run, and
// how Windows' display language chooses one of them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kelvoro {

// The languages the program speaks. English is the default and the fallback.
enum class Language : std::uint8_t {
  kEnglish,
  kGerman,
  kFrench,
  kSpanish,
  kItalian,
  kPortugueseBrazil,
  kRussian,
  kPolish,
  kTurkish,
  kChineseSimplified,
  kJapanese,
  kKorean,
  kArabic,
  kBulgarian,
  kChineseTraditional,
  kCroatian,
  kCzech,
  kDanish,
  kDutch,
  kEstonian,
  kFinnish,
  kGreek,
  kHebrew,
  kHungarian,
  kLatvian,
  kLithuanian,
  kNorwegian,
  kPortuguesePortugal,
  kRomanian,
  kSerbianLatin,
  kSlovak,
  kSlovenian,
  kSwedish,
  kThai,
  kUkrainian,
};

// The letters a language is written in, and with them the fonts that can show it: the Western
// letters of the design fonts, the same fonts' Cyrillic, Central European, Turkish, Greek and
// Baltic letters, or a script that the design fonts do not have (Arabic, Hebrew, Thai and the
// East Asian ones).
enum class Script : std::uint8_t {
  kWestern,
  kCyrillic,
  kCentralEuropean,
  kTurkish,
  kSimplifiedChinese,
  kJapanese,
  kKorean,
  kGreek,
  kBaltic,
  kArabic,
  kHebrew,
  kThai,
  kTraditionalChinese,
};

// Which way a language's lines run; a right-to-left language's windows are mirrored.
enum class Direction : std::uint8_t { kLeftToRight, kRightToLeft };

// How a display language finds its catalogue: by its primary language alone, or (where Windows
// has two scripts or two standards of one language) only by the sublanguages kSublanguages names.
enum class Match : std::uint8_t { kPrimary, kSublanguage };

struct LanguageInfo {
  Language language;
  std::uint16_t primary;  // Windows' primary language identifier
  std::string_view code;  // the catalogue's name, res/lang/<code>.po
  Script script;
  Direction direction = Direction::kLeftToRight;
  Match match = Match::kPrimary;
};

// clang-format off
inline constexpr std::array<LanguageInfo, 35> kLanguages{{
    {Language::kEnglish, 0x09, "en", Script::kWestern},
    {Language::kGerman, 0x07, "de", Script::kWestern},
    {Language::kFrench, 0x0C, "fr", Script::kWestern},
    {Language::kSpanish, 0x0A, "es", Script::kWestern},
    {Language::kItalian, 0x10, "it", Script::kWestern},
    {Language::kPortugueseBrazil, 0x16, "pt_BR", Script::kWestern},
    {Language::kRussian, 0x19, "ru", Script::kCyrillic},
    {Language::kPolish, 0x15, "pl", Script::kCentralEuropean},
    {Language::kTurkish, 0x1F, "tr", Script::kTurkish},
    {Language::kChineseSimplified, 0x04, "zh_CN", Script::kSimplifiedChinese},
    {Language::kJapanese, 0x11, "ja", Script::kJapanese},
    {Language::kKorean, 0x12, "ko", Script::kKorean},
    {Language::kArabic, 0x01, "ar", Script::kArabic, Direction::kRightToLeft},
    {Language::kBulgarian, 0x02, "bg", Script::kCyrillic},
    {Language::kChineseTraditional, 0x04, "zh_TW", Script::kTraditionalChinese, Direction::kLeftToRight, Match::kSublanguage},
    {Language::kCroatian, 0x1A, "hr", Script::kCentralEuropean},
    {Language::kCzech, 0x05, "cs", Script::kCentralEuropean},
    {Language::kDanish, 0x06, "da", Script::kWestern},
    {Language::kDutch, 0x13, "nl", Script::kWestern},
    {Language::kEstonian, 0x25, "et", Script::kBaltic},
    {Language::kFinnish, 0x0B, "fi", Script::kWestern},
    {Language::kGreek, 0x08, "el", Script::kGreek},
    {Language::kHebrew, 0x0D, "he", Script::kHebrew, Direction::kRightToLeft},
    {Language::kHungarian, 0x0E, "hu", Script::kCentralEuropean},
    {Language::kLatvian, 0x26, "lv", Script::kBaltic},
    {Language::kLithuanian, 0x27, "lt", Script::kBaltic},
    {Language::kNorwegian, 0x14, "nb", Script::kWestern},
    {Language::kPortuguesePortugal, 0x16, "pt_PT", Script::kWestern, Direction::kLeftToRight, Match::kSublanguage},
    {Language::kRomanian, 0x18, "ro", Script::kCentralEuropean},
    {Language::kSerbianLatin, 0x1A, "sr_Latn", Script::kCentralEuropean, Direction::kLeftToRight, Match::kSublanguage},
    {Language::kSlovak, 0x1B, "sk", Script::kCentralEuropean},
    {Language::kSlovenian, 0x24, "sl", Script::kCentralEuropean},
    {Language::kSwedish, 0x1D, "sv", Script::kWestern},
    {Language::kThai, 0x1E, "th", Script::kThai},
    {Language::kUkrainian, 0x22, "uk", Script::kCyrillic},
}};

// The sublanguages that choose a language of their own (Windows' language identifier is the
// sublanguage times 0x400 plus the primary language): Traditional Chinese for Taiwan, Hong Kong,
// Macao and Traditional Chinese itself; Portuguese of Portugal; Serbian in either script, which
// reads the Latin catalogue. Every other sublanguage reads its primary language's catalogue
// (Chinese of China and Singapore the Simplified one, Brazil's Portuguese, Croatian and Bosnian
// the Croatian one).
struct SublanguageChoice {
  std::uint16_t ui_language;
  Language language;
};
inline constexpr std::array<SublanguageChoice, 13> kSublanguages{{
    {0x0404, Language::kChineseTraditional}, {0x0C04, Language::kChineseTraditional},
    {0x1404, Language::kChineseTraditional}, {0x7C04, Language::kChineseTraditional},
    {0x0816, Language::kPortuguesePortugal},
    {0x081A, Language::kSerbianLatin}, {0x0C1A, Language::kSerbianLatin},
    {0x181A, Language::kSerbianLatin}, {0x1C1A, Language::kSerbianLatin},
    {0x241A, Language::kSerbianLatin}, {0x281A, Language::kSerbianLatin},
    {0x2C1A, Language::kSerbianLatin}, {0x301A, Language::kSerbianLatin},
}};
// clang-format on

constexpr const LanguageInfo& InfoOf(Language language) {
  return kLanguages[static_cast<std::size_t>(language)];
}

// The language for Windows' user-interface language identifier: the one its sublanguage chooses
// (kSublanguages), else the one of its primary language, else English.
Language LanguageFor(std::uint16_t ui_language);

}  // namespace kelvoro
