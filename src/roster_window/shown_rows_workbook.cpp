#include "roster_window/shown_rows_workbook.h"

#include "core/file_access.h"
#include "roster_window/roster_table_model.h"
#include "roster_workbook/workbook_writer.h"

namespace beditor {

int WriteShownRowsAsWorkbook(const RosterTableModel& model, const QAbstractProxyModel& shown,
                             const std::filesystem::path& file) {
  roster::RosterWorkbookWriter workbook;
  const int rows = shown.rowCount();
  for (int row = 0; row < rows; ++row) {
    const int modelRow = shown.mapToSource(shown.index(row, 0)).row();
    for (int column = 0; column < RosterTableModel::kColumnCount; ++column)
      workbook.Cell(model.CellText(modelRow, column));
    workbook.EndRow();
  }
  ReplaceFileContents(file, workbook.Finish());
  return rows;
}

}  // namespace beditor
