#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iomanip>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/ports/registry_port.h"
#include "texts/catalogue.h"

namespace kelvoro::testing {

inline bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

// What every fake saw, in order: the order of effects across registry, message boxes and window.
struct EventLog {
  std::vector<std::string> events;
  void Add(std::string event) { events.push_back(std::move(event)); }
  std::vector<std::string> Matching(const std::string& prefix) const {
    std::vector<std::string> found;
    std::copy_if(events.begin(), events.end(), std::back_inserter(found),
                 [&](const std::string& event) { return StartsWith(event, prefix); });
    return found;
  }
  int IndexOf(const std::string& prefix) const {  // -1: none
    const auto at = std::find_if(events.begin(), events.end(), [&](const std::string& event) {
      return StartsWith(event, prefix);
    });
    return at == events.end() ? -1 : static_cast<int>(at - events.begin());
  }
  // True when an event starts with each prefix, and the first such events come in this order.
  bool InOrder(const std::vector<std::string>& prefixes) const {
    int previous = -1;
    for (const std::string& prefix : prefixes) {
      if (IndexOf(prefix) <= previous) return false;
      previous = IndexOf(prefix);
    }
    return true;
  }
  std::string Dump() const {
    std::string text;
    for (const std::string& event : events) text += "  " + event + "\n";
    return text;
  }
};

inline constexpr RegStatus kFileNotFound = 2;
inline constexpr RegStatus kAccessDenied = 5;
inline constexpr RegStatus kMoreData = 234;
inline constexpr RegStatus kRaise = -1;  // as a fault: the call raises a Failure

inline std::string TypeName(ValueType type) {
  if (type == ValueType::kSz) return "REG_SZ";
  if (type == ValueType::kExpandSz) return "REG_EXPAND_SZ";
  if (type == ValueType::kDword) return "REG_DWORD";
  return "type " + std::to_string(static_cast<std::uint32_t>(type));
}

// A value as stored: its type, bytes, and whether it came through the wide (UTF-16) entry point.
struct RegValue {
  ValueType type;
  std::vector<std::uint8_t> bytes;
  bool wide = false;
  friend bool operator==(const RegValue& a, const RegValue& b) {
    return a.type == b.type && a.bytes == b.bytes && a.wide == b.wide;
  }
  friend std::ostream& operator<<(std::ostream& out, const RegValue& value) {
    out << TypeName(value.type) << (value.wide ? " wide" : "") << " \"" << std::hex
        << std::setfill('0');
    for (const int byte : value.bytes) {
      if (byte >= 0x20 && byte < 0x7F) out << static_cast<char>(byte);
      if (byte < 0x20 || byte >= 0x7F) out << "\\x" << std::setw(2) << byte;
    }
    return out << std::dec << '"';
  }
};

// Values as the program writes them: a text with its zero (narrow or UTF-16LE), a REG_DWORD.
inline RegValue TextValue(const std::string& text, ValueType type = ValueType::kSz) {
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return RegValue{type, std::move(bytes)};
}
inline RegValue WideTextValue(const std::u16string& text, ValueType type = ValueType::kSz) {
  std::vector<std::uint8_t> bytes;
  for (const char16_t unit : text + u'\0')
    bytes.insert(bytes.end(), {std::uint8_t(unit), std::uint8_t(unit >> 8)});
  return RegValue{type, std::move(bytes), true};
}
inline RegValue DwordValue(std::uint32_t n) {
  return RegValue{
      ValueType::kDword,
      {std::uint8_t(n), std::uint8_t(n >> 8), std::uint8_t(n >> 16), std::uint8_t(n >> 24)}};
}
// A path or value name as the registry compares them: A to Z folded to lower case.
inline std::string Folded(std::string text) {
  for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return text;
}

// An in-memory registry behind the real one's port; paths read "HKCU\..." or "HKLM\...". Calls are
// logged ("Open <path> read|write", "Create <path>", "Query <path>:<name>", "Set[W] <path>:<name>
// <type> <text (UTF-8) or number>", "Close <path>", "Flush HKCU"); keys left open or closed twice
// are seen, writes through a read key refused, and a query leaves 0xCD past the data. A call that
// reports a status fails (or raises) as a fault by log prefix, or a plan of coming calls, says.
class MemoryRegistry : public RegistryPort {
 public:
  using Hive = std::map<std::string, std::map<std::string, RegValue>>;  // by folded path, name

  explicit MemoryRegistry(EventLog& log) : log_(log) {}

  // Seeding and inspection, never logged. A key's parents exist with it.
  void AddKey(const std::string& path) {
    for (std::size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) {
      keys_[Folded(path.substr(0, at))];
    }
    keys_[Folded(path)];
  }
  bool HasKey(const std::string& path) const { return keys_.count(Folded(path)) != 0; }
  void Put(const std::string& path, const std::string& name, RegValue value) {
    AddKey(path);
    keys_[Folded(path)][Folded(name)] = std::move(value);
  }
  void Remove(const std::string& path, const std::string& name) {
    if (HasKey(path)) keys_[Folded(path)].erase(Folded(name));
  }
  std::optional<RegValue> Get(const std::string& path, const std::string& name) const {
    return Find(keys_, path, name);
  }
  static std::optional<RegValue> Find(const Hive& hive, const std::string& path,
                                      const std::string& name) {
    const auto key = hive.find(Folded(path));
    if (key == hive.end() || key->second.count(Folded(name)) == 0) return std::nullopt;
    return key->second.at(Folded(name));
  }
  const Hive& Keys() const { return keys_; }
  std::vector<std::string> OpenKeys() const {
    std::vector<std::string> paths;
    for (const auto& [handle, key] : open_) paths.push_back(key.first);
    return paths;
  }
  int StrayCloses() const { return stray_closes_; }  // of keys not open: never, or no longer

  // The next `times` calls (all while times < 0) whose log entry starts with `prefix` fail so.
  void FailWith(const std::string& prefix, RegStatus status, int times = -1) {
    faults_.push_back(Fault{prefix, status, times});
  }
  // The coming calls that report a status, in order: 0 runs, anything else is the fault.
  void Plan(std::vector<RegStatus> outcomes) {
    plan_ = std::move(outcomes);
    planned_ = 0;
  }

  RegStatus OpenKey(RootKey root, const std::string& path, KeyAccess access,
                    KeyHandle& key) override {
    const std::string full = (root == RootKey::kCurrentUser ? "HKCU\\" : "HKLM\\") + path;
    const bool write = access == KeyAccess::kWrite;
    if (RegStatus fault = Enter("Open " + full + (write ? " write" : " read"))) return fault;
    return HasKey(full) ? HandOut(full, write, key) : kFileNotFound;
  }
  RegStatus CreateKey(KeyHandle parent, const std::string& child, KeyHandle& key) override {
    const std::string full = PathOf(parent) + "\\" + child;
    if (RegStatus fault = Enter("Create " + full)) return fault;
    if (!Writable(parent)) return kAccessDenied;
    AddKey(full);
    return HandOut(full, true, key);
  }
  RegStatus SetValue(KeyHandle key, const std::string& name, ValueType type, const void* data,
                     std::uint32_t size) override {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::string shown(bytes, bytes + size);
    if (type == ValueType::kDword && size == 4) {
      shown = std::to_string(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (bytes[3] << 24));
    } else if (!shown.empty() && shown.back() == '\0') {
      shown.pop_back();
    }
    return Store("Set ", key, name, type, shown, RegValue{type, {bytes, bytes + size}});
  }
  RegStatus SetValueW(KeyHandle key, const std::u16string& name, ValueType type, const void* data,
                      std::uint32_t size) override {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::u16string text;
    for (std::uint32_t i = 0; i + 1 < size; i += 2) text += char16_t(bytes[i] | bytes[i + 1] << 8);
    if (!text.empty() && text.back() == u'\0') text.pop_back();
    return Store("SetW ", key, ToUtf8(name), type, ToUtf8(text),
                 RegValue{type, {bytes, bytes + size}, true});
  }
  RegStatus QueryValue(KeyHandle key, const std::string& name, ValueType& type, void* data,
                       std::uint32_t& size) override {
    if (RegStatus fault = Enter("Query " + PathOf(key) + ":" + name)) return fault;
    const auto value = Get(PathOf(key), name);
    if (open_.count(key) == 0 || !value) return kFileNotFound;
    if (value->bytes.size() > size) return kMoreData;
    std::memset(data, 0xCD, size);
    std::copy(value->bytes.begin(), value->bytes.end(), static_cast<std::uint8_t*>(data));
    size = static_cast<std::uint32_t>(value->bytes.size());
    type = value->type;
    return kRegSuccess;
  }
  void CloseKey(KeyHandle key) override {
    log_.Add("Close " + PathOf(key));
    if (open_.erase(key) == 0) ++stray_closes_;
  }
  void FlushCurrentUser() override { log_.Add("Flush HKCU"); }

 private:
  struct Fault {
    std::string prefix;
    RegStatus status;
    int times;
  };
  // Logs `event`, then gives the planned or matching fault's status, or raises.
  RegStatus Enter(const std::string& event) {
    log_.Add(event);
    RegStatus outcome = planned_ < plan_.size() ? plan_[planned_++] : kRegSuccess;
    for (Fault& fault : faults_) {
      if (outcome != kRegSuccess || fault.times == 0 || !StartsWith(event, fault.prefix)) continue;
      if (fault.times > 0) --fault.times;
      outcome = fault.status;
    }
    if (outcome == kRaise) throw Failure("Injected failure in: " + event);
    return outcome;
  }
  RegStatus Store(const std::string& call, KeyHandle key, const std::string& name, ValueType type,
                  const std::string& shown, RegValue value) {
    const std::string at = PathOf(key) + ":" + name;
    if (RegStatus fault = Enter(call + at + " " + TypeName(type) + " " + shown)) return fault;
    if (!Writable(key)) return kAccessDenied;
    keys_[Folded(PathOf(key))][Folded(name)] = std::move(value);
    return kRegSuccess;
  }
  bool Writable(KeyHandle key) const { return open_.count(key) != 0 && open_.at(key).second; }
  std::string PathOf(KeyHandle key) const {
    return open_.count(key) != 0 ? open_.at(key).first : "<no key>";
  }
  RegStatus HandOut(const std::string& path, bool writable, KeyHandle& key) {
    key = next_handle_++;
    open_[key] = {path, writable};
    return kRegSuccess;
  }

  EventLog& log_;
  Hive keys_;
  std::map<KeyHandle, std::pair<std::string, bool>> open_;  // path, writable
  std::vector<Fault> faults_;
  std::vector<RegStatus> plan_;
  std::size_t planned_ = 0;
  KeyHandle next_handle_ = 0x100;  // never reused, so that a second close is seen
  int stray_closes_ = 0;
};

}  // namespace kelvoro::testing
