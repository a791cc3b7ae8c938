#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "batch/batch_run.hpp"
#include "batch/command_line.hpp"

using tobrel::batch::ExitStatus;

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    ExitStatus status = ExitStatus::Done;
    try {
        const tobrel::batch::Options options = tobrel::batch::parseCommandLine(arguments);
        if (options.command == tobrel::batch::Command::Help)
            std::cout << tobrel::batch::kUsage;
        else if (options.command == tobrel::batch::Command::Version)
            std::cout << "tobrel-batch " << TOBREL_VERSION << '\n';
        else
            status = tobrel::batch::runBatch(options, std::cout, std::cerr);
    } catch (const tobrel::batch::UsageError& error) {
        std::cerr << "tobrel-batch: " << error.what() << '\n' << tobrel::batch::kUsage;
        status = ExitStatus::BadCommandLine;
    } catch (const std::exception& error) {
        std::cerr << "tobrel-batch: " << error.what() << '\n';
        status = ExitStatus::FileFailed;
    }
    return static_cast<int>(status);
}
