#include "support/memory_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/failure.h"

namespace kelvoro::testing {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

const char* TypeName(ValueType type) {
  switch (type) {
    case ValueType::kSz:
      return "REG_SZ";
    case ValueType::kExpandSz:
      return "REG_EXPAND_SZ";
    case ValueType::kDword:
      return "REG_DWORD";
  }
  return "REG_?";
}

}  // namespace

std::string MemoryRegistry::Normalise(const std::string& path) { return Lower(path); }

void MemoryRegistry::AddKey(const std::string& path) {
  // Like the real registry, a key's parents exist with it.
  for (std::size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) {
    keys_[Normalise(path.substr(0, at))];
  }
  keys_[Normalise(path)];
}

bool MemoryRegistry::HasKey(const std::string& path) const {
  return keys_.count(Normalise(path)) != 0;
}

void MemoryRegistry::SetRaw(const std::string& path, const std::string& name, ValueType type,
                            std::vector<std::uint8_t> bytes) {
  AddKey(path);
  keys_[Normalise(path)].values[Lower(name)] = Value{type, std::move(bytes)};
}

void MemoryRegistry::SetString(const std::string& path, const std::string& name,
                               const std::string& text, ValueType type) {
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  SetRaw(path, name, type, std::move(bytes));
}

void MemoryRegistry::SetDwordValue(const std::string& path, const std::string& name,
                                   std::uint32_t value) {
  SetRaw(path, name, ValueType::kDword,
         {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

void MemoryRegistry::DeleteValue(const std::string& path, const std::string& name) {
  auto key = keys_.find(Normalise(path));
  if (key != keys_.end()) key->second.values.erase(Lower(name));
}

std::optional<MemoryRegistry::Value> MemoryRegistry::Get(const std::string& path,
                                                         const std::string& name) const {
  auto key = keys_.find(Normalise(path));
  if (key == keys_.end()) return std::nullopt;
  auto value = key->second.values.find(Lower(name));
  if (value == key->second.values.end()) return std::nullopt;
  return value->second;
}

std::optional<std::string> MemoryRegistry::GetString(const std::string& path,
                                                     const std::string& name) const {
  auto value = Get(path, name);
  if (!value) return std::nullopt;
  std::string text(value->bytes.begin(), value->bytes.end());
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

std::optional<std::uint32_t> MemoryRegistry::GetDword(const std::string& path,
                                                      const std::string& name) const {
  auto value = Get(path, name);
  if (!value || value->bytes.size() != 4) return std::nullopt;
  const auto& b = value->bytes;
  return static_cast<std::uint32_t>(b[0] | (b[1] << 8) | (b[2] << 16)) |
         (static_cast<std::uint32_t>(b[3]) << 24);
}

void MemoryRegistry::FailWith(const std::string& prefix, RegStatus status, int times) {
  faults_.push_back(Fault{prefix, status, times});
}

void MemoryRegistry::RaiseOn(const std::string& prefix, int times) {
  faults_.push_back(Fault{prefix, std::nullopt, times});
}

std::optional<RegStatus> MemoryRegistry::Enter(const std::string& event) {
  log_.Add(event);
  for (Fault& fault : faults_) {
    if (fault.times == 0 || event.rfind(fault.prefix, 0) != 0) continue;
    if (fault.times > 0) --fault.times;
    if (!fault.status) throw Failure("Injected failure in: " + event);
    return fault.status;
  }
  return std::nullopt;
}

const std::string& MemoryRegistry::PathOf(KeyHandle key) const {
  static const std::string kInvalid = "<invalid handle>";
  auto found = handles_.find(key);
  return found == handles_.end() ? kInvalid : found->second;
}

RegStatus MemoryRegistry::OpenKey(RootKey root, const std::string& path, KeyAccess access,
                                  KeyHandle& key) {
  const std::string full = (root == RootKey::kCurrentUser ? "HKCU\\" : "HKLM\\") + path;
  if (auto fault = Enter("Open " + full + (access == KeyAccess::kRead ? " read" : " write"))) {
    return *fault;
  }
  if (!HasKey(full)) return kFileNotFound;
  key = next_handle_++;
  handles_[key] = full;
  return kRegSuccess;
}

RegStatus MemoryRegistry::CreateKey(KeyHandle parent, const std::string& child, KeyHandle& key) {
  const std::string full = PathOf(parent) + "\\" + child;
  if (auto fault = Enter("Create " + full)) return *fault;
  if (handles_.count(parent) == 0) return 6;  // ERROR_INVALID_HANDLE
  AddKey(full);
  key = next_handle_++;
  handles_[key] = full;
  return kRegSuccess;
}

RegStatus MemoryRegistry::SetValue(KeyHandle key, const std::string& name, ValueType type,
                                   const void* data, std::uint32_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  std::string shown;
  if (type == ValueType::kDword && size == 4) {
    shown = std::to_string(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (bytes[3] << 24));
  } else {
    shown.assign(bytes, bytes + size);
    if (!shown.empty() && shown.back() == '\0') shown.pop_back();
  }
  if (auto fault = Enter("Set " + PathOf(key) + ":" + name + " " + TypeName(type) + " " + shown)) {
    return *fault;
  }
  if (handles_.count(key) == 0) return 6;
  keys_[Normalise(PathOf(key))].values[Lower(name)] =
      Value{type, std::vector<std::uint8_t>(bytes, bytes + size)};
  return kRegSuccess;
}

RegStatus MemoryRegistry::QueryValue(KeyHandle key, const std::string& name, ValueType& type,
                                     void* data, std::uint32_t& size) {
  if (auto fault = Enter("Query " + PathOf(key) + ":" + name)) return *fault;
  auto value = Get(PathOf(key), name);
  if (!value) return kFileNotFound;
  if (value->bytes.size() > size) {
    size = static_cast<std::uint32_t>(value->bytes.size());
    return kMoreData;
  }
  if (!value->bytes.empty()) std::memcpy(data, value->bytes.data(), value->bytes.size());
  size = static_cast<std::uint32_t>(value->bytes.size());
  type = value->type;
  return kRegSuccess;
}

void MemoryRegistry::CloseKey(KeyHandle key) {
  const std::string path = PathOf(key);
  Enter("Close " + path);
  handles_.erase(key);
}

void MemoryRegistry::FlushCurrentUser() {
  Enter("Flush HKCU");
  ++flushes_;
}

}  // namespace kelvoro::testing
