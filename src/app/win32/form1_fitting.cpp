// How the main window makes room for texts of other languages than English (in English every
// control stays where the design puts it): the room a translated label may move in, the row of
// buttons widened for longer captions and centred, and the stock picture widened for the bin's
// name in the user's language, drawn under the bin. The layout rules (app/layout_rules.h) decide;
// this file measures the texts and applies what they return.

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "app/layout_rules.h"
#include "app/win32/form1_layout.h"
#include "app/win32/form1_window.h"
#include "platform/win32/gdi_scope.h"
#include "platform/win32/wide_text.h"
#include "resource.h"

namespace kelvoro::win32 {
namespace {

// The bin's name under the stock picture, in another language, in the window's default font.
constexpr ControlLayout kBinName{"Image6",           ControlKind::kLabel,     IDC_IMAGE6,
                                 TextId::kBinName,   LayoutOf("Image6").rect, kDefaultFont,
                                 TextColour::kBlack, Surface::kWindow,        0};

// The three buttons of a set, in their order on the row.
constexpr std::array<std::string_view, 3> kButtonSetA{"Command1", "Command2", "Command3"};
constexpr std::array<std::string_view, 3> kButtonSetB{"Command7", "Command6", "Command5"};
// Both sets lie on set A's places, with the design's gaps, 180 twips beside a caption, and the
// row keeps at least half of the preview's margin from the window's edge.
constexpr ButtonRow kButtonRow{
    {LayoutOf("Command1").rect, LayoutOf("Command2").rect, LayoutOf("Command3").rect},
    LayoutOf("Command2").rect.left - LayoutOf("Command1").rect.left -
        LayoutOf("Command1").rect.width,
    180,
    kPreviewFrame.left};
static_assert(LayoutOf("Command7").rect.left == LayoutOf("Command1").rect.left &&
              LayoutOf("Command6").rect.left == LayoutOf("Command2").rect.left &&
              LayoutOf("Command5").rect.left == LayoutOf("Command3").rect.left);

constexpr UINT kKeepOrder = SWP_NOZORDER | SWP_NOACTIVATE;

}  // namespace

ControlRoom Form1::RoomOf(const ControlLayout& layout) const {
  // The header's texts end before the logo; the sound text and the rows' captions keep their
  // place beside the box and before the arrows; the hint may use the window's width.
  if (layout.surface == Surface::kHeader) {
    return {LayoutOf("Label2").rect.left, LayoutOf("Image1").rect.left - 120};
  }
  if (layout.name == "Label14")
    return {layout.rect.left, kPreviewFrame.left + kPreviewFrame.width - 120};
  if (layout.name == "Label1" || layout.name == "Label4") {
    return {layout.rect.left, LayoutOf("Image5").rect.left - 60};
  }
  return {kPreviewFrame.left, kForm1ClientWidth - kPreviewFrame.left};
}

void Form1::AfterLayOut() {
  if (!ShowsTranslatedBinName() && !Texts().Translates(TextId::kApply) &&
      !Texts().Translates(TextId::kRestore) && !Texts().Translates(TextId::kAbout)) {
    return;
  }
  FitButtons();
  FitStockPicture();
}

void Form1::FitButtons() {
  std::array<int, 3> captions{};
  for (std::size_t i = 0; i < captions.size(); ++i) {
    for (const auto* set : {&kButtonSetA, &kButtonSetB}) {
      const Control& button = Require((*set)[i]);
      const MeasuredText caption(button.window, button.font.get(), WideWindowText(button.window));
      captions[i] = std::max(captions[i], caption.Line().width);
    }
  }
  RECT client{};
  ::GetClientRect(window_, &client);
  const auto boxes = ArrangeButtonRow(kButtonRow, captions, client.right, DpiX(), DpiY());
  if (!boxes) return;
  for (std::size_t i = 0; i < boxes->size(); ++i) {
    const PixelRect& box = (*boxes)[i];
    for (const auto* set : {&kButtonSetA, &kButtonSetB}) {
      ::SetWindowPos(Require((*set)[i]).window, nullptr /* keep the z-order */, box.left, box.top,
                     box.Width(), box.Height(), kKeepOrder);
    }
  }
}

bool Form1::ShowsTranslatedBinName() const { return Texts().Translates(TextId::kBinName); }

void Form1::FitStockPicture() {
  if (!ShowsTranslatedBinName()) return;
  const Control& image = Require("Image6");
  bin_name_font_ = FontOf(kBinName);
  if (stock_picture_.Empty()) return;
  const SIZE picture = stock_picture_.Size();
  const MeasuredText name(image.window, bin_name_font_.get(), TextOf(kBinName.text));
  const PixelRect box = PlaceStockPicture(FromRect(ToPixels(LayoutOf("Image6").rect)),
                                          Extent{picture.cx, picture.cy}, name);
  ::SetWindowPos(image.window, nullptr /* keep the z-order */, box.left, box.top, box.Width(),
                 box.Height(), kKeepOrder);
}

// The stock picture shows the bin's English name under the bin. In another language the bin is
// drawn alone, and its name in that language under it.
void Form1::DrawImage(const DRAWITEMSTRUCT& item, const Control& control) const {
  if (control.layout->id != IDC_IMAGE6 || !ShowsTranslatedBinName() || stock_picture_.Empty()) {
    Window::DrawImage(item, control);
    return;
  }
  const HDC dc = item.hDC;
  ::FillRect(dc, &item.rcItem, SurfaceBrush(control.layout->surface));
  const SIZE picture = stock_picture_.Size();
  const StockPictureParts parts =
      DivideStockPicture(FromRect(item.rcItem), Extent{picture.cx, picture.cy});
  {
    const SavedDcState saved(dc);
    ::IntersectClipRect(dc, parts.art.left, parts.art.top, parts.art.right, parts.art.bottom);
    stock_picture_.Draw(dc, ToRect(parts.picture), false /* its own size */,
                        DrawnMirrored(Art::kThing, MirroringOf()));
  }
  const SavedDcState saved(dc);
  const SelectedObject font(dc, bin_name_font_.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColourOf(ColourRole::kText, RGB(0, 0, 0)));
  const std::u16string name = TextOf(kBinName.text);
  RECT text = ToRect(parts.name);
  ::DrawTextW(dc, WidePointer(name), static_cast<int>(name.size()), &text,
              DT_CENTER | DT_WORDBREAK | DT_NOPREFIX |
                  (ReadsRightToLeft(kBinName.text.translated, MirroringOf()) ? DT_RTLREADING : 0U));
}

}  // namespace kelvoro::win32
