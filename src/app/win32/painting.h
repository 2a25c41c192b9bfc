#pragma once

// What the windows draw themselves: the faces of the owner-drawn flat buttons and pictures, and
// a link's focus rectangle. Each call draws into the DC it is given (or the link's own) and leaves
// that DC's state as it found it.

#include <windows.h>

#include "app/win32/picture.h"

namespace kelvoro::win32 {

// A flat button: `face` over the whole button inside a one-pixel `frame`, its caption centred on
// one line in `font` and `text` colour (a pixel down and right while pressed), and the focus
// rectangle 3 pixels inside the frame while it has the focus. The caption reads right to left
// where `right_to_left` says so.
void DrawFlatButton(const DRAWITEMSTRUCT& item, HFONT font, HBRUSH face, HBRUSH frame,
                    COLORREF text, bool right_to_left);

// A picture box: `surface` (what lies beneath it) over the box, then `picture` (none: nothing)
// stretched to the box or at its own size from the top left corner; in a mirrored window as its
// mirror image or (`mirrored` false) as designed.
void DrawPicture(const DRAWITEMSTRUCT& item, HBRUSH surface, const Picture* picture, bool stretch,
                 bool mirrored);

// After the system has painted a link: the focus rectangle around it while it has the focus and
// the keyboard is in use (the system's focus cues shown).
void DrawLinkFocus(HWND link);

}  // namespace kelvoro::win32
