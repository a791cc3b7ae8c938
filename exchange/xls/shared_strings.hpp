#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "exchange/xls/record_writer.hpp"

namespace tobrel::exchange::xls {

// The workbook's shared string table: each distinct text once, cells refer to it by index.
class SharedStrings {
  public:
    std::uint32_t indexOf(const std::u16string& text);
    // SST and its CONTINUE records, then EXTSST with the bucket offsets.
    void write(RecordWriter& writer) const;

  private:
    std::vector<const std::u16string*> order_;
    std::unordered_map<std::u16string, std::uint32_t> indices_;
    std::uint32_t references_ = 0;
};

}  // namespace tobrel::exchange::xls
