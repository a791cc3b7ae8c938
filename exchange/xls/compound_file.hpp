#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace tobrel::exchange::xls {

// A compound document built in memory, left in the container library's own buffer so that a
// large workbook is not copied once more.
class CompoundFile {
  public:
    // Takes over the library's memory output object, which holds the bytes.
    CompoundFile(void* memoryOutput, std::string_view bytes)
        : output_(memoryOutput), bytes_(bytes) {}
    std::string_view bytes() const { return bytes_; }

  private:
    struct Release {
        void operator()(void* output) const;
    };
    std::unique_ptr<void, Release> output_;
    std::string_view bytes_;
};

// A compound document (OLE2) holding the stream "Workbook".
CompoundFile compoundFileWithWorkbook(std::string_view workbookStream);

// The "Workbook" stream of a compound document held in memory. Throws ExchangeError saying what
// the bytes are instead (not a compound document, an Office 2007 file, an older Excel format,
// an encrypted package, a damaged container).
std::string workbookStreamOf(std::string_view fileBytes);

}  // namespace tobrel::exchange::xls
