// Windows: each file is read through its whole path, the folder's joined to the name.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "core/file_access.h"
#include "core/file_errors.h"
#include "core/folder_reader.h"
#include "core/path_utf8.h"

namespace beditor {

FolderReader::FolderReader(std::filesystem::path folder) : folder_(std::move(folder)) {}

FolderReader::~FolderReader() = default;

std::string_view FolderReader::Read(std::string_view relative) {
  const auto path = folder_ / PathFromUtf8(relative);
  // The system would take the name only up to a NUL, and so open another file.
  if (relative.find('\0') != std::string_view::npos)
    throw FileOpenError(AbsolutePathText(path), SystemErrorText(ERROR_INVALID_NAME));
  const std::size_t size = ReadWholeFileInto(path, [this](std::size_t fileSize) { return Room(fileSize); });
  return {buffer_.get(), size};
}

}  // namespace beditor
