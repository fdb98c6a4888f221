#include "roster_window/column_titles.h"

#include <QCoreApplication>
#include <optional>

#include "core/program_folder_lists.h"
#include "qt_adapters/widget_text.h"
#include "resources/editor_layout.h"
#include "resources/evaluation_layout.h"

namespace beditor {
namespace {

constexpr const char* kContext = "ColumnTitles";

constexpr std::array<const char*, 6> kRatingTitles = {
    QT_TRANSLATE_NOOP("ColumnTitles", "Ground"),  QT_TRANSLATE_NOOP("ColumnTitles", "Striking"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Defense"), QT_TRANSLATE_NOOP("ColumnTitles", "Fitness"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Mental"),  QT_TRANSLATE_NOOP("ColumnTitles", "Overall"),
};

QString Own(const char* title) { return QCoreApplication::translate(kContext, title); }

// The caption on the table's line, when the table has it.
std::optional<QString> Captioned(const std::optional<LineList>& captions, int line) {
  if (!captions || line < 0 || line >= captions->LineCount()) return std::nullopt;
  return Windows1252ToQString(captions->LineAt(line));
}

}  // namespace

const std::array<const char*, record::kFields.size()> kFieldTitles = {
    QT_TRANSLATE_NOOP("ColumnTitles", "Full name"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Common name"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Category"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Game plan"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Ground game plan"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Clinch game plan"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Fight style"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Fancy strikes"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Fancy submissions"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Team"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Height"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Weight"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Nationality"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Birth date"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Sherdog ID"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Punches"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Kicks"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Strength"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Clinch"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Agility"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Dodge"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Motivation"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Takedowns"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Takedown defence"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Ground and pound"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Submissions"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Submission defence"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Stamina"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Fortitude"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Pace"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Aggressiveness"),
    QT_TRANSLATE_NOOP("ColumnTitles", "KO resistance"),
    QT_TRANSLATE_NOOP("ColumnTitles", "Ground game"),
};

int CaptionLineOf(record::Field field) {
  for (const auto& box : layout::kTextBoxes)
    if (box.field == field) return box.captionLine;
  for (const auto& box : layout::kAbilityBoxes)
    if (box.field == field) return box.captionLine;
  for (const auto& box : layout::kChoiceBoxes)
    if (box.field == field) return box.captionLine;
  return -1;
}

QStringList ColumnTitles(const std::filesystem::path& programFolder) {
  // Read once: a missing table is no error here, the window is not the editor.
  const std::optional<LineList> captions = ReadCaptionTable(programFolder);
  QStringList titles;
  titles << QCoreApplication::translate("ColumnTitles", "File");
  for (std::size_t row = 0; row < record::kFields.size(); ++row)
    titles << Captioned(captions, CaptionLineOf(record::kFields[row].field)).value_or(Own(kFieldTitles[row]));
  for (std::size_t i = 0; i < kRatingTitles.size(); ++i)
    titles << Captioned(captions, evaluation_layout::kRatingBars[i].captionLine).value_or(Own(kRatingTitles[i]));
  return titles;
}

}  // namespace beditor
