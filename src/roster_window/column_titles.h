#pragma once
// The roster table's column headers in the program folder's language. A field with a label in
// the editor's form, and each rating of the evaluation window, is headed by that label's
// caption, read from the same caption table by the same rules as the editor; where the table
// is missing or too short, and for the columns without a caption line, the window's own title
// stands, in its translation. The CSV keeps its fixed English column names.
#include <QStringList>
#include <array>
#include <filesystem>

#include "core/fighter_layout.h"

namespace beditor {

// In the table's order: the file, the fields in layout order, the six ratings.
QStringList ColumnTitles(const std::filesystem::path& programFolder);

// The window's own title of each field column, untranslated (English), in layout order; the
// translation's context is "ColumnTitles".
extern const std::array<const char*, record::kFields.size()> kFieldTitles;

// The caption-table line of a field's label in the editor, -1 for none.
int CaptionLineOf(record::Field field);

}  // namespace beditor
