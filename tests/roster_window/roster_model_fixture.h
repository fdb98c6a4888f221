#pragma once
// A roster window's model, or the whole window, on a copy of the roster tool's fixture
// folder, with cells found by file and CSV column name.
#include <QLineEdit>
#include <QModelIndex>
#include <QTableView>
#include <memory>
#include <string>

#include "core/fighter_layout.h"
#include "roster_rules/roster_columns.h"
#include "roster_run.h"
#include "roster_window/roster_table_model.h"

namespace beditor::test {

// The model column of a CSV column: the model has the export's columns in its order.
int ColumnNamed(const std::string& name);

// The row of a file cell ("FW/Ana Ribeiro.txt"); -1 when absent.
int RowOf(const RosterTableModel& model, const std::string& file);

QModelIndex CellOf(const RosterTableModel& model, const std::string& file, const std::string& column);

// A loaded model of the folder.
std::unique_ptr<RosterTableModel> LoadedModel(const std::filesystem::path& folder,
                                              record::Game game = record::Game::TAV);

// The export's CSV of the folder with cells replaced, and what the import says of it.
struct CsvEdit {
  std::string file, column, text;
};
std::string EditedExport(const std::filesystem::path& folder, const std::vector<CsvEdit>& edits,
                         const std::vector<std::string>& exportOptions = {});
roster::test::RunResult ImportCsv(const std::filesystem::path& folder, const std::string& csv,
                                  const std::vector<std::string>& options = {});

// Opens the table's editor of the cell with F2 and types the text over its value; the editor,
// or nothing when none opened.
QLineEdit* StartTyping(QTableView& table, const QModelIndex& cell, const char* text);
// The same, then Enter, and waits for the delegate to commit the text from the event loop.
void TypeInto(QTableView& table, const QModelIndex& cell, const char* text);

// Puts `line` in place of the file's first line (punches), as another program's save would.
void ReplaceFirstLine(const std::filesystem::path& file, std::string_view line);

}  // namespace beditor::test
