#include "roster_rules/import_plan.h"

#include <map>
#include <optional>

#include "core/fighter_record.h"
#include "core/file_access.h"
#include "core/file_names.h"
#include "core/game_rules.h"
#include "core/path_utf8.h"
#include "core/save_rules.h"
#include "core/team_file_name.h"
#include "core/windows_1252.h"
#include "roster_rules/cell_edit.h"
#include "roster_rules/choice_lists.h"
#include "roster_rules/fighter_view.h"
#include "roster_rules/line_splice.h"

namespace beditor::roster {
namespace {

using record::Field;
using record::FieldLayout;

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
  explicit Planner(const RosterContext& context)
      : context_(context), lists_(ChoiceLists::Read(context)), reader_(context) {}

  ImportPlan Plan(const std::vector<ImportRow>& rows) {
    for (const ImportRow& row : rows) {
      if (row.file.empty())
        PlanCreate(row);
      else
        PlanEdit(row);
    }
    return std::move(plan_);
  }

 private:
  void Refuse(Refusal refusal, int row) {
    refusal.row = row;
    plan_.refusals.push_back(std::move(refusal));
  }
  void RefuseFile(int row, RefusalKind kind, std::string value = {}) {
    Refusal refusal;
    refusal.kind = kind;
    refusal.value = std::move(value);
    Refuse(std::move(refusal), row);
  }

  // Each file may be named, moved to or created by one row only: by the file system's rule,
  // so that "lw/Name.txt" is "LW/Name.txt" where it ignores case.
  bool Claim(const FighterFile& file, int row) {
    const auto [first, added] = claimed_.try_emplace(FileSystemNameKey(file.cell), row);
    if (!added) {
      Refusal refusal;
      refusal.kind = RefusalKind::NamedTwice;
      refusal.value = file.cell;
      refusal.otherRow = first->second;
      Refuse(std::move(refusal), row);
    }
    return added;
  }

  // A file the import would make: no other row's, and not there yet.
  bool ClaimNew(const FighterFile& file, int row) {
    if (IsExistingFile(PathOf(context_, file))) {
      RefuseFile(row, RefusalKind::AlreadyExists, file.Display());
      return false;
    }
    return Claim(file, row);
  }

  // The category folder a stored category line selects, or a refusal of the cell.
  std::optional<std::string> FolderFor(const ImportRow& row, std::string_view categoryLine) {
    if (auto folder = FolderOfCategoryLine(categoryLine, context_.game)) return folder;
    const auto& cell = row.cells[record::RowOf(Field::Category)];
    Refuse(NoCategoryFolder(cell.value_or(std::string()), context_.game), row.row);
    return std::nullopt;
  }

  void PlanEdit(const ImportRow& row) {
    // Not shown: the system would take the name only up to the NUL, and so would a message.
    if (row.file.find('\0') != std::string::npos) {
      RefuseFile(row.row, RefusalKind::FileNameHasNul);
      return;
    }
    const auto inside = InsideFighters(row.file);
    if (!inside) {
      RefuseFile(row.row, RefusalKind::LeavesFighters, row.file);
      return;
    }
    RowPlan plan;
    plan.row = row.row;
    plan.source = FileFromCell(*inside);
    if (!Claim(plan.source, row.row)) return;
    // Two files whose names read as the cell's text (one in UTF-8, one in Windows-1252): the
    // row could be either fighter's, and writing one with the other's values would lose it.
    if (NamesTwoEntries(FightersFolder(context_), plan.source.cell)) {
      RefuseFile(row.row, RefusalKind::FileUnreadable,
                 "two files carry this name, one in UTF-8 and one in Windows-1252: rename one of them");
      return;
    }
    FighterView& fighter = fighter_;
    try {
      reader_.Read(plan.source, fighter);
    } catch (const BEditorError& error) {
      RefuseFile(row.row, RefusalKind::FileUnreadable, error.what());
      return;
    }

    bool refused = false;
    std::map<int, std::string> lines;
    for (std::size_t i = 0; i < record::kFields.size(); ++i) {
      if (!row.cells[i]) continue;
      const FieldLayout& field = record::kFields[i];
      CellEdit edit;
      if (row.lines[i]) {
        if (*row.lines[i] != fighter.recordLines[static_cast<std::size_t>(field.line)]) edit.line = *row.lines[i];
      } else {
        edit = EditOfCell(fighter, lists_, context_.game, i, *row.cells[i]);
      }
      if (edit.refusal) {
        Refuse(std::move(*edit.refusal), row.row);
        refused = true;
        continue;
      }
      if (!edit.line) continue;
      std::string before;
      plan.changes.push_back({&field, std::string(ExportCellView(fighter, lists_, i, before)), *row.cells[i]});
      lines[field.line] = std::move(*edit.line);
    }
    plan.target = plan.source;
    const auto category = lines.find(record::kWeightCategory);
    if (category != lines.end()) {
      const auto folder = FolderFor(row, category->second);
      if (!folder) return;
      if (!plan.source.folder || FileSystemNameKey(*plan.source.folder) != FileSystemNameKey(*folder)) {
        plan.target = FileFromCell(*folder + "/" + plan.source.Name());
        if (!ClaimNew(plan.target, row.row)) return;
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
      RefuseFile(row.row, RefusalKind::FileUnreadable, error.what());
      return;
    }
    plan_.rows.push_back(std::move(plan));
  }

  static std::string TeamOf(std::string_view line) {
    return line == record::kNoTeamLine ? std::string() : Windows1252ToUtf8(line);
  }

  void PlanCreate(const ImportRow& row) {
    const bool jex = context_.game == record::Game::JEX;
    LineList lines = record::FreshRecord();
    bool refused = false;
    for (std::size_t i = 0; i < record::kFields.size(); ++i) {
      const FieldLayout& field = record::kFields[i];
      const std::string cell = row.cells[i].value_or(std::string());
      // What the JEX editor fills in itself, a new fighter gets where its cell is empty.
      if (const auto preset = jex ? record::JexPresetLine(field.field) : std::nullopt; preset && cell.empty()) {
        lines.ReplaceLine(field.line, std::string(*preset));
        continue;
      }
      if (cell.empty() && record::IsNeededToSave(field.field)) {
        Refusal refusal;
        refusal.field = field.field;
        refusal.kind = RefusalKind::NeededForNewFighter;
        Refuse(std::move(refusal), row.row);
        refused = true;
        continue;
      }
      // An empty cell is a box left untouched: the line stays as a fresh record holds it.
      if (cell.empty()) continue;
      Refusal refusal;
      auto line = CellToLine(field, cell, lists_, context_.game, &refusal);
      if (!line) {
        Refuse(std::move(refusal), row.row);
        refused = true;
        continue;
      }
      lines.ReplaceLine(field.line, std::move(*line));
    }
    if (refused) return;
    record::ZeroFillEmptyLines(lines);  // as the editor's save

    const std::string name = row.cells[record::RowOf(Field::FullName)].value_or(std::string());
    if (!IsPlainFileName(name)) {
      Refusal refusal;
      refusal.field = Field::FullName;
      refusal.kind = RefusalKind::NotAFileName;
      refusal.value = name;
      Refuse(std::move(refusal), row.row);
      return;
    }
    const auto folder = FolderFor(row, lines.LineAt(record::kWeightCategory));
    if (!folder) return;
    RowPlan plan;
    plan.row = row.row;
    plan.action = RowPlan::Action::Create;
    plan.target = FileFromCell(*folder + "/" + name + ".txt");
    plan.source = plan.target;
    if (!ClaimNew(plan.target, row.row)) return;
    plan.bytes = JoinLines(lines.Lines());
    plan.team = TeamOf(lines.LineAt(record::kTeam));
    plan_.rows.push_back(std::move(plan));
  }

  const RosterContext& context_;
  ChoiceLists lists_;
  FighterReader reader_;
  FighterView fighter_;  // the file of the row being planned
  std::map<std::string, int> claimed_;
  ImportPlan plan_;
};

}  // namespace

ImportPlan PlanImport(const RosterContext& context, const std::vector<ImportRow>& rows) {
  std::error_code error;
  if (!std::filesystem::is_directory(FightersFolder(context), error))
    throw UnreadableFolderError("no Fighters folder in \"" + AbsolutePathText(context.folder) + "\"");
  return Planner(context).Plan(rows);
}

}  // namespace beditor::roster
