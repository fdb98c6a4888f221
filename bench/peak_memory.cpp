#include "peak_memory.h"

#include <QProcess>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string_view>

#include "core/file_access.h"

namespace beditor::bench {
namespace {

constexpr std::string_view kTaskOption = "--peak-task=";

std::map<std::string, PeakTask>& Tasks() {
  static std::map<std::string, PeakTask> tasks;
  return tasks;
}

// A "Vm…:  123 kB" line of /proc/self/status, in bytes; -1 when missing.
double StatusBytes(std::string_view key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, key.size(), key) == 0 && line.size() > key.size() &&
        line[key.size()] == ':')
      return std::stod(line.substr(key.size() + 1)) * 1024;
  }
  return -1;
}

}  // namespace

void AddPeakTask(const std::string& name, PeakTask task) { Tasks()[name] = std::move(task); }

double PeakGrowth(const std::string& task, const std::filesystem::path& input) {
  QProcess child;
  child.start(QString::fromStdString(ExecutablePath().string()),
              {QString::fromStdString(std::string(kTaskOption) + task),
               QString::fromStdString(input.string())});
  if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit ||
      child.exitCode() != 0)
    return -1;
  bool ok = false;
  const double growth = child.readAllStandardOutput().trimmed().toDouble(&ok);
  return ok ? growth : -1;
}

bool RunPeakTaskIfAsked(int argc, char** argv) {
  if (argc != 3 || std::strncmp(argv[1], kTaskOption.data(), kTaskOption.size()) != 0) return false;
  const auto task = Tasks().find(argv[1] + kTaskOption.size());
  if (task == Tasks().end()) {
    std::fprintf(stderr, "unknown task %s\n", argv[1]);
    std::exit(2);
  }
  // Writing 5 to clear_refs resets the peak (VmHWM) to the present resident size.
  std::ofstream("/proc/self/clear_refs") << "5";
  const double before = StatusBytes("VmRSS");
  task->second(argv[2]);
  const double peak = StatusBytes("VmHWM");
  if (before < 0 || peak < 0) std::exit(3);
  std::printf("%.0f\n", peak - before);
  return true;
}

}  // namespace beditor::bench
