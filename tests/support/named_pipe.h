#pragma once
// A named pipe (FIFO) for tests of reads that must not wait for a writer. POSIX only.
#ifndef _WIN32
#include <filesystem>
#include <functional>

namespace beditor::test {

// Makes a named pipe at `path`, with no writer.
void MakeNamedPipe(const std::filesystem::path& path);

// Runs `read`, which opens the pipe at `path`, on this thread. Should it still wait after ten
// seconds, a writer opens and closes the pipe so that it comes back, and false is returned:
// the test fails instead of hanging.
bool ReturnsWithoutAWriter(const std::filesystem::path& path, const std::function<void()>& read);

}  // namespace beditor::test
#endif
