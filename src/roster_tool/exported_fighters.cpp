#include "roster_tool/exported_fighters.h"

#include "roster_tool/progress_line.h"

namespace beditor::roster {

int ForEachExportedFighter(
    const RosterContext& context, const RosterFiles& roster, const ChoiceLists& lists,
    const std::function<void(const FighterFile& file, const FighterView& fighter, const FieldCellViews& cells)>& each) {
  const auto& files = roster.files;
  ProgressLine progress(context.err, context.showProgress, "export", files.size());
  int unreadable = 0;
  FighterReader reader(context);
  FighterView fighter;
  FieldCells converted;
  for (std::size_t i = 0; i < files.size(); ++i) {
    progress.Done(i);
    try {
      reader.Read(files[i], fighter);
    } catch (const BEditorError& error) {
      progress.Clear();
      context.err << files[i].Display() << ":1: error: not exported: " << error.what() << '\n';
      ++unreadable;
      continue;
    }
    each(files[i], fighter, ExportCellViews(fighter, lists, converted));
  }
  progress.Clear();
  return unreadable;
}

}  // namespace beditor::roster
