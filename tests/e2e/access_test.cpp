// What a screen reader reads of each control (the MSAA object of its client area, from this
// process), and the sound text as the box's label. The links by keyboard are in links_test.cpp.
#include <string>
#include <utility>

#include "scenario.h"

namespace kelvoro::e2e {
namespace {

// What the control's object answers for itself: "name | role | states" (those that matter here).
std::string Read(HWND control) {
  std::string read = "no object";
  WithAccessible(control, [&](IAccessible& object, VARIANT self) {
    BSTR name = nullptr;
    VARIANT role{}, state{};
    read = SUCCEEDED(object.get_accName(self, &name)) && name != nullptr ? Utf8(name) : "";
    SysFreeString(name);
    object.get_accRole(self, &role);
    object.get_accState(self, &state);
    const long id = role.vt == VT_I4 ? role.lVal : 0;
    read += id == ROLE_SYSTEM_PUSHBUTTON    ? " | button"
            : id == ROLE_SYSTEM_CHECKBUTTON ? " | check box"
            : id == ROLE_SYSTEM_GRAPHIC     ? " | graphic"
            : id == ROLE_SYSTEM_LINK        ? " | link"
                                            : " | the system's role";
    const long states = state.vt == VT_I4 ? state.lVal : 0;
    if (states & STATE_SYSTEM_INVISIBLE) read += " | skipped";
    if (states & STATE_SYSTEM_CHECKED) read += " | checked";
  });
  return read;
}

using Access = Scenario;
TEST_F(Access, EachControlReadsWithItsNameRoleAndStateAndTheSoundTextTicksTheBox) {
  ASSERT_NO_FATAL_FAILURE(Start());
  const auto ReadMain = [&](int id) { return Read(GetDlgItem(main_, id)); };
  EXPECT_EQ(ReadMain(IDC_CHECK1), "Replace 'Empty Recycle Bin' sound. | check box");
  ASSERT_NO_FATAL_FAILURE(ClickCheck1("ticked"));
  EXPECT_EQ(ReadMain(IDC_CHECK1), "Replace 'Empty Recycle Bin' sound. | check box | checked");
  // The captions without their trailing blank; a text is read by the system's own object for it.
  // clang-format off
  const std::pair<int, const char*> reads[] = {
      {IDC_IMAGE6, "Recycle Bin now | graphic"}, {IDC_IMAGE1, " | graphic | skipped"},
      {IDC_IMAGE3, "Recycle Bin when empty, after Apply | graphic"},
      {IDC_IMAGE4, "Recycle Bin when full, after Apply | graphic"},
      {IDC_IMAGE5, " | graphic | skipped"}, {IDC_IMAGE2, " | graphic | skipped"},
      {IDC_COMMAND7, "Apply | button"}, {IDC_COMMAND1, "Apply | button | skipped"},  // hidden set
      {IDC_COMMAND6, "Restore Defaults | button"}, {IDC_COMMAND5, "About | button"},
      {IDC_LABEL13, "http://orvane.example/ | link"},
      {IDC_LABEL5, "Click 'Apply' to make the changes to the Recycle Bin. | the system's role"}};
  // clang-format on
  for (const auto& [id, read] : reads) EXPECT_EQ(ReadMain(id), read) << "control " << id;

  // A click on the sound text toggles the box, a double click twice; nothing is written until
  // Apply.
  const std::string stored = Voicestat();
  const HWND label14 = GetDlgItem(main_, IDC_LABEL14);
  ClickLabel(label14);
  EXPECT_TRUE(WaitFor([&] { return Check1() == "unticked"; })) << Check1();
  EXPECT_EQ(FocusOf(main_), GetDlgItem(main_, IDC_CHECK1)) << "the focus goes to the box";
  PostMessageA(label14, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
  PostMessageA(label14, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_TRUE(WaitFor([&] { return Check1() == "ticked"; })) << "double click: " << Check1();
  EXPECT_EQ(ReadMain(IDC_CHECK1), "Replace 'Empty Recycle Bin' sound. | check box | checked");
  Sleep(kSettleMs);
  EXPECT_EQ(Voicestat(), stored);
  EXPECT_FALSE(FindMessageBox(app_.Id()));

  const HWND about = ClickAbout();
  EXPECT_EQ(Read(GetDlgItem(about, IDC_ABOUT_LABEL8)), "http://orvane.example/ | link");
  EXPECT_EQ(Read(GetDlgItem(about, IDC_ABOUT_LABEL9)), "Released 14 May 2002 | link");
  EXPECT_TRUE(app_.Close());
}

}  // namespace
}  // namespace kelvoro::e2e
