#include "app/mirroring.h"

#include <gtest/gtest.h>

namespace kelvoro {
namespace {

TEST(Mirroring, ArabicAndHebrewMirrorAndReadRightToLeftTheOthersAsDesigned) {
  for (const LanguageInfo& info : kLanguages) {
    const bool rtl = info.language == Language::kArabic || info.language == Language::kHebrew;
    const Mirroring m = MirroringFor(info.direction);
    EXPECT_EQ(rtl, m.mirrored && m.right_to_left_reading && ReadsRightToLeft(true, m) &&
                       DrawnMirrored(Art::kArrow, m))
        << info.code;
    EXPECT_EQ(!rtl, !m.mirrored && !m.right_to_left_reading && !DrawnMirrored(Art::kArrow, m));
    // Names and addresses read left to right; the bins, the logo and the icon never turn.
    EXPECT_FALSE(ReadsRightToLeft(false, m) || DrawnMirrored(Art::kThing, m)) << info.code;
    const Alignment shown = ShownAlignment(Alignment::kLeft, m);
    EXPECT_EQ(rtl ? Alignment::kRight : Alignment::kLeft, shown) << info.code;
    EXPECT_EQ(Alignment::kLeft, ShownAlignment(shown, m)) << info.code;
    EXPECT_EQ(Alignment::kCentre, ShownAlignment(Alignment::kCentre, m)) << info.code;
  }
}

}  // namespace
}  // namespace kelvoro
