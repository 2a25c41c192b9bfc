#include "sound/sound_switcher.h"

#include <optional>
#include <string>

#include "platform/ascii.h"
#include "platform/failure.h"
#include "platform/reg_key.h"

namespace kelvoro {
namespace {

// Opens the current-sound key (never creating it) and writes `text` as its default value.
void WriteCurrentSound(RegistryPort& registry, ValueType type, const std::string& text) {
  RegKey key(registry);
  ContinueSilently(
      [&] { (void)key.Open(RootKey::kCurrentUser, kCurrentSoundKey, KeyAccess::kWrite); });
  if (!key.Valid()) return;
  // The write's status is not looked at.
  ContinueSilently([&] { (void)key.SetText("", type, text); });
}

// The replacement file that SetEmptySound points the current sound at; empty while the Windows
// directory is unknown, since the path would then name no real file.
std::string ReplacementPath(const std::string& windows_folder) {
  if (windows_folder.empty()) return std::string();
  return windows_folder + kReplacementSoundTail;
}

// True when the current sound is a text naming `path`. A missing key or value, another type or
// a text that does not fit the reading buffer is someone else's sound.
bool CurrentSoundNames(RegistryPort& registry, const std::string& path) {
  RegKey key(registry);
  if (key.Open(RootKey::kCurrentUser, kCurrentSoundKey, KeyAccess::kRead) != kRegSuccess) {
    return false;
  }
  std::string text;
  ValueType type{};
  if (key.QueryText("", text, type) != kRegSuccess) return false;
  return (type == ValueType::kSz || type == ValueType::kExpandSz) &&
         EqualIgnoringAsciiCase(text, path);
}

}  // namespace

void ReadDefaultEmptySound(RegistryPort& registry, MessagePort& messages, Form1Port& form) {
  RegKey key(registry);
  ReportEachStep(messages, MessageStyle::kExclamation,
                 [&] { (void)key.Open(RootKey::kCurrentUser, kStockSoundKey, KeyAccess::kRead); });
  if (!key.Valid()) return;
  std::optional<std::string> stock;
  ReportEachStep(messages, MessageStyle::kExclamation, [&] {
    std::string text;
    if (key.QueryText("", text) == kRegSuccess) stock = std::move(text);
  });
  if (stock) {
    ReportEachStep(messages, MessageStyle::kExclamation,
                   [&] { form.SetCaption(Control::lbldefvoice, *stock); });
  }
  // The key closes as it goes out of scope.
}

void SetEmptySound(RegistryPort& registry, std::int32_t platform_id,
                   const std::string& windows_folder) {
  std::string path;
  ContinueSilently([&] { path = ReplacementPath(windows_folder); });
  if (path.empty()) return;
  const ValueType type = platform_id < 2 ? ValueType::kSz : ValueType::kExpandSz;
  WriteCurrentSound(registry, type, path);
}

void RestoreEmptySound(RegistryPort& registry, const Form1Port& form) {
  std::optional<std::string> stock;
  ContinueSilently([&] { stock = form.Caption(Control::lbldefvoice); });
  // The layout's placeholder means start-up never read a stock sound: writing it would corrupt
  // the user's sound scheme. An empty stock sound is a real one and is written as it is.
  if (!stock || *stock == kUnreadStockSound) return;
  WriteCurrentSound(registry, ValueType::kExpandSz, *stock);
}

void TakeBackEmptySound(RegistryPort& registry, const Form1Port& form,
                        const std::string& windows_folder) {
  bool replaced = false;
  ContinueSilently([&] {
    const std::string path = ReplacementPath(windows_folder);
    replaced = !path.empty() && CurrentSoundNames(registry, path);
  });
  if (replaced) RestoreEmptySound(registry, form);
}

}  // namespace kelvoro
