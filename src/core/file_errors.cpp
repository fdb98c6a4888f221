#include "core/file_errors.h"

#include <initializer_list>
#include <string_view>

#include "core/windows_1252.h"

namespace beditor {
namespace {

// The pieces of a message, one after another. Appending (rather than a chain of "text" +
// string) also keeps GCC 12 from its false -Wrestrict warning on inlined concatenations.
std::string Joined(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (const std::string_view piece : pieces) text.append(piece);
  return text;
}

}  // namespace

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

FileOpenError::FileOpenError(const std::string& absolutePath, const std::string& systemText)
    : BEditorError(Joined({"Cannot open file \"", absolutePath, "\". ", systemText})) {}

FileCreateError::FileCreateError(const std::string& absolutePath, const std::string& systemText)
    : BEditorError(Joined({"Cannot create file \"", absolutePath, "\". ", systemText})) {}

FileRemoveError::FileRemoveError(const std::string& absolutePath, const std::string& systemText)
    : BEditorError(Joined({"Cannot remove file \"", absolutePath, "\". ", systemText})) {}

FolderListError::FolderListError(const std::string& absolutePath, const std::string& systemText)
    : BEditorError(Joined({"Cannot list folder \"", absolutePath, "\". ", systemText})) {}

StreamWriteError::StreamWriteError() : BEditorError("Stream write error") {}

ListIndexError::ListIndexError(int index)
    : BEditorError(Joined({"List index out of bounds (", std::to_string(index), ")"})) {}

IntegerFormatError::IntegerFormatError(std::string_view windows1252Text)
    : BEditorError(Joined({"'", Windows1252ToUtf8(windows1252Text), "' is not a valid integer value"})) {}

InsertLineError::InsertLineError() : BEditorError("Unable to insert a line") {}

JpegError::JpegError(int code) : BEditorError(Joined({"JPEG error #", std::to_string(code)})) {}

}  // namespace beditor
