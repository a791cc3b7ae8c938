#pragma once

// The pictures drawn by tools/make-pictures, compiled in from resources/tobrel.qrc.
namespace tobrel::shell::picture {

inline constexpr const char* kInsertAbove = ":/tobrel/insert-above.png";
inline constexpr const char* kInsertBelow = ":/tobrel/insert-below.png";
inline constexpr const char* kDeleteRow = ":/tobrel/delete-row.png";
inline constexpr const char* kCompute = ":/tobrel/compute.png";
inline constexpr const char* kOpenWorkbook = ":/tobrel/open-workbook.png";
inline constexpr const char* kAbout = ":/tobrel/about.png";
inline constexpr const char* kExit = ":/tobrel/exit.png";
inline constexpr const char* kIcon = ":/tobrel/icon.png";
inline constexpr const char* kSplash = ":/tobrel/splash.png";
inline constexpr const char* kInstrument = ":/tobrel/instrument.png";
inline constexpr const char* kLogo = ":/tobrel/logo.png";

}  // namespace tobrel::shell::picture
