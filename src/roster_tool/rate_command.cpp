#include "roster_tool/rate_command.h"

#include <algorithm>
#include <iomanip>

#include "core/csv.h"
#include "core/number_text.h"
#include "roster_tool/csv_output.h"
#include "roster_rules/fighter_view.h"
#include "roster_tool/progress_line.h"
#include "roster_rules/roster_files.h"

namespace beditor::roster {
namespace {

// Characters, not bytes, so that the columns line up on a UTF-8 terminal.
std::size_t TextWidth(const std::string& utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string FileCell(const FighterFile& file) { return file.cell.empty() ? file.Display() : file.cell; }

}  // namespace

int RunRate(const RosterContext& context, const std::vector<std::string>& names, const RateOptions& options) {
  const RosterFiles roster = FilesToWorkOn(context, names);
  const auto& files = roster.files;
  ReportUnlisted(roster, context.err);
  CsvOutput output(context, options.outputFile);
  std::ostream& out = output.Stream();

  std::size_t fileWidth = 4;
  for (const auto& file : files) fileWidth = std::max(fileWidth, TextWidth(FileCell(file)));
  const auto padded = [fileWidth](const std::string& text) {
    return text + std::string(fileWidth - TextWidth(text), ' ');
  };
  if (options.csv) {
    out << kUtf8ByteOrderMark
        << WriteCsvRecord({"file", "ground", "striking", "defense", "fitness", "mental", "overall"}, options.separator);
  } else {
    out << padded("file");
    for (const char* name : kRatingNames) out << "  " << std::setw(8) << name;
    out << '\n';
  }

  ProgressLine progress(context.err, context.showProgress, "rate", files.size());
  int refused = 0;
  FighterReader reader(context);
  FighterView fighter;
  for (std::size_t i = 0; i < files.size(); ++i) {
    progress.Done(i);
    const FighterFile& file = files[i];
    std::optional<Ratings> ratings;
    try {
      reader.Read(file, fighter);
      ratings = RatingsOf(fighter);
      if (!ratings) {
        progress.Clear();
        context.err << file.Display() << ':' << fighter.refusedAt->line + 1
                    << ": error: not rated: the editor refuses to load the file (see check)\n";
      }
    } catch (const BEditorError& error) {
      progress.Clear();
      context.err << file.Display() << ":1: error: " << error.what() << '\n';
    }
    if (!ratings) {
      ++refused;
      continue;
    }
    const auto values = RatingValues(*ratings);
    if (options.csv) {
      std::vector<std::string> cells = {FileCell(file)};
      for (int value : values) cells.push_back(FormatInteger(value));
      out << WriteCsvRecord(cells, options.separator);
    } else {
      out << padded(FileCell(file));
      for (int value : values) out << "  " << std::setw(8) << value;
      out << '\n';
    }
  }
  progress.Clear();
  output.Finish();
  return refused > 0 || !roster.unlisted.empty() ? kExitProblems : kExitDone;
}

}  // namespace beditor::roster
