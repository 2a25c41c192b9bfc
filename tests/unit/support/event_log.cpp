#include "support/event_log.h"

namespace kelvoro::testing {

std::vector<std::string> EventLog::Matching(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& event : events_) {
    if (event.rfind(prefix, 0) == 0) found.push_back(event);
  }
  return found;
}

int EventLog::IndexOf(const std::string& prefix) const {
  for (std::size_t i = 0; i < events_.size(); ++i) {
    if (events_[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
  }
  return -1;
}

std::string EventLog::Dump() const {
  std::string text;
  for (const std::string& event : events_) text += "  " + event + "\n";
  return text;
}

}  // namespace kelvoro::testing
