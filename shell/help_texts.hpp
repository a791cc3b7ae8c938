#pragma once

#include <QString>

// The help window's texts as rich text.
namespace tobrel::shell::help {

QString methodPage();
QString conditionsPage();
QString instrumentHeading();
// The published relations numbered first to last, inclusive, as far as the table lists them.
QString formulaTable(int first, int last);

}  // namespace tobrel::shell::help
