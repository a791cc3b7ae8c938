#include "exchange/pdf/pdf_fonts.hpp"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace tobrel::exchange::pdf {

namespace {

// Wine ships Tahoma outside the font configuration, so the application has to load it itself.
constexpr const char* kWineTahoma[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                       "/usr/share/wine/fonts/tahomabd.ttf"};
constexpr const char* kFallbackFamily = "DejaVu Sans";

bool loadFamily(const QString& family) {
    if (QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        return true;
    if (family.compare(sheet::kSheetFontFamily, Qt::CaseInsensitive) != 0)
        return false;
    bool loaded = false;
    for (const char* file : kWineTahoma)
        loaded = QFontDatabase::addApplicationFont(QString::fromUtf8(file)) >= 0 || loaded;
    return loaded;
}

QString availableFamily(const std::string& wanted) {
    const QString family = QString::fromStdString(wanted);
    static const bool tahomaLoaded = loadFamily(sheet::kSheetFontFamily);
    if (family.compare(sheet::kSheetFontFamily, Qt::CaseInsensitive) == 0)
        return tahomaLoaded ? family : kFallbackFamily;
    return loadFamily(family) ? family : kFallbackFamily;
}

}  // namespace

QFont cellFont(const sheet::CellFont& font) {
    QFont result(availableFamily(font.family));
    result.setPointSizeF(font.pointSize);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    return result;
}

}  // namespace tobrel::exchange::pdf
