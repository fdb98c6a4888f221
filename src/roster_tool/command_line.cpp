#include "roster_tool/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "beditor_version.h"
#include "core/file_access.h"
#include "core/path_utf8.h"
#include "core/program_folder_lists.h"
#include "roster_tool/check_command.h"
#include "roster_tool/csv_output.h"
#include "roster_tool/diff_command.h"
#include "roster_tool/export_command.h"
#include "roster_tool/import_command.h"
#include "roster_tool/merge_command.h"
#include "roster_rules/quoted_text.h"
#include "roster_tool/rate_command.h"
#include "roster_rules/roster_context.h"

namespace beditor::roster {

int RunRosterTool(const std::vector<std::string>& arguments, const ToolStreams& streams) {
  CLI::App app("Checks, rates, exports and imports the fighters of a BEditor program folder, and takes roster "
               "updates into it.",
               "beditor-roster");
  app.set_version_flag("--version", std::string("beditor-roster ") + BEDITOR_VERSION);
  app.require_subcommand(1);
  app.fallthrough();  // the global options may also follow the command

  std::string folder;
  std::string mode;
  bool quiet = false;
  app.add_option("--folder", folder, "Program folder (default: the folder of this program)");
  app.add_option("--mode", mode, "Game whose categories apply (default: the editor's, from EditorMode.txt)")
      ->check(CLI::IsMember({"tav", "jex"}, CLI::ignore_case));
  app.add_flag("-q,--quiet", quiet, "No progress line");

  std::vector<std::string> files;
  CLI::App* check = app.add_subcommand(
      "check", "PATH:LINE: error|warning: message for what the editor would refuse, clamp or pad, misplaced "
               "fighters, missing team files and repeated fighters (exit code 1 on errors)");
  check->add_option("FILE", files, "Fighter files (default: every Fighters/*/*.txt)");

  RateOptions rate;
  std::string rateSeparator = ",";
  CLI::App* rateCommand = app.add_subcommand("rate", "The evaluation's six ratings of each fighter");
  rateCommand->add_option("FILE", files, "Fighter files (default: every Fighters/*/*.txt)");
  rateCommand->add_flag("--csv", rate.csv, "CSV instead of an aligned table");
  rateCommand->add_option("--separator", rateSeparator, "CSV separator")->check(CLI::IsMember({",", ";"}));
  rateCommand->add_option("-o,--output", rate.outputFile, "Write to this file instead of standard output");

  ExportOptions exportOptions;
  std::string exportSeparator = ",";
  CLI::App* exportCommand = app.add_subcommand(
      "export", "One CSV row per fighter (UTF-8 with a byte-order mark), or one sheet row of a workbook (.xlsx), in "
                "weight-list order, then by file name");
  exportCommand->add_option("-o,--output", exportOptions.outputFile,
                            "Write to this file instead of standard output (a name ending in .xlsx: a workbook)");
  exportCommand
      ->add_option("--format", exportOptions.format,
                   "csv, or xlsx for a spreadsheet workbook with typed cells (default: by the file name's ending)")
      ->check(CLI::IsMember({"csv", "xlsx"}));
  exportCommand
      ->add_option("--separator", exportSeparator,
                   "\";\" for spreadsheets that use a comma as their decimal separator")
      ->check(CLI::IsMember({",", ";"}));

  ImportOptions importOptions;
  CLI::App* importCommand = app.add_subcommand(
      "import", "Writes an exported, edited CSV file or workbook (.xlsx) back into the fighter files, once every row "
                "passed its checks "
                "(exit code 1 when the file is refused or a write fails)");
  importCommand->add_option("FILE", importOptions.csvFile, "The CSV file, or a workbook (.xlsx): its first sheet")
      ->required();
  importCommand->add_flag("--dry-run", importOptions.dryRun, "Show what would change, field by field; write nothing");

  DiffOptions diffOptions;
  std::string diffSeparator = ",";
  CLI::App* diffCommand = app.add_subcommand(
      "diff", "What another program folder's roster (a roster update) would change in this one: new fighters, "
              "fighters only here, moved ones, and each field that differs (exit code 0: the same, 1: they differ)");
  diffCommand->add_option("OTHER_FOLDER", diffOptions.otherFolder, "The other program folder")->required();
  diffCommand->add_flag("--csv", diffOptions.csv, "A CSV table instead of lines");
  diffCommand->add_option("--separator", diffSeparator, "CSV separator")->check(CLI::IsMember({",", ";"}));

  MergeOptions mergeOptions;
  CLI::App* mergeCommand = app.add_subcommand(
      "merge", "Takes a roster update (another program folder) into this one: its fighters matched by place or "
               "Sherdog ID, new ones created, moved ones moved, nothing deleted (exit code 1 on a conflict, a "
               "refusal or a failed write)");
  mergeCommand->add_option("UPDATE_FOLDER", mergeOptions.updateFolder, "The update's program folder")->required();
  mergeCommand->add_option("--base", mergeOptions.baseFolder,
                           "The earlier version of the same update, taken before: a field changed here since then "
                           "keeps this folder's value, one changed on both sides is a conflict");
  mergeCommand->add_flag("--dry-run", mergeOptions.dryRun, "Show what would change, field by field; write nothing");

  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error, streams.out, streams.err);
    return code == 0 ? kExitDone : kExitUsage;
  }

  std::transform(mode.begin(), mode.end(), mode.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  RosterContext context{folder.empty() ? ProgramFolder() : PathFromUtf8(folder), record::Game::TAV, streams.out,
                        streams.err, streams.errIsTerminal && !quiet};
  context.game = mode.empty() ? StartingGame(context.folder) : mode == "jex" ? record::Game::JEX : record::Game::TAV;

  try {
    std::error_code error;
    if (!std::filesystem::is_directory(context.folder, error))
      throw UnreadableFolderError(Quoted(AbsolutePathText(context.folder)) + " is not a folder");
    if (check->parsed()) return RunCheck(context, files);
    if (rateCommand->parsed()) {
      rate.separator = SeparatorFromOption(rateSeparator);
      return RunRate(context, files, rate);
    }
    if (exportCommand->parsed()) {
      exportOptions.separator = SeparatorFromOption(exportSeparator);
      return RunExport(context, exportOptions);
    }
    if (diffCommand->parsed()) {
      diffOptions.separator = SeparatorFromOption(diffSeparator);
      return RunDiff(context, diffOptions);
    }
    if (mergeCommand->parsed()) return RunMerge(context, mergeOptions);
    return RunImport(context, importOptions);
  } catch (const UnreadableFolderError& error) {
    streams.err << "error: program folder: " << error.what() << '\n';
    return kExitUsage;
  } catch (const BEditorError& error) {
    streams.err << "error: " << error.what() << '\n';
    // For diff, 1 means the rosters differ: any failure is trouble.
    return diffCommand->parsed() ? kExitUsage : kExitProblems;
  }
}

}  // namespace beditor::roster
