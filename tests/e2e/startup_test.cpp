// Start-up of "Kelvoro 2.1.exe" as a user meets it: the button set that suits the Windows family,
// the settings key made on the first run, and the sound check box set from the stored status.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "e2e_support.h"
#include "res/resource.h"

namespace kelvoro::e2e {
namespace {

struct Family {
  const char* wine_version;  // as HKCU\Software\Wine\AppDefaults takes it
  const char* visible_buttons;
};

// Names the family in test output instead of dumping its bytes.
void PrintTo(const Family& family, std::ostream* out) { *out << family.wine_version; }

const Family kWin10{"win10", "Command5 Command6 Command7"};
const Family kWin98{"win98", "Command1 Command2 Command3"};
const Family kWin31{"win31", "Command1 Command2 Command3"};

// The names of the visible buttons of both sets, in control order; "missing Command<n>" for a
// button that does not exist at all.
std::string VisibleButtons(HWND main) {
  const struct {
    int id;
    const char* name;
  } buttons[] = {
      {IDC_COMMAND1, "Command1"}, {IDC_COMMAND2, "Command2"}, {IDC_COMMAND3, "Command3"},
      {IDC_COMMAND5, "Command5"}, {IDC_COMMAND6, "Command6"}, {IDC_COMMAND7, "Command7"},
  };
  std::string visible;
  for (const auto& button : buttons) {
    HWND hwnd = GetDlgItem(main, button.id);
    if (hwnd == nullptr) {
      visible += std::string(visible.empty() ? "" : " ") + "missing " + button.name;
    } else if (IsWindowVisible(hwnd)) {
      visible += std::string(visible.empty() ? "" : " ") + button.name;
    }
  }
  return visible;
}

// Each test starts from an account where the program has never run, with the stock Recycle Bin
// and sound values in place, and the program seeing the Windows family `family`.
class StartupTest : public ::testing::Test {
 protected:
  void SetUpFor(const Family& family) {
    if (!RunningUnderWine() && std::string(family.wine_version) != kWin10.wine_version) {
      GTEST_SKIP() << "the Windows family can be chosen per program only under Wine; this "
                      "system is of the NT family";
    }
    ASSERT_TRUE(PrepareFirstRun(family.wine_version));
  }

  void SetUp() override { SetUpFor(kWin10); }

  // Starts the program and waits for its main window; fails the test when it does not come.
  void Start(HWND* main) { ASSERT_TRUE(StartProgram(app_, main)); }

  // Closes the program the way the user does and expects it to end.
  void Close() {
    EXPECT_TRUE(app_.Close()) << "the program did not end within " << kCloseTimeoutMs
                              << " ms after WM_CLOSE and was terminated";
  }

  int Check1State(HWND main) {
    HWND check1 = GetDlgItem(main, IDC_CHECK1);
    return check1 == nullptr ? -1 : CheckStateOf(check1);
  }

  AppProcess app_;
};

class StartupByFamilyTest : public StartupTest, public ::testing::WithParamInterface<Family> {
 protected:
  void SetUp() override { SetUpFor(GetParam()); }
};

TEST_P(StartupByFamilyTest, ShowsOnlyTheButtonSetOfItsFamily) {
  HWND main = nullptr;
  ASSERT_NO_FATAL_FAILURE(Start(&main));
  EXPECT_EQ(VisibleButtons(main), GetParam().visible_buttons);
  Close();
}

TEST_P(StartupByFamilyTest, FirstRunLeavesCheck1Unticked) {
  HWND main = nullptr;
  ASSERT_NO_FATAL_FAILURE(Start(&main));
  EXPECT_EQ(CheckName(Check1State(main)), CheckName(BST_UNCHECKED));
  Close();
}

TEST_P(StartupByFamilyTest, FirstRunCreatesSettingsKeyWithVoicestatZero) {
  HWND main = nullptr;
  ASSERT_NO_FATAL_FAILURE(Start(&main));
  Close();
  const RegValue voicestat = ReadRegValue(HKEY_CURRENT_USER, kSettingsKey, kVoicestat);
  EXPECT_EQ(voicestat.Describe(), "REG_DWORD 0x00000000 (0)");
}

INSTANTIATE_TEST_SUITE_P(Families, StartupByFamilyTest, ::testing::Values(kWin10, kWin98, kWin31),
                         [](const ::testing::TestParamInfo<Family>& info) {
                           return std::string(info.param.wine_version);
                         });

TEST_F(StartupTest, StoredVoicestatOneTicksCheck1) {
  ASSERT_EQ(WriteRegDword(HKEY_CURRENT_USER, kSettingsKey, kVoicestat, 1), ERROR_SUCCESS);
  HWND main = nullptr;
  ASSERT_NO_FATAL_FAILURE(Start(&main));
  EXPECT_EQ(CheckName(Check1State(main)), CheckName(BST_CHECKED));
  Close();
}

TEST_F(StartupTest, StoredVoicestatSevenLeavesCheck1Unticked) {
  ASSERT_EQ(WriteRegDword(HKEY_CURRENT_USER, kSettingsKey, kVoicestat, 7), ERROR_SUCCESS);
  HWND main = nullptr;
  ASSERT_NO_FATAL_FAILURE(Start(&main));
  EXPECT_EQ(CheckName(Check1State(main)), CheckName(BST_UNCHECKED));
  Close();
}

TEST_F(StartupTest, SecondStartLeavesVoicestatAlone) {
  HWND main = nullptr;
  ASSERT_NO_FATAL_FAILURE(Start(&main));
  Close();
  // A number the program never writes itself, so a rewrite at the second start would show.
  ASSERT_EQ(WriteRegDword(HKEY_CURRENT_USER, kSettingsKey, kVoicestat, 7), ERROR_SUCCESS);

  AppProcess second;
  HWND second_main = nullptr;
  ASSERT_TRUE(StartProgram(second, &second_main));
  EXPECT_TRUE(second.Close());

  const RegValue voicestat = ReadRegValue(HKEY_CURRENT_USER, kSettingsKey, kVoicestat);
  EXPECT_EQ(voicestat.Describe(), "REG_DWORD 0x00000007 (7)");
}

TEST_F(StartupTest, SettingsKeyWithoutVoicestatIsNotFilledIn) {
  ASSERT_EQ(WriteRegDword(HKEY_CURRENT_USER, kSettingsKey, kVoicestat, 1), ERROR_SUCCESS);
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  const LONG deleted = RegDeleteValueA(key, kVoicestat);
  RegCloseKey(key);
  ASSERT_EQ(deleted, ERROR_SUCCESS);

  HWND main = nullptr;
  ASSERT_NO_FATAL_FAILURE(Start(&main));
  EXPECT_EQ(CheckName(Check1State(main)), CheckName(BST_UNCHECKED));
  Close();
  const RegValue voicestat = ReadRegValue(HKEY_CURRENT_USER, kSettingsKey, kVoicestat);
  EXPECT_EQ(voicestat.Describe(), "missing (status " + std::to_string(ERROR_FILE_NOT_FOUND) + ")");
}

}  // namespace
}  // namespace kelvoro::e2e
