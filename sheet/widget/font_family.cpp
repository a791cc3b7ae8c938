#include "sheet/widget/font_family.hpp"

#include <QFontDatabase>
#include <QStringList>

#include "sheet/sheet_look.hpp"

namespace tobrel::sheet::widget {

namespace {

constexpr const char* kWineTahoma[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                       "/usr/share/wine/fonts/tahomabd.ttf"};
constexpr const char* kFallbackFamily = "DejaVu Sans";

bool isSheetFamily(const QString& family) {
    return family.compare(kSheetFontFamily, Qt::CaseInsensitive) == 0;
}

bool loadFamily(const QString& family) {
    if (QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        return true;
    if (!isSheetFamily(family))
        return false;
    bool loaded = false;
    for (const char* file : kWineTahoma)
        loaded = QFontDatabase::addApplicationFont(QString::fromUtf8(file)) >= 0 || loaded;
    return loaded;
}

}  // namespace

QString availableFontFamily(const std::string& wanted) {
    const QString family = QString::fromStdString(wanted);
    static const bool tahomaLoaded = loadFamily(kSheetFontFamily);
    if (isSheetFamily(family))
        return tahomaLoaded ? family : kFallbackFamily;
    return loadFamily(family) ? family : kFallbackFamily;
}

}  // namespace tobrel::sheet::widget
