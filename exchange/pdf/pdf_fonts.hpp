#pragma once

#include <QFont>

#include "sheet/sheet_look.hpp"

namespace tobrel::exchange::pdf {

// The Qt font for a cell's font. The sheet's Tahoma is loaded from Wine's copy when the system
// lacks it; without either, DejaVu Sans stands in.
QFont cellFont(const sheet::CellFont& font);

}  // namespace tobrel::exchange::pdf
