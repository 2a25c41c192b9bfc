#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry_port.h"
#include "support/event_log.h"

namespace kelvoro::testing {

inline constexpr RegStatus kFileNotFound = 2;
inline constexpr RegStatus kAccessDenied = 5;
inline constexpr RegStatus kMoreData = 234;

// An in-memory registry behind the same port as the real one. Key paths are case-insensitive and
// written "HKCU\Software\..." or "HKLM\...". Every call is logged to the EventLog as
//   Open <path> read|write, Create <path>, Set <path>:<name> <type> <text or number>,
//   Query <path>:<name>, Close <path>, Flush HKCU
// Faults: a call whose log entry starts with a chosen text returns a chosen status or raises.
class MemoryRegistry : public RegistryPort {
 public:
  struct Value {
    ValueType type;
    std::vector<std::uint8_t> bytes;
  };

  explicit MemoryRegistry(EventLog& log) : log_(log) {}

  // Seeding and inspection, never logged.
  void AddKey(const std::string& path);
  bool HasKey(const std::string& path) const;
  void SetRaw(const std::string& path, const std::string& name, ValueType type,
              std::vector<std::uint8_t> bytes);
  void SetString(const std::string& path, const std::string& name, const std::string& text,
                 ValueType type = ValueType::kSz);
  void SetDwordValue(const std::string& path, const std::string& name, std::uint32_t value);
  void DeleteValue(const std::string& path, const std::string& name);
  std::optional<Value> Get(const std::string& path, const std::string& name) const;
  // The text of a string value without its terminating zero; nullopt when absent.
  std::optional<std::string> GetString(const std::string& path, const std::string& name) const;
  std::optional<std::uint32_t> GetDword(const std::string& path, const std::string& name) const;
  int OpenHandles() const { return static_cast<int>(handles_.size()); }
  int Flushes() const { return flushes_; }

  // The next `times` calls (every call when times < 0) whose log entry starts with `prefix`
  // return `status` instead of running.
  void FailWith(const std::string& prefix, RegStatus status, int times = -1);
  // ... raise a Failure instead of running.
  void RaiseOn(const std::string& prefix, int times = -1);

  RegStatus OpenKey(RootKey root, const std::string& path, KeyAccess access,
                    KeyHandle& key) override;
  RegStatus CreateKey(KeyHandle parent, const std::string& child, KeyHandle& key) override;
  RegStatus SetValue(KeyHandle key, const std::string& name, ValueType type, const void* data,
                     std::uint32_t size) override;
  RegStatus QueryValue(KeyHandle key, const std::string& name, ValueType& type, void* data,
                       std::uint32_t& size) override;
  void CloseKey(KeyHandle key) override;
  void FlushCurrentUser() override;

 private:
  struct Key {
    std::map<std::string, Value> values;  // by lower-case name
  };
  struct Fault {
    std::string prefix;
    std::optional<RegStatus> status;  // nullopt: raise
    int times;
  };

  // Logs `event`, then applies the first matching fault: returns its status or raises.
  std::optional<RegStatus> Enter(const std::string& event);
  static std::string Normalise(const std::string& path);
  const std::string& PathOf(KeyHandle key) const;

  EventLog& log_;
  std::map<std::string, Key> keys_;  // by normalised path
  std::map<KeyHandle, std::string> handles_;
  std::vector<Fault> faults_;
  KeyHandle next_handle_ = 0x100;
  int flushes_ = 0;
};

}  // namespace kelvoro::testing
