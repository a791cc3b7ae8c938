#include "batch/tsv.hpp"

#include <algorithm>

#include "sheet/sheet_layout.hpp"

namespace tobrel::batch {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void appendEscaped(std::string& out, const std::string& text) {
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
}

// An unknown escape stays as it stands, so text written by other tools keeps its backslashes.
std::string unescaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[i + 1]) {
            case '\\':
                out += '\\';
                break;
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            default:
                out += text[i];
                continue;
        }
        ++i;
    }
    return out;
}

std::vector<std::string> splitCells(std::string_view line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(unescaped(line.substr(start, tab - start)));
        if (tab == std::string_view::npos)
            return cells;
        start = tab + 1;
    }
}

bool hasNewWindowHeaders(const sheet::Sheet& imported) {
    sheet::Sheet fresh;
    sheet::fillNewSheet(fresh);
    if (imported.columnCount() < fresh.columnCount() ||
        imported.rowCount() < sheet::kHeaderRowCount)
        return false;
    for (int row = 0; row < sheet::kHeaderRowCount; ++row) {
        for (int col = 0; col < imported.columnCount(); ++col) {
            if (imported.cell(col, row) != fresh.cell(col, row))
                return false;
        }
    }
    return true;
}

}  // namespace

std::string writeTsv(const sheet::Sheet& sheet) {
    std::string out;
    for (int row = 0; row < sheet.rowCount(); ++row) {
        for (int col = 0; col < sheet.columnCount(); ++col) {
            if (col > 0)
                out += '\t';
            appendEscaped(out, sheet.cell(col, row));
        }
        out += '\n';
    }
    return out;
}

std::vector<std::vector<std::string>> parseTsv(std::string_view text) {
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::vector<std::vector<std::string>> rows;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        rows.push_back(splitCells(line));
        start = end + 1;
    }
    return rows;
}

void importTsvRows(const std::vector<std::vector<std::string>>& rows, sheet::Sheet& sheet) {
    sheet.clear();
    const int maxRow = static_cast<int>(rows.size());
    int maxCol = 0;
    for (const auto& cells : rows)
        maxCol = std::max(maxCol, static_cast<int>(cells.size()));
    sheet.resize(maxCol > 0 ? maxCol : sheet.columnCount(),
                 maxRow > sheet::kHeaderRowCount ? maxRow : sheet.rowCount());
    for (int row = 0; row < maxRow; ++row) {
        const auto& cells = rows[static_cast<std::size_t>(row)];
        for (int col = 0; col < static_cast<int>(cells.size()); ++col)
            sheet.setCell(col, row, cells[static_cast<std::size_t>(col)]);
    }
    if (hasNewWindowHeaders(sheet)) {
        for (const sheet::CellRange& merge : sheet::headerMerges())
            sheet.addMerge(merge);
    }
}

}  // namespace tobrel::batch
