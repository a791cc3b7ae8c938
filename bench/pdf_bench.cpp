#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <string>

#include "exchange/pdf/pdf_export.hpp"
#include "sheet/sheet.hpp"
#include "sheet/sheet_layout.hpp"

namespace {

using tobrel::sheet::Sheet;

// A new window's sheet grown to the given number of point rows, each a full example row.
Sheet sheetOfRows(int points) {
    Sheet sheet;
    tobrel::sheet::fillNewSheet(sheet);
    for (int row = 3; row < points + 2; ++row) {
        for (int col = 0; col < sheet.columnCount(); ++col)
            sheet.setCell(col, row, sheet.cell(col, 2));
        sheet.setCell(0, row, std::to_string(row - 1));
    }
    return sheet;
}

void BM_ExportPdf(benchmark::State& state) {
    const Sheet sheet = sheetOfRows(static_cast<int>(state.range(0)));
    QTemporaryDir directory;
    const std::string path = directory.filePath("bench.pdf").toStdString();
    for (auto _ : state)
        tobrel::exchange::exportPdf(sheet, path);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExportPdf)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace

// Qt lays the text out, which needs a GUI application; no display is needed.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
