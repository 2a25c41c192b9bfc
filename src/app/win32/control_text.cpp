#include "app/win32/control_text.h"

#include <algorithm>
#include <cstddef>

#include "platform/win32/gdi_scope.h"
#include "platform/win32/wide_text.h"
#include "texts/line_breaks.h"

namespace kelvoro::win32 {
namespace {

// The character set and, for scripts the design fonts lack, the face of the system's interface
// font that shows them, with the code page of systems whose own interface font it is.
struct ScriptFont {
  BYTE charset;
  const wchar_t* face;  // null: the design face
  UINT code_page;
};

ScriptFont ScriptFontOf(Script script) {
  switch (script) {
    case Script::kWestern:
      break;
    case Script::kCyrillic:
      return {RUSSIAN_CHARSET, nullptr, 1251};
    case Script::kCentralEuropean:
      return {EASTEUROPE_CHARSET, nullptr, 1250};
    case Script::kTurkish:
      return {TURKISH_CHARSET, nullptr, 1254};
    case Script::kSimplifiedChinese:
      return {GB2312_CHARSET, L"SimSun", 936};
    case Script::kJapanese:
      return {SHIFTJIS_CHARSET, L"MS UI Gothic", 932};
    case Script::kKorean:
      return {HANGUL_CHARSET, L"Gulim", 949};
    case Script::kGreek:
      return {GREEK_CHARSET, nullptr, 1253};
    case Script::kBaltic:
      return {BALTIC_CHARSET, nullptr, 1257};
    case Script::kArabic:
      return {ARABIC_CHARSET, L"Tahoma", 1256};
    case Script::kHebrew:
      return {HEBREW_CHARSET, L"Tahoma", 1255};
    case Script::kThai:
      return {THAI_CHARSET, L"Tahoma", 874};
    case Script::kTraditionalChinese:
      return {CHINESEBIG5_CHARSET, L"PMingLiU", 950};
  }
  return {ANSI_CHARSET, nullptr, 1252};
}

// The face of the system's own interface font for `font`'s script: the message font where the
// system's code page is the script's (a Japanese Windows: Meiryo UI, Yu Gothic UI, ...), else the
// script's interface font that every Windows with East Asian support has.
std::u16string InterfaceFace(const ScriptFont& font) {
  if (::GetACP() == font.code_page) {
    NONCLIENTMETRICSW metrics{};
    // The size of the structure before Vista's added field, which every version accepts.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, lfMessageFont) + sizeof(LOGFONTW);
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0) &&
        metrics.lfMessageFont.lfCharSet == font.charset && metrics.lfMessageFont.lfFaceName[0]) {
      return reinterpret_cast<const char16_t*>(metrics.lfMessageFont.lfFaceName);
    }
  }
  return reinterpret_cast<const char16_t*>(font.face);
}

// The font `font` describes, at `dpi` dots per inch, with the face `face` (empty: the design's)
// and the character set `charset`; null when the system refuses it.
UniqueHFont CreateFontFor(const LayoutFont& font, int dpi, const std::u16string& face,
                          BYTE charset) {
  LOGFONTW description{};
  description.lfHeight = FontHeight(font.hundredths_of_point, dpi);
  description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  description.lfUnderline = font.underline ? TRUE : FALSE;
  description.lfCharSet = charset;
  description.lfOutPrecision = OUT_DEFAULT_PRECIS;
  description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::u16string design = ToUtf16(font.face);
  const std::u16string& chosen = face.empty() ? design : face;
  const std::size_t length = std::min<std::size_t>(chosen.size(), LF_FACESIZE - 1);
  chosen.copy(reinterpret_cast<char16_t*>(description.lfFaceName), length);
  return UniqueHFont(::CreateFontIndirectW(&description));
}

// A line's width as `dc`'s font measures it.
class LineWidthIn final : public LineWidth {
 public:
  explicit LineWidthIn(HDC dc) noexcept : dc_(dc) {}
  int Of(std::u16string_view line) const override {
    SIZE size{};
    ::GetTextExtentPoint32W(dc_, reinterpret_cast<LPCWSTR>(line.data()),
                            static_cast<int>(line.size()), &size);
    return static_cast<int>(size.cx);
  }

 private:
  HDC dc_;
};

}  // namespace

std::u16string TextOf(const Caption& caption) { return WithoutBreakMarks(MarkedTextOf(caption)); }

std::u16string MarkedTextOf(const Caption& caption) { return ToUtf16(caption.In(Texts())); }

std::u16string WideWindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return std::u16string();
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  const int copied = ::GetWindowTextW(window, WidePointer(text), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

std::string WindowText(HWND window) {
  const int length = ::GetWindowTextLengthA(window);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

UniqueHFont FontOf(const ControlLayout& layout, int dpi) {
  if (!layout.text.translated) return CreateFontFor(layout.font, dpi, u"", ANSI_CHARSET);
  const ScriptFont script = ScriptFontOf(InfoOf(CurrentLanguage()).script);
  const std::u16string face = script.face != nullptr ? InterfaceFace(script) : u"";
  return CreateFontFor(layout.font, dpi, face, script.charset);
}

Extent MeasuredText::Line() const { return Measure(0); }

int MeasuredText::WrappedHeight(int width) const { return Measure(width).height; }

std::u16string MeasuredText::Shown(int wrap_width) const {
  if (wrap_width <= 0 || !HasBreakMarks(text_)) return WithoutBreakMarks(text_);
  const WindowDc dc(window_);
  const SelectedObject selected(dc.get(), font_);
  return BrokenAtMarks(text_, wrap_width, LineWidthIn(dc.get()));
}

Extent MeasuredText::Measure(int wrap_width) const {
  const std::u16string shown = Shown(wrap_width);
  const WindowDc dc(window_);
  if (dc.get() == nullptr) return Extent{0, 0};
  const SelectedObject selected(dc.get(), font_);
  RECT extent{0, 0, wrap_width, 0};
  // A text broken at its marks has its lines already; the system breaks any other.
  const UINT wrapping = wrap_width <= 0 ? DT_SINGLELINE : HasBreakMarks(text_) ? 0 : DT_WORDBREAK;
  ::DrawTextW(dc.get(), WidePointer(shown), static_cast<int>(shown.size()), &extent,
              DT_CALCRECT | DT_NOPREFIX | DT_LEFT | wrapping);
  return Extent{extent.right - extent.left, extent.bottom - extent.top};
}

}  // namespace kelvoro::win32
