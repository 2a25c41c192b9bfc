#pragma once

// How this program deals with failures, in one place.
//
// Two kinds, never mixed:
//  1. A registry status. The registry layer returns it and never throws. A procedure that meets a
//     non-zero status skips its remaining steps quietly and returns normally.
//  2. A raised failure: any C++ exception derived from std::exception (a Failure raised by our own
//     code, std::bad_alloc, ...). Each procedure owns one of the handlers below, chosen once for
//     that procedure, and a procedure without a handler lets the failure pass to its caller.
//
// Handlers:
//  - ReportAndReturn:   show a message box, then return normally.
//  - ReportAndEnd:      show a message box, then end the program at once.
//  - ReportEachStep:    a message box per failed step, then carry on with the next step.
//  - ContinueSilently:  carry on with the next step without a message.

#include <exception>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/ports/message_port.h"
#include "platform/ports/system_port.h"
#include "texts/catalogue.h"

namespace kelvoro {

// A failure raised by the program itself. One the user may meet carries its description as a
// text of the catalogue, shown in the user's language; what() is its English text. A failure of
// the program's own making (a control it does not have) carries an English description only.
class Failure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  explicit Failure(TextId description)
      : std::runtime_error(std::string(kTexts[static_cast<std::size_t>(description)].english)),
        description_(description),
        translated_(true) {}

  // The description in the user's language.
  std::string Description() const { return translated_ ? Text(description_) : what(); }

 private:
  TextId description_{};
  bool translated_ = false;
};

// The description a handler shows for a raised failure.
inline std::string Describe(const std::exception& error) {
  if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) return Text(TextId::kOutOfMemory);
  if (const auto* failure = dynamic_cast<const Failure*>(&error)) return failure->Description();
  return error.what();
}

// Runs `body`; a raised failure shows `prefix` + its description with `style`, then returns.
template <typename Body>
void ReportAndReturn(MessagePort& messages, MessageStyle style, const std::string& prefix,
                     Body&& body) {
  try {
    body();
  } catch (const std::exception& error) {
    messages.Show(prefix + Describe(error), style);
  }
}

// Runs `body`; a raised failure shows `prefix` + its description with `style`, then ends the
// program without returning.
template <typename Body>
void ReportAndEnd(MessagePort& messages, SystemPort& system, MessageStyle style,
                  const std::string& prefix, Body&& body) {
  try {
    body();
  } catch (const std::exception& error) {
    messages.Show(prefix + Describe(error), style);
    system.EndProgram();
  }
}

// Runs one step of a procedure whose every step reports its own failure and lets the next run.
template <typename Step>
void ReportEachStep(MessagePort& messages, MessageStyle style, Step&& step) {
  ReportAndReturn(messages, style, std::string(), std::forward<Step>(step));
}

// Runs one statement; a raised failure abandons that statement alone, with no message.
template <typename Statement>
void ContinueSilently(Statement&& statement) {
  try {
    statement();
  } catch (const std::exception&) {
  }
}

}  // namespace kelvoro
