#include "texts/catalogue.h"

#include <utility>

namespace kelvoro {
namespace {

struct Active {
  Language language = Language::kEnglish;
  Catalogue catalogue;
};

Active& TheActive() {
  static Active active;
  return active;
}

// The text of one line of the compact form, its escapes resolved; false for a broken escape.
bool Unescape(std::string_view escaped, std::string& text) {
  text.clear();
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '\\') {
      text += escaped[i];
      continue;
    }
    if (++i == escaped.size() || (escaped[i] != 'n' && escaped[i] != '\\')) return false;
    text += escaped[i] == 'n' ? '\n' : '\\';
  }
  return true;
}

}  // namespace

Language LanguageFor(std::uint16_t ui_language) {
  for (const SublanguageChoice& choice : kSublanguages) {
    if (choice.ui_language == ui_language) return choice.language;
  }
  const std::uint16_t primary = ui_language & 0x3FF;
  for (const LanguageInfo& info : kLanguages) {
    if (info.primary == primary && info.match == Match::kPrimary) return info.language;
  }
  return Language::kEnglish;
}

std::array<std::string, kTextCount> Catalogue::EnglishTexts() {
  std::array<std::string, kTextCount> texts;
  for (std::size_t i = 0; i < kTextCount; ++i) texts[i] = std::string(kTexts[i].english);
  return texts;
}

Catalogue Catalogue::Parse(std::string_view compact) {
  Catalogue catalogue;
  std::string text;
  for (std::size_t index = 0; index < kTextCount && !compact.empty(); ++index) {
    const std::size_t end = compact.find('\n');
    std::string_view line = compact.substr(0, end);
    compact = end == std::string_view::npos ? std::string_view() : compact.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || !Unescape(line, text)) continue;
    catalogue.texts_[index] = text;
    catalogue.translated_[index] = true;
  }
  return catalogue;
}

std::string_view PackedCatalogue(std::string_view catalogues, std::string_view code) {
  std::size_t at = 0, offset = 0, found = std::string_view::npos, found_size = 0;
  while (at < catalogues.size() && catalogues[at] != '\0') {
    const std::size_t end = catalogues.find('\0', at);
    if (end == std::string_view::npos || catalogues.size() - end < 3) return {};
    const std::size_t size =
        static_cast<unsigned char>(catalogues[end + 1]) |
        static_cast<std::size_t>(static_cast<unsigned char>(catalogues[end + 2])) << 8;
    if (catalogues.substr(at, end - at) == code) found = offset, found_size = size;
    offset += size;
    at = end + 3;
  }
  if (at == catalogues.size() || found == std::string_view::npos ||
      catalogues.size() - at - 1 < offset) {
    return {};
  }
  return catalogues.substr(at + 1 + found, found_size);
}

std::string Fill(std::string_view text, std::string_view argument) {
  std::string filled(text);
  const std::size_t at = filled.find("%1");
  if (at != std::string::npos) filled.replace(at, 2, argument);
  return filled;
}

std::u16string ToUtf16(std::string_view utf8) {
  std::u16string wide;
  wide.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    char32_t code = length == 1   ? lead
                    : length == 2 ? lead & 0x1F
                    : length == 3 ? lead & 0x0F
                                  : lead & 0x07;
    bool valid = length != 0 && i + length <= utf8.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are not well formed either.
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    valid = valid && code >= kLeast[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    if (!valid) {
      wide += u'\uFFFD';
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      wide += static_cast<char16_t>(0xD800 + (code >> 10));
      wide += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
      wide += static_cast<char16_t>(code);
    }
    i += length;
  }
  return wide;
}

std::string ToUtf8(std::u16string_view utf16) {
  std::string utf8;
  utf8.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t code = utf16[i];
    if (code >= 0xD800 && code <= 0xDFFF) {
      const bool paired =
          code < 0xDC00 && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF;
      code = paired ? 0x10000 + ((code - 0xD800) << 10) + (utf16[++i] - 0xDC00) : 0xFFFD;
    }
    if (code < 0x80) {
      utf8 += static_cast<char>(code);
    } else if (code < 0x800) {
      utf8 += static_cast<char>(0xC0 | (code >> 6));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      utf8 += static_cast<char>(0xE0 | (code >> 12));
      utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      utf8 += static_cast<char>(0xF0 | (code >> 18));
      utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return utf8;
}

const Catalogue& Texts() { return TheActive().catalogue; }

Language CurrentLanguage() { return TheActive().language; }

void UseLanguage(Language language, Catalogue catalogue) {
  TheActive().language = language;
  TheActive().catalogue = std::move(catalogue);
}

}  // namespace kelvoro
