// LoadLines against the least any loader must do: one read() of the whole file and a
// memchr scan that counts its line ends.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>

#include "bench_registry.h"
#include "comparison.h"
#include "core/line_list.h"
#include "peak_memory.h"
#include "sample_files.h"

namespace beditor::bench {
namespace {

constexpr double kMinSpeedRatio = 0.8;
constexpr double kMaxPeak = 2.5;

std::size_t ReadAndCountLineEnds(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot open " + path.string());
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    ::close(fd);
    throw std::runtime_error("cannot read " + path.string());
  }
  const auto size = static_cast<std::size_t>(info.st_size);
  const std::unique_ptr<char[]> bytes(new char[size]);
  const ssize_t got = ::read(fd, bytes.get(), size);
  ::close(fd);
  if (got != static_cast<ssize_t>(size)) throw std::runtime_error("short read of " + path.string());
  std::size_t lineEnds = 0;
  for (const char* at = bytes.get();
       (at = static_cast<const char*>(std::memchr(at, '\n', bytes.get() + size - at))); ++at)
    ++lineEnds;
  return lineEnds;
}

int LoadLineCount(const std::filesystem::path& path) {
  LineList lines;
  lines.LoadLines(path);
  return lines.LineCount();
}

// The first line used: a loaded list turns into one std::string per line then.
std::size_t LoadAndUseLines(const std::filesystem::path& path) {
  LineList lines;
  lines.LoadLines(path);
  return lines.LineCount() > 0 ? lines.LineAt(0).size() : 0;
}

// Peak growth while loading, measured once per file and kept for the later repetitions.
double PeakTimesSize(const std::string& task, LineShape shape, std::size_t size) {
  static std::map<std::string, double> measured;
  const std::string key = task + ShapeName(shape) + SizeName(size);
  auto [entry, added] = measured.try_emplace(key, 0);
  if (added) entry->second = PeakGrowth(task, SampleFile(shape, size)) / static_cast<double>(size);
  return entry->second;
}

template <typename Load>
std::function<void(benchmark::State&)> LoadBenchmark(LineShape shape, std::size_t size,
                                                     const std::string& peakTask, Load load) {
  return [=](benchmark::State& state) {
    const auto& path = SampleFile(shape, size);
    const double faults = MinorPageFaults();
    for (auto _ : state) benchmark::DoNotOptimize(load(path));
    CountPageFaults(state, faults);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
    if (size >= 100 * kMegabyte)
      state.counters[kPeakCounter] = PeakTimesSize(peakTask, shape, size);
  };
}

std::string BenchmarkName(LineShape shape, std::size_t size) {
  return std::string("LoadLines/") + ShapeName(shape) + "/" + SizeName(size);
}

std::string Label(const char* what, LineShape shape, std::size_t size) {
  return std::string(what) + " " + ShapeName(shape) + " " + SizeName(size);
}

constexpr std::size_t kSizes[] = {kKilobyte, kMegabyte, 100 * kMegabyte};
constexpr LineShape kShapes[] = {LineShape::CrLf, LineShape::Lf, LineShape::OneLine};

}  // namespace

void RegisterLineListLoadBenchmarks() {
  AddPeakTask("read+memchr", [](const std::filesystem::path& path) { ReadAndCountLineEnds(path); });
  AddPeakTask("LoadLines", [](const std::filesystem::path& path) { LoadLineCount(path); });
  AddPeakTask("LoadLines+LineAt", [](const std::filesystem::path& path) { LoadAndUseLines(path); });

  for (const std::size_t size : kSizes) {
    for (const LineShape shape : kShapes) {
      const std::string name = BenchmarkName(shape, size);
      AddBenchmark(name + "/baseline",
                   LoadBenchmark(shape, size, "read+memchr", ReadAndCountLineEnds));
      AddBenchmark(name + "/program", LoadBenchmark(shape, size, "LoadLines", LoadLineCount));
      AddComparison({Label("LoadLines", shape, size), name + "/baseline", name + "/program",
                     size >= kMegabyte ? 1 / kMinSpeedRatio : 0,
                     size >= 100 * kMegabyte ? kMaxPeak : 0});
    }
  }
  // What the first use of a line adds, for information. Run after the loads above: the
  // millions of small strings it frees leave the allocator holding memory that would spare
  // later reads their page faults.
  for (const std::size_t size : kSizes) {
    for (const LineShape shape : kShapes) {
      const std::string name = BenchmarkName(shape, size);
      AddBenchmark(name + "/program+LineAt",
                   LoadBenchmark(shape, size, "LoadLines+LineAt", LoadAndUseLines));
      AddComparison(
          {Label("LoadLines+LineAt", shape, size), name + "/baseline", name + "/program+LineAt"});
    }
  }
}

}  // namespace beditor::bench
