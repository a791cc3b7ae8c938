#pragma once

#include <QDialog>

class QLabel;
class QTabWidget;
class QTextBrowser;
class QWidget;

namespace tobrel::shell {

// Unit Help: the method, the test conditions and published rebound-strength relations on four
// pages. Closing only hides it, so it opens again on the page it was closed on.
class TForm2 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm2(QWidget* parent = nullptr);

    QTabWidget* AdvPageControl1;
    QWidget* AdvTabSheet1;
    QWidget* AdvTabSheet2;
    QWidget* AdvTabSheet3;
    QWidget* AdvTabSheet4;
    QTextBrowser* Image1;
    QTextBrowser* Image2;
    QLabel* Image3;
    QTextBrowser* Image4;
    QTextBrowser* Image5;
    QTextBrowser* Image6;
};

extern TForm2* Form2;

}  // namespace tobrel::shell
