#pragma once

#include <cstdint>
#include <vector>

#include "exchange/xls/record_writer.hpp"
#include "sheet/sheet_look.hpp"

namespace tobrel::exchange::xls {

// Fonts, colours and cell formats (XF records) of the looks the cells use, each written once.
class CellStyles {
  public:
    // Index of the cell format drawing a cell this way.
    std::uint16_t formatIndexOf(const sheet::CellLook& look);
    // PALETTE, FONT, XF and STYLE records, in the order the workbook globals need them.
    void write(RecordWriter& writer) const;

  private:
    std::uint16_t fontIndexOf(const sheet::CellFont& font);
    std::uint16_t colourIndexOf(const sheet::Rgb& colour);
    void writeFonts(RecordWriter& writer) const;
    void writeFormats(RecordWriter& writer) const;

    struct Format {
        sheet::CellLook look;
        std::uint16_t font;
        std::uint16_t fillColour;
        std::uint16_t borderColour;
    };
    std::vector<sheet::Rgb> palette_;
    std::vector<sheet::CellFont> fonts_;
    std::vector<Format> formats_;
};

}  // namespace tobrel::exchange::xls
