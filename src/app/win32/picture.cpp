#include "app/win32/picture.h"

#include "platform/win32/gdi_scope.h"
#include "resource.h"

namespace kelvoro::win32 {

namespace {
constexpr int kListIconSize = 32;
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

void Picture::Draw(HDC dc, const RECT& box, bool stretch) const {
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
                 SRCCOPY);
    ::SetStretchBltMode(dc, previous_mode);
  } else {
    ::BitBlt(dc, box.left, box.top, width, height, memory.get(), 0, 0, SRCCOPY);
  }
}

PictureList::PictureList(HINSTANCE instance)
    : entries_{{
          {"black", Picture::FromIconResource(instance, IDI_BLACK, kListIconSize)},
          {"white", Picture::FromIconResource(instance, IDI_WHITE, kListIconSize)},
          {"Logo", Picture::FromBitmapResource(instance, IDB_LOGO)},
      }} {}

const Picture* PictureList::At(int index) const noexcept {
  if (index < 1 || index > static_cast<int>(entries_.size())) return nullptr;
  return &entries_[static_cast<std::size_t>(index - 1)].picture;
}

}  // namespace kelvoro::win32
