#include "sheet/sheet_look.hpp"

#include "sheet/sheet.hpp"

namespace tobrel::sheet {

CellLook cellLook(int /*col*/, int row) {
    const bool header = row < kHeaderRowCount;
    CellLook look;
    look.font.family = kSheetFontFamily;
    look.font.pointSize = kSheetFontPointSize;
    look.font.bold = header;
    look.font.colour = kWindowText;
    look.fill = header ? kHeaderFill : kCellFill;
    return look;
}

}  // namespace tobrel::sheet
