#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "evaluation/compute.hpp"
#include "evaluation/number_text.hpp"
#include "sheet/column_map.hpp"

namespace {

using tobrel::evaluation::Compute;
using tobrel::evaluation::Method;
namespace column = tobrel::sheet::column;

// Stands in for the grid widget, so the cost of the notifications is counted.
class NoOpObserver : public tobrel::sheet::SheetObserver {
  public:
    void cellChanged(int col, int row) override { benchmark::DoNotOptimize(col + row); }
    void rowsInserted(int, int) override {}
    void rowsRemoved(int, int) override {}
    void layoutReset() override {}
    void currentChanged() override {}
};

tobrel::sheet::Sheet pointRows(int count) {
    tobrel::sheet::Sheet sheet(tobrel::sheet::kColumnCount, tobrel::sheet::kFirstPointRow + count);
    const char* readings[] = {"31", "32", "33.5", "33", "32", "32", "30", "30", "35", "30"};
    for (int row = tobrel::sheet::kFirstPointRow; row < sheet.rowCount(); ++row) {
        for (int i = 0; i < 10; ++i)
            sheet.setCell(column::kFirstReading + i, row, readings[i]);
        sheet.setCell(column::kDirection, row, "хориз.");
        sheet.setCell(column::kDeviceFactor, row, "1");
        sheet.setCell(column::kAge, row, std::to_string(7 + row % 900));
    }
    return sheet;
}

void BM_ComputeRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    tobrel::sheet::Sheet sheet = pointRows(rows);
    NoOpObserver observer;
    sheet.setObserver(&observer);
    Compute compute;
    for (auto _ : state)
        compute.run(sheet, Method::Proceq, ".", {});
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_ComputeRows)->Arg(1000)->Arg(10000)->Arg(65534)->Unit(benchmark::kMillisecond);

void BM_NumberToText(benchmark::State& state) {
    const std::vector<double> values = {30.8888888888889, 26.43, 0.748888888888889, 10, 1.5e-7};
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tobrel::evaluation::NumberToText(values[i], "."));
        i = (i + 1) % values.size();
    }
}
BENCHMARK(BM_NumberToText);

void BM_TextToNumber(benchmark::State& state) {
    const std::vector<std::string> texts = {"31", "30.8888888888889", "100000000000", "1.150",
                                            " 0.3333333333333333333333"};
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tobrel::evaluation::TextToNumber(texts[i], "."));
        i = (i + 1) % texts.size();
    }
}
BENCHMARK(BM_TextToNumber);

}  // namespace

BENCHMARK_MAIN();
