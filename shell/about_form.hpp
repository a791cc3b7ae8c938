#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tobrel::shell {

// Unit About: the instrument, the version, the authors and the disclaimer.
class TAboutForm : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutForm(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label41;
    QLabel* Image2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label2;
    QLabel* Label1;
    QPushButton* BitBtn2;
    QLabel* Label9;

    void BitBtn2Click();
};

extern TAboutForm* AboutForm;

}  // namespace tobrel::shell
