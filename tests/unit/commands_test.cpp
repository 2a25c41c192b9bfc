#include "appearance/commands.h"

#include <gtest/gtest.h>

#include <tuple>

#include "appearance/appearance_writer.h"
#include "sound/sound_switcher.h"
#include "support/fakes.h"

namespace kelvoro {
namespace {

using namespace testing;

constexpr char kStock[] = "%SystemRoot%\\media\\Windows Recycle.wav";

// Both families' keys, the stock sound current, voice status 0, the NT family found.
void Seed(Harness& h) {
  h.facts = WindowsFacts{2, "C:\\WINDOWS"};
  for (const char* icon : {kNTIcon, k9xIcon}) h.registry.AddKey(icon);  // and its class key
  h.registry.Put(kCurrentSound, "", TextValue(kStock, ValueType::kExpandSz));
  h.registry.Put(kSettings, "Voicestat", DwordValue(0));
  h.form1.store.Set(Control::Label12, "Windows NT");
  h.form1.store.Set(Control::lbldefvoice, kStock);
}

void Apply(Harness& h, int check1) {
  h.form1.check1 = check1;
  ApplyCommand(h.ports, h.facts);
}

TEST(Commands, FamilyTextPicksTheFamilyExactly) {
  const std::pair<const char*, const char*> cases[] = {
      {"Windows 9X", k9xClass}, {"Windows NT", kNTClass}, {"Windows 32s ", nullptr}, {"", nullptr},
      {"windows nt", nullptr},  {"Windows NT ", nullptr}};
  for (const auto& [family, written] : cases) {
    for (const bool apply : {true, false}) {
      Harness h;
      Seed(h);
      h.form1.store.Set(Control::Label12, family);
      apply ? Apply(h, 1) : RestoreCommand(h.ports);
      const std::string label = std::string("'") + family + (apply ? "' Apply" : "' Restore");
      for (const char* klass : {kNTClass, k9xClass}) {
        EXPECT_EQ(klass == written ? 1u : 0u,
                  h.log.Matching(std::string("Set ") + klass + ":").size())
            << label << " " << klass;
      }
      EXPECT_EQ(written ? 1u : 0u, h.messages.Shown().size()) << label;
      // The sound, the status and the check box come whatever the family.
      EXPECT_TRUE(h.log.InOrder({"Set HKCU\\AppEvents", "Set " + std::string(kSettings),
                                 "SetCaption txtvoicestat", "Check1="}))
          << label << "\n"
          << h.log.Dump();
    }
  }
}

TEST(Commands, ApplyTakesTheSoundAndTheStatusFromTheCheckBox) {
  Harness h;
  Seed(h);
  const RegValue own = TextValue("C:\\Users\\me\\own.wav");
  const RegValue ours = TextValue(kReplacementSound, ValueType::kExpandSz);
  const RegValue stock = TextValue(kStock, ValueType::kExpandSz);
  struct Case {
    int check1;
    RegValue before, after;
    std::uint32_t status;  // 7: left as stored
  };
  for (const Case& c :
       {Case{1, own, ours, 1}, {0, ours, stock, 0}, {0, own, own, 0}, {2, ours, ours, 7}}) {
    h.registry.Put(kCurrentSound, "", c.before);
    h.registry.Put(kSettings, "Voicestat", DwordValue(7));
    Apply(h, c.check1);
    EXPECT_EQ(c.after, h.registry.Get(kCurrentSound, "")) << "Check1 " << c.check1;
    EXPECT_EQ(DwordValue(c.status), h.registry.Get(kSettings, "Voicestat"));
    EXPECT_EQ(c.status == 7 ? c.check1 : static_cast<int>(c.status), h.form1.check1);
  }
}

const std::string kApplied = "Message 64: " + Text(TextId::kAppliedMessage);
const std::string kRestored = "Message 64: " + Text(TextId::kRestoredMessage);
const std::string kError = "Message 16: " + Text(TextId::kAccessDeniedMessage);
const std::string kFolderName = "Message 16: " + Text(TextId::kFolderNameMessage);

// The values written and what may change them are the runs' properties; these are the messages.
TEST(AppearanceWriter, EachFamilysKeysTakeTheLookWithItsMessageAndARaisedFailureShowsTheError) {
  const RegValue nt_full = WideTextValue(u"C:\\Tools\\white.ico,0");
  const RegValue x9_full = TextValue("C:\\Tools\\white.ico,0");
  for (const auto& [keys, icon, klass, full] : {std::tuple{&kNTKeys, kNTIcon, kNTClass, nt_full},
                                                std::tuple{&k9xKeys, k9xIcon, k9xClass, x9_full}}) {
    Harness h;
    h.registry.AddKey(icon);
    ApplyIcons(h.registry, h.system, h.messages, h.form1, *keys);
    ApplyName(h.registry, h.system, h.messages, h.form1, *keys);
    EXPECT_EQ(full, h.registry.Get(icon, "Full"));
    EXPECT_EQ(TextValue("Kelvoro"), h.registry.Get(klass, ""));
    RestoreIcons(h.registry, h.messages, h.form1, *keys);
    RestoreName(h.registry, h.system, h.messages, h.form1, *keys);
    EXPECT_EQ((Events{kApplied, kRestored}), h.messages.Shown());
  }
  Harness h;
  h.registry.AddKey(kNTIcon);
  h.form1.RaiseOn("Caption Label7");
  ApplyIcons(h.registry, h.system, h.messages, h.form1, kNTKeys);
  EXPECT_EQ(WideTextValue(u"C:\\Tools\\black.ico,0"), h.registry.Get(kNTIcon, "Empty"));
  EXPECT_EQ(Events{kError}, h.messages.Shown());
  EXPECT_GT(h.log.IndexOf("Close "), h.log.IndexOf(kError))
      << "the box shows before the key closes";
  h.registry.FailWith("Set ", kRaise);
  RestoreName(h.registry, h.system, h.messages, h.form1, kNTKeys);
  EXPECT_EQ((Events{kError, kError}), h.messages.Shown());
}

// NT keeps the exact folder whatever its characters; 9x, whose registry keeps code-page texts
// only, writes nothing for a folder or a name the code page cannot write and says so.
TEST(AppearanceWriter, TextsOutsideTheCodePageAreWrittenExactlyOnNTAndRefusedOn9x) {
  const std::u16string kFarFolder = u"C:\\\u0418\u0432\u0430\u043D \u6E2C\u8A66 Kelvoro";
  Harness h;
  h.system.program_folder = kFarFolder;
  h.registry.AddKey(kNTIcon);
  ApplyIcons(h.registry, h.system, h.messages, h.form1, kNTKeys);
  for (const char* name : {"", "Empty"})
    EXPECT_EQ(WideTextValue(kFarFolder + u"\\black.ico,0"), h.registry.Get(kNTIcon, name));
  EXPECT_EQ(WideTextValue(kFarFolder + u"\\white.ico,0"), h.registry.Get(kNTIcon, "Full"));
  EXPECT_EQ(Events{kApplied}, h.messages.Shown());

  h.log.events.clear();
  h.registry.AddKey(k9xIcon);
  ApplyIcons(h.registry, h.system, h.messages, h.form1, k9xKeys);
  EXPECT_EQ(Events{kFolderName}, h.messages.Shown());
  EXPECT_EQ(-1, h.log.IndexOf("Open ")) << h.log.Dump();
  EXPECT_EQ(std::nullopt, h.registry.Get(k9xIcon, ""));
  h.form1.SetCaption(Control::Label11, ToUtf8(kFarFolder));
  RestoreName(h.registry, h.system, h.messages, h.form1, k9xKeys);
  EXPECT_EQ(std::nullopt, h.registry.Get(k9xClass, ""));
  EXPECT_EQ((Events{kFolderName, kError}), h.messages.Shown());
}

// The replacement file in any letter case, below a Windows directory that starts with a Z.
TEST(SoundSwitcher, TakeBackReplacesOnlyTheReplacementItCanReadAndLeavesAnyOtherSound) {
  Harness h;
  const RegValue own = TextValue("C:\\Users\\me\\own.wav", ValueType::kExpandSz);
  const std::string ours = "Z:\\WINDOWS\\media\\dravik.wav";
  const std::pair<RegValue, bool> cases[] = {
      {TextValue(ours), true},
      {TextValue("z:\\windows\\MEDIA\\Dravik.WAV", ValueType::kExpandSz), true},
      {RegValue{ValueType::kSz, {ours.begin(), ours.end()}}, true},  // without its zero
      {own, false},
      {TextValue(""), false},
      {RegValue{ValueType::kSz, {}}, false},
      {TextValue(ours, static_cast<ValueType>(3)), false},         // REG_BINARY
      {TextValue(ours + '\0', static_cast<ValueType>(7)), false},  // REG_MULTI_SZ
      {TextValue(ours + "x"), false},
      {TextValue(ours.substr(1)), false},
      {TextValue(ours + std::string(300, ' ')), false}};  // too long to read
  h.form1.store.Set(Control::lbldefvoice, kStock);
  for (const auto& [current, replaced] : cases) {
    h.registry.Put(kCurrentSound, "", current);
    TakeBackEmptySound(h.registry, h.form1, "Z:\\WINDOWS");
    EXPECT_EQ(replaced ? TextValue(kStock, ValueType::kExpandSz) : current,
              h.registry.Get(kCurrentSound, ""))
        << current;
  }
  // Nothing is written unless it can read the replacement's name: no value, no Windows directory,
  // a key that does not open, a query that raises.
  h.log.events.clear();
  h.registry.Remove(kCurrentSound, "");
  TakeBackEmptySound(h.registry, h.form1, "Z:\\WINDOWS");
  h.registry.Put(kCurrentSound, "", TextValue("\\media\\dravik.wav"));
  TakeBackEmptySound(h.registry, h.form1, "");
  h.registry.Put(kCurrentSound, "", TextValue(kReplacementSound));
  h.registry.FailWith(std::string("Open ") + kCurrentSound + " read", kAccessDenied, 1);
  TakeBackEmptySound(h.registry, h.form1, "C:\\WINDOWS");  // it cannot tell whose sound it is
  h.registry.FailWith("Query ", kRaise);
  TakeBackEmptySound(h.registry, h.form1, "C:\\WINDOWS");
  EXPECT_EQ(Events{}, h.log.Matching("Set "));
  EXPECT_EQ(Events{}, h.messages.Shown());
}

}  // namespace
}  // namespace kelvoro
