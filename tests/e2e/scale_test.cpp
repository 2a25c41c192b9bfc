// Display scales, under Wine only (Windows takes a new scale at the next sign-in): started at
// 96, 144 and 192 dpi, the main window lays its controls out at that DPI and draws each picture at
// its size there; a WM_DPICHANGED lays the running window out again for the new DPI.
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver.h"
#include "res/resource.h"

namespace kelvoro::e2e {
namespace {

int Pixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

// A control of the main window where the design puts it, in twips; a picture shown at its own
// size gives that size in pixels at 96 dpi instead of the box's.
struct Placed {
  int id;
  int left, top, width, height;
  int picture_width = 0, picture_height = 0;
};
// clang-format off
const Placed kPlaced[] = {
    {IDC_IMAGE1, 5520, 120, 0, 0, 64, 66}, {IDC_IMAGE6, 600, 2020, 0, 0, 69, 55},
    {IDC_IMAGE5, 3720, 1800, 0, 0, 49, 29}, {IDC_IMAGE2, 3720, 2640, 0, 0, 49, 29},
    {IDC_IMAGE3, 5280, 1680, 600, 600}, {IDC_IMAGE4, 5280, 2520, 600, 600},
    {IDC_CHECK1, 1560, 3450, 255, 255}, {IDC_COMMAND7, 1080, 4680, 1335, 375},
    {IDC_COMMAND6, 2640, 4680, 1815, 375}, {IDC_COMMAND5, 4680, 4680, 1215, 375}};
// clang-format on

std::string Box(int left, int top, int width, int height) {
  return std::to_string(left) + "," + std::to_string(top) + " " + std::to_string(width) + "x" +
         std::to_string(height);
}

// The client size and each placed control's box, as the design gives them at `dpi`...
std::string DesignedLayout(int dpi) {
  std::string out = "client " + Box(0, 0, Pixels(6735, dpi), Pixels(5430, dpi));
  for (const Placed& c : kPlaced) {
    const bool own_size = c.picture_width != 0;
    out += "; " + std::to_string(c.id) + " " +
           Box(Pixels(c.left, dpi), Pixels(c.top, dpi),
               own_size ? MulDiv(c.picture_width, dpi, 96) : Pixels(c.width, dpi),
               own_size ? MulDiv(c.picture_height, dpi, 96) : Pixels(c.height, dpi));
  }
  return out;
}

// A window's client size, as the layouts below give it.
std::string Client(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return "client " + Box(0, 0, client.right, client.bottom);
}

// The box of the window's control `id`, in its client area.
RECT BoxOf(HWND window, int id) {
  RECT box{};
  GetWindowRect(GetDlgItem(window, id), &box);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&box), 2);
  return box;
}

// ...and as the window has them.
std::string LaidOut(HWND main) {
  std::string out = Client(main);
  for (const Placed& c : kPlaced) {
    const RECT box = BoxOf(main, c.id);
    out += "; " + std::to_string(c.id) + " " +
           Box(box.left, box.top, box.right - box.left, box.bottom - box.top);
  }
  return out;
}

// The About window's client size and the top left corners of three of its labels (each sized
// to its text), as the design gives them at `dpi`...
std::string DesignedAboutLayout(int dpi) {
  std::string out = "client " + Box(0, 0, Pixels(4575, dpi), Pixels(2880, dpi));
  for (const auto& [id, left, top] : {std::array<int, 3>{IDC_ABOUT_LABEL1, 1080, 120},
                                      std::array<int, 3>{IDC_ABOUT_LABEL8, 840, 1800},
                                      std::array<int, 3>{IDC_ABOUT_LABEL5, 240, 2640}}) {
    out += "; " + std::to_string(id) + " " + std::to_string(Pixels(left, dpi)) + "," +
           std::to_string(Pixels(top, dpi));
  }
  return out;
}

// ...and as the window has them.
std::string AboutLaidOut(HWND about) {
  std::string out = Client(about);
  for (const int id : {IDC_ABOUT_LABEL1, IDC_ABOUT_LABEL8, IDC_ABOUT_LABEL5}) {
    const RECT box = BoxOf(about, id);
    out +=
        "; " + std::to_string(id) + " " + std::to_string(box.left) + "," + std::to_string(box.top);
  }
  return out;
}

// What a picture control shows on the screen: the size of the bounding box of its pixels that
// differ from its top left one (the background the picture lies on), and how many colours it has.
struct Drawn {
  int width, height, colours;
};
Drawn DrawnPicture(HWND control) {
  RECT box{};
  GetWindowRect(control, &box);
  const int width = box.right - box.left, height = box.bottom - box.top;
  std::vector<DWORD> pixels = PixelsOf(control);
  int left = width, top = height, right = -1, bottom = -1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (pixels[y * width + x] == pixels[0]) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  std::sort(pixels.begin(), pixels.end());
  const int colours = static_cast<int>(std::unique(pixels.begin(), pixels.end()) - pixels.begin());
  return right < 0 ? Drawn{0, 0, colours} : Drawn{right - left + 1, bottom - top + 1, colours};
}

// Each picture drawn at `dpi` spans its 96-dpi extent scaled: the bitmaps within two pixels of
// rounding and smoothing, the Recycle Bin pictures (drawn afresh for each size, with outlines
// that keep their width) within a tenth; and above 96 dpi those are drawn from images made for
// the size, with more colours than the 256 of the 32-pixel images that 96 dpi enlarges. Returns
// "id: drawn WxH, N colours" for each picture that is not.
std::string PicturesNotScaled(HWND main, int dpi) {
  // What each picture covers at 96 dpi, in pixels: the bin images stretched from 32 to 40
  // pixels, the logo, the stock picture and the two arrows.
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
    const Drawn drawn = DrawnPicture(GetDlgItem(main, e.id));
    const int width = MulDiv(e.width, dpi, 96), height = MulDiv(e.height, dpi, 96);
    const int slack_x = e.bin ? std::max(2, width / 10) : 2;
    const int slack_y = e.bin ? std::max(2, height / 10) : 2;
    if (std::abs(drawn.width - width) > slack_x || std::abs(drawn.height - height) > slack_y ||
        (e.bin && dpi > 96 && drawn.colours <= 256)) {
      out += std::to_string(e.id) + ": drawn " + std::to_string(drawn.width) + "x" +
             std::to_string(drawn.height) + ", " + std::to_string(drawn.colours) + " colours; ";
    }
  }
  return out;
}

class Scale : public ScaledScenario, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    if (!RunningUnderWine()) GTEST_SKIP() << "Windows takes a new display scale at sign-in";
    ScaledScenario::SetUp();
  }
  // Sends `window` a WM_DPICHANGED for `dpi` whose suggested rectangle lies at the top left of
  // the screen and fits a client area of the given size in twips at that DPI. The rectangle lies
  // in the program's memory: the message carries a pointer that no one translates between
  // processes.
  bool SendDpiChanged(HWND window, int dpi, int width_twips, int height_twips) {
    RECT frame{0, 0, Pixels(width_twips, dpi), Pixels(height_twips, dpi)};
    AdjustWindowRectEx(&frame, GetWindowLongA(window, GWL_STYLE), FALSE,
                       GetWindowLongA(window, GWL_EXSTYLE));
    OffsetRect(&frame, -frame.left, -frame.top);
    suggested_ = frame;
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, app_.Id());
    if (process == nullptr) return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof frame, MEM_COMMIT, PAGE_READWRITE);
    DWORD_PTR ignored = 0;
    const bool sent = remote != nullptr &&
                      WriteProcessMemory(process, remote, &frame, sizeof frame, nullptr) &&
                      SendMessageTimeoutA(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                                          reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                                          kUiTimeoutMs, &ignored);
    if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    Sleep(kSettleMs);  // painted
    return sent;
  }
  bool SendDpiChanged(int dpi) { return SendDpiChanged(main_, dpi, 6735, 5430); }
  // The window's rectangle, and the one last suggested.
  static std::string Rectangle(const RECT& r) {
    return Box(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  static std::string Rectangle(HWND window) {
    RECT now{};
    GetWindowRect(window, &now);
    return Rectangle(now);
  }
  std::string Suggested() const { return Rectangle(suggested_); }

 private:
  RECT suggested_{};
};

TEST_P(Scale, ControlsAndPicturesAtTheDpiItStartsAt) {
  const int dpi = GetParam();
  ASSERT_NO_FATAL_FAILURE(StartAt(dpi));
  EXPECT_EQ(LaidOut(main_), DesignedLayout(dpi));
  EXPECT_EQ(PicturesNotScaled(main_, dpi), "");
  const HWND about = ClickAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(AboutLaidOut(about), DesignedAboutLayout(dpi));
  EXPECT_TRUE(app_.Close());
}

INSTANTIATE_TEST_SUITE_P(Dpi, Scale, ::testing::Values(96, 144, 192));

using DpiChange = Scale;
TEST_F(DpiChange, LaysTheWindowOutAgainForTheNewDpi) {
  ASSERT_NO_FATAL_FAILURE(StartAt(96));
  ASSERT_TRUE(SendDpiChanged(192));
  EXPECT_EQ(Rectangle(main_), Suggested());
  EXPECT_EQ(LaidOut(main_), DesignedLayout(192));
  EXPECT_EQ(PicturesNotScaled(main_, 192), "");
  ASSERT_TRUE(SendDpiChanged(96));
  EXPECT_EQ(LaidOut(main_), DesignedLayout(96));
  EXPECT_EQ(PicturesNotScaled(main_, 96), "");

  // The About window too, the main window being left at 96 dpi behind it.
  const HWND about = ClickAbout();
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(SendDpiChanged(about, 144, 4575, 2880));
  EXPECT_EQ(Rectangle(about), Suggested());
  EXPECT_EQ(AboutLaidOut(about), DesignedAboutLayout(144));
  EXPECT_EQ(LaidOut(main_), DesignedLayout(96));
  EXPECT_TRUE(app_.Close());
}

}  // namespace
}  // namespace kelvoro::e2e
