#pragma once
// A save made as an ordinary user in a fresh process (the save_as_ordinary_user helper):
// as root, permissions refuse nothing, so the tests of refused saves run it there.
#include <filesystem>
#include <ostream>
#include <string>

namespace beditor::test {

enum class SaveOutcome { Saved, CreateError, WriteError, OtherError, NotRun };

void PrintTo(SaveOutcome outcome, std::ostream* out);

// `fileSizeLimit` bytes (0: none) bound what the save may write.
SaveOutcome SaveAsOrdinaryUser(const std::filesystem::path& path, const std::string& bytes,
                               long long fileSizeLimit = 0);

// Lets an ordinary user reach `path` through every folder above it (the temporary folders
// are private to their owner).
void OpenTheWayTo(const std::filesystem::path& path);

}  // namespace beditor::test
