#pragma once

#include "platform/ports/system_port.h"
#include "platform/win32/shell_services.h"

namespace kelvoro::win32 {

// SystemPort over kernel32: the version and Windows-directory queries, the folder of the running
// executable, the display language and the bin's name in it, the shell's change notification and
// the immediate end of the process. Only ProgramFolder raises (a Failure).
class SystemWin32 final : public SystemPort {
 public:
  explicit SystemWin32(ShellServices& shell) noexcept : shell_(shell) {}

  bool QueryVersion(std::uint32_t& platform_id) override;
  void QueryWindowsDirectory(char* buffer, std::uint32_t size) override;
  std::u16string ProgramFolder() override;
  bool ToCodePage(const std::u16string& text, std::string& ansi) override;
  std::u16string FromCodePage(const std::string& text) override;
  std::uint16_t DisplayLanguage() override;
  Localized LocalizedBinName(std::u16string& name) override;
  void NotifyIconsChanged() override;
  [[noreturn]] void EndProgram() override;

 private:
  ShellServices& shell_;
};

}  // namespace kelvoro::win32
