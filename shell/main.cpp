#include <QIcon>
#include <QScreen>

#include <memory>

#include "sheet/widget/sheet_grid.hpp"
#include "shell/about_form.hpp"
#include "shell/error_box.hpp"
#include "shell/help_form.hpp"
#include "shell/main_form.hpp"
#include "shell/pictures.hpp"
#include "shell/resources_init.hpp"

namespace {

void centreOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

}  // namespace

// The command line is not read; the program always ends with 0.
int main(int argc, char** argv) {
    using namespace tobrel::shell;
    Application application(argc, argv);
    runGuarded([] {
        initResources();
        QApplication::setWindowIcon(QIcon(QString::fromLatin1(picture::kIcon)));
        const auto form1 = std::make_unique<TForm1>(TForm1::Options{});
        const auto form2 = std::make_unique<TForm2>();
        const auto aboutForm = std::make_unique<TAboutForm>();
        centreOnScreen(*form1);
        form1->show();
        form1->AdvStringGrid1->setFocus();
        QApplication::exec();
    });
    return 0;
}
