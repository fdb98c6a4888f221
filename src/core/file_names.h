#pragma once
// Folder entries' names as text and back, by the file system's own rules. The
// file_names_*.cpp files beside this one implement them; CMake picks one.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/file_access.h"

namespace beditor {

// A folder entry's name as UTF-8. POSIX names are bytes, and a zip made on Windows and
// unpacked there leaves its names in Windows-1252: a name that is not UTF-8 is read as
// Windows-1252, the code page of the game's own files. Windows names are text already.
std::string NameToUtf8(NativeName name);

// Whether NameToUtf8 reads the name as Windows-1252 (never on Windows).
bool IsWindows1252Name(NativeName name);

// The path, relative to `folder`, that `relative` (UTF-8, "/" between its parts) names below
// it: the way back from NameToUtf8. A part that names no entry as the text's own bytes is the
// entry whose Windows-1252 name reads as that text, where there is one. A name that is UTF-8
// is only ever named by its own text, so that one file never stands for another. Any other
// part is taken as PathFromUtf8 takes it.
std::filesystem::path RelativePathFromUtf8(const std::filesystem::path& folder, std::string_view relative);

// Whether some part of `relative` (as RelativePathFromUtf8 takes it) names two entries: one
// by its own UTF-8 bytes and one whose Windows-1252 name reads as the same text. The text then
// cannot tell them apart (never on Windows).
bool NamesTwoEntries(const std::filesystem::path& folder, std::string_view relative);

// The text under which the file system knows a name (UTF-8, a path too): two names of one
// entry give the same text. Windows ignores case, by the file system's own table rather than
// a language's rules; POSIX compares bytes.
std::string FileSystemNameKey(std::string_view utf8);

}  // namespace beditor
