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

  // The folder that holds the program's executable, in the ANSI code page, without a trailing
  // separator. Raises a Failure when it cannot be obtained or cannot be expressed in ANSI.
  virtual std::string ProgramFolder() = 0;

  // Tells the shell that the Recycle Bin's look has changed, so that the desktop shows it without
  // a restart. Raises nothing; a shell that cannot be told is left alone.
  virtual void NotifyIconsChanged() = 0;

  // Ends the program at once; nothing of the program runs after it.
  [[noreturn]] virtual void EndProgram() = 0;
};

}  // namespace kelvoro
