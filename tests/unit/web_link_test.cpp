#include "app/web_link.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/failure.h"

namespace kelvoro {
namespace {

enum class Outcome { kOpens, kRefuses, kRaises };

class FakeBrowser : public BrowserPort {
 public:
  Outcome automation = Outcome::kOpens;
  Outcome shell = Outcome::kOpens;
  std::vector<std::string> calls;

  bool OpenWithAutomation(const std::string& address) override {
    calls.push_back("automation " + address);
    return Result(automation);
  }
  bool OpenWithShell(const std::string& address) override {
    calls.push_back("shell " + address);
    return Result(shell);
  }

 private:
  static bool Result(Outcome outcome) {
    if (outcome == Outcome::kRaises) throw Failure("refused");
    return outcome == Outcome::kOpens;
  }
};

constexpr char kAddress[] = "http://orvane.example/";

TEST(OpenWebPage, AutomationThatWorksIsTheOnlyLaunch) {
  FakeBrowser browser;
  OpenWebPage(browser, kAddress);
  EXPECT_EQ(std::vector<std::string>{std::string("automation ") + kAddress}, browser.calls);
}

TEST(OpenWebPage, RefusedOrRaisingAutomationFallsBackToTheShellOnce) {
  for (Outcome failure : {Outcome::kRefuses, Outcome::kRaises}) {
    FakeBrowser browser;
    browser.automation = failure;
    OpenWebPage(browser, kAddress);
    const std::vector<std::string> expected = {std::string("automation ") + kAddress,
                                               std::string("shell ") + kAddress};
    EXPECT_EQ(expected, browser.calls);
  }
}

TEST(OpenWebPage, ShellThatRaisesTooIsContained) {
  FakeBrowser browser;
  browser.automation = Outcome::kRaises;
  browser.shell = Outcome::kRaises;
  EXPECT_NO_THROW(OpenWebPage(browser, kAddress));
  EXPECT_EQ(2u, browser.calls.size());
}

TEST(OpenWebPage, EachClickLaunchesAnewEvenWhenAnEarlierOneSucceeded) {
  FakeBrowser browser;
  OpenWebPage(browser, kAddress);
  OpenWebPage(browser, kAddress);
  EXPECT_EQ(2u, browser.calls.size());
}

TEST(OpenWebPage, OpensOnlyAWebPagesAddress) {
  struct Case {
    const char* address;
    bool opened;
  };
  for (const Case& c :
       {Case{kAddress, true}, Case{"HTTPS://orvane.example/kelvoro/", true}, Case{"", false},
        Case{"file:///C:/Windows/notepad.exe", false}, Case{"C:\\Windows\\notepad.exe", false},
        Case{"javascript:alert(1)", false}, Case{"ftp://orvane.example/", false},
        Case{"http:orvane.example", false}, Case{"http://", false},
        Case{"http:///C:/Windows/notepad.exe", false}, Case{" http://orvane.example/", false},
        Case{"http://orvane.example/ --new", false}, Case{"http://orvane.example/\" --new", false},
        Case{"http://orvane.example/\n", false}}) {
    FakeBrowser browser;
    OpenWebPage(browser, c.address);
    EXPECT_EQ(c.opened, !browser.calls.empty()) << "\"" << c.address << "\"";
  }
}

TEST(LinkAddress, DropsTheLeadingBlankOfTheCaption) {
  EXPECT_EQ(kAddress, LinkAddress(std::string(" ") + kAddress));
  EXPECT_EQ(kAddress, LinkAddress(kAddress));
  EXPECT_EQ("", LinkAddress("   "));
}

}  // namespace
}  // namespace kelvoro
