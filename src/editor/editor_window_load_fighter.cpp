// Loading a fighter file into the record and the form.
#include <cstdint>

#include "core/fighter_record.h"
#include "core/number_text.h"
#include "editor/editor_window.h"

namespace beditor {

void EditorWindow::LoadFighter(const std::filesystem::path& path) {
  try {
    LineList file;
    file.LoadLines(path);
    record::NormaliseLoadedLines(file);
    // Every number is checked before anything changes, so a bad file leaves the record and
    // the form as they were.
    for (int line : record::kNumberLines) ParseInteger(file.LineAt(line));

    fighterLines_ = std::move(file);
    // A control that tells of its change writes its line back, so each line is shown from a
    // copy.
    for (const record::FieldLayout* field : record::kFieldsByLine)
      controls_.Show(*field, std::string(fighterLines_.LineAt(field->line)));
    // The category as loaded; wraps like the 32-bit arithmetic it stands for.
    loadedCategory_ =
        static_cast<int>(static_cast<std::uint32_t>(ParseInteger(fighterLines_.LineAt(record::kWeightCategory))) + 1u);
    loadedPath_ = path;
  } catch (...) {
    dialogs_.ShowPlainMessage(QStringLiteral("El luchador no se ha cargado correctamente"));
  }
}

}  // namespace beditor
