#pragma once

#include <QTemporaryDir>
#include <map>
#include <string>
#include <vector>

#include "sheet/sheet.hpp"

namespace tobrel::batch::test {

struct BatchResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built tobrel-batch with the arguments and waits for it.
BatchResult runBatchTool(const std::vector<std::string>& arguments);

// A point row: column number to text, every other cell empty.
using PointRow = std::map<int, std::string>;

// The example row of a new window.
PointRow exampleRow();

// The new window's header rows followed by the given point rows.
sheet::Sheet sheetWithRows(const std::vector<PointRow>& rows);

// Cells of a TSV text, by (column, row).
std::vector<std::vector<std::string>> tsvCells(const std::string& text);

// A temporary directory with helpers to write and read its files.
class WorkDirectory {
  public:
    WorkDirectory();
    std::string path(const std::string& name) const;
    std::string writeSheet(const std::string& name, const sheet::Sheet& sheet) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;

  private:
    QTemporaryDir directory_;
};

}  // namespace tobrel::batch::test
