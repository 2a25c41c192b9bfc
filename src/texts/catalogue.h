#pragma once

// The texts a person reads, in the user's language. Each text has a stable identifier (its key in
// the catalogues, res/lang/<language>.po) and an English default, which is also the fallback for
// a text a catalogue lacks. Texts the program writes or compares (registry values, the family
// labels, class names) are data and never pass through here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "texts/languages.h"

namespace kelvoro {

enum class TextId : std::uint8_t {
  kTagline,
  kEmptyRow,
  kFullRow,
  kSoundOption,
  kHint,
  kApply,
  kRestore,
  kAbout,
  kBinName,
  kPictureNow,
  kPictureEmpty,
  kPictureFull,
  kAboutTitle,
  kFreeware,
  kReleased,
  kCredit,
  kTown,
  kEmail,
  kNotice,
  kVersionMessage,
  kAppliedMessage,
  kRestoredMessage,
  kAccessDeniedMessage,
  kFolderNameMessage,
  kKeyCreationMessage,
  kOutOfMemory,
  kFileNameUnknown,
  kFileNameTooLong,
  kFolderUnknown,
  kFolderNotKnown,
  kCodePageText,
};

struct TextEntry {
  TextId id;
  std::string_view key;
  std::string_view english;
};

// clang-format off
inline constexpr std::array<TextEntry, 31> kTexts{{
    {TextId::kTagline, "main.tagline", "A fresh look and sound for your Recycle Bin."},
    {TextId::kEmptyRow, "main.empty", "Empty "},
    {TextId::kFullRow, "main.full", "Full"},
    {TextId::kSoundOption, "main.sound", "Replace 'Empty Recycle Bin' sound."},
    {TextId::kHint, "main.hint", "Click 'Apply' to make the changes to the Recycle Bin."},
    {TextId::kApply, "main.apply", "Apply "},
    {TextId::kRestore, "main.restore", "Restore Defaults"},
    {TextId::kAbout, "main.about", "About"},
    {TextId::kBinName, "main.bin_name", "Recycle Bin"},
    {TextId::kPictureNow, "main.picture_now", "Recycle Bin now"},
    {TextId::kPictureEmpty, "main.picture_empty", "Recycle Bin when empty, after Apply"},
    {TextId::kPictureFull, "main.picture_full", "Recycle Bin when full, after Apply"},
    {TextId::kAboutTitle, "about.title", "About"},
    {TextId::kFreeware, "about.freeware", "Freeware"},
    {TextId::kReleased, "about.released", "Released 14 May 2002"},
    {TextId::kCredit, "about.credit", "Written by %1"},
    {TextId::kTown, "about.town", "Skerrow Bay, Ireland"},
    {TextId::kEmail, "about.email", "Email : %1"},
    {TextId::kNotice, "about.notice", "Free to use and to share."},
    {TextId::kVersionMessage, "message.version", "Error Getting Version Information"},
    {TextId::kAppliedMessage, "message.applied", "The changes have been made to the Recycle Bin successfully. Press 'F5'(Refresh) Key several times on the Desktop to Display the changes."},
    {TextId::kRestoredMessage, "message.restored", "Recycle Bin defaults restored. Press 'F5'(Refresh) Key several times on the Desktop to Display the changes."},
    {TextId::kAccessDeniedMessage, "message.access_denied", "Error while performing the operation.Access Denied. Check permission"},
    {TextId::kFolderNameMessage, "message.folder_name", "The Recycle Bin's icons were not changed: the name of the program's folder has characters that this version of Windows cannot keep in its settings. Move the program to a folder whose name has none of them and try again."},
    {TextId::kKeyCreationMessage, "message.key_creation", "Unable to create necessary Registry values. Contact %1"},
    {TextId::kOutOfMemory, "failure.out_of_memory", "Out of memory"},
    {TextId::kFileNameUnknown, "failure.file_name", "The program's file name cannot be obtained"},
    {TextId::kFileNameTooLong, "failure.file_name_long", "The program's file name is too long"},
    {TextId::kFolderUnknown, "failure.folder", "The program folder cannot be obtained"},
    {TextId::kFolderNotKnown, "failure.folder_unknown", "The program folder is unknown"},
    {TextId::kCodePageText, "failure.code_page", "A text cannot be read in the system code page"},
}};
// clang-format on

inline constexpr std::size_t kTextCount = kTexts.size();

constexpr bool EveryTextInItsPlace() {
  for (std::size_t i = 0; i < kTextCount; ++i) {
    if (static_cast<std::size_t>(kTexts[i].id) != i) return false;
  }
  return true;
}
static_assert(EveryTextInItsPlace(), "kTexts is indexed by TextId");

// The texts of one language. A catalogue is read from its compact form, which the build makes from
// the language's .po file: a line for each text in the order of kTexts, UTF-8, with "\n" and "\\"
// for a line break and a backslash. An empty line, a line it cannot read, and the lines missing
// at its end leave the English text in place.
class Catalogue {
 public:
  // The English texts.
  Catalogue() = default;
  static Catalogue Parse(std::string_view compact);

  // The text in this catalogue's language, UTF-8.
  const std::string& Get(TextId id) const { return texts_[static_cast<std::size_t>(id)]; }
  // True when the catalogue gave the text (rather than the English default).
  bool Translates(TextId id) const { return translated_[static_cast<std::size_t>(id)]; }

 private:
  std::array<std::string, kTextCount> texts_ = EnglishTexts();
  std::array<bool, kTextCount> translated_{};

  static std::array<std::string, kTextCount> EnglishTexts();
};

// The packed catalogue (deflated, texts/inflate.h) of the language `code` in `catalogues`, the
// program's resource of every catalogue: an index of each one's code, a zero byte and its packed
// size (two bytes, little-endian), ended by a zero byte, and then the packed catalogues in the
// index's order. Empty when the index lacks the code or `catalogues` is malformed.
std::string_view PackedCatalogue(std::string_view catalogues, std::string_view code);

// `text` with its placeholder %1 replaced by `argument`.
std::string Fill(std::string_view text, std::string_view argument);

// `utf8` in UTF-16; a byte that is not part of a well-formed sequence reads as U+FFFD.
std::u16string ToUtf16(std::string_view utf8);
// `utf16` in UTF-8; a surrogate without its other half reads as U+FFFD.
std::string ToUtf8(std::u16string_view utf16);

// The language the program speaks and its catalogue: English until UseLanguage names another.
// Start-up chooses them once, before any window or message is shown; one user-interface thread.
const Catalogue& Texts();
Language CurrentLanguage();
void UseLanguage(Language language, Catalogue catalogue);

// Texts().Get(id), shorter.
inline const std::string& Text(TextId id) { return Texts().Get(id); }

}  // namespace kelvoro
