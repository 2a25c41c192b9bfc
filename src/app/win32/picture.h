#pragma once

#include <windows.h>

#include <array>
#include <string_view>

#include "platform/win32/unique_handle.h"

namespace kelvoro::win32 {

// One picture of the program's own resources: an icon or a bitmap, owned, with its pixel size.
// An empty Picture draws nothing.
class Picture {
 public:
  Picture() = default;
  // Loads the icon resource at exactly `size` x `size` pixels; empty when the load fails.
  static Picture FromIconResource(HINSTANCE instance, int resource, int size);
  // Loads the bitmap resource at its own size; empty when the load fails.
  static Picture FromBitmapResource(HINSTANCE instance, int resource);
  // One of the program's pictures for `dpi` dots per inch, at its size there: at 96 dpi the
  // bitmap resource `bitmap` itself; otherwise the image of the icon resource `scales` (one image
  // for each scale above 100 %, at that scale's size) drawn for the scale that ArtScaleFor picks,
  // scaled down smoothly when `dpi` lies between two scales. Where the system cannot read those
  // images (before Windows Vista), the bitmap scaled smoothly instead. Empty when even the bitmap
  // cannot be loaded.
  static Picture FromArt(HINSTANCE instance, int bitmap, int scales, int dpi);

  bool Empty() const noexcept { return !icon_ && !bitmap_; }
  SIZE Size() const noexcept { return size_; }
  // Draws the picture into `box`: stretched to it, or at its own size from its top left corner.
  // On a mirrored DC it shows as its mirror image where `mirrored` says so, else as designed.
  void Draw(HDC dc, const RECT& box, bool stretch, bool mirrored) const;

 private:
  // This picture drawn at `size`, smoothly scaled, as a new bitmap picture; empty on failure.
  Picture Resampled(SIZE size) const;

  UniqueHIcon icon_;
  UniqueHBitmap bitmap_;
  SIZE size_{0, 0};
};

// img1: the pictures that start-up copies into the preview. Never shown itself; entries are
// numbered from 1. Entries 1 and 2 are icons, entry 3 a bitmap at its own size.
class PictureList {
 public:
  // The size of the list's images.
  static constexpr int kIconSize = 32;

  struct Entry {
    std::string_view key;
    Picture picture;
  };

  // Loads the entries for `dpi`: the icons at `icon_size` pixels (at 32, the size the list is
  // designed for, if the icon has no image that size), the logo as Picture::FromArt gives it.
  // The entries keep their addresses.
  void Load(HINSTANCE instance, int dpi, int icon_size);

  // The picture of entry `index` (1-based); nullptr outside the list.
  const Picture* At(int index) const noexcept;

 private:
  std::array<Entry, 3> entries_{{{"black", {}}, {"white", {}}, {"Logo", {}}}};
};

}  // namespace kelvoro::win32
