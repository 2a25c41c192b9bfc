#pragma once

// The registry places the program writes, as the in-memory registry names them.

namespace kelvoro::testing {

inline constexpr char kNTIcon[] =
    "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon";
inline constexpr char kNTClass[] =
    "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}";
inline constexpr char k9xIcon[] =
    "HKLM\\Software\\CLASSES\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon";
inline constexpr char k9xClass[] =
    "HKLM\\Software\\CLASSES\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";
inline constexpr char kCurrentSoundPath[] =
    "HKCU\\AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current";
inline constexpr char kStockSoundPath[] =
    "HKCU\\AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Default";
inline constexpr char kSettings[] = "HKCU\\Software\\Orvane's Software\\Kelvoro\\2.1";

inline constexpr char kStockEmptyIcon[] = "%SystemRoot%\\System32\\shell32.dll,31";
inline constexpr char kStockFullIcon[] = "%SystemRoot%\\System32\\shell32.dll,32";

}  // namespace kelvoro::testing
