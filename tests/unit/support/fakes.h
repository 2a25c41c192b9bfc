#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/value_store.h"
#include "platform/failure.h"
#include "platform/ports/ports.h"
#include "platform/windows_version.h"
#include "support/memory_registry.h"

namespace kelvoro::testing {

using Events = std::vector<std::string>;

// The registry places the program writes, as the in-memory registry names them.
inline constexpr char kNTIcon[] =
    "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon";
inline constexpr char kNTClass[] =
    "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}";
inline constexpr char k9xIcon[] =
    "HKLM\\Software\\CLASSES\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon";
inline constexpr char k9xClass[] =
    "HKLM\\Software\\CLASSES\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";
inline constexpr char kCurrentSound[] =
    "HKCU\\AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current";
inline constexpr char kStockSound[] =
    "HKCU\\AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Default";
inline constexpr char kSettings[] = "HKCU\\Software\\Orvane's Software\\Kelvoro\\2.1";

inline constexpr char kStockEmptyIcon[] = "%SystemRoot%\\System32\\shell32.dll,31";
inline constexpr char kStockFullIcon[] = "%SystemRoot%\\System32\\shell32.dll,32";
inline constexpr char kReplacementSound[] = "C:\\WINDOWS\\media\\dravik.wav";

// Raised by FakeSystem::EndProgram; no std::exception, so that no handler of the program takes it.
struct ProgramEnded {};

// Message boxes, logged as "Message <style>: <text>".
class FakeMessages : public MessagePort {
 public:
  explicit FakeMessages(EventLog& log) : log_(log) {}
  void Show(const std::string& text, MessageStyle style) override {
    log_.Add("Message " + std::to_string(static_cast<unsigned>(style)) + ": " + text);
  }
  std::vector<std::string> Shown() const { return log_.Matching("Message "); }

 private:
  EventLog& log_;
};

class FakeSystem : public SystemPort {
 public:
  explicit FakeSystem(EventLog& log) : log_(log) {}

  std::optional<std::uint32_t> platform_id = 2;  // nullopt: the version query fails
  std::optional<std::string> windows_directory = std::string("C:\\WINDOWS");  // nullopt: none
  std::optional<std::u16string> program_folder = u"C:\\Tools";                // nullopt: raises
  std::uint16_t display_language = 0x0409;
  Localized localized = Localized::kAnswered;  // with localized_name
  std::u16string localized_name = u"Trash";

  bool QueryVersion(std::uint32_t& id) override {
    if (platform_id) id = *platform_id;
    return platform_id.has_value();
  }
  void QueryWindowsDirectory(char* buffer, std::uint32_t size) override {
    if (windows_directory && windows_directory->size() < size) {
      std::memcpy(buffer, windows_directory->c_str(), windows_directory->size() + 1);
    }
  }
  std::u16string ProgramFolder() override {
    log_.Add("ProgramFolder");
    if (!program_folder) throw Failure("The program folder cannot be obtained");
    return *program_folder;
  }
  // The code page is Latin-1: the first 256 characters, one byte each.
  bool ToCodePage(const std::u16string& text, std::string& ansi) override {
    if (InCodePage(text)) ansi.assign(text.begin(), text.end());
    return InCodePage(text);
  }
  std::u16string FromCodePage(const std::string& text) override {
    return std::u16string(reinterpret_cast<const unsigned char*>(text.data()),
                          reinterpret_cast<const unsigned char*>(text.data()) + text.size());
  }
  static bool InCodePage(const std::u16string& text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x100; });
  }
  std::uint16_t DisplayLanguage() override { return display_language; }
  Localized LocalizedBinName(std::u16string& name) override {
    if (localized == Localized::kAnswered) name = localized_name;
    return localized;
  }
  void NotifyIconsChanged() override { log_.Add("NotifyIconsChanged"); }
  [[noreturn]] void EndProgram() override {
    log_.Add("EndProgram");
    throw ProgramEnded{};
  }

 private:
  EventLog& log_;
};

// The main window: a ValueStore for the value labels, and the state the logic touches. Logged:
// "SetCaption <control>=<text>", "Check1=<n>", "BackColour|Hide <control>", "Picture <c>=<entry>".
class FakeForm1 : public Form1Port {
 public:
  explicit FakeForm1(EventLog& log) : log_(log) {}

  std::string Caption(Control control) const override {
    Enter("Caption " + Name(control), false);
    return store.Get(control);
  }
  void SetCaption(Control control, const std::string& text) override {
    Enter("SetCaption " + Name(control) + "=" + text);
    store.Set(control, text);
  }
  int Check1Value() const override {
    Enter("Check1?", false);
    return check1;
  }
  void SetCheck1Value(int value) override {
    Enter("Check1=" + std::to_string(value));
    check1 = value;
  }
  void SetBackColour(Control control, Rgb colour) override {
    Enter("BackColour " + Name(control));
    colours.insert_or_assign(control, colour);
  }
  void Hide(Control control) override { Enter("Hide " + Name(control)); }
  void SetPictureFromImageList(Control image, int entry) override {
    Enter("Picture " + Name(image) + "=" + std::to_string(entry));
  }

  // An operation whose log entry starts with `prefix` raises a Failure instead of running.
  void RaiseOn(const std::string& prefix) { raise_on_.push_back(prefix); }

  ValueStore store;
  int check1 = 0;
  std::map<Control, Rgb> colours;

 private:
  static std::string Name(Control control) { return std::string(NameOf(control)); }
  void Enter(const std::string& event, bool logged = true) const {
    for (const std::string& prefix : raise_on_) {
      if (StartsWith(event, prefix)) throw Failure("Injected failure in: " + event);
    }
    if (logged) log_.Add(event);
  }

  EventLog& log_;
  std::vector<std::string> raise_on_;
};

// A whole program's fakes; when it goes, every key handed out has been closed, once.
struct Harness {
  ~Harness() {
    if (!expect_keys_closed) return;
    EXPECT_EQ(std::vector<std::string>{}, registry.OpenKeys()) << "keys left open\n" << log.Dump();
    EXPECT_EQ(0, registry.StrayCloses()) << "keys closed twice\n" << log.Dump();
  }

  bool expect_keys_closed = true;
  EventLog log;
  MemoryRegistry registry{log};
  FakeSystem system{log};
  FakeMessages messages{log};
  FakeForm1 form1{log};
  WindowsFacts facts;  // as a program that has not started yet
  Ports ports{registry, system, messages, form1};
};

}  // namespace kelvoro::testing
