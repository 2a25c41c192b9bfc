#include "appearance/stock_name.h"

#include <exception>

#include "platform/ascii.h"
#include "platform/reg_key.h"
#include "texts/catalogue.h"

namespace kelvoro {
namespace {

constexpr char kStockName[] = "Recycle Bin";
constexpr std::uint16_t kEnglish = 0x09;

// Where every Windows registers the Recycle Bin class for the whole machine.
constexpr char kMachineClassKey[] =
    "Software\\Classes\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";

bool Acceptable(const std::u16string& name) {
  if (name.empty() || name.size() > kLongestBinName) return false;
  for (const char16_t unit : name) {
    if (unit < u' ' || unit == u'\x7F') return false;
  }
  return !EqualIgnoringAsciiCase(ToUtf8(name), "Kelvoro");
}

// The class's default value under HKEY_LOCAL_MACHINE, when it is a text.
bool MachineClassName(RegistryPort& registry, SystemPort& system, std::u16string& name) {
  RegKey key(registry);
  std::string text;
  ValueType type{};
  if (key.Open(RootKey::kLocalMachine, kMachineClassKey, KeyAccess::kRead) != kRegSuccess ||
      key.QueryText("", text, type) != kRegSuccess || type != ValueType::kSz) {
    return false;
  }
  name = system.FromCodePage(text);
  return true;
}

// What the system names the bin: its MUI answer, or the class's default value where it has none.
bool SystemName(RegistryPort& registry, SystemPort& system, std::u16string& name) {
  switch (system.LocalizedBinName(name)) {
    case SystemPort::Localized::kAnswered:
      return Acceptable(name);
    case SystemPort::Localized::kNone:
      return MachineClassName(registry, system, name) && Acceptable(name);
    case SystemPort::Localized::kFailed:
      break;
  }
  return false;
}

// The program's own word, where its catalogue is the display language's and translates it.
bool ProgramsWord(SystemPort& system, std::uint16_t display_language, bool nt_family,
                  std::u16string& name) {
  if (LanguageFor(display_language) != CurrentLanguage() || !Texts().Translates(TextId::kBinName)) {
    return false;
  }
  name = ToUtf16(Text(TextId::kBinName));
  std::string ansi;
  return Acceptable(name) && (nt_family || system.ToCodePage(name, ansi));
}

// A source's answer; one that raises is passed over like one that fails.
template <typename Source>
bool Answers(Source&& source) {
  try {
    return source();
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

std::string StockBinName(RegistryPort& registry, SystemPort& system, bool nt_family) {
  const std::uint16_t language = system.DisplayLanguage();
  if ((language & 0x3FF) == kEnglish) return kStockName;
  std::u16string name;
  if ((nt_family && Answers([&] { return SystemName(registry, system, name); })) ||
      Answers([&] { return ProgramsWord(system, language, nt_family, name); })) {
    return ToUtf8(name);
  }
  return kStockName;
}

}  // namespace kelvoro
