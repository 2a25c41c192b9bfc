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

  bool Empty() const noexcept { return !icon_ && !bitmap_; }
  SIZE Size() const noexcept { return size_; }
  // Draws the picture into `box`: stretched to it, or at its own size from its top left corner.
  void Draw(HDC dc, const RECT& box, bool stretch) const;

 private:
  UniqueHIcon icon_;
  UniqueHBitmap bitmap_;
  SIZE size_{0, 0};
};

// img1: the pictures that start-up copies into the preview. Never shown itself; entries are
// numbered from 1. Entries 1 and 2 are 32 x 32 icons, entry 3 a bitmap at its own size.
class PictureList {
 public:
  struct Entry {
    std::string_view key;
    Picture picture;
  };

  explicit PictureList(HINSTANCE instance);

  // The picture of entry `index` (1-based); nullptr outside the list.
  const Picture* At(int index) const noexcept;

 private:
  std::array<Entry, 3> entries_;
};

}  // namespace kelvoro::win32
