#include "pdf_tools.hpp"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <sstream>

namespace tobrel::exchange::test {

std::string runTool(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList list;
    for (const auto& argument : arguments)
        list << QString::fromStdString(argument);
    QProcess process;
    process.start(QString::fromStdString(program), list);
    EXPECT_TRUE(process.waitForFinished(30000)) << program;
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << program;
    EXPECT_EQ(process.exitCode(), 0) << program << ": " << process.readAllStandardError().data();
    return process.readAllStandardOutput().toStdString();
}

std::string pdfInfo(const std::string& pdf, const std::string& key) {
    std::istringstream lines(runTool("pdfinfo", {pdf}));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            const auto value = line.find_first_not_of(' ', key.size() + 1);
            return value == std::string::npos ? std::string() : line.substr(value);
        }
    }
    return {};
}

int pageCount(const std::string& pdf) {
    return std::stoi(pdfInfo(pdf, "Pages"));
}

std::string pageText(const std::string& pdf, int page) {
    const std::string number = std::to_string(page);
    return runTool("pdftotext", {"-layout", "-f", number, "-l", number, pdf, "-"});
}

}  // namespace tobrel::exchange::test
