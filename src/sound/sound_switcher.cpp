#include "sound/sound_switcher.h"

#include <optional>
#include <string>

#include "platform/failure.h"
#include "platform/reg_key.h"

namespace kelvoro {
namespace {

// Opens the current-sound key (never creating it) and writes `text` as its default value.
void WriteCurrentSound(Context& context, ValueType type, const std::string& text) {
  RegKey key(context.registry);
  ContinueSilently(
      [&] { (void)key.Open(RootKey::kCurrentUser, kCurrentSoundKey, KeyAccess::kWrite); });
  if (!key.Valid()) return;
  // The write's status is not looked at.
  ContinueSilently([&] { (void)key.SetText("", type, text); });
}

}  // namespace

void ReadDefaultEmptySound(Context& context) {
  RegKey key(context.registry);
  ReportEachStep(context.messages, MessageStyle::kExclamation,
                 [&] { (void)key.Open(RootKey::kCurrentUser, kStockSoundKey, KeyAccess::kRead); });
  if (!key.Valid()) return;
  std::optional<std::string> stock;
  ReportEachStep(context.messages, MessageStyle::kExclamation, [&] {
    std::string text;
    if (key.QueryText("", text) == kRegSuccess) stock = std::move(text);
  });
  if (stock) {
    ReportEachStep(context.messages, MessageStyle::kExclamation,
                   [&] { context.form1.SetCaption("lbldefvoice", *stock); });
  }
  // The key closes as it goes out of scope.
}

void SetEmptySound(Context& context) {
  // Without the Windows directory the path would name no real file.
  if (context.state.WindowsFolder.empty()) return;
  std::string path;
  ContinueSilently([&] { path = context.state.WindowsFolder + kReplacementSoundTail; });
  if (path.empty()) return;
  const ValueType type = context.state.PlatformId < 2 ? ValueType::kSz : ValueType::kExpandSz;
  WriteCurrentSound(context, type, path);
}

void RestoreEmptySound(Context& context) {
  std::optional<std::string> stock;
  ContinueSilently([&] { stock = context.form1.Caption("lbldefvoice"); });
  // The layout's placeholder means start-up never read a stock sound: writing it would corrupt
  // the user's sound scheme. An empty stock sound is a real one and is written as it is.
  if (!stock || *stock == kUnreadStockSound) return;
  WriteCurrentSound(context, ValueType::kExpandSz, *stock);
}

}  // namespace kelvoro
