#pragma once

#include <string>
#include <vector>

namespace tobrel::exchange::test {

// Runs one of poppler's tools and returns what it printed; fails the test if it does not succeed.
std::string runTool(const std::string& program, const std::vector<std::string>& arguments);

// The value of one "Key: value" line of pdfinfo.
std::string pdfInfo(const std::string& pdf, const std::string& key);

int pageCount(const std::string& pdf);

// The text of one page (from 1), laid out as on the page.
std::string pageText(const std::string& pdf, int page);

}  // namespace tobrel::exchange::test
