// Display scales, under Wine only: started at 96, 144 and 192 dpi, the windows lay out and draw
// their pictures for that DPI, and again for a new DPI after a WM_DPICHANGED.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "scenario.h"

namespace kelvoro::e2e {
namespace {

std::string Box(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
         std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

// A window's client size and its controls' boxes in the design, in twips; a negative size is a
// picture's own, in pixels at 96 dpi; without a size only the top left corner counts.
struct Design {
  int width, height;
  struct Placed {
    int id, left, top, width = 0, height = 0;
  };
  std::vector<Placed> controls;
};
// clang-format off
const Design kMain{6735, 5430, {
    {IDC_IMAGE1, 5520, 120, -64, -66}, {IDC_IMAGE6, 600, 2020, -69, -55},
    {IDC_IMAGE5, 3720, 1800, -49, -29}, {IDC_IMAGE2, 3720, 2640, -49, -29},
    {IDC_IMAGE3, 5280, 1680, 600, 600}, {IDC_IMAGE4, 5280, 2520, 600, 600},
    {IDC_CHECK1, 1560, 3450, 255, 255}, {IDC_COMMAND7, 1080, 4680, 1335, 375},
    {IDC_COMMAND6, 2640, 4680, 1815, 375}, {IDC_COMMAND5, 4680, 4680, 1215, 375}}};
const Design kAbout{4575, 2880, {
    {IDC_ABOUT_LABEL1, 1080, 120}, {IDC_ABOUT_LABEL8, 840, 1800}, {IDC_ABOUT_LABEL5, 240, 2640}}};
// clang-format on

// The client size and each control's box, as the design gives them at `dpi` or `window` has them.
std::string Layout(const Design& design, int dpi, HWND window = nullptr) {
  const auto size = [dpi](int n) { return n < 0 ? MulDiv(-n, dpi, 96) : Pixels(n, dpi); };
  RECT client{0, 0, Pixels(design.width, dpi), Pixels(design.height, dpi)};
  if (window != nullptr) GetClientRect(window, &client);
  std::string out = "client " + Box(client);
  for (const Design::Placed& c : design.controls) {
    RECT box{Pixels(c.left, dpi), Pixels(c.top, dpi), 0, 0};
    box.right = box.left + size(c.width), box.bottom = box.top + size(c.height);
    if (window != nullptr) box = BoxOf(window, GetDlgItem(window, c.id));
    const std::string shown = Box(box);
    out += "; " + std::to_string(c.id) + " " + (c.width ? shown : shown.substr(0, shown.find(' ')));
  }
  return out;
}

// Each picture at `dpi` spans its 96-dpi extent scaled (the bounding box of the pixels unlike its
// top left one): bitmaps within two pixels, the bin pictures (outlines keep their width) within a
// tenth and, above 96 dpi, drawn from images made for the size (more than 256 colours). Returns
// "id: drawn WxH, N colours" for each picture that is not.
std::string PicturesNotScaled(HWND main, int dpi) {
  // At 96 dpi, in pixels: the bin images (32 stretched to 40), logo, stock picture, two arrows.
  struct Extent {
    int id, width, height;
    bool bin;
  };
  // clang-format off
  const Extent extents[] = {{IDC_IMAGE3, 31, 35, true}, {IDC_IMAGE4, 31, 36, true},
                            {IDC_IMAGE1, 46, 61, false}, {IDC_IMAGE6, 57, 41, false},
                            {IDC_IMAGE5, 39, 22, false}, {IDC_IMAGE2, 39, 22, false}};
  // clang-format on
  std::string out;
  for (const Extent& e : extents) {
    const RECT box = BoxOf(main, GetDlgItem(main, e.id));
    const int w = box.right - box.left, h = box.bottom - box.top;
    std::vector<DWORD> pixels = PixelsOf(GetDlgItem(main, e.id));
    int left = w, top = h, right = 0, bottom = 0;
    for (int i = 0; i < w * h; ++i) {
      if (pixels[i] == pixels[0]) continue;
      left = std::min(left, i % w), right = std::max(right, i % w + 1);
      top = std::min(top, i / w), bottom = std::max(bottom, i / w + 1);
    }
    const int drawn_width = std::max(0, right - left), drawn_height = std::max(0, bottom - top);
    std::sort(pixels.begin(), pixels.end());
    const auto colours = std::unique(pixels.begin(), pixels.end()) - pixels.begin();
    const auto off = [&](int drawn, int extent) {
      const int scaled = MulDiv(extent, dpi, 96);
      return std::abs(drawn - scaled) > (e.bin ? std::max(2, scaled / 10) : 2);
    };
    if (off(drawn_width, e.width) || off(drawn_height, e.height) ||
        (e.bin && dpi > 96 && colours <= 256)) {
      out += std::to_string(e.id) + ": drawn " + std::to_string(drawn_width) + "x" +
             std::to_string(drawn_height) + ", " + std::to_string(colours) + " colours; ";
    }
  }
  return out;
}

class Scale : public ScaledScenario {
 protected:
  void SetUp() override {
    if (!RunningUnderWine()) GTEST_SKIP() << "Windows takes a new display scale at sign-in";
    ScaledScenario::SetUp();
  }
  // Sends `window` a WM_DPICHANGED for `dpi` suggesting a rectangle at the screen's top left that
  // fits the design's client area, placed in the program's memory (nothing translates the pointer
  // between processes), and expects the window to take it.
  void SendDpiChanged(HWND window, int dpi, const Design& design) {
    RECT frame{0, 0, Pixels(design.width, dpi), Pixels(design.height, dpi)};
    AdjustWindowRectEx(&frame, GetWindowLongA(window, GWL_STYLE), FALSE,
                       GetWindowLongA(window, GWL_EXSTYLE));
    OffsetRect(&frame, -frame.left, -frame.top);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, app_.Id());
    ASSERT_NE(process, nullptr);
    void* remote = VirtualAllocEx(process, nullptr, sizeof frame, MEM_COMMIT, PAGE_READWRITE);
    const bool sent = remote != nullptr &&
                      WriteProcessMemory(process, remote, &frame, sizeof frame, nullptr) &&
                      Send(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                           reinterpret_cast<LPARAM>(remote));
    if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    ASSERT_TRUE(sent);
    Sleep(kSettleMs);  // painted
    RECT now{};
    GetWindowRect(window, &now);
    EXPECT_EQ(Box(now), Box(frame)) << "the window's rectangle, and the one suggested";
  }
};

// Each window lays out and draws for the DPI it starts at; started at 96, again for another after
// a WM_DPICHANGED of its own, the other window staying as it was. (Wine keeps a window's frame at
// the size of the DPI the program started at, which only a start at 96 leaves as Windows has it.)
TEST_P(Scale, ControlsAndPicturesAtTheDpiItStartsAtAndAgainAtANewOne) {
  const int dpi = GetParam();
  ASSERT_NO_FATAL_FAILURE(StartAt(dpi));
  EXPECT_EQ(Layout(kMain, dpi, main_), Layout(kMain, dpi));
  EXPECT_EQ(PicturesNotScaled(main_, dpi), "");
  const HWND about = ClickAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(Layout(kAbout, dpi, about), Layout(kAbout, dpi));
  if (dpi == 96) {
    ASSERT_NO_FATAL_FAILURE(SendDpiChanged(about, 144, kAbout));
    EXPECT_EQ(Layout(kAbout, 144, about), Layout(kAbout, 144));
    EXPECT_EQ(Layout(kMain, 96, main_), Layout(kMain, 96));
    PostMessageA(about, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(about); })) << "the About window stays";
    for (const int now : {192, 96}) {
      ASSERT_NO_FATAL_FAILURE(SendDpiChanged(main_, now, kMain));
      EXPECT_EQ(Layout(kMain, now, main_), Layout(kMain, now));
      EXPECT_EQ(PicturesNotScaled(main_, now), "");
    }
  }
  EXPECT_TRUE(app_.Close());
}

INSTANTIATE_TEST_SUITE_P(Dpi, Scale, ::testing::Values(96, 144, 192));

}  // namespace
}  // namespace kelvoro::e2e
