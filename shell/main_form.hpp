#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

#include "evaluation/compute.hpp"
#include "sheet/sheet.hpp"
#include "sheet/widget/grid_events.hpp"
#include "shell/dialogs.hpp"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tobrel::sheet::widget {
class SheetGrid;
}

namespace tobrel::shell {

class RadioGroup;
class Splash;

// Unit Main: the main window. Members are named as the window design names its components; each
// command is the handler its control is bound to.
class TForm1 : public QWidget {
    Q_OBJECT
  public:
    struct Options {
        // Null: the platform's message boxes and file dialogs.
        Dialogs* dialogs = nullptr;
        bool showSplash = true;
    };
    explicit TForm1(Options options, QWidget* parent = nullptr);
    ~TForm1() override;

    sheet::Sheet& sheet() { return sheet_; }

    QLabel* Label1;
    sheet::widget::SheetGrid* AdvStringGrid1;
    QCheckBox* CheckBox1;
    QTableWidget* AdvStringGrid2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn2;
    QPushButton* BitBtn4;
    QPushButton* Save_BitBtn;
    QPushButton* BitBtn6;
    QCheckBox* CheckBox2;
    QPushButton* BitBtn5;
    QPushButton* BitBtn8;
    QTableWidget* StringGrid4;
    QCheckBox* CheckBox3;
    RadioGroup* RadioGroup1;
    QPushButton* OKBtn;
    QPushButton* BitBtn9;
    QPushButton* BitBtn10;
    FileDialog SaveDialog1;
    FileDialog OpenDialog1;
    FileDialog SaveDialog2;
    QPointer<Splash> AdvSmoothSplashScreen1;

    void FormCreate();
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn2Click();
    void BitBtn4Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void BitBtn5Click();
    void BitBtn9Click();
    void BitBtn7Click();
    void Save_BitBtnClick();
    void BitBtn6Click();
    void BitBtn8Click();
    void AdvStringGrid1GetAlignment(int row, int col, sheet::widget::CellAlignH& horizontal,
                                    sheet::widget::CellAlignV& vertical);
    void AdvStringGrid1GetEditorType(int col, int row, sheet::widget::EditorType& editor);
    void AdvStringGrid1GetEditorProp(int col, int row, QWidget* editor);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createControls();
    void bindHandlers();
    void setOuterWidth(int outerWidth);
    QString decimalSeparator() const;

    std::unique_ptr<StandardDialogs> standardDialogs_;
    Dialogs& dialogs_;
    sheet::Sheet sheet_;
    evaluation::Compute compute_;
};

// The application's main window, created first.
extern TForm1* Form1;

}  // namespace tobrel::shell
