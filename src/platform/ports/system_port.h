#pragma once

#include <cstdint>
#include <string>

namespace kelvoro {

// What the program asks of the operating system besides the registry.
class SystemPort {
 public:
  virtual ~SystemPort() = default;

  // The version query: stores the platform identifier in `platform_id` and returns true, or
  // returns false when the query fails (then `platform_id` is left as it was).
  virtual bool QueryVersion(std::uint32_t& platform_id) = 0;

  // The Windows-directory query: writes the directory and a terminating zero into `buffer`
  // (`size` bytes) when it fits. The length it would return is of no use to the program.
  virtual void QueryWindowsDirectory(char* buffer, std::uint32_t size) = 0;

  // The folder that holds the program's executable, exactly as the file system names it (UTF-16),
  // without a trailing separator. Raises a Failure when it cannot be obtained.
  virtual std::u16string ProgramFolder() = 0;

  // `text` in the system's ANSI code page; false, with `ansi` left as it was, when a character
  // has no place there (it is never replaced by '?' or a look-alike).
  virtual bool ToCodePage(const std::u16string& text, std::string& ansi) = 0;
  // `text`, in the system's ANSI code page, in UTF-16.
  virtual std::u16string FromCodePage(const std::string& text) = 0;

  // The user's Windows display language: Windows' language identifier, its primary language in
  // the low ten bits.
  virtual std::uint16_t DisplayLanguage() = 0;

  // The Recycle Bin class's LocalizedString, as the system resolves it in the display language
  // (through the MUI string loader where this Windows has one, else the shell's indirect-string
  // loader). kAnswered fills `name`; kNone says that this Windows has neither loader; kFailed
  // that the answer could not be had. `name` is left as it was unless the answer is kAnswered.
  enum class Localized { kAnswered, kFailed, kNone };
  virtual Localized LocalizedBinName(std::u16string& name) = 0;

  // Tells the shell that the Recycle Bin's look has changed, so that the desktop shows it without
  // a restart. Raises nothing; a shell that cannot be told is left alone.
  virtual void NotifyIconsChanged() = 0;

  // Ends the program at once; nothing of the program runs after it.
  [[noreturn]] virtual void EndProgram() = 0;
};

}  // namespace kelvoro
