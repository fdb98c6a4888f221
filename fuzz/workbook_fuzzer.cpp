// The workbook reader of the roster's import. Any bytes are read, or refused with the
// program's own error, never a crash: what is read comes in order (rows, then the cells of a
// row, by column), each text UTF-8, and within the reader's limits whatever the parts claim.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/windows_1252.h"
#include "fuzz_check.h"
#include "roster_workbook/workbook_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace beditor;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    const roster::WorkbookSheet sheet = roster::ReadFirstSheet(bytes);
    int row = 0;
    for (const roster::WorkbookRow& each : sheet.rows) {
      FUZZ_CHECK(each.row > row && !each.cells.empty());
      row = each.row;
      for (std::size_t i = 0; i < each.cells.size(); ++i) {
        FUZZ_CHECK(i == 0 || each.cells[i].column > each.cells[i - 1].column);
        FUZZ_CHECK(IsValidUtf8(each.cells[i].text));
      }
    }
  } catch (const roster::WorkbookReadError&) {
  }
  // Any other exception escapes and ends the run as a finding.
  return 0;
}
