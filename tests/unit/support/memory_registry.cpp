#include "support/memory_registry.h"

#include <algorithm>
#include <cstring>
#include <iomanip>

#include "platform/failure.h"

namespace kelvoro::testing {
namespace {

std::string TypeName(ValueType type) {
  if (type == ValueType::kSz) return "REG_SZ";
  if (type == ValueType::kExpandSz) return "REG_EXPAND_SZ";
  if (type == ValueType::kDword) return "REG_DWORD";
  return "type " + std::to_string(static_cast<std::uint32_t>(type));
}
bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

}  // namespace

std::vector<std::string> EventLog::Matching(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& event : events) {
    if (StartsWith(event, prefix)) found.push_back(event);
  }
  return found;
}

int EventLog::IndexOf(const std::string& prefix) const {
  const auto at = std::find_if(events.begin(), events.end(),
                               [&](const std::string& event) { return StartsWith(event, prefix); });
  return at == events.end() ? -1 : static_cast<int>(at - events.begin());
}

bool EventLog::InOrder(const std::vector<std::string>& prefixes) const {
  int previous = -1;
  for (const std::string& prefix : prefixes) {
    if (IndexOf(prefix) <= previous) return false;
    previous = IndexOf(prefix);
  }
  return true;
}

std::string EventLog::Dump() const {
  std::string text;
  for (const std::string& event : events) text += "  " + event + "\n";
  return text;
}

std::ostream& operator<<(std::ostream& out, const RegValue& value) {
  out << TypeName(value.type) << " \"" << std::hex << std::setfill('0');
  for (const int byte : value.bytes) {
    if (byte >= 0x20 && byte < 0x7F) out << static_cast<char>(byte);
    if (byte < 0x20 || byte >= 0x7F) out << "\\x" << std::setw(2) << byte;
  }
  return out << std::dec << '"';
}

RegValue TextValue(const std::string& text, ValueType type) {
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return RegValue{type, std::move(bytes)};
}

RegValue DwordValue(std::uint32_t n) {
  return RegValue{ValueType::kDword,
                  {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                   static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)}};
}

std::string Folded(std::string text) {
  for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return text;
}

void MemoryRegistry::AddKey(const std::string& path) {
  for (std::size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) {
    keys_[Folded(path.substr(0, at))];
  }
  keys_[Folded(path)];
}

void MemoryRegistry::Put(const std::string& path, const std::string& name, RegValue value) {
  AddKey(path);
  keys_[Folded(path)][Folded(name)] = std::move(value);
}

void MemoryRegistry::Remove(const std::string& path, const std::string& name) {
  if (HasKey(path)) keys_[Folded(path)].erase(Folded(name));
}

std::optional<RegValue> MemoryRegistry::Get(const std::string& path,
                                            const std::string& name) const {
  const auto key = keys_.find(Folded(path));
  if (key == keys_.end() || key->second.count(Folded(name)) == 0) return std::nullopt;
  return key->second.at(Folded(name));
}

std::vector<std::string> MemoryRegistry::OpenKeys() const {
  std::vector<std::string> paths;
  for (const auto& [handle, key] : open_) paths.push_back(key.first);
  return paths;
}

void MemoryRegistry::FailWith(const std::string& prefix, RegStatus status, int times) {
  faults_.push_back(Fault{prefix, status, times});
}

void MemoryRegistry::Plan(std::vector<RegStatus> outcomes) {
  plan_ = std::move(outcomes);
  planned_ = 0;
}

RegStatus MemoryRegistry::Enter(const std::string& event) {
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

std::string MemoryRegistry::PathOf(KeyHandle key) const {
  return open_.count(key) != 0 ? open_.at(key).first : "<no key>";
}

RegStatus MemoryRegistry::HandOut(const std::string& path, bool writable, KeyHandle& key) {
  key = next_handle_++;
  open_[key] = {path, writable};
  return kRegSuccess;
}

RegStatus MemoryRegistry::OpenKey(RootKey root, const std::string& path, KeyAccess access,
                                  KeyHandle& key) {
  const std::string full = (root == RootKey::kCurrentUser ? "HKCU\\" : "HKLM\\") + path;
  const bool write = access == KeyAccess::kWrite;
  if (RegStatus fault = Enter("Open " + full + (write ? " write" : " read"))) return fault;
  return HasKey(full) ? HandOut(full, write, key) : kFileNotFound;
}

RegStatus MemoryRegistry::CreateKey(KeyHandle parent, const std::string& child, KeyHandle& key) {
  const std::string full = PathOf(parent) + "\\" + child;
  if (RegStatus fault = Enter("Create " + full)) return fault;
  if (open_.count(parent) == 0 || !open_.at(parent).second) return kAccessDenied;
  AddKey(full);
  return HandOut(full, true, key);
}

RegStatus MemoryRegistry::SetValue(KeyHandle key, const std::string& name, ValueType type,
                                   const void* data, std::uint32_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  std::string shown(bytes, bytes + size);
  if (type == ValueType::kDword && size == 4) {
    shown = std::to_string(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (bytes[3] << 24));
  } else if (!shown.empty() && shown.back() == '\0') {
    shown.pop_back();
  }
  const std::string at = PathOf(key) + ":" + name;
  if (RegStatus fault = Enter("Set " + at + " " + TypeName(type) + " " + shown)) return fault;
  if (open_.count(key) == 0 || !open_.at(key).second) return kAccessDenied;
  keys_[Folded(PathOf(key))][Folded(name)] = RegValue{type, {bytes, bytes + size}};
  return kRegSuccess;
}

RegStatus MemoryRegistry::QueryValue(KeyHandle key, const std::string& name, ValueType& type,
                                     void* data, std::uint32_t& size) {
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

void MemoryRegistry::CloseKey(KeyHandle key) {
  log_.Add("Close " + PathOf(key));
  if (open_.erase(key) == 0) ++stray_closes_;
}

void MemoryRegistry::FlushCurrentUser() {
  log_.Add("Flush HKCU");
  ++flushes_;
}

}  // namespace kelvoro::testing
