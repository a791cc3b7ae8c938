#include "exchange/xls/cell_text.hpp"

namespace tobrel::exchange::xls {

std::string workbookText(std::string_view sheetText) {
    std::string text;
    text.reserve(sheetText.size());
    for (std::size_t i = 0; i < sheetText.size(); ++i) {
        if (sheetText[i] != '\r') {
            text += sheetText[i];
            continue;
        }
        text += '\n';
        if (i + 1 < sheetText.size() && sheetText[i + 1] == '\n')
            ++i;
    }
    return text;
}

std::string sheetText(std::string_view workbookText) {
    std::string text;
    text.reserve(workbookText.size());
    for (std::size_t i = 0; i < workbookText.size(); ++i) {
        if (workbookText[i] == '\n' && (i == 0 || workbookText[i - 1] != '\r'))
            text += '\r';
        text += workbookText[i];
    }
    return text;
}

}  // namespace tobrel::exchange::xls
