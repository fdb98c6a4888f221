// SaveLines against one bare write() of the same bytes, with and without an fsync.
// SaveLines flushes the file to the disk before it replaces the former one, so the
// comparison with write()+fsync() is the like-for-like one, and the one with write() alone
// shows what that durability costs.
#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>

#include "bench_registry.h"
#include "comparison.h"
#include "core/line_list.h"
#include "sample_files.h"

namespace beditor::bench {
namespace {

void WriteFile(const std::filesystem::path& path, const std::string& bytes, bool flush) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw std::runtime_error("cannot create " + path.string());
  const bool written =
      ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  const bool flushed = !flush || ::fsync(fd) == 0;
  ::close(fd);
  if (!written || !flushed) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

void RegisterLineListSaveBenchmarks() {
  for (const std::size_t size : {kKilobyte, kMegabyte, 100 * kMegabyte}) {
    const std::string name = "SaveLines/CRLF/" + SizeName(size);
    const auto bare = [=](bool flush) {
      return [=](benchmark::State& state) {
        const std::string bytes = SampleText(LineShape::CrLf, size);
        const auto path = WorkFolder() / ("bare_" + SizeName(size) + ".txt");
        for (auto _ : state) WriteFile(path, bytes, flush);
        state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
      };
    };
    AddBenchmark(name + "/write", bare(false));
    AddBenchmark(name + "/write+fsync", bare(true));
    AddBenchmark(name + "/program", [=](benchmark::State& state) {
      const LineList lines(SplitLines(SampleText(LineShape::CrLf, size)));
      const auto path = WorkFolder() / ("saved_" + SizeName(size) + ".txt");
      for (auto _ : state) lines.SaveLines(path);
      state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
    });
    AddComparison(
        {"SaveLines " + SizeName(size) + " vs write", name + "/write", name + "/program"});
    AddComparison({"SaveLines " + SizeName(size) + " vs write+fsync", name + "/write+fsync",
                   name + "/program"});
    AddComparison({"fsync: write+fsync " + SizeName(size) + " vs write", name + "/write",
                   name + "/write+fsync"});
  }
}

}  // namespace beditor::bench
