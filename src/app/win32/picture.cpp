#include "app/win32/picture.h"

#include "app/display_scale.h"
#include "platform/win32/gdi_scope.h"
#include "resource.h"

namespace kelvoro::win32 {

namespace {

SIZE Scaled(SIZE size, int dpi, int base) {
  return SIZE{ScalePixels(size.cx, dpi, base), ScalePixels(size.cy, dpi, base)};
}

bool operator==(SIZE a, SIZE b) { return a.cx == b.cx && a.cy == b.cy; }

// A mirrored DC mirrors every bitmap and icon drawn on it. While this lives, one that is to keep
// its orientation blits as designed: the DC's layout preserves bitmap orientation, which both
// Windows and Wine honour in BitBlt, StretchBlt and DrawIconEx (Wine ignores DI_NOMIRROR), and
// the blits say NOMIRRORBITMAP as well. On a DC that is not mirrored it changes nothing.
class OrientationKept {
 public:
  OrientationKept(HDC dc, bool mirrored) noexcept
      : dc_(dc), layout_(::GetLayout(dc)), kept_(!mirrored && (layout_ & LAYOUT_RTL) != 0) {
    if (kept_) ::SetLayout(dc_, layout_ | LAYOUT_BITMAPORIENTATIONPRESERVED);
  }
  ~OrientationKept() {
    if (kept_) ::SetLayout(dc_, layout_);
  }
  OrientationKept(const OrientationKept&) = delete;
  OrientationKept& operator=(const OrientationKept&) = delete;

  DWORD Copy() const noexcept { return kept_ ? SRCCOPY | NOMIRRORBITMAP : SRCCOPY; }

 private:
  HDC dc_;
  DWORD layout_;
  bool kept_;
};

// A top-down 32-bit DIB section of `size`; null on failure.
HBITMAP CreateBitmap32(HDC dc, SIZE size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr /* no section */, 0);
}

}  // namespace

Picture Picture::FromIconResource(HINSTANCE instance, int resource, int size) {
  Picture picture;
  picture.icon_.reset(static_cast<HICON>(
      ::LoadImageA(instance, MAKEINTRESOURCEA(resource), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  if (picture.icon_) picture.size_ = SIZE{size, size};
  return picture;
}

Picture Picture::FromBitmapResource(HINSTANCE instance, int resource) {
  Picture picture;
  picture.bitmap_.reset(static_cast<HBITMAP>(
      ::LoadImageA(instance, MAKEINTRESOURCEA(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  BITMAP info{};
  if (picture.bitmap_ && ::GetObjectA(picture.bitmap_.get(), sizeof info, &info) == sizeof info) {
    picture.size_ = SIZE{info.bmWidth, info.bmHeight};
  } else {
    picture.bitmap_.reset();
  }
  return picture;
}

Picture Picture::FromArt(HINSTANCE instance, int bitmap, int scales, int dpi) {
  Picture design = FromBitmapResource(instance, bitmap);
  if (dpi == 96 || design.Empty()) return design;
  const SIZE size = Scaled(design.size_, dpi, 96);
  const int scale = ArtScaleFor(dpi);
  if (scale > 100) {
    const SIZE drawn = Scaled(design.size_, scale, 100);
    Picture art;
    art.icon_.reset(static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(scales), IMAGE_ICON,
                                                    drawn.cx, drawn.cy, LR_DEFAULTCOLOR)));
    if (art.icon_) {
      art.size_ = drawn;
      if (drawn == size) return art;
      Picture resampled = art.Resampled(size);
      if (!resampled.Empty()) return resampled;
    }
  }
  Picture resampled = design.Resampled(size);
  if (resampled.Empty()) return design;
  return resampled;
}

Picture Picture::Resampled(SIZE size) const {
  Picture picture;
  const WindowDc screen(nullptr);
  UniqueMemoryDc target(::CreateCompatibleDC(screen.get()));
  UniqueMemoryDc source(::CreateCompatibleDC(screen.get()));
  if (!target || !source || size.cx <= 0 || size.cy <= 0) return picture;
  picture.bitmap_.reset(CreateBitmap32(screen.get(), size));
  UniqueHBitmap drawn;  // an icon drawn at its own size first: the pictures are opaque
  HBITMAP from = bitmap_.get();
  if (icon_) {
    drawn.reset(CreateBitmap32(screen.get(), size_));
    from = drawn.get();
  }
  if (!picture.bitmap_ || from == nullptr) return Picture();
  const SelectedObject into(target.get(), picture.bitmap_.get());
  const SelectedObject out_of(source.get(), from);
  if (icon_) {
    ::DrawIconEx(source.get(), 0, 0, icon_.get(), size_.cx, size_.cy, 0 /* frame */,
                 nullptr /* no flicker-free brush */, DI_NORMAL);
  }
  ::SetStretchBltMode(target.get(), HALFTONE);
  ::SetBrushOrgEx(target.get(), 0, 0, nullptr);  // HALFTONE wants the brush origin reset
  if (!::StretchBlt(target.get(), 0, 0, size.cx, size.cy, source.get(), 0, 0, size_.cx, size_.cy,
                    SRCCOPY)) {
    return Picture();
  }
  picture.size_ = size;
  return picture;
}

void Picture::Draw(HDC dc, const RECT& box, bool stretch, bool mirrored) const {
  const OrientationKept orientation(dc, mirrored);
  const int width = stretch ? box.right - box.left : size_.cx;
  const int height = stretch ? box.bottom - box.top : size_.cy;
  if (icon_) {
    ::DrawIconEx(dc, box.left, box.top, icon_.get(), width, height, 0 /* frame */,
                 nullptr /* no flicker-free brush */, DI_NORMAL);
    return;
  }
  if (!bitmap_) return;
  UniqueMemoryDc memory(::CreateCompatibleDC(dc));
  if (!memory) return;
  const SelectedObject selected(memory.get(), bitmap_.get());
  if (stretch) {
    const int previous_mode = ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);  // HALFTONE wants the brush origin reset
    ::StretchBlt(dc, box.left, box.top, width, height, memory.get(), 0, 0, size_.cx, size_.cy,
                 orientation.Copy());
    ::SetStretchBltMode(dc, previous_mode);
  } else {
    ::BitBlt(dc, box.left, box.top, width, height, memory.get(), 0, 0, orientation.Copy());
  }
}

void PictureList::Load(HINSTANCE instance, int dpi, int icon_size) {
  const auto icon = [&](int resource) {
    Picture picture = Picture::FromIconResource(instance, resource, icon_size);
    if (picture.Empty() && icon_size != kIconSize) {
      picture = Picture::FromIconResource(instance, resource, kIconSize);
    }
    return picture;
  };
  entries_[0].picture = icon(IDI_BLACK);
  entries_[1].picture = icon(IDI_WHITE);
  entries_[2].picture = Picture::FromArt(instance, IDB_LOGO, IDI_LOGO_SCALES, dpi);
}

const Picture* PictureList::At(int index) const noexcept {
  if (index < 1 || index > static_cast<int>(entries_.size())) return nullptr;
  return &entries_[static_cast<std::size_t>(index - 1)].picture;
}

}  // namespace kelvoro::win32
