#pragma once

namespace tobrel::exchange::xls {

// Column widths are stored in 1/256 of the width of the digit "0" of the workbook's default font;
// for Arial 10 at 96 dpi that digit is 7 pixels wide, so units = pixels * 256 / 7. Rounding both
// ways gives every pixel width back unchanged. Row heights are in twips: 15 per pixel at 96 dpi.
inline constexpr int kDigitWidthPixels = 7;
inline constexpr int kWidthUnitsPerDigit = 256;
inline constexpr int kTwipsPerPixel = 15;
// A default width given in whole characters also carries the cell padding of 5 pixels.
inline constexpr int kCharacterWidthPadding = 5;

inline int widthUnitsFromPixels(int pixels) {
    return (pixels * kWidthUnitsPerDigit + kDigitWidthPixels / 2) / kDigitWidthPixels;
}
inline int pixelsFromWidthUnits(int units) {
    return (units * kDigitWidthPixels + kWidthUnitsPerDigit / 2) / kWidthUnitsPerDigit;
}
inline int pixelsFromCharacters(int characters) {
    return characters * kDigitWidthPixels + kCharacterWidthPadding;
}
inline int twipsFromPixels(int pixels) {
    return pixels * kTwipsPerPixel;
}
inline int pixelsFromTwips(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

}  // namespace tobrel::exchange::xls
