#include "batch/command_line.hpp"

#include <string_view>

namespace tobrel::batch {

const char* const kUsage =
    "usage: tobrel-batch compute INPUT [-o OUTPUT] [--pdf PDF] [--method 0|1] "
    "[--decimal-separator SEP] [--keep-partial]\n"
    "       tobrel-batch convert INPUT OUTPUT\n"
    "       tobrel-batch pdf INPUT PDF\n"
    "       tobrel-batch --help | --version\n";

namespace {

class Arguments {
  public:
    explicit Arguments(const std::vector<std::string>& list) : list_(list) {}
    bool done() const { return next_ == list_.size(); }
    const std::string& take(std::string_view what) {
        if (done())
            throw UsageError("missing " + std::string(what));
        return list_[next_++];
    }

  private:
    const std::vector<std::string>& list_;
    std::size_t next_ = 0;
};

evaluation::Method parseMethod(const std::string& text) {
    if (text == "0")
        return evaluation::Method::Proceq;
    if (text == "1")
        return evaluation::Method::Schmidt;
    throw UsageError("the method must be 0 or 1, not \"" + text + "\"");
}

// A separator that could be read as part of a number would make every number ambiguous.
std::string checkedSeparator(const std::string& text) {
    const bool clashes =
        text.empty() || text.find_first_of("0123456789+-eE \t") != std::string::npos;
    if (clashes)
        throw UsageError("unusable decimal separator \"" + text + "\"");
    return text;
}

void parseComputeOptions(Arguments& arguments, Options& options) {
    while (!arguments.done()) {
        const std::string& option = arguments.take("option");
        if (option == "-o")
            options.output = arguments.take("OUTPUT after -o");
        else if (option == "--pdf")
            options.pdf = arguments.take("PDF after --pdf");
        else if (option == "--method")
            options.method = parseMethod(arguments.take("the method after --method"));
        else if (option == "--decimal-separator")
            options.decimalSeparator =
                checkedSeparator(arguments.take("SEP after --decimal-separator"));
        else if (option == "--keep-partial")
            options.keepPartial = true;
        else
            throw UsageError("unknown option \"" + option + "\"");
    }
}

}  // namespace

Options parseCommandLine(const std::vector<std::string>& list) {
    Arguments arguments(list);
    Options options;
    const std::string& command = arguments.take("command");
    if (command == "--help" || command == "--version") {
        options.command = command == "--help" ? Command::Help : Command::Version;
    } else if (command == "compute") {
        options.command = Command::Compute;
        options.input = arguments.take("INPUT");
        parseComputeOptions(arguments, options);
    } else if (command == "convert") {
        options.command = Command::Convert;
        options.input = arguments.take("INPUT");
        options.output = arguments.take("OUTPUT");
    } else if (command == "pdf") {
        options.command = Command::Pdf;
        options.input = arguments.take("INPUT");
        options.pdf = arguments.take("PDF");
    } else {
        throw UsageError("unknown command \"" + command + "\"");
    }
    if (!arguments.done())
        throw UsageError("unexpected argument \"" + arguments.take("") + "\"");
    return options;
}

}  // namespace tobrel::batch
