#pragma once
// The start-up work that needs neither the toolkit nor a window, started by the program's
// entry before it creates the application object. One worker thread does two slow steps, in
// this order, while the toolkit connects to the display:
//   1. it reads the system's font configuration, which the toolkit would otherwise read on
//      its first text (FontConfigurationReading); InstallTahoma, as RunProgram sets up the
//      fonts, waits for that read;
//   2. it decodes the background picture (PrefetchBackground); the editor window takes the
//      picture, or its error, when it sets its background (TakeBackground).
// Without a thread to be had, neither runs there: the toolkit reads its configuration and the
// editor window decodes the picture on the main thread, as they would without this start.
#include <filesystem>

namespace beditor {

// Starts the worker for the program folder `programFolder`. Once per process, before the
// QApplication exists.
void StartWorkAheadOfToolkit(const std::filesystem::path& programFolder);

}  // namespace beditor
