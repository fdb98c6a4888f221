#pragma once
// Which of a workbook's number formats show a date or a time: a cell under one holds a
// number that a spreadsheet made of typed text ("09/08/1997").
#include <string_view>

namespace beditor::roster {

// A format built into every spreadsheet, by its number.
bool IsBuiltInDateFormat(int id);

// A workbook's own format, by its code ("dd/mm/yyyy", "[$-409]mmm d", "0.00").
bool IsDateFormatCode(std::string_view code);

}  // namespace beditor::roster
