#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/context.h"
#include "app/value_store.h"
#include "support/event_log.h"
#include "support/memory_registry.h"

namespace kelvoro::testing {

// Raised by FakeSystem::EndProgram; deliberately not a std::exception, so that no handler of the
// program can swallow it.
struct ProgramEnded {};

// Message boxes: logged as "Message <style>: <text>".
class FakeMessages : public MessagePort {
 public:
  explicit FakeMessages(EventLog& log) : log_(log) {}
  void Show(const std::string& text, MessageStyle style) override;
  std::vector<std::string> Shown() const { return log_.Matching("Message "); }

 private:
  EventLog& log_;
};

class FakeSystem : public SystemPort {
 public:
  explicit FakeSystem(EventLog& log) : log_(log) {}

  std::optional<std::uint32_t> platform_id = 2;  // nullopt: the version query fails
  // What the directory query writes; nullopt writes nothing (the buffer stays as it was).
  std::optional<std::string> windows_directory = std::string("C:\\WINDOWS");
  std::optional<std::string> program_folder = std::string("C:\\Tools");  // nullopt: raises
  int version_queries = 0;

  bool QueryVersion(std::uint32_t& platform_id) override;
  void QueryWindowsDirectory(char* buffer, std::uint32_t size) override;
  std::string ProgramFolder() override;
  void NotifyIconsChanged() override;
  [[noreturn]] void EndProgram() override;

 private:
  EventLog& log_;
};

// The main window: a ValueStore for the hidden data area plus the visible state that the logic
// touches. Logged as "SetCaption <name>=<text>", "Check1=<n>", "BackColour <name>",
// "Hide <name>", "Picture <name>=<entry>". Reads are not logged.
class FakeForm1 : public Form1Port {
 public:
  explicit FakeForm1(EventLog& log) : log_(log) {}

  std::string Caption(std::string_view control) const override;
  void SetCaption(std::string_view control, const std::string& text) override;
  int Check1Value() const override;
  void SetCheck1Value(int value) override;
  void SetBackColour(std::string_view control, Rgb colour) override;
  void Hide(std::string_view control) override;
  void SetPictureFromImageList(std::string_view image, int entry) override;

  // An operation whose log entry (for reads: "Caption <name>", "Check1?") starts with `prefix`
  // raises a Failure instead of running.
  void RaiseOn(const std::string& prefix) { raise_on_.push_back(prefix); }

  ValueStore store;
  int check1 = 0;
  std::map<std::string, Rgb, std::less<>> colours;
  std::set<std::string, std::less<>> hidden;
  std::map<std::string, int, std::less<>> pictures;

 private:
  void Enter(const std::string& event, bool log) const;

  EventLog& log_;
  std::vector<std::string> raise_on_;
};

// A whole program's worth of fakes around a Context.
struct Harness {
  EventLog log;
  MemoryRegistry registry{log};
  FakeSystem system{log};
  FakeMessages messages{log};
  FakeForm1 form1{log};
  AppState state;
  Context context{registry, system, messages, form1, state};
};

}  // namespace kelvoro::testing
