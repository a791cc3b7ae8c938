#include "shell/main_form.hpp"

#include <QCheckBox>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "sheet/widget/sheet_fonts.hpp"
#include "sheet/widget/sheet_grid.hpp"
#include "shell/error_box.hpp"
#include "shell/pictures.hpp"
#include "shell/radio_group.hpp"
#include "shell/resources_init.hpp"
#include "shell/splash.hpp"

namespace tobrel::shell {

TForm1* Form1 = nullptr;

namespace {

constexpr int kClientWidth = 1212;
constexpr int kClientHeight = 362;
const QColor kGrayText(109, 109, 109);

template <typename Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

QPushButton* pictureButton(QWidget* parent, const QString& caption, const char* picture,
                           QSize pictureSize) {
    auto* button = new QPushButton(caption, parent);
    button->setIcon(QIcon(QString::fromLatin1(picture)));
    button->setIconSize(pictureSize);
    return button;
}

QTableWidget* referenceTable(QWidget* parent, int columns, int rows) {
    auto* table = new QTableWidget(rows, columns, parent);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(sheet::kDefaultRowHeight);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    return table;
}

}  // namespace

TForm1::TForm1(Options options, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      standardDialogs_(options.dialogs ? nullptr : std::make_unique<StandardDialogs>()),
      dialogs_(options.dialogs ? *options.dialogs : *standardDialogs_) {
    initResources();
    Form1 = this;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(
        QStringLiteral("Изчисляване на вероятна якост на натиск на бетон съгласно БДС EN 12504-2"));
    setFont(sheet::widget::sheetFont());
    setFixedSize(kClientWidth, kClientHeight);
    createControls();
    bindHandlers();
    if (options.showSplash) {
        AdvSmoothSplashScreen1 = new Splash(QPixmap(QString::fromLatin1(picture::kSplash)));
        AdvSmoothSplashScreen1->start();
    }
    runGuarded([this] { FormCreate(); });
}

// The sheet is a member and dies before the child widgets would: the grid that shows it goes
// first.
TForm1::~TForm1() {
    delete AdvStringGrid1;
    delete AdvSmoothSplashScreen1.data();
    if (Form1 == this)
        Form1 = nullptr;
}

// In creation order, which is also the tab order.
void TForm1::createControls() {
    Label1 =
        place(new QLabel(QStringLiteral("Отчетите трябва да са в границите +/-20% от усреднената "
                                        "стойност."),
                         this),
              "Label1", 311, 8, 229, 26);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette gray = Label1->palette();
    gray.setColor(QPalette::WindowText, kGrayText);
    Label1->setPalette(gray);

    AdvStringGrid1 =
        place(new sheet::widget::SheetGrid(sheet_, this), "AdvStringGrid1", 8, 47, 1041, 309);
    CheckBox1 =
        place(new QCheckBox(QStringLiteral("Винаги отгоре"), this), "CheckBox1", 776, 8, 97, 17);
    AdvStringGrid2 = place(referenceTable(this, 2, 56), "AdvStringGrid2", 8, 488, 161, 250);
    AdvStringGrid2->hide();
    AdvStringGrid2->setFocusPolicy(Qt::NoFocus);
    const QSize rowPicture(20, 19);
    BitBtn3 = place(pictureButton(this, QStringLiteral("Вмъкни над избран ред"),
                                  picture::kInsertAbove, rowPicture),
                    "BitBtn3", 1055, 47, 155, 35);
    BitBtn2 = place(pictureButton(this, QStringLiteral("Вмъкни под избрания ред"),
                                  picture::kInsertBelow, rowPicture),
                    "BitBtn2", 1055, 127, 155, 35);
    BitBtn4 =
        place(pictureButton(this, QStringLiteral("Изтрий ред"), picture::kDeleteRow, rowPicture),
              "BitBtn4", 1055, 87, 155, 35);
    Save_BitBtn =
        place(new QPushButton(QStringLiteral("to Excel"), this), "Save_BitBtn", 1055, 206, 155, 35);
    BitBtn6 = place(pictureButton(this, QString(), picture::kOpenWorkbook, QSize(32, 32)),
                    "BitBtn6", 1055, 167, 155, 35);
    CheckBox2 =
        place(new QCheckBox(QStringLiteral("Редактиране"), this), "CheckBox2", 576, 8, 89, 17);
    BitBtn5 = place(new QPushButton(QStringLiteral("Помощ"), this), "BitBtn5", 1055, 284, 155, 35);
    BitBtn8 = place(new QPushButton(QStringLiteral("to Pdf"), this), "BitBtn8", 1055, 245, 155, 35);
    StringGrid4 = place(referenceTable(this, 3, 14), "StringGrid4", 1215, 8, 201, 321);
    StringGrid4->horizontalHeader()->setDefaultSectionSize(64);
    CheckBox3 = place(new QCheckBox(QStringLiteral("клас"), this), "CheckBox3", 776, 24, 57, 17);
    RadioGroup1 = place(
        new RadioGroup(QStringLiteral("Метод"),
                       {QStringLiteral("Proceq (33)"), QStringLiteral("Schmidt (1)")}, 2, this),
        "RadioGroup1", 8, 6, 297, 35);
    RadioGroup1->setItemIndex(0);
    OKBtn = place(pictureButton(this, QStringLiteral("Изчисли"), picture::kCompute, QSize(32, 32)),
                  "OKBtn", 1055, 7, 155, 35);
    BitBtn9 =
        place(pictureButton(this, QStringLiteral("За програмата"), picture::kAbout, QSize(24, 24)),
              "BitBtn9", 895, 7, 154, 35);
    BitBtn10 = place(pictureButton(this, QStringLiteral("Изход"), picture::kExit, QSize(24, 24)),
                     "BitBtn10", 1055, 323, 155, 35);
    BitBtn9->setFocusPolicy(Qt::ClickFocus);
    BitBtn10->setFocusPolicy(Qt::ClickFocus);

    SaveDialog1 = {FileDialog::Kind::Save, QStringLiteral("tobrel.xls"),
                   QStringLiteral("Excel files (*.xls)"), QString()};
    OpenDialog1 = {FileDialog::Kind::Open, QString(), QStringLiteral("Excel file (*.xls)"),
                   QStringLiteral("xls")};
    SaveDialog2 = {FileDialog::Kind::Save, QStringLiteral("tobrel.pdf"),
                   QStringLiteral("pdf files (*.pdf)"), QString()};
    AdvStringGrid1->setFocus();
}

// Every command runs guarded: a failure is shown in the error box and the window goes on.
void TForm1::bindHandlers() {
    const auto bind = [this](QAbstractButton* control, void (TForm1::*handler)()) {
        connect(control, &QAbstractButton::clicked, this,
                [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    };
    bind(OKBtn, &TForm1::BitBtn1Click);
    bind(BitBtn3, &TForm1::BitBtn3Click);
    bind(BitBtn2, &TForm1::BitBtn2Click);
    bind(BitBtn4, &TForm1::BitBtn4Click);
    bind(CheckBox1, &TForm1::CheckBox1Click);
    bind(CheckBox2, &TForm1::CheckBox2Click);
    bind(CheckBox3, &TForm1::CheckBox3Click);
    bind(BitBtn5, &TForm1::BitBtn5Click);
    bind(BitBtn9, &TForm1::BitBtn9Click);
    bind(BitBtn10, &TForm1::BitBtn7Click);
    bind(Save_BitBtn, &TForm1::Save_BitBtnClick);
    bind(BitBtn6, &TForm1::BitBtn6Click);
    bind(BitBtn8, &TForm1::BitBtn8Click);

    sheet::widget::GridEvents& events = AdvStringGrid1->events();
    events.getAlignment = [this](int row, int col, auto& horizontal, auto& vertical) {
        AdvStringGrid1GetAlignment(row, col, horizontal, vertical);
    };
    events.getEditorType = [this](int col, int row, auto& editor) {
        AdvStringGrid1GetEditorType(col, row, editor);
    };
    events.getEditorProp = [this](int col, int row, QWidget* editor) {
        AdvStringGrid1GetEditorProp(col, row, editor);
    };
}

// Enter on a push button clicks it; the sheet keeps Enter for its editing and never lets it
// through; anywhere else it clicks the first default button in creation order, BitBtn3.
void TForm1::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
        return;
    }
    BitBtn3->click();
}

}  // namespace tobrel::shell
