#include "appearance/commands.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace kelvoro {
namespace {

using namespace testing;

constexpr char kStock[] = "%SystemRoot%\\media\\Windows Recycle.wav";

// The stock look in both families, the stock sound current, voice status 0, the NT family found.
void Seed(Harness& h) {
  h.facts = WindowsFacts{2, "C:\\WINDOWS"};
  for (const char* icon : {kNTIcon, k9xIcon}) {
    for (const char* name : {"", "Empty", "Full"}) h.registry.Put(icon, name, TextValue("old"));
  }
  h.registry.Put(kNTClass, "", TextValue("Recycle Bin"));
  h.registry.Put(k9xClass, "", TextValue("Recycle Bin"));
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

}  // namespace
}  // namespace kelvoro
