#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>

#include <string>

#include "sheet/widget/sheet_grid.hpp"
#include "shell/about_form.hpp"
#include "shell/help_form.hpp"
#include "shell/main_form.hpp"

namespace {

using tobrel::shell::TForm1;

// Point rows as typed: ten readings, horizontal, device factor 1, 28 days.
void fillPointRows(tobrel::sheet::Sheet& sheet, int rows) {
    for (int row = sheet.rowCount(); row < tobrel::sheet::kFirstPointRow + rows; ++row) {
        sheet.insertRow(row);
        for (int col = 1; col <= 10; ++col)
            sheet.setCell(col, row, "3" + std::to_string(col % 10));
        sheet.setCell(16, row, "хориз.");
        sheet.setCell(18, row, "1");
        sheet.setCell(19, row, "28");
    }
}

// From creating the three windows to the main window shown, without the splash.
void StartUpToMainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        TForm1 form1({nullptr, false});
        tobrel::shell::TForm2 form2;
        tobrel::shell::TAboutForm aboutForm;
        form1.show();
        QApplication::processEvents();
    }
}
BENCHMARK(StartUpToMainWindowShown)->Unit(benchmark::kMillisecond);

void ComputeTenThousandRowsWithRepaint(benchmark::State& state) {
    TForm1 form1({nullptr, false});
    form1.show();
    fillPointRows(form1.sheet(), 10'000);
    QApplication::processEvents();
    for (auto _ : state) {
        form1.OKBtn->click();
        form1.AdvStringGrid1->viewport()->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(ComputeTenThousandRowsWithRepaint)->Unit(benchmark::kMillisecond);

// One hundred jumps through the largest sheet, each painted.
void ScrollThroughTheLargestSheet(benchmark::State& state) {
    TForm1 form1({nullptr, false});
    form1.show();
    tobrel::sheet::Sheet& sheet = form1.sheet();
    for (int row = sheet.rowCount(); row < 65'536; ++row)
        sheet.insertRow(row);
    QApplication::processEvents();
    QScrollBar* bar = form1.AdvStringGrid1->verticalScrollBar();
    for (auto _ : state) {
        for (int step = 0; step < 100; ++step) {
            bar->setValue(bar->maximum() / 100 * step);
            form1.AdvStringGrid1->viewport()->repaint();
        }
    }
}
BENCHMARK(ScrollThroughTheLargestSheet)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
