#include "exchange/pdf/pdf_fonts.hpp"

#include "sheet/widget/font_family.hpp"

namespace tobrel::exchange::pdf {

QFont cellFont(const sheet::CellFont& font) {
    QFont result(sheet::widget::availableFontFamily(font.family));
    result.setPointSizeF(font.pointSize);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    return result;
}

}  // namespace tobrel::exchange::pdf
