// Properties of whole runs of the program: start-up, then Apply (the box ticked or clear) and
// Restore Defaults in any order, over registries in any state, with any registry call succeeding,
// returning a failure status or raising.
#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <algorithm>

#include "app/startup.h"
#include "appearance/commands.h"
#include "platform/reg_key.h"
#include "support/fakes.h"

namespace kelvoro {
namespace {

using namespace testing;

enum class Step { kApplyTicked, kApplyClear, kRestore };

struct Place {
  const char* path;
  const char* name;
};
// The values the program writes, and the stock sound it reads.
constexpr Place kDocumented[] = {{kNTIcon, ""},     {kNTIcon, "Empty"},      {kNTIcon, "Full"},
                                 {kNTClass, ""},    {k9xIcon, ""},           {k9xIcon, "Empty"},
                                 {k9xIcon, "Full"}, {k9xClass, ""},          {kCurrentSound, ""},
                                 {kStockSound, ""}, {kSettings, "Voicestat"}};
constexpr const char* kSettingsLevels[] = {"HKCU\\Software\\Orvane's Software",
                                           "HKCU\\Software\\Orvane's Software\\Kelvoro", kSettings};

// Any value: any type, 0 to 1,000 bytes, with or without a zero, non-ASCII, commas and '%'; often
// a text the program writes or names, or one just beside it.
RegValue AnyValue() {
  const auto type = static_cast<ValueType>(*rc::gen::element(0u, 1u, 2u, 3u, 4u, 7u, 0xFFFFu));
  if (*rc::gen::arbitrary<bool>()) {
    std::string text =
        *rc::gen::element<std::string>(kReplacementSound, "D:\\%W,\xE9\\media\\dravik.wav",
                                       "c:\\windows\\MEDIA\\Dravik.WAV", kStockEmptyIcon);
    text.resize(text.size() + *rc::gen::element(0, 0, -1, 1), 'x');
    RegValue value = TextValue(text, *rc::gen::element(type, ValueType::kSz, ValueType::kExpandSz));
    if (*rc::gen::arbitrary<bool>()) value.bytes.pop_back();  // its terminating zero
    return value;
  }
  const int length =
      *rc::gen::weightedOneOf<int>({{4, rc::gen::inRange(0, 40)}, {1, rc::gen::inRange(0, 1001)}});
  const auto byte = rc::gen::weightedOneOf<std::uint8_t>(
      {{4, rc::gen::element<std::uint8_t>('a', 'Z', '0', '%', ',', '\\', '.', ' ')},
       {1, rc::gen::arbitrary<std::uint8_t>()},
       {1, rc::gen::just<std::uint8_t>(0)}});
  return RegValue{type, *rc::gen::container<std::vector<std::uint8_t>>(length, byte)};
}

// One run of the program and all it meets: registry, system, the user's clicks, registry faults.
struct Run {
  Run() {
    h.expect_keys_closed = false;  // the properties say so themselves
    for (const Place& place : kDocumented) {
      if (*rc::gen::weightedElement<bool>({{3, true}, {1, false}})) h.registry.AddKey(place.path);
      if (*rc::gen::arbitrary<bool>()) h.registry.Put(place.path, place.name, AnyValue());
      if (*rc::gen::arbitrary<bool>()) h.registry.Put(place.path, "Stranger", AnyValue());
    }
    h.registry.Put("HKCU\\Software\\Stranger", "", AnyValue());
    before = h.registry.Keys();
    h.system.platform_id =
        *rc::gen::elementOf(std::vector<std::optional<std::uint32_t>>{0, 1, 2, 3, {}});
    h.system.windows_directory = *rc::gen::elementOf(
        std::vector<std::optional<std::string>>{"C:\\WINDOWS", "D:\\%W,\xE9", {}});
    h.system.program_folder = *rc::gen::elementOf(std::vector<std::optional<std::u16string>>{
        u"C:\\Tools", u"E:\\%P,\u00E9", u"C:\\\u0418\u0432\u0430\u043D \u6E2C\u8A66", u"", {}});
    steps = *rc::gen::container<std::vector<Step>>(
        *rc::gen::inRange(0, 6),
        rc::gen::element(Step::kApplyTicked, Step::kApplyClear, Step::kRestore));
    h.registry.Plan(*rc::gen::container<std::vector<RegStatus>>(rc::gen::weightedElement<RegStatus>(
        {{24, kRegSuccess}, {1, kAccessDenied}, {1, kFileNotFound}, {1, kMoreData}, {1, kRaise}})));
  }

  // Start-up, then the steps; counts the commands that ended with one flush and word to the shell.
  void Go() {
    try {
      Form_Load(h.ports, h.facts);
    } catch (const ProgramEnded&) {
      ended = true;  // a failure raised while the settings key was created
      return;
    }
    for (const Step step : steps) {
      const std::size_t flushes = h.log.Matching("Flush ").size();
      if (step == Step::kRestore) {
        RestoreCommand(h.ports);
      } else {
        h.form1.check1 = step == Step::kApplyTicked ? 1 : 0;
        ApplyCommand(h.ports, h.facts);
      }
      const auto& events = h.log.events;
      if (h.log.Matching("Flush ").size() == flushes + 1 && events.end()[-2] == "Flush HKCU" &&
          events.back() == "NotifyIconsChanged") {
        ++flushed;
      }
    }
  }

  bool Any(Step step) const { return std::count(steps.begin(), steps.end(), step) != 0; }
  std::optional<RegValue> Before(const std::string& path, const std::string& name) const {
    return MemoryRegistry::Find(before, path, name);
  }
  // The stock sound as start-up reads it: its text up to the first zero, where it fits.
  std::optional<std::string> StockAsRead() const {
    const auto stock = Before(kStockSound, "");
    if (!stock || stock->bytes.size() > RegKey::kTextBufferSize) return std::nullopt;
    return std::string(stock->bytes.begin(),
                       std::find(stock->bytes.begin(), stock->bytes.end(), 0));
  }
  // The current sound at the start names the replacement file that Apply writes.
  bool StartsWithTheReplacement() const {
    const auto current = Before(kCurrentSound, "");
    if (!current || h.facts.WindowsFolder.empty() ||
        current->bytes.size() > RegKey::kTextBufferSize)
      return false;
    if (current->type != ValueType::kSz && current->type != ValueType::kExpandSz) return false;
    const auto& bytes = current->bytes;
    return Folded({bytes.begin(), std::find(bytes.begin(), bytes.end(), 0)}) ==
           Folded(h.facts.WindowsFolder + "\\media\\dravik.wav");
  }

  // Every value that some step of this run means to write at `place`.
  std::vector<RegValue> Intended(const Place& place) const {
    const std::string path = place.path, name = place.name;
    const bool applies = Any(Step::kApplyTicked) || Any(Step::kApplyClear);
    const bool restores = Any(Step::kRestore);
    const std::uint32_t id = h.system.platform_id.value_or(0);
    const bool family_icon = (id == 1 && path == k9xIcon) || (id == 2 && path == kNTIcon);
    const bool family_class = (id == 1 && path == k9xClass) || (id == 2 && path == kNTClass);
    // NT takes the folder as it is, 9x only where the code page can write it.
    const std::u16string folder = h.system.program_folder.value_or(u"");
    const std::u16string icon = folder + (name == "Full" ? u"\\white.ico,0" : u"\\black.ico,0");
    std::vector<RegValue> values;
    if (family_icon && applies && !folder.empty() && id == 2) values.push_back(WideTextValue(icon));
    if (family_icon && applies && !folder.empty() && id == 1 && FakeSystem::InCodePage(icon)) {
      values.push_back(TextValue(std::string(icon.begin(), icon.end())));
    }
    if (family_icon && restores) {
      values.push_back(TextValue(name == "Full" ? kStockFullIcon : kStockEmptyIcon));
    }
    if (family_class && applies) values.push_back(TextValue("Kelvoro"));
    if (family_class && restores) values.push_back(TextValue("Recycle Bin"));
    if (path == kCurrentSound && Any(Step::kApplyTicked) && !h.facts.WindowsFolder.empty()) {
      values.push_back(TextValue(h.facts.WindowsFolder + "\\media\\dravik.wav",
                                 id < 2 ? ValueType::kSz : ValueType::kExpandSz));
    }
    const bool takes_back =
        Any(Step::kApplyClear) && (Any(Step::kApplyTicked) || StartsWithTheReplacement());
    if (path == kCurrentSound && StockAsRead() && (restores || takes_back)) {
      values.push_back(TextValue(*StockAsRead(), ValueType::kExpandSz));
    }
    // Start-up initialises the status wherever it cannot open the key, present or not.
    if (path == kSettings) values.push_back(DwordValue(0));
    if (path == kSettings && Any(Step::kApplyTicked)) values.push_back(DwordValue(1));
    return values;
  }

  Harness h;
  MemoryRegistry::Hive before;
  std::vector<Step> steps;
  bool ended = false;
  std::size_t flushed = 0;
};

// The hive without the documented values, and without the settings levels that the run created.
MemoryRegistry::Hive Strangers(MemoryRegistry::Hive hive, const MemoryRegistry::Hive& before) {
  for (const Place& place : kDocumented) {
    const auto key = hive.find(Folded(place.path));
    if (key != hive.end()) key->second.erase(Folded(place.name));
  }
  for (const char* level : kSettingsLevels) {
    if (before.count(Folded(level)) == 0) hive.erase(Folded(level));
  }
  return hive;
}

// No key stays open, every command flushes, nothing but the documented values changes, and each
// of those keeps its bytes and type unless a step meant to write it.
RC_GTEST_PROP(Runs, CloseEveryKeyFlushAndChangeOnlyWhatAStepMeantTo, ()) {
  Run run;
  run.Go();
  RC_ASSERT(run.h.registry.OpenKeys().empty());
  RC_ASSERT(run.h.registry.StrayCloses() == 0);
  RC_ASSERT(run.flushed == (run.ended ? 0 : run.steps.size()));
  RC_ASSERT(Strangers(run.h.registry.Keys(), run.before) == Strangers(run.before, run.before));
  for (const Place& place : kDocumented) {
    const auto after = run.h.registry.Get(place.path, place.name);
    if (after == run.Before(place.path, place.name)) continue;
    const auto intended = run.Intended(place);
    RC_LOG() << place.path << ":" << place.name << " changed in\n" << run.h.log.Dump();
    RC_ASSERT(after.has_value());
    RC_LOG() << "to " << *after << "\n";
    RC_ASSERT(std::find(intended.begin(), intended.end(), *after) != intended.end());
  }
}

}  // namespace
}  // namespace kelvoro
