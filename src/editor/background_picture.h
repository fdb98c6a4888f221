#pragma once
// The editor's background picture, decoded for the screen. Decoding it is a good part of the
// start-up and needs nothing from the windows or the toolkit, so the start-up's worker
// (app/start_up.h) decodes it while the toolkit sets itself up; the editor window then takes
// the finished picture, or any error, at the moment it would have decoded it itself.
#include <QImage>
#include <filesystem>
#include <functional>

namespace beditor {

// The picture file of a program folder decoded straight into the screen's 32-bit format.
// Throws FileOpenError when the file cannot be read and JpegError when it is no picture the
// library can decode.
QImage DecodeBackground(const std::filesystem::path& programFolder);

// Starts DecodeBackground(programFolder) on a worker thread, after `first`, other work of the
// start that needs no toolkit either, has run there.
void PrefetchBackground(const std::filesystem::path& programFolder,
                        const std::function<void()>& first = {});

// DecodeBackground(programFolder): the prefetched result when one was started for this same
// folder (waiting for it, rethrowing its error), else decoded now. A prefetched result is
// taken once.
QImage TakeBackground(const std::filesystem::path& programFolder);

}  // namespace beditor
