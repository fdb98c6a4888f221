// What Qt's translation and the program's icon would add to the editor's start: both windows
// built and the editor painted (StartUp/editor, start_up_bench.cpp). The translation is
// loaded before the first window, so it counts; the icon is read only after the first paint
// (DeferredProgramIcon), so its figure shows what that deferral keeps out of the start.
// Both run warm here: the file is in the page cache, and the image reader's one-time setup
// (its look at the image plugins) is paid by the first iteration only.
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <stdexcept>

#include "desktop/program_icon.h"
#include "desktop/qt_translation.h"
#include "bench_registry.h"
#include "comparison.h"

namespace beditor::bench {
namespace {

// At most this share of the editor's start.
constexpr double kMaxTranslationShare = 0.02;

}  // namespace

void RegisterTranslationAndIconBenchmarks() {
  AddBenchmark("QtTranslation/es", [](benchmark::State& state) {
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    for (auto _ : state) {
      const QtTranslation translation(spanish);
      if (!translation.IsInstalled()) throw std::runtime_error("qtbase_es.qm is not installed");
    }
  });
  AddBenchmark("QtTranslation/missing", [](benchmark::State& state) {
    const QLocale unknown(QLocale::Swahili, QLocale::Kenya);  // Qt ships no qtbase_sw
    for (auto _ : state) {
      const QtTranslation translation(unknown);
      if (translation.IsInstalled()) throw std::runtime_error("a translation was found");
    }
  });
  // What the window system asks for when the icon is set: every size's picture.
  AddBenchmark("ProgramIcon/read", [](benchmark::State& state) {
    for (auto _ : state) {
      const QIcon icon = ProgramIcon(BEDITOR_PROGRAM_DIR);
      for (int size : kProgramIconSizes)
        if (icon.pixmap(size).isNull()) throw std::runtime_error("an icon picture is missing");
    }
  });
  AddComparison({"Qt's Spanish translation installed", "StartUp/editor", "QtTranslation/es",
                 kMaxTranslationShare});
  AddComparison({"No translation for the language", "StartUp/editor", "QtTranslation/missing",
                 kMaxTranslationShare});
  AddComparison({"Icon read (after the first paint)", "StartUp/editor",
                 "ProgramIcon/read"});
}

}  // namespace beditor::bench
