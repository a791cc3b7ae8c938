#include "sheet/widget/sheet_fonts.hpp"

#include "sheet/sheet_look.hpp"
#include "sheet/widget/font_family.hpp"

namespace tobrel::sheet::widget {

namespace {

constexpr int kCharacterHeightPixels = 11;

}  // namespace

QFont sheetFont(bool bold) {
    QFont font(availableFontFamily(kSheetFontFamily));
    font.setPixelSize(kCharacterHeightPixels);
    font.setBold(bold);
    return font;
}

}  // namespace tobrel::sheet::widget
