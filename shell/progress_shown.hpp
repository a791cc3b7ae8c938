#pragma once

#include <QProgressDialog>

#include "exchange/exchange_error.hpp"

namespace tobrel::shell {

// A progress window for one long export or import; it appears only when the work takes longer
// than half a second.
class ProgressShown {
  public:
    explicit ProgressShown(QWidget* parent);
    exchange::Progress callback();

  private:
    QProgressDialog dialog_;
};

}  // namespace tobrel::shell
