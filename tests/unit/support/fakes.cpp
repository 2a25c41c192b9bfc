#include "support/fakes.h"

#include <algorithm>
#include <cstring>

#include "platform/failure.h"

namespace kelvoro::testing {

void FakeMessages::Show(const std::string& text, MessageStyle style) {
  log_.Add("Message " + std::to_string(static_cast<unsigned>(style)) + ": " + text);
}

bool FakeSystem::QueryVersion(std::uint32_t& id) {
  ++version_queries;
  if (!platform_id) return false;
  id = *platform_id;
  return true;
}

void FakeSystem::QueryWindowsDirectory(char* buffer, std::uint32_t size) {
  if (!windows_directory) return;
  // Like the real call: the directory and its zero only when both fit.
  if (windows_directory->size() + 1 > size) return;
  std::memcpy(buffer, windows_directory->c_str(), windows_directory->size() + 1);
}

std::string FakeSystem::ProgramFolder() {
  log_.Add("ProgramFolder");
  if (!program_folder) throw Failure("The program folder cannot be obtained");
  return *program_folder;
}

void FakeSystem::NotifyIconsChanged() { log_.Add("NotifyIconsChanged"); }

void FakeSystem::EndProgram() {
  log_.Add("EndProgram");
  throw ProgramEnded{};
}

void FakeForm1::Enter(const std::string& event, bool log) const {
  for (const std::string& prefix : raise_on_) {
    if (event.rfind(prefix, 0) == 0) throw Failure("Injected failure in: " + event);
  }
  if (log) log_.Add(event);
}

std::string FakeForm1::Caption(std::string_view control) const {
  Enter("Caption " + std::string(control), false);
  return store.Get(control);
}

void FakeForm1::SetCaption(std::string_view control, const std::string& text) {
  Enter("SetCaption " + std::string(control) + "=" + text, true);
  store.Set(control, text);
}

int FakeForm1::Check1Value() const {
  Enter("Check1?", false);
  return check1;
}

void FakeForm1::SetCheck1Value(int value) {
  Enter("Check1=" + std::to_string(value), true);
  check1 = value;
}

void FakeForm1::SetBackColour(std::string_view control, Rgb colour) {
  Enter("BackColour " + std::string(control), true);
  colours[std::string(control)] = colour;
}

void FakeForm1::Hide(std::string_view control) {
  Enter("Hide " + std::string(control), true);
  hidden.insert(std::string(control));
}

void FakeForm1::SetPictureFromImageList(std::string_view image, int entry) {
  Enter("Picture " + std::string(image) + "=" + std::to_string(entry), true);
  pictures[std::string(image)] = entry;
}

}  // namespace kelvoro::testing
