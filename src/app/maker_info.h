#pragma once

namespace kelvoro {

// The maker's contact details, shown in the key-creation message and in the About window.
inline constexpr const char kSupportEmail[] = "support@orvane.example";
inline constexpr const char kMakerWebAddress[] = "http://orvane.example/";
inline constexpr const char kMakerSecondWebAddress[] = "http://orvane.example/kelvoro/";

}  // namespace kelvoro
