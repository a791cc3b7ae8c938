// Export and import of the largest sheet a workbook holds: 65,534 point rows under the two header
// rows, each with ten readings and the results of a Compute run. Target: 0.5 s each (median).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "exchange/xls/workbook.hpp"
#include "sheet/sheet_layout.hpp"

namespace {

using namespace tobrel;

constexpr int kPointRows = 65534;

sheet::Sheet fullSheet() {
    sheet::Sheet sheet;
    sheet::fillNewSheet(sheet);
    sheet.resize(sheet::kColumnCount, sheet::kFirstPointRow + kPointRows);
    for (int row = sheet::kFirstPointRow; row < sheet.rowCount(); ++row) {
        const int i = row - sheet::kFirstPointRow;
        sheet.setCell(0, row, std::to_string(i + 1));
        for (int col = 1; col <= 12; ++col) {
            if (col != 4 && col != 7)
                sheet.setCell(col, row, std::to_string(28 + (i + col) % 9));
        }
        sheet.setCell(13, row, "31.875");
        sheet.setCell(14, row, "10");
        sheet.setCell(15, row, "30.8888888888889");
        sheet.setCell(16, row, i % 3 == 0 ? "нагоре" : "хориз.");
        sheet.setCell(17, row, i % 3 == 0 ? "0.95" : "1");
        sheet.setCell(18, row, "1");
        sheet.setCell(19, row, std::to_string(14 + i % 300));
        sheet.setCell(20, row, "0.966");
        sheet.setCell(21, row, std::to_string(20 + i % 30) + ".8");
        sheet.setCell(22, row, "B" + std::to_string(15 + 5 * (i % 6)));
    }
    return sheet;
}

// bench/run names the file so that python3-xlrd is timed on exactly the workbook imported here.
std::string benchPath() {
    if (const char* path = std::getenv("TOBREL_XLS_BENCH_FILE"))
        return path;
    return (std::filesystem::temp_directory_path() / "tobrel-xls-bench.xls").string();
}

const sheet::Sheet& benchSheet() {
    static const sheet::Sheet sheet = fullSheet();
    return sheet;
}

void BM_ExportFullSheet(benchmark::State& state) {
    const auto yes = [](const std::string&) { return true; };
    for (auto _ : state)
        benchmark::DoNotOptimize(exchange::exportWorkbook(benchSheet(), benchPath(), ".", yes));
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(benchPath()));
}
BENCHMARK(BM_ExportFullSheet)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_ImportFullSheet(benchmark::State& state) {
    exchange::exportWorkbook(benchSheet(), benchPath(), ".",
                             [](const std::string&) { return true; });
    for (auto _ : state) {
        sheet::Sheet sheet;
        exchange::importWorkbook(benchPath(), sheet);
        benchmark::DoNotOptimize(sheet.rowCount());
    }
}
BENCHMARK(BM_ImportFullSheet)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The least an import of that sheet can take: making room for its cells in the sheet model. Run
// it alone (bench/run does): after the other benchmarks it reuses the memory they freed.
void BM_AllocateFullSheet(benchmark::State& state) {
    for (auto _ : state) {
        sheet::Sheet sheet;
        sheet.resize(sheet::kColumnCount, sheet::kFirstPointRow + kPointRows);
        benchmark::DoNotOptimize(sheet.cell(0, 0));
    }
}
BENCHMARK(BM_AllocateFullSheet)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
