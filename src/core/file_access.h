#pragma once
// The operating system's file services, as the program uses them. The *_posix.cpp and
// *_windows.cpp files beside this one implement them; CMake picks one.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace beditor {

// What other programs may do with a file while it is read (Windows; POSIX locks nothing).
enum class ReadSharing {
  OthersMayRead,          // the program's own files: nobody writes them meanwhile
  OthersMayReadAndWrite,  // a file another program keeps open for writing, as a spreadsheet its CSV
};

// The whole file, byte for byte. Throws FileOpenError (missing, unreadable, a folder). A pipe
// or a device is read as far as it holds bytes now, within a first buffer; one that holds more
// is refused.
std::string ReadWholeFile(const std::filesystem::path& path,
                          ReadSharing sharing = ReadSharing::OthersMayRead);

// As ReadWholeFile, into memory the caller provides: `buffer` is called once with the file's
// size and returns where to put that many bytes. Returns how many were read, which is less
// when the file shrank meanwhile. Lets a large file be read without first clearing a buffer.
std::size_t ReadWholeFileInto(const std::filesystem::path& path,
                              const std::function<char*(std::size_t size)>& buffer,
                              ReadSharing sharing = ReadSharing::OthersMayRead);

// Replaces the file with exactly these bytes. The bytes go to a temporary file in the same
// folder that is moved over the target only once everything was written and flushed, so a
// failure never damages the former file and leaves no temporary file behind. The folder is
// flushed after the move, so that a save reported as done survives a power failure. Where
// the path is a symbolic link, the file it leads to is replaced and the link kept. An
// existing file that may be written in a folder that refuses new entries is rewritten in
// place instead, its former bytes kept in memory and written back if the new ones fail.
// Should the system lose the former file on the way (a Windows replacement that fails
// halfway), the temporary file stays and the message names it.
// Throws FileCreateError (cannot create) or StreamWriteError (not every byte was written).
void ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes);

// The program folder: the folder of the running executable.
std::filesystem::path ProgramFolder();

// The running executable's full path.
std::filesystem::path ExecutablePath();

// True when the path names an existing entry that is not a folder.
bool IsExistingFile(const std::filesystem::path& path);

// Names (without folder) of every entry of `folder` whose name matches the wildcard
// `pattern` ("*" and "?"), in the order the system lists them; folders and hidden entries
// included. A missing folder gives no names.
std::vector<std::filesystem::path> ListFolder(const std::filesystem::path& folder,
                                              const std::string& pattern);

// A folder entry's name in the platform's own form.
using NativeName = std::basic_string_view<std::filesystem::path::value_type>;

// Calls `each` with every name ListFolder would return, in the same order, without making
// a path of each: for folders of many entries.
void ForEachInFolder(const std::filesystem::path& folder, const std::string& pattern,
                     const std::function<void(NativeName name)>& each);

// Calls `each` with the name of every entry of `folder` that ends in `ending` (ASCII), its
// letters in any case, in the order the system lists them: the same names on every system,
// where the system's own patterns differ (Windows ignores case and matches short names too).
// Throws FolderListError when the folder cannot be listed, or not to its end.
void ForEachNameEndingIn(const std::filesystem::path& folder, std::string_view ending,
                         const std::function<void(NativeName name)>& each);

// Whether the name ends in `ending` (ASCII), its letters in any case.
bool EndsInAnyCase(NativeName name, std::string_view ending);

// Deletes the file; a failure is silent.
void RemoveFile(const std::filesystem::path& path);

// Deletes the file, or throws FileRemoveError when it is still there: for a caller that must
// tell the user. A file already gone is no failure.
void RemoveFileOrThrow(const std::filesystem::path& path);

// True when both paths name the same existing file.
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// The path as the file messages show it: absolute, with "." and ".." resolved.
std::string AbsolutePathText(const std::filesystem::path& path);

// The system's description of an error number, without trailing blanks, control
// characters or full stops.
std::string SystemErrorText(int errorNumber);

// The trimming rule of SystemErrorText, for any text.
std::string TrimSystemText(std::string text);

}  // namespace beditor
