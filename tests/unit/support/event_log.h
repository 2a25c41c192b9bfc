#pragma once

#include <string>
#include <vector>

namespace kelvoro::testing {

// One ordered record of what every fake saw, so that a test can check the order of effects
// across the registry, the message boxes and the window.
class EventLog {
 public:
  void Add(std::string event) { events_.push_back(std::move(event)); }
  const std::vector<std::string>& Events() const { return events_; }
  void Clear() { events_.clear(); }
  // Events that start with `prefix`, in order.
  std::vector<std::string> Matching(const std::string& prefix) const;
  // Index of the first event that starts with `prefix`, or -1.
  int IndexOf(const std::string& prefix) const;
  std::string Dump() const;

 private:
  std::vector<std::string> events_;
};

}  // namespace kelvoro::testing
