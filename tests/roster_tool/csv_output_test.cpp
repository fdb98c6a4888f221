#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/csv.h"
#include "roster_tool/csv_output.h"

namespace beditor::roster {
namespace {

// The export's buffered writer must write every record byte for byte as the CSV module does,
// quoting included, and cells larger than its buffer too.
TEST(CsvRecordWriter, WritesWhatTheCsvModuleWrites) {
  const std::vector<std::vector<std::string>> records = {
      {"plain", "", "Jos\xC3\xA9", "=1+1"},
      {"a,b", "a;b", "say \"hi\"", "two\r\nlines", "cr\r", "\nlf"},
      {" lead", "trail\t", "in side", "\t", " "},
      {std::string(100 * 1024, 'x'), std::string(70 * 1024, 'y') + ",", "after"},
      {""},
  };
  for (const char separator : {',', ';'}) {
    std::ostringstream out;
    std::string expected;
    {
      CsvRecordWriter writer(out, separator);
      for (const auto& record : records) {
        for (const auto& cell : record) writer.Cell(cell);
        writer.Cell(-42);
        writer.EmptyCells(2);
        writer.EndRecord();
        auto cells = record;
        cells.insert(cells.end(), {"-42", "", ""});
        expected += WriteCsvRecord(cells, separator);
      }
      writer.Flush();
    }
    EXPECT_EQ(out.str(), expected) << separator;
  }
}

}  // namespace
}  // namespace beditor::roster
