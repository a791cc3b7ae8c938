#pragma once

#include <QString>

#include <string>

namespace tobrel::sheet::widget {

// The family to draw a cell font with: the wanted one when the system has it; the sheet's Tahoma
// also from Wine's copy, which lies outside the font configuration; else DejaVu Sans. Needs a
// QGuiApplication. Shared by the grid and the PDF writer so both draw with the same face.
QString availableFontFamily(const std::string& wanted);

}  // namespace tobrel::sheet::widget
