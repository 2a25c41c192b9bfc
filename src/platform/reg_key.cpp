#include "platform/reg_key.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kelvoro {

RegKey::RegKey(RegKey&& other) noexcept : registry_(other.registry_), handle_(other.Take()) {}

RegKey& RegKey::operator=(RegKey&& other) noexcept {
  if (this != &other) {
    Close();
    registry_ = other.registry_;
    handle_ = other.Take();
  }
  return *this;
}

void RegKey::Close() noexcept {
  if (handle_ != 0) {
    // The close's status is never examined, and a close must not throw out of a destructor.
    try {
      registry_->CloseKey(std::exchange(handle_, 0));
    } catch (...) {
    }
  }
}

KeyHandle RegKey::Take() noexcept { return std::exchange(handle_, 0); }

RegStatus RegKey::Open(RootKey root, const std::string& path, KeyAccess access) {
  KeyHandle opened = 0;
  const RegStatus status = registry_->OpenKey(root, path, access, opened);
  if (status == kRegSuccess) {
    Close();
    handle_ = opened;
  }
  return status;
}

RegStatus RegKey::Create(const RegKey& parent, const std::string& child) {
  KeyHandle created = 0;
  const RegStatus status = registry_->CreateKey(parent.handle_, child, created);
  if (status == kRegSuccess) {
    Close();
    handle_ = created;
  }
  return status;
}

RegStatus RegKey::SetText(const std::string& name, ValueType type, const std::string& text) const {
  return registry_->SetValue(handle_, name, type, text.c_str(),
                             static_cast<std::uint32_t>(text.size() + 1));
}

RegStatus RegKey::SetWideText(const std::u16string& name, ValueType type,
                              const std::u16string& text) const {
  return registry_->SetValueW(handle_, name, type, text.c_str(),
                              static_cast<std::uint32_t>((text.size() + 1) * sizeof(char16_t)));
}

RegStatus RegKey::SetDword(const std::string& name, std::uint32_t value) const {
  const std::array<unsigned char, 4> bytes = {
      static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
      static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
  return registry_->SetValue(handle_, name, ValueType::kDword, bytes.data(), 4);
}

RegStatus RegKey::QueryText(const std::string& name, std::string& text) const {
  ValueType ignored{};
  return QueryText(name, text, ignored);
}

RegStatus RegKey::QueryText(const std::string& name, std::string& text, ValueType& type) const {
  std::array<char, kTextBufferSize> buffer{};
  std::uint32_t size = kTextBufferSize;
  ValueType queried{};
  const RegStatus status = registry_->QueryValue(handle_, name, queried, buffer.data(), size);
  if (status == kRegSuccess) {
    const auto end = buffer.begin() + std::min<std::uint32_t>(size, kTextBufferSize);
    text.assign(buffer.begin(), std::find(buffer.begin(), end, '\0'));
    type = queried;
  }
  return status;
}

RegStatus RegKey::QueryDword(const std::string& name, std::uint32_t& value) const {
  std::array<unsigned char, 4> bytes{};
  std::uint32_t size = 4;
  ValueType ignored{};  // any type is read as a number
  const RegStatus status = registry_->QueryValue(handle_, name, ignored, bytes.data(), size);
  if (status == kRegSuccess) {
    value = 0;
    for (std::uint32_t i = std::min<std::uint32_t>(size, 4); i-- > 0;) {
      value = (value << 8) | bytes[i];
    }
  }
  return status;
}

}  // namespace kelvoro
