#pragma once
// The program's own error kinds. Each carries its complete, user-facing message (UTF-8).
#include <stdexcept>
#include <string>
#include <string_view>

namespace beditor {

// The message as the error box shows it: with a full stop appended when it is not empty
// and its last byte sorts after ".".
std::string ErrorBoxText(const std::string& message);

class BEditorError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "Cannot open file "<absolute path>". <system text>"
class FileOpenError : public BEditorError {
 public:
  FileOpenError(const std::string& absolutePath, const std::string& systemText);
};

// "Cannot create file "<absolute path>". <system text>"
class FileCreateError : public BEditorError {
 public:
  FileCreateError(const std::string& absolutePath, const std::string& systemText);
};

// "Cannot remove file "<absolute path>". <system text>"
class FileRemoveError : public BEditorError {
 public:
  FileRemoveError(const std::string& absolutePath, const std::string& systemText);
};

// "Cannot list folder "<absolute path>". <system text>"
class FolderListError : public BEditorError {
 public:
  FolderListError(const std::string& absolutePath, const std::string& systemText);
};

class StreamWriteError : public BEditorError {
 public:
  StreamWriteError();
};

class ListIndexError : public BEditorError {
 public:
  explicit ListIndexError(int index);
};

// The text is Windows-1252 bytes as read from a file; the message holds it as UTF-8.
class IntegerFormatError : public BEditorError {
 public:
  explicit IntegerFormatError(std::string_view windows1252Text);
};

class InsertLineError : public BEditorError {
 public:
  InsertLineError();
};

// "JPEG error #<n>", n being the decoder's own message number.
class JpegError : public BEditorError {
 public:
  explicit JpegError(int code);
};

}  // namespace beditor
