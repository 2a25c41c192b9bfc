#pragma once

#include "platform/system_port.h"

namespace kelvoro::win32 {

// SystemPort over kernel32: the version and Windows-directory queries, the folder of the running
// executable and the immediate end of the process. Only ProgramFolder raises (a Failure).
class SystemWin32 final : public SystemPort {
 public:
  bool QueryVersion(std::uint32_t& platform_id) override;
  void QueryWindowsDirectory(char* buffer, std::uint32_t size) override;
  std::string ProgramFolder() override;
  [[noreturn]] void EndProgram() override;
};

}  // namespace kelvoro::win32
