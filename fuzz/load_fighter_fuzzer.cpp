// Fighter files loaded into a live editor window (offscreen). After each load the record is
// either the file's lines padded with "0" to 35 lines, apart from the documented write-backs,
// or, when the load fails with its one message, exactly the record from before. No record
// line ever holds CR, LF or NUL. The window lives across inputs, as it does for a user who
// opens one file after another.
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/editor_window.h"
#include "core/fighter_record.h"
#include "core/line_list.h"
#include "core/number_text.h"
#include "qt_adapters/widget_text.h"
#include "fuzz_check.h"
#include "resources/editor_layout.h"
#include "silent_dialogs.h"
#include "widgets/stat_spin_edit.h"

namespace {

using namespace beditor;

constexpr int kPaddedLineCount = record::kLoadedLineCount;
constexpr int kFightStyleLine = record::kFightStyle;
constexpr int kTeamLine = record::kTeam;
// The lines a load reads as numbers; one that is not an integer fails the load.
constexpr const auto& kNumberLines = record::kNumberLines;
// The text boxes, each with the line it shows, are the editor's layout table's.
constexpr const auto& kTextBoxes = layout::kTextBoxes;

struct Editor {
  std::filesystem::path folder;
  fuzz::SilentDialogs dialogs;
  std::unique_ptr<EditorWindow> form;
  std::map<int, StatSpinEdit*> abilityBoxes;  // by record line
};

Editor* editor = nullptr;

// A private copy of the program folder the build laid out, without the executable.
std::filesystem::path CopyProgramFolder() {
  const std::filesystem::path source = BEDITOR_PROGRAM_DIR;
  const auto target = std::filesystem::temp_directory_path() /
                      ("beditor_load_fighter_fuzzer_" + std::to_string(::getpid()));
  std::filesystem::remove_all(target);
  std::filesystem::create_directories(target);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(source)) {
    const auto relative = std::filesystem::relative(entry.path(), source);
    const std::string name = relative.filename().string();
    if (name.starts_with("beditor") || name == "EditorMode.txt") continue;
    if (entry.is_directory()) std::filesystem::create_directories(target / relative);
    else std::filesystem::copy_file(entry.path(), target / relative);
  }
  return target;
}

// Bytes outside printable ASCII as \xHH, for the report of a broken property.
std::string Escaped(const std::string& bytes) {
  std::string text;
  for (unsigned char c : bytes) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", c);
    text += c >= 0x20 && c < 0x7F && c != '\\' ? std::string(1, static_cast<char>(c)) : std::string(hex);
  }
  return text;
}

void CheckLine(std::size_t index, const std::string& actual, const std::string& wanted) {
  if (actual == wanted) return;
  std::fprintf(stderr, "record line %zu holds \"%s\", expected \"%s\"\n", index, Escaped(actual).c_str(),
               Escaped(wanted).c_str());
  std::abort();
}

bool HasBreakOrNul(const std::string& line) {
  return line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos;
}

}  // namespace

// The system's font configuration library keeps a few blocks to the end of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt keeps argc and argv for the application's life and may edit them: give it its own.
  static int argc = 1;
  static char name[] = "load_fighter_fuzzer";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives until the process ends

  editor = new Editor;
  editor->folder = CopyProgramFolder();
  std::atexit([] { std::filesystem::remove_all(editor->folder); });
  std::vector<std::string> words = {"beditor"};
  editor->form = std::make_unique<EditorWindow>(editor->folder, ProgramArguments(editor->folder / "beditor", words),
                                                editor->dialogs);
  if (!editor->dialogs.messages.empty()) {
    std::fprintf(stderr, "the editor window reported at start: %s\n",
                 editor->dialogs.messages.front().text.toUtf8().constData());
    std::abort();
  }
  for (StatSpinEdit* box : editor->form->findChildren<StatSpinEdit*>()) editor->abilityBoxes[box->RecordLine()] = box;
  FUZZ_CHECK(editor->abilityBoxes.size() == 18);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  EditorWindow& form = *editor->form;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::vector<std::string> before = form.FighterLines().Lines();
  const int categoryBefore = form.LoadedCategory();
  const std::filesystem::path pathBefore = form.LoadedPath();
  std::map<int, double> reportedBefore;
  for (const auto& [line, box] : editor->abilityBoxes) reportedBefore[line] = box->LastReportedValue();

  const auto path = editor->folder / "Fighters" / "LW" / "fuzz fighter.txt";
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(size));
  editor->dialogs.messages.clear();
  form.LoadFighter(path);

  const std::vector<std::string>& after = form.FighterLines().Lines();
  for (const auto& line : after) FUZZ_CHECK(!HasBreakOrNul(line));

  // What the record should hold: the file's lines, padded, style "3" read as "2".
  std::vector<std::string> expected = SplitLines(bytes);
  while (expected.size() < kPaddedLineCount) expected.emplace_back("0");
  if (expected[kFightStyleLine] == "3") expected[kFightStyleLine] = "2";
  const bool loadable = std::all_of(std::begin(kNumberLines), std::end(kNumberLines),
                                    [&](int line) { return TryParseInteger(expected[line]).has_value(); });

  const auto& messages = editor->dialogs.messages;
  if (!loadable) {
    FUZZ_CHECK(messages.size() == 1);
    FUZZ_CHECK(messages[0].plain && messages[0].text == "El luchador no se ha cargado correctamente");
    FUZZ_CHECK(after == before);
    FUZZ_CHECK(form.LoadedCategory() == categoryBefore && form.LoadedPath() == pathBefore);
    return 0;
  }

  FUZZ_CHECK(messages.empty());
  FUZZ_CHECK(after.size() == expected.size());
  FUZZ_CHECK(form.LoadedPath() == path);
  for (std::size_t i = 0; i < after.size(); ++i) {
    const auto box = editor->abilityBoxes.find(static_cast<int>(i));
    if (box == editor->abilityBoxes.end()) {
      // Text, choice and carried lines all keep the file's bytes.
      CheckLine(i, after[i], expected[i]);
      continue;
    }
    // An ability box clamps to 1..20 and writes its value back only when that changed.
    const int clamped = std::clamp(ParseInteger(expected[i]), 1, 20);
    FUZZ_CHECK(box->second->IntegerValue() == clamped);
    CheckLine(i, after[i], clamped != reportedBefore[box->first] ? FormatInteger(clamped) : expected[i]);
  }
  for (const auto& spec : kTextBoxes) {
    const auto* box = form.findChild<QLineEdit*>(QString::fromLatin1(spec.name));
    const auto line = static_cast<std::size_t>(record::LineOf(spec.field));
    FUZZ_CHECK(box && box->text() == Windows1252ToQString(expected[line]));
  }
  const auto* team = form.findChild<QComboBox*>(QStringLiteral("cbTeam"));
  const std::string& teamLine = expected[kTeamLine];
  FUZZ_CHECK(team && team->currentText() == (teamLine == "0" ? QString() : Windows1252ToQString(teamLine)));
  return 0;
}
