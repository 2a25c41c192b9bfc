#pragma once

namespace kelvoro {

// The maker's contact details: the support address ends the fixed part of the key-creation
// message, and the About window and the main window's link show them all.
inline constexpr const char kSupportEmail[] = "support@orvane.example";
inline constexpr const char kMakerWebAddress[] = "http://orvane.example/";
inline constexpr const char kMakerSecondWebAddress[] = "http://orvane.example/kelvoro/";

}  // namespace kelvoro
