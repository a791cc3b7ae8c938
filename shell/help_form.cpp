#include "shell/help_form.hpp"

#include <QLabel>
#include <QTabWidget>
#include <QTextBrowser>

#include "sheet/widget/sheet_fonts.hpp"
#include "shell/help_texts.hpp"
#include "shell/pictures.hpp"
#include "shell/resources_init.hpp"

namespace tobrel::shell {

TForm2* Form2 = nullptr;

namespace {

constexpr int kTextPixels = 14;

QTextBrowser* page(QWidget* parent, const char* name, const QString& html, QRect place) {
    auto* text = new QTextBrowser(parent);
    text->setObjectName(QString::fromLatin1(name));
    text->setFrameShape(QFrame::NoFrame);
    QFont larger = text->font();
    larger.setPixelSize(kTextPixels);
    text->setFont(larger);
    text->setHtml(html);
    text->setGeometry(place);
    return text;
}

QWidget* tab(QTabWidget* pages, const char* name, const QString& caption) {
    auto* sheet = new QWidget(pages);
    sheet->setObjectName(QString::fromLatin1(name));
    pages->addTab(sheet, caption);
    return sheet;
}

}  // namespace

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    Form2 = this;
    initResources();
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Помощ"));
    setFont(sheet::widget::sheetFont());
    setFixedSize(1157, 685);
    AdvPageControl1 = new QTabWidget(this);
    AdvPageControl1->setObjectName(QStringLiteral("AdvPageControl1"));
    AdvPageControl1->setGeometry(0, 8, 1155, 673);
    AdvTabSheet1 = tab(AdvPageControl1, "AdvTabSheet1", QStringLiteral("Указания"));
    AdvTabSheet2 = tab(AdvPageControl1, "AdvTabSheet2", QStringLiteral("Формули 1/2"));
    AdvTabSheet3 = tab(AdvPageControl1, "AdvTabSheet3", QStringLiteral("Формули 2/2"));
    AdvTabSheet4 = tab(AdvPageControl1, "AdvTabSheet4", QStringLiteral("Формули 3/3"));

    Image1 = page(AdvTabSheet1, "Image1", help::methodPage(), {8, 8, 689, 478});
    Image2 = page(AdvTabSheet1, "Image2", help::conditionsPage(), {712, 8, 430, 330});
    auto* heading = new QLabel(help::instrumentHeading(), AdvTabSheet1);
    heading->setGeometry(712, 346, 300, 20);
    Image3 = new QLabel(AdvTabSheet1);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(712, 370, 234, 188);
    Image3->setPixmap(QPixmap(QString::fromLatin1(picture::kInstrument))
                          .scaled(Image3->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    const QRect formulaPlace(8, 8, 1130, 630);
    Image4 = page(AdvTabSheet2, "Image4", help::formulaTable(1, 18), formulaPlace);
    Image5 = page(AdvTabSheet3, "Image5", help::formulaTable(19, 37), formulaPlace);
    Image6 = page(AdvTabSheet4, "Image6", help::formulaTable(38, 40), formulaPlace);
}

}  // namespace tobrel::shell
