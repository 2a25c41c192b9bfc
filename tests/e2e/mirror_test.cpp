// Both windows mirrored in Arabic and Hebrew, as Windows mirrors its own dialogs, and as designed
// in any other language: the test expects what the display language it finds calls for.
#include <vector>

#include "scenario.h"

namespace kelvoro::e2e {
namespace {

// The columns of a control on the screen, from its left edge, with its first and last pixel
// unlike its top left one, and the column with the most.
struct Ink {
  int width, first = -1, last = -1, tallest = -1;
};
Ink InkOf(HWND window, int id) {
  const HWND control = GetDlgItem(window, id);
  const std::vector<DWORD> pixels = PixelsOf(control);
  RECT box{};
  GetWindowRect(control, &box);
  Ink ink{box.right - box.left};
  for (int x = 0, most = 0, count = 0; x < ink.width; ++x, count = 0) {
    for (int y = 0; y < box.bottom - box.top; ++y) count += pixels[y * ink.width + x] != pixels[0];
    if (count > 0) ink.first = ink.first < 0 ? x : ink.first, ink.last = x;
    if (count > most) most = count, ink.tallest = x;
  }
  return ink;
}

using Mirror = Scenario;
TEST_F(Mirror, BothWindowsMirroredInARightToLeftLanguageAndOnlyThere) {
  const WORD language = PRIMARYLANGID(GetUserDefaultUILanguage());
  const bool rtl = language == LANG_ARABIC || language == LANG_HEBREW;
  ASSERT_NO_FATAL_FAILURE(Start());
  Sleep(kSettleMs);  // painted
  // The preview reads from the stock bin to the new look, the arrows' heads towards it, and a
  // label left-aligned in the design shows its text on the side its language reads from.
  RECT now{}, after{};
  GetWindowRect(GetDlgItem(main_, IDC_IMAGE6), &now);
  GetWindowRect(GetDlgItem(main_, IDC_IMAGE3), &after);
  EXPECT_EQ(rtl, now.left > after.left) << now.left << " " << after.left;
  const Ink arrow = InkOf(main_, IDC_IMAGE5), tagline = InkOf(main_, IDC_LABEL3);
  EXPECT_EQ(rtl, arrow.tallest < arrow.width / 2) << "the arrow's head at " << arrow.tallest;
  EXPECT_EQ(rtl, tagline.first > tagline.width - 1 - tagline.last)
      << "the tagline's text from " << tagline.first << " to " << tagline.last;
  const HWND about = ClickAbout();
  for (const HWND window : {main_, about}) {
    EXPECT_EQ(rtl, (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0) << TextOf(window);
  }
  EXPECT_TRUE(app_.Close());
}

}  // namespace
}  // namespace kelvoro::e2e
