// Start-up inside one process: both windows built from a program folder, the editor shown
// and painted once, against two floors of the editor's size shown and painted: a window
// without text and a window with one label. The process start-up as a person sees it
// (libraries, fonts, files, first frame) is start_up_process.cpp's.
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>
#include <stdexcept>

#include "bench_registry.h"
#include "comparison.h"
#include "editor/editor_window.h"
#include "evaluation/evaluation_window.h"
#include "sample_files.h"
#include "silent_dialogs.h"

namespace beditor::bench {
namespace {

constexpr double kMaxTimeRatio = 1.15;
constexpr int kWindowWidth = 844;
constexpr int kWindowHeight = 386;

// A copy of the program folder the build made, so nothing the editor writes touches it.
const std::filesystem::path& ProgramFolderCopy() {
  static const std::filesystem::path folder = [] {
    const auto copy = WorkFolder() / "BEditor";
    std::filesystem::copy(BEDITOR_PROGRAM_DIR, copy, std::filesystem::copy_options::recursive);
    // A first start, as after installing: the default editor, whatever a run left behind.
    std::filesystem::remove(copy / "EditorMode.txt");
    return copy;
  }();
  return folder;
}

class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QWidget* window) { window->installEventFilter(this); }

  // Runs the event loop until the window has had its first paint event handled.
  void Wait() {
    for (int round = 0; !painted_; ++round) {
      if (round == 10'000) throw std::runtime_error("the window was never painted");
      QCoreApplication::processEvents();
    }
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted_ = true;
    return false;
  }

 private:
  bool painted_ = false;
};

void ShowBareWindow(bool withLabel) {
  QWidget window;
  window.setFixedSize(kWindowWidth, kWindowHeight);
  if (withLabel) (new QLabel(QStringLiteral("Brennic Editor"), &window))->move(8, 8);
  FirstPaint paint(&window);
  window.show();
  paint.Wait();
}

// As the program's entry builds and shows its windows.
void StartEditor() {
  SilentDialogs dialogs;
  EditorWindow editor(ProgramFolderCopy(), ProgramArguments(ProgramFolderCopy() / "beditor", {"beditor"}),
                      dialogs);
  EvaluationWindow evaluation(editor.Abilities(), editor.CaptionLines(), dialogs, &editor);
  editor.SetEvaluationWindow(&evaluation);
  FirstPaint paint(&editor);
  editor.ShowFirstTime();
  paint.Wait();
  if (dialogs.shown != 0) throw std::runtime_error("start-up showed a box");
}

}  // namespace

void RegisterStartUpBenchmarks() {
  AddBenchmark("StartUp/bare", [](benchmark::State& state) {
    const double faults = MinorPageFaults();
    for (auto _ : state) ShowBareWindow(false);
    CountPageFaults(state, faults);
  });
  AddBenchmark("StartUp/label", [](benchmark::State& state) {
    const double faults = MinorPageFaults();
    for (auto _ : state) ShowBareWindow(true);
    CountPageFaults(state, faults);
  });
  AddBenchmark("StartUp/editor", [](benchmark::State& state) {
    ProgramFolderCopy();
    const double faults = MinorPageFaults();
    for (auto _ : state) StartEditor();
    CountPageFaults(state, faults);
  });
  AddComparison({"Start-up in process, floor no text", "StartUp/bare", "StartUp/editor", kMaxTimeRatio});
  AddComparison({"Start-up in process, floor 1 label", "StartUp/label", "StartUp/editor", kMaxTimeRatio});
}

}  // namespace beditor::bench
