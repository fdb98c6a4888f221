#include "roster_model_fixture.h"

#include <gtest/gtest.h>

#include <QTest>

#include <algorithm>

#include "core/csv.h"
#include "core/path_utf8.h"

namespace beditor::test {

QLineEdit* StartTyping(QTableView& table, const QModelIndex& cell, const char* text) {
  table.setFocus();
  table.setCurrentIndex(cell);
  QTest::keyClick(&table, Qt::Key_F2);
  auto* editor = table.viewport()->findChild<QLineEdit*>();
  if (!editor) return nullptr;
  editor->selectAll();
  QTest::keyClicks(editor, text);
  return editor;
}

void TypeInto(QTableView& table, const QModelIndex& cell, const char* text) {
  QLineEdit* editor = StartTyping(table, cell, text);
  ASSERT_NE(editor, nullptr);
  QTest::keyClick(editor, Qt::Key_Return);
  QTRY_VERIFY(!table.viewport()->findChild<QLineEdit*>() || !table.viewport()->findChild<QLineEdit*>()->isVisible());
}

int ColumnNamed(const std::string& name) {
  const auto header = roster::ExportHeader();
  const auto found = std::find(header.begin(), header.end(), name);
  EXPECT_NE(found, header.end()) << name;
  return static_cast<int>(found - header.begin());
}

int RowOf(const RosterTableModel& model, const std::string& file) {
  for (int row = 0; row < model.rowCount(); ++row)
    if (model.File(row).cell == file) return row;
  return -1;
}

QModelIndex CellOf(const RosterTableModel& model, const std::string& file, const std::string& column) {
  const int row = RowOf(model, file);
  EXPECT_GE(row, 0) << file;
  return model.index(row, ColumnNamed(column));
}

std::unique_ptr<RosterTableModel> LoadedModel(const std::filesystem::path& folder, record::Game game) {
  auto model = std::make_unique<RosterTableModel>(folder, game);
  model->StartLoad();
  model->LoadAll();
  return model;
}

std::string EditedExport(const std::filesystem::path& folder, const std::vector<CsvEdit>& edits,
                         const std::vector<std::string>& exportOptions) {
  auto records = ReadCsvFile(roster::test::ExportedCsv(folder, exportOptions), "export").records;
  std::string csv(kUtf8ByteOrderMark);
  for (auto& record : records) {
    for (const CsvEdit& edit : edits)
      if (record.cells[0] == edit.file) record.cells[static_cast<std::size_t>(ColumnNamed(edit.column))] = edit.text;
    csv += WriteCsvRecord(record.cells, ',');
  }
  return csv;
}

roster::test::RunResult ImportCsv(const std::filesystem::path& folder, const std::string& csv,
                                  const std::vector<std::string>& options) {
  const auto path = folder.parent_path() / (folder.filename().string() + "-edits.csv");
  WriteBytes(path, csv);
  std::vector<std::string> arguments = {"import", PathToUtf8(path)};
  arguments.insert(arguments.end(), options.begin(), options.end());
  auto result = roster::test::RunTool(folder, arguments);
  std::filesystem::remove(path);
  return result;
}

void ReplaceFirstLine(const std::filesystem::path& file, std::string_view line) {
  const std::string bytes = ReadBytes(file);
  const auto end = bytes.find("\r\n");
  WriteBytes(file, std::string(line) + (end == std::string::npos ? std::string() : bytes.substr(end)));
}

}  // namespace beditor::test
