#pragma once
// The roster window's "Export to spreadsheet": the rows the table shows, in its order, as
// the roster tool's workbook (roster_workbook/workbook_writer.h), edits included.
#include <QAbstractProxyModel>
#include <filesystem>

namespace beditor {

class RosterTableModel;

// Replaces the file whole, as the tool's export does: a failure leaves the former file as it
// was. Returns the number of rows written. Throws BEditorError.
int WriteShownRowsAsWorkbook(const RosterTableModel& model, const QAbstractProxyModel& shown,
                             const std::filesystem::path& file);

}  // namespace beditor
