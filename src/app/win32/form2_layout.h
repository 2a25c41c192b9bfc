#pragma once

// The look of the About window: its size, its labels and the white rule, in twips.

#include <array>
#include <string_view>

#include "app/win32/layout.h"
#include "resource.h"
#include "settings/maker_info.h"

namespace kelvoro::win32 {

// Form2's client area: 305 x 192 pixels at 96 dots per inch.
inline constexpr int kForm2ClientWidth = 4575;
inline constexpr int kForm2ClientHeight = 2880;

inline constexpr std::string_view kAuthor = "Ilse Marwood-Taan";

// Label8 shows the maker's web address after one blank.
inline constexpr char kLabel8Text[] = " http://orvane.example/";
static_assert(std::string_view(kLabel8Text).substr(1) == kMakerWebAddress,
              "Label8 shows the maker's web address after one blank");

// White, one pixel: together a rule at 2760 twips with a gap for the notice line.
inline constexpr std::array<TwipsLine, 2> kAboutRule{{
    {2720, 2760, 6360, 2760},  // Line1
    {-600, 2760, 240, 2760},   // Line2
}};

// Every label is transparent and sized to its text. Label9 reports clicks without looking like a
// link.
// clang-format off
inline constexpr std::array<ControlLayout, 8> kForm2Controls{{
    // name, kind, id, text, {left, top, width, height}, font, colour, surface, flags
    {"Label1", ControlKind::kLabel, IDC_ABOUT_LABEL1, "Kelvoro 2.1", {1080, 120, 2190, 255}, {"Arial", 1125, false, false}, TextColour::kBlue, Surface::kWindow, kSizedToText},
    {"Label2", ControlKind::kLabel, IDC_ABOUT_LABEL2, TextId::kFreeware, {1800, 360, 825, 240}, {"Tahoma", 975, false, false}, TextColour::kBlack, Surface::kWindow, kSizedToText},
    {"Label9", ControlKind::kLabel, IDC_ABOUT_LABEL9, TextId::kReleased, {1200, 600, 2025, 240}, {"Tahoma", 975, false, false}, TextColour::kBlack, Surface::kWindow, kSizedToText | kClickable | kOpensPage},
    {"Label3", ControlKind::kLabel, IDC_ABOUT_LABEL3, Caption(TextId::kCredit, kAuthor), {840, 1080, 2835, 270}, {"Tahoma", 1125, false, false}, TextColour::kBlack, Surface::kWindow, kSizedToText},
    {"Label4", ControlKind::kLabel, IDC_ABOUT_LABEL4, TextId::kTown, {1440, 1320, 1500, 240}, {"Tahoma", 975, false, false}, TextColour::kBlack, Surface::kWindow, kSizedToText},
    {"Label8", ControlKind::kLabel, IDC_ABOUT_LABEL8, kLabel8Text, {840, 1800, 2985, 300}, {"MS Sans Serif", 1200, false, false}, TextColour::kBlue, Surface::kWindow, kSizedToText | kLink},
    {"Label6", ControlKind::kLabel, IDC_ABOUT_LABEL6, Caption(TextId::kEmail, kSupportEmail), {840, 2160, 3000, 240}, {"MS Sans Serif", 975, false, false}, TextColour::kBlack, Surface::kWindow, kSizedToText},
    {"Label5", ControlKind::kLabel, IDC_ABOUT_LABEL5, TextId::kNotice, {240, 2640, 2355, 195}, {"MS Sans Serif", 825, false, false}, TextColour::kWhite, Surface::kWindow, kSizedToText},
}};
// clang-format on

}  // namespace kelvoro::win32
