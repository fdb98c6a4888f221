#include "roster/import_plan.h"

#include <map>
#include <optional>

#include "core/csv.h"
#include "core/fighter_record.h"
#include "core/file_access.h"
#include "core/game_rules.h"
#include "core/number_text.h"
#include "core/path_utf8.h"
#include "core/save_rules.h"
#include "core/team_file_name.h"
#include "core/windows_1252.h"
#include "roster/cell_edit.h"
#include "roster/choice_lists.h"
#include "roster/fighter_view.h"
#include "roster/line_splice.h"
#include "roster/quoted_text.h"
#include "roster/roster_columns.h"

namespace beditor::roster {
namespace {

using record::Field;
using record::FieldLayout;

constexpr int kAbsent = -1;

// A file cell with "/" between folders, or nothing when it would lead out of Fighters/.
std::optional<std::string> InsideFighters(std::string cell) {
  for (char& c : cell)
    if (c == '\\') c = '/';
  if (cell.empty() || cell.front() == '/' || cell.find(':') != std::string::npos) return std::nullopt;
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = cell.find('/', start);
    const std::string_view part = std::string_view(cell).substr(start, slash - start);
    if (part.empty() || part == "." || part == "..") return std::nullopt;
    if (slash == std::string::npos) return cell;
    start = slash + 1;
  }
}

class Planner {
 public:
  Planner(const RosterContext& context, std::string_view csvName)
      : context_(context), csvName_(csvName), lists_(ChoiceLists::Read(context)), reader_(context) {}

  ImportPlan Plan(std::string_view csvBytes) {
    CsvTable table;
    try {
      table = ReadCsvFile(csvBytes, csvName_);
    } catch (const CsvFormatError& error) {
      plan_.refusals.push_back(error.what());
      return std::move(plan_);
    }
    if (table.records.empty()) {
      Refuse(1, 1, "the file is empty: its first row names the columns");
      return std::move(plan_);
    }
    if (!ReadHeader(table.records.front())) return std::move(plan_);
    for (std::size_t i = 1; i < table.records.size(); ++i) PlanRow(table.records[i]);
    return std::move(plan_);
  }

 private:
  void Refuse(int row, int column, const std::string& message) {
    plan_.refusals.push_back(std::string(csvName_) + ":" + std::to_string(row) + ":" + std::to_string(column) + ": " +
                             message);
  }

  bool ReadHeader(const CsvRecord& header) {
    fieldColumns_.fill(kAbsent);
    std::map<std::string, int*> known = {{kFileColumn, &fileColumn_}};
    for (std::size_t i = 0; i < record::kFields.size(); ++i) known[record::kFields[i].column] = &fieldColumns_[i];
    bool good = true;
    for (std::size_t column = 0; column < header.cells.size(); ++column) {
      const auto found = known.find(header.cells[column]);
      if (found == known.end()) continue;  // ratings and columns of the user's own
      if (*found->second != kAbsent) {
        Refuse(1, static_cast<int>(column) + 1, "the column " + Quoted(found->first) + " appears twice");
        good = false;
      }
      *found->second = static_cast<int>(column);
    }
    if (fileColumn_ == kAbsent) {
      Refuse(1, 1, "the required column \"file\" is missing");
      good = false;
    }
    return good;
  }

  static const std::string& Cell(const CsvRecord& record, int column) {
    static const std::string kEmpty;
    return column >= 0 && static_cast<std::size_t>(column) < record.cells.size()
               ? record.cells[static_cast<std::size_t>(column)]
               : kEmpty;
  }

  // Each file may be named, moved to or created by one row only.
  bool Claim(const FighterFile& file, int row, int column) {
    const auto [first, added] = claimed_.try_emplace(file.cell, row);
    if (!added) Refuse(row, column, Quoted(file.cell) + " is also named by row " + std::to_string(first->second));
    return added;
  }

  void PlanRow(const CsvRecord& record) {
    bool blank = true;
    for (const auto& cell : record.cells) blank = blank && cell.empty();
    if (blank) return;  // spreadsheets leave empty rows at the end
    const std::string& fileCell = Cell(record, fileColumn_);
    if (fileCell.empty())
      PlanCreate(record);
    else
      PlanEdit(record, fileCell);
  }

  // The line a changed cell stands for; refuses it otherwise.
  std::optional<std::string> LineOf(const CsvRecord& record, std::size_t field, const std::string& cell) {
    std::string refusal;
    auto line = LineForCell(record::kFields[field], cell, lists_, context_.game, &refusal);
    if (!line) Refuse(record.row, fieldColumns_[field] + 1, refusal);
    return line;
  }

  // The category folder a stored category number selects, or a refusal.
  std::optional<std::string> FolderFor(const CsvRecord& record, const std::string& storedCategory) {
    const auto position = record::ChoicePosition(Field::Category, ParseInteger(storedCategory));
    if (const auto folder = record::CategoryFolder(context_.game, position)) return std::string(*folder);
    const std::size_t field = record::RowOf(Field::Category);
    Refuse(record.row, fieldColumns_[field] + 1, NoCategoryFolder(Cell(record, fieldColumns_[field]), context_.game));
    return std::nullopt;
  }

  void PlanEdit(const CsvRecord& record, const std::string& fileCell) {
    const int fileColumn = fileColumn_ + 1;
    // Not shown: the system would take the name only up to the NUL, and so would a message.
    if (fileCell.find('\0') != std::string::npos) {
      Refuse(record.row, fileColumn, "file: a NUL cannot be part of a file name");
      return;
    }
    const auto inside = InsideFighters(fileCell);
    if (!inside) {
      Refuse(record.row, fileColumn, "file: " + Quoted(fileCell) + " leaves the Fighters folder");
      return;
    }
    RowPlan plan;
    plan.row = record.row;
    plan.source = FileFromCell(*inside);
    if (!Claim(plan.source, record.row, fileColumn)) return;
    FighterView& fighter = fighter_;
    try {
      reader_.Read(plan.source, fighter);
    } catch (const BEditorError& error) {
      Refuse(record.row, fileColumn, std::string("file: ") + error.what());
      return;
    }
    const FieldCellViews exported = ExportCellViews(fighter, lists_, converted_);

    bool refused = false;
    std::map<int, std::string> lines;
    for (std::size_t i = 0; i < record::kFields.size(); ++i) {
      if (fieldColumns_[i] == kAbsent) continue;
      const std::string& cell = Cell(record, fieldColumns_[i]);
      // What export wrote for this file is never refused, whatever it holds.
      if (cell == exported[i]) continue;
      const auto line = LineOf(record, i, cell);
      if (!line) {
        refused = true;
        continue;
      }
      const FieldLayout& field = record::kFields[i];
      if (*line == fighter.recordLines[static_cast<std::size_t>(field.line)]) continue;
      lines[field.line] = *line;
      plan.changes.push_back({&field, std::string(exported[i]), cell});
    }
    plan.target = plan.source;
    const auto category = lines.find(record::kWeightCategory);
    if (category != lines.end()) {
      const auto folder = FolderFor(record, category->second);
      if (!folder) return;
      if (plan.source.folder != *folder) {
        plan.target = FileFromCell(*folder + "/" + plan.source.Name());
        if (!ClaimNew(plan.target, record.row, fileColumn)) return;
      }
    }
    if (refused) return;
    plan.team = TeamOf(lines.count(record::kTeam) ? lines[record::kTeam] : fighter.recordLines[record::kTeam]);
    if (plan.changes.empty()) {
      ++plan_.unchanged;
      return;
    }
    plan.action = plan.target.cell == plan.source.cell ? RowPlan::Action::Change : RowPlan::Action::Move;
    // The file's bytes once more, now that they are needed: every byte the lines leave.
    try {
      plan.bytes = ReplaceLinesKeepingBytes(reader_.Bytes(plan.source), lines);
    } catch (const BEditorError& error) {
      Refuse(record.row, fileColumn, std::string("file: ") + error.what());
      return;
    }
    plan_.rows.push_back(std::move(plan));
  }

  // A file the import would make: no other row's, and not there yet.
  bool ClaimNew(const FighterFile& file, int row, int column) {
    if (IsExistingFile(PathOf(context_, file))) {
      Refuse(row, column, file.Display() + " already exists");
      return false;
    }
    return Claim(file, row, column);
  }

  static std::string TeamOf(std::string_view line) {
    return line == record::kNoTeamLine ? std::string() : Windows1252ToUtf8(line);
  }

  void PlanCreate(const CsvRecord& record) {
    const bool jex = context_.game == record::Game::JEX;
    LineList lines = record::FreshRecord();
    bool refused = false;
    for (std::size_t i = 0; i < record::kFields.size(); ++i) {
      const FieldLayout& field = record::kFields[i];
      const int column = fieldColumns_[i];
      const std::string cell = column == kAbsent ? std::string() : Cell(record, column);
      // What the JEX editor fills in itself, a new fighter gets where its cell is empty.
      if (const auto preset = jex ? record::JexPresetLine(field.field) : std::nullopt; preset && cell.empty()) {
        lines.ReplaceLine(field.line, std::string(*preset));
        continue;
      }
      if (cell.empty() && record::IsNeededToSave(field.field)) {
        Refuse(record.row, column == kAbsent ? fileColumn_ + 1 : column + 1,
               std::string(field.column) + ": a new fighter needs a " + field.title);
        refused = true;
        continue;
      }
      // An empty cell is a box left untouched: the line stays as a fresh record holds it.
      if (cell.empty()) continue;
      std::string refusal;
      auto line = CellToLine(field, cell, lists_, context_.game, &refusal);
      if (!line) {
        Refuse(record.row, column + 1, std::string(field.column) + ": " + refusal);
        refused = true;
        continue;
      }
      lines.ReplaceLine(field.line, std::move(*line));
    }
    if (refused) return;
    record::ZeroFillEmptyLines(lines);  // as the editor's save

    const std::string& name = Cell(record, fieldColumns_[0]);
    if (!IsPlainFileName(name)) {
      Refuse(record.row, fieldColumns_[0] + 1, "full_name: " + Quoted(name) + " cannot name a fighter file");
      return;
    }
    const auto folder = FolderFor(record, lines.LineAt(record::kWeightCategory));
    if (!folder) return;
    RowPlan plan;
    plan.row = record.row;
    plan.action = RowPlan::Action::Create;
    plan.target = FileFromCell(*folder + "/" + name + ".txt");
    plan.source = plan.target;
    if (!ClaimNew(plan.target, record.row, fileColumn_ + 1)) return;
    plan.bytes = JoinLines(lines.Lines());
    plan.team = TeamOf(lines.LineAt(record::kTeam));
    plan_.rows.push_back(std::move(plan));
  }

  const RosterContext& context_;
  std::string_view csvName_;
  ChoiceLists lists_;
  FighterReader reader_;
  FighterView fighter_;  // the file of the row being planned
  FieldCells converted_;  // its cells that are not plain ASCII
  int fileColumn_ = kAbsent;
  std::array<int, record::kFields.size()> fieldColumns_{};
  std::map<std::string, int> claimed_;
  ImportPlan plan_;
};

}  // namespace

ImportPlan PlanImport(const RosterContext& context, std::string_view csvBytes, std::string_view csvName) {
  std::error_code error;
  if (!std::filesystem::is_directory(FightersFolder(context), error))
    throw UnreadableFolderError("no Fighters folder in \"" + AbsolutePathText(context.folder) + "\"");
  return Planner(context, csvName).Plan(csvBytes);
}

}  // namespace beditor::roster
