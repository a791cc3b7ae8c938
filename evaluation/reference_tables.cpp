#include "evaluation/reference_tables.hpp"

#include <array>

namespace tobrel::evaluation {
namespace {

const std::string kEmpty;

using AgeRow = std::array<std::string, kAgeTableColumnCount>;
using ClassRow = std::array<std::string, kClassTableColumnCount>;

const std::array<AgeRow, kAgeTableRowCount> kAgeTable{{
    {"", ""},         {"7", "1.150"},   {"10", "1.108"},  {"12", "1.079"},
    {"14", "1.05"},   {"16", "1.043"},  {"18", "1.036"},  {"20", "1.029"},
    {"22", "1.022"},  {"24", "1.014"},  {"26", "1.007"},  {"28", "1"},
    {"30", "0.997"},  {"40", "0.985"},  {"50", "0.972"},  {"60", "0.96"},
    {"70", "0.95"},   {"80", "0.94"},   {"90", "0.93"},   {"100", "0.921"},
    {"110", "0.912"}, {"120", "0.903"}, {"130", "0.894"}, {"140", "0.886"},
    {"150", "0.877"}, {"160", "0.868"}, {"170", "0.859"}, {"180", "0.85"},
    {"190", "0.844"}, {"200", "0.839"}, {"210", "0.833"}, {"220", "0.828"},
    {"230", "0.822"}, {"240", "0.817"}, {"250", "0.811"}, {"260", "0.806"},
    {"270", "0.8"},   {"280", "0.794"}, {"290", "0.789"}, {"300", "0.783"},
    {"310", "0.778"}, {"320", "0.772"}, {"330", "0.767"}, {"340", "0.761"},
    {"350", "0.756"}, {"360", "0.75"},  {"450", "0.73"},  {"540", "0.71"},
    {"630", "0.69"},  {"720", "0.67"},  {"810", "0.66"},  {"900", "0.65"},
    {"990", "0.64"},  {"1080", "0.63"}, {"1170", "0.6"},  {"100000000000", "0.6"},
}};

const std::array<ClassRow, kClassTableRowCount> kClassTable{{
    {"EC клас", "BG клас", "марка"},
    {"", "", ""},
    {"C6/8", "B7.5", "M100"},
    {"C8/10", "B10", "M150"},
    {"C10/12", "B12.5", "M150"},
    {"C12/15", "B15", "M200"},
    {"C16/20", "B20", "M250"},
    {"C20/25", "B25", "M350"},
    {"C25/30", "B30", "M400"},
    {"C28/35", "B35", "M450"},
    {"C32/40", "B40", "M550"},
    {"C35/45", "B45", "M600"},
    {"C40/50", "B50", "M700"},
    {"C45/55", "B55", ""},
}};

template <typename Table>
const std::string& tableCell(const Table& table, int col, int row) {
    if (row < 0 || row >= static_cast<int>(table.size()) || col < 0 ||
        col >= static_cast<int>(table.front().size()))
        return kEmpty;
    return table[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

}  // namespace

const std::string& ageTableCell(int col, int row) {
    return tableCell(kAgeTable, col, row);
}

const std::string& classTableCell(int col, int row) {
    return tableCell(kClassTable, col, row);
}

}  // namespace tobrel::evaluation
