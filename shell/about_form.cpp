#include "shell/about_form.hpp"

#include <QLabel>
#include <QPushButton>

#include "sheet/widget/sheet_fonts.hpp"
#include "shell/pictures.hpp"
#include "shell/resources_init.hpp"

namespace tobrel::shell {

TAboutForm* AboutForm = nullptr;

namespace {

constexpr int kLargeTextPixels = 13;

QLabel* label(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* shown = new QLabel(text, parent);
    shown->setObjectName(QString::fromLatin1(name));
    QFont large = shown->font();
    large.setPixelSize(kLargeTextPixels);
    shown->setFont(large);
    shown->move(at);
    shown->adjustSize();
    return shown;
}

QLabel* pictureFrame(QWidget* parent, const char* name, const char* file, QRect place) {
    auto* shown = new QLabel(parent);
    shown->setObjectName(QString::fromLatin1(name));
    shown->setGeometry(place);
    shown->setScaledContents(true);
    shown->setPixmap(QPixmap(QString::fromLatin1(file)));
    return shown;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    AboutForm = this;
    initResources();
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("За програмата"));
    setFont(sheet::widget::sheetFont());
    setFixedSize(273, 529);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    Image1 = pictureFrame(this, "Image1", picture::kInstrument, {2, 0, 265, 201});
    Label41 = new QLabel(QStringLiteral("Rebound Tobrel - v.1.10 "), this);
    Label41->setObjectName(QStringLiteral("Label41"));
    Label41->setWordWrap(true);
    Label41->setGeometry(69, 207, 130, 14);
    Image2 = pictureFrame(this, "Image2", picture::kLogo, {37, 224, 195, 122});
    Label3 = label(this, "Label3", QStringLiteral("tobrel@example.org"), {29, 366});
    Label4 = label(this, "Label4", QStringLiteral("Екип Tobrel"), {78, 388});
    Label2 = label(this, "Label2", QStringLiteral("Tobrel team"), {68, 410});
    Label1 = label(this, "Label1", QStringLiteral("2009 - 2026"), {75, 432});
    BitBtn2 = new QPushButton(QIcon(QString::fromLatin1(picture::kExit)), QStringLiteral("Затвори"),
                              this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setIconSize({24, 24});
    BitBtn2->setGeometry(77, 454, 115, 39);
    connect(BitBtn2, &QPushButton::clicked, this, &TAboutForm::BitBtn2Click);
    Label9 = new QLabel(QStringLiteral("Авторът не носи отговорност за грешки."), this);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setGeometry(50, 499, 169, 26);
    Label9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label9->setWordWrap(true);
    QPalette gray = Label9->palette();
    gray.setColor(QPalette::WindowText, QColor(109, 109, 109));
    Label9->setPalette(gray);
}

void TAboutForm::BitBtn2Click() {
    close();
}

}  // namespace tobrel::shell
