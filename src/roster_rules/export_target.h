#pragma once
// Where an export of the roster may be written: never over the roster's own files, the
// program's or its lists, whatever name the player types.
#include <filesystem>

namespace beditor::roster {

// Throws BEditorError, naming `file`, when an export may not replace or create it: it lies in
// the program folder's Fighters or Team folder (a file there would be taken for a fighter or
// a team), or it exists and is no spreadsheet (.csv or .xlsx): a fighter file of another
// folder, a list, a program.
void CheckExportTarget(const std::filesystem::path& programFolder, const std::filesystem::path& file);

}  // namespace beditor::roster
