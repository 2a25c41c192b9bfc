#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/ports/registry_port.h"

namespace kelvoro::testing {

// What every fake saw, in order, so that a test can check the order of effects across the
// registry, the message boxes and the window.
struct EventLog {
  std::vector<std::string> events;
  void Add(std::string event) { events.push_back(std::move(event)); }
  std::vector<std::string> Matching(const std::string& prefix) const;
  int IndexOf(const std::string& prefix) const;  // -1: none
  // True when an event starts with each prefix, and the first such events come in this order.
  bool InOrder(const std::vector<std::string>& prefixes) const;
  std::string Dump() const;
};

inline constexpr RegStatus kFileNotFound = 2;
inline constexpr RegStatus kAccessDenied = 5;
inline constexpr RegStatus kMoreData = 234;
inline constexpr RegStatus kRaise = -1;  // as a fault: the call raises a Failure

struct RegValue {
  ValueType type;
  std::vector<std::uint8_t> bytes;
  friend bool operator==(const RegValue& a, const RegValue& b) {
    return a.type == b.type && a.bytes == b.bytes;
  }
};
std::ostream& operator<<(std::ostream& out, const RegValue& value);
// A text with its terminating zero, and a REG_DWORD, as the program writes them.
RegValue TextValue(const std::string& text, ValueType type = ValueType::kSz);
RegValue DwordValue(std::uint32_t number);
// A path or value name as the registry compares them: A to Z folded to lower case.
std::string Folded(std::string text);

// An in-memory registry behind the same port as the real one. Paths read "HKCU\..." or "HKLM\...".
// Every call is logged: "Open <path> read|write", "Create <path>", "Query <path>:<name>",
// "Set <path>:<name> <type> <text or number>", "Close <path>", "Flush HKCU".
// It tracks the keys it hands out, so that a test sees a key left open or closed twice, and it
// refuses writes through a key opened for reading. A successful query leaves 0xCD in the buffer
// past the data, as nothing promises what lies there.
// Faults: a call that reports a status (Open, Create, Set, Query) returns another status, or
// raises, as a fault chosen by the prefix of its log entry or a plan for the coming calls says.
class MemoryRegistry : public RegistryPort {
 public:
  using Hive = std::map<std::string, std::map<std::string, RegValue>>;  // by folded path, name

  explicit MemoryRegistry(EventLog& log) : log_(log) {}

  // Seeding and inspection, never logged. A key's parents exist with it.
  void AddKey(const std::string& path);
  bool HasKey(const std::string& path) const { return keys_.count(Folded(path)) != 0; }
  void Put(const std::string& path, const std::string& name, RegValue value);
  void Remove(const std::string& path, const std::string& name);
  std::optional<RegValue> Get(const std::string& path, const std::string& name) const;
  const Hive& Keys() const { return keys_; }
  std::vector<std::string> OpenKeys() const;
  int StrayCloses() const { return stray_closes_; }  // of keys not open: never, or no longer
  int Flushes() const { return flushes_; }

  // The next `times` calls (all while times < 0) whose log entry starts with `prefix` fail so.
  void FailWith(const std::string& prefix, RegStatus status, int times = -1);
  // The coming calls that report a status, in order: 0 runs, anything else is the fault.
  void Plan(std::vector<RegStatus> outcomes);

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
  struct Fault {
    std::string prefix;
    RegStatus status;
    int times;
  };
  // Logs `event`, then gives the planned or matching fault's status, or raises.
  RegStatus Enter(const std::string& event);
  std::string PathOf(KeyHandle key) const;
  RegStatus HandOut(const std::string& path, bool writable, KeyHandle& key);

  EventLog& log_;
  Hive keys_;
  std::map<KeyHandle, std::pair<std::string, bool>> open_;  // path, writable
  std::vector<Fault> faults_;
  std::vector<RegStatus> plan_;
  std::size_t planned_ = 0;
  KeyHandle next_handle_ = 0x100;  // never reused, so that a second close is seen
  int stray_closes_ = 0;
  int flushes_ = 0;
};

}  // namespace kelvoro::testing
