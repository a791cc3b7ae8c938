#pragma once

#include <cstdint>
#include <string>

namespace tobrel::sheet {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class HorizontalAlignment { Left, Centre, Right };
enum class VerticalAlignment { Top, Middle, Bottom };

struct CellFont {
    std::string family;
    int pointSize = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Rgb colour;
};

// How one cell is drawn, without selection or current-row highlight: the window, the workbook
// and the PDF all draw cells from this.
struct CellLook {
    CellFont font;
    Rgb fill;
    HorizontalAlignment horizontal = HorizontalAlignment::Centre;
    VerticalAlignment vertical = VerticalAlignment::Bottom;
};

inline constexpr const char* kSheetFontFamily = "Tahoma";
inline constexpr int kSheetFontPointSize = 8;
inline constexpr Rgb kWindowText{0, 0, 0};
inline constexpr Rgb kCellFill{255, 255, 255};
inline constexpr Rgb kHeaderFill{240, 240, 240};
inline constexpr Rgb kGridLine{192, 192, 192};
inline constexpr Rgb kCurrentRowFill{192, 220, 192};

// Header rows: bold black on the header fill; point rows: plain window text on white. Every cell
// is centred horizontally and bottom-aligned.
CellLook cellLook(int col, int row);

}  // namespace tobrel::sheet
