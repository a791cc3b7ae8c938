#include "sheet/widget/sheet_fonts.hpp"

#include <QFontDatabase>
#include <QStringList>

#include "sheet/sheet_look.hpp"

namespace tobrel::sheet::widget {

namespace {

constexpr int kCharacterHeightPixels = 11;

QString availableFamily() {
    static const QString family = [] {
        const QString tahoma = QString::fromUtf8(kSheetFontFamily);
        if (QFontDatabase::families().contains(tahoma))
            return tahoma;
        const QStringList wineFiles{"/usr/share/wine/fonts/tahoma.ttf",
                                    "/usr/share/wine/fonts/tahomabd.ttf"};
        bool loaded = false;
        for (const QString& file : wineFiles)
            loaded = QFontDatabase::addApplicationFont(file) >= 0 || loaded;
        return loaded ? tahoma : QStringLiteral("DejaVu Sans");
    }();
    return family;
}

}  // namespace

QFont sheetFont(bool bold) {
    QFont font(availableFamily());
    font.setPixelSize(kCharacterHeightPixels);
    font.setBold(bold);
    return font;
}

}  // namespace tobrel::sheet::widget
