#pragma once

namespace kelvoro {

// The maker's contact details, shown in the key-creation message and in the About window.
inline constexpr const char kSupportEmail[] = "support@orvanesoftware.example";
inline constexpr const char kMakerWebAddress[] = "http://www.orvanesoftware.example/";
inline constexpr const char kMakerSecondWebAddress[] = "http://www.orvanesoftware.example/kelvoro/";

}  // namespace kelvoro
