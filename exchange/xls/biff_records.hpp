#pragma once

#include <cstdint>

#include "exchange/xls/record_writer.hpp"

// Record types of the BIFF8 format, by their names in the format's documentation.
namespace tobrel::exchange::xls::record {

inline constexpr std::uint16_t kFormula = 0x0006;
inline constexpr std::uint16_t kEof = 0x000A;
inline constexpr std::uint16_t kCalcCount = 0x000C;
inline constexpr std::uint16_t kCalcMode = 0x000D;
inline constexpr std::uint16_t kPrecision = 0x000E;
inline constexpr std::uint16_t kRefMode = 0x000F;
inline constexpr std::uint16_t kDelta = 0x0010;
inline constexpr std::uint16_t kIteration = 0x0011;
inline constexpr std::uint16_t kProtect = 0x0012;
inline constexpr std::uint16_t kPassword = 0x0013;
inline constexpr std::uint16_t kHeader = 0x0014;
inline constexpr std::uint16_t kFooter = 0x0015;
inline constexpr std::uint16_t kWindowProtect = 0x0019;
inline constexpr std::uint16_t kDateMode = 0x0022;
inline constexpr std::uint16_t kPrintHeaders = 0x002A;
inline constexpr std::uint16_t kPrintGridLines = 0x002B;
inline constexpr std::uint16_t kFilePass = 0x002F;
inline constexpr std::uint16_t kContinue = 0x003C;
inline constexpr std::uint16_t kWindow1 = 0x003D;
inline constexpr std::uint16_t kBackup = 0x0040;
inline constexpr std::uint16_t kCodePage = 0x0042;
inline constexpr std::uint16_t kDefColWidth = 0x0055;
inline constexpr std::uint16_t kWriteAccess = 0x005C;
inline constexpr std::uint16_t kSaveRecalc = 0x005F;
inline constexpr std::uint16_t kColInfo = 0x007D;
inline constexpr std::uint16_t kGuts = 0x0080;
inline constexpr std::uint16_t kWsBool = 0x0081;
inline constexpr std::uint16_t kGridSet = 0x0082;
inline constexpr std::uint16_t kHCenter = 0x0083;
inline constexpr std::uint16_t kVCenter = 0x0084;
inline constexpr std::uint16_t kBoundSheet = 0x0085;
inline constexpr std::uint16_t kCountry = 0x008C;
inline constexpr std::uint16_t kHideObj = 0x008D;
inline constexpr std::uint16_t kStandardWidth = 0x0099;
inline constexpr std::uint16_t kPageSetup = 0x00A1;
inline constexpr std::uint16_t kMulRk = 0x00BD;
inline constexpr std::uint16_t kMulBlank = 0x00BE;
inline constexpr std::uint16_t kMms = 0x00C1;
inline constexpr std::uint16_t kRString = 0x00D6;
inline constexpr std::uint16_t kBookBool = 0x00DA;
inline constexpr std::uint16_t kInterfaceHdr = 0x00E1;
inline constexpr std::uint16_t kInterfaceEnd = 0x00E2;
inline constexpr std::uint16_t kMergedCells = 0x00E5;
inline constexpr std::uint16_t kSelection = 0x001D;
inline constexpr std::uint16_t kSst = 0x00FC;
inline constexpr std::uint16_t kLabelSst = 0x00FD;
inline constexpr std::uint16_t kTabId = 0x013D;
inline constexpr std::uint16_t kDsf = 0x0161;
inline constexpr std::uint16_t kProt4Rev = 0x01AF;
inline constexpr std::uint16_t kRefreshAll = 0x01B7;
inline constexpr std::uint16_t kProt4RevPass = 0x01BC;
inline constexpr std::uint16_t kDimensions = 0x0200;
inline constexpr std::uint16_t kBlank = 0x0201;
inline constexpr std::uint16_t kNumber = 0x0203;
inline constexpr std::uint16_t kLabel = 0x0204;
inline constexpr std::uint16_t kBoolErr = 0x0205;
inline constexpr std::uint16_t kString = 0x0207;
inline constexpr std::uint16_t kRow = 0x0208;
inline constexpr std::uint16_t kDefaultRowHeight = 0x0225;
inline constexpr std::uint16_t kWindow2 = 0x023E;
inline constexpr std::uint16_t kRk = 0x027E;
inline constexpr std::uint16_t kFormat = 0x041E;
inline constexpr std::uint16_t kXf = 0x00E0;
inline constexpr std::uint16_t kBof = 0x0809;

// The largest worksheet the format addresses.
inline constexpr int kMaxRows = 65536;
inline constexpr int kMaxColumns = 256;
// Long reads and writes report their progress about this many times.
inline constexpr int kProgressSteps = 100;

inline constexpr std::uint16_t kBiff8Version = 0x0600;
inline constexpr std::uint16_t kGlobalsStream = 0x0005;
inline constexpr std::uint16_t kWorksheetStream = 0x0010;

// BOF of a BIFF8 substream as Excel 97 and later write it.
inline Payload bofBody(std::uint16_t streamType) {
    return Payload().u16(kBiff8Version).u16(streamType).u16(0x0DBB).u16(0x07CC).u32(0x41).u32(6);
}

}  // namespace tobrel::exchange::xls::record
