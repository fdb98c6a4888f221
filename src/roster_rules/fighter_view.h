#pragma once
// A fighter file as the roster tool sees it: its lines as the editor's load makes them, and
// from them the cells of the roster's CSV and the evaluation's ratings.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/fighter_layout.h"
#include "core/fighter_record.h"
#include "core/folder_reader.h"
#include "core/line_list.h"
#include "core/ratings.h"
#include "roster_rules/choice_lists.h"
#include "roster_rules/roster_files.h"

namespace beditor::roster {

// One cell per row of the layout table, in its order (the CSV's column order).
using FieldCells = std::array<std::string, record::kFields.size()>;

struct FighterView {
  // The fighter in these file bytes, as the editor's load makes it. Reuses the view's memory:
  // a reader of many files loads each into the same view.
  void Load(std::string_view bytes);

  int storedLineCount = 0;  // before the load's padding
  LineList lines;           // after it: at least 35 lines
  // The record's lines, every field's among them, as views of `lines`: valid while `lines`
  // is unchanged.
  std::array<std::string_view, record::kLoadedLineCount> recordLines;
  // Each number field's value, by layout row; nothing where its line is not an integer.
  std::array<std::optional<std::int32_t>, record::kFields.size()> numbers;
  // The first layout row (in line order) whose number line is not an integer: the editor
  // refuses to load such a file.
  const record::FieldLayout* refusedAt = nullptr;

  bool Loadable() const { return refusedAt == nullptr; }
};

// Reads fighter files: those of the roster through the Fighters folder, opened once, and
// into memory reused from file to file.
class FighterReader {
 public:
  explicit FighterReader(const RosterContext& context);
  // The file's bytes, valid until the next read. Throws FileOpenError.
  std::string_view Bytes(const FighterFile& file);
  // Loads the file into `fighter`. Throws FileOpenError.
  void Read(const FighterFile& file, FighterView& fighter) { fighter.Load(Bytes(file)); }

 private:
  FolderReader fighters_;
  std::string elsewhere_;  // a file outside the roster
};

// The cells `export` writes: text as stored, a choice as the entry its list shows for the
// stored number (the stored text where it selects none), no team for "0". For a file the
// editor would refuse, every cell is the stored text. Views into the fighter's lines, the
// lists' entries, or `converted`, which holds the stored text that is not plain ASCII as
// UTF-8; valid while those are unchanged.
using FieldCellViews = std::array<std::string_view, record::kFields.size()>;
FieldCellViews ExportCellViews(const FighterView& fighter, const ChoiceLists& lists, FieldCells& converted);
// The same for the field of layout row `index` alone; `converted` holds its text if needed.
std::string_view ExportCellView(const FighterView& fighter, const ChoiceLists& lists, std::size_t index,
                                std::string& converted);

// The same cell as a string of its own, for a caller that keeps it.
std::string ExportCell(const FighterView& fighter, const ChoiceLists& lists, std::size_t index);

// What the evaluation window shows once the file is loaded, each ability in its box's range;
// nothing for a file the editor would refuse.
std::optional<Ratings> RatingsOf(const FighterView& fighter);

// The ability value the editor's box shows for a stored number.
int ShownAbility(std::int32_t stored);

constexpr std::array<const char*, 6> kRatingNames = {"Ground", "Striking", "Defense", "Fitness", "Mental", "Overall"};
std::array<int, 6> RatingValues(const Ratings& ratings);

}  // namespace beditor::roster
