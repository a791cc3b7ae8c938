#pragma once

#include <QFont>

namespace tobrel::sheet::widget {

// The sheet's font (Tahoma, 11-pixel characters); loads the Tahoma files that Wine ships when
// the system has no Tahoma, else falls back to DejaVu Sans. Needs a QGuiApplication.
QFont sheetFont(bool bold = false);

}  // namespace tobrel::sheet::widget
