#include "app/web_link.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/failure.h"

namespace kelvoro {
namespace {

enum class Outcome { kOpens, kRefuses, kRaises };
using Calls = std::vector<std::string>;

struct FakeBrowser : BrowserPort {
  FakeBrowser(Outcome automation, Outcome shell) : automation(automation), shell(shell) {}
  bool OpenWithAutomation(const std::string& address) override {
    return Answer("automation " + address, automation);
  }
  bool OpenWithShell(const std::string& address) override {
    return Answer("shell " + address, shell);
  }
  bool Answer(std::string call, Outcome outcome) {
    calls.push_back(std::move(call));
    if (outcome == Outcome::kRaises) throw Failure("refused");
    return outcome == Outcome::kOpens;
  }
  Outcome automation, shell;
  Calls calls;
};

constexpr char kAddress[] = "http://orvane.example/";
const std::string kAutomation = std::string("automation ") + kAddress;
const std::string kShell = std::string("shell ") + kAddress;

TEST(OpenWebPage, TheShellOpensThePageOnlyWhereAutomationFails) {
  const std::pair<Outcome, Calls> cases[] = {{Outcome::kOpens, {kAutomation}},
                                             {Outcome::kRefuses, {kAutomation, kShell}},
                                             {Outcome::kRaises, {kAutomation, kShell}}};
  for (const auto& [automation, expected] : cases) {
    FakeBrowser browser(automation, Outcome::kRaises);
    EXPECT_NO_THROW(OpenWebPage(browser, kAddress));
    EXPECT_EQ(expected, browser.calls);
    OpenWebPage(browser, kAddress);  // each click launches anew
    EXPECT_EQ(2 * expected.size(), browser.calls.size());
  }
}

TEST(OpenWebPage, OpensOnlyAWebPagesAddress) {
  const std::vector<std::string> pages{kAddress, "HTTPS://orvane.example/kelvoro/", "hTtP://x"};
  // clang-format off
  const std::vector<std::string> others{
      "", "file:///C:/Windows/notepad.exe", "C:\\Windows\\notepad.exe", "javascript:alert(1)",
      "ftp://orvane.example/", "http:orvane.example", "http://", "https://",
      "http:///C:/Windows/notepad.exe", " http://orvane.example/", "http://orvane.example/ --new",
      "http://orvane.example/\" --new", "http://orvane.example/\n", "http://orvane.example/\x7F"};
  // clang-format on
  for (const auto& [addresses, opened] : {std::pair{pages, true}, std::pair{others, false}}) {
    for (const std::string& address : addresses) {
      FakeBrowser browser(Outcome::kOpens, Outcome::kOpens);
      OpenWebPage(browser, address);
      EXPECT_EQ(opened, !browser.calls.empty()) << "\"" << address << "\"";
    }
  }
  // A link's caption may start with blanks; its address does not.
  EXPECT_EQ(kAddress, LinkAddress(std::string("  ") + kAddress));
  EXPECT_EQ("", LinkAddress("   "));
}

}  // namespace
}  // namespace kelvoro
