#include "core/file_errors.h"

#include "core/windows_1252.h"

namespace beditor {

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

FileOpenError::FileOpenError(const std::string& absolutePath, const std::string& systemText)
    : BEditorError("Cannot open file \"" + absolutePath + "\". " + systemText) {}

FileCreateError::FileCreateError(const std::string& absolutePath, const std::string& systemText)
    : BEditorError("Cannot create file \"" + absolutePath + "\". " + systemText) {}

StreamWriteError::StreamWriteError() : BEditorError("Stream write error") {}

ListIndexError::ListIndexError(int index)
    : BEditorError("List index out of bounds (" + std::to_string(index) + ")") {}

IntegerFormatError::IntegerFormatError(std::string_view windows1252Text)
    : BEditorError("'" + Windows1252ToUtf8(windows1252Text) + "' is not a valid integer value") {}

InsertLineError::InsertLineError() : BEditorError("Unable to insert a line") {}

JpegError::JpegError(int code) : BEditorError("JPEG error #" + std::to_string(code)) {}

}  // namespace beditor
