#pragma once
// Files and folders that the system itself refuses to the code under test.
#include <filesystem>
#include <functional>

namespace beditor::test {

// Runs `action` while `file` cannot be removed, then makes it removable again. On Windows the
// file is read-only. Elsewhere its folder refuses changes (r-x) and the action runs as an
// ordinary user (RunAsOrdinaryUser). Files the action writes elsewhere then need folders
// that anyone may write.
void WithUnremovableFile(const std::filesystem::path& file, const std::function<void()>& action);

// Lets anyone create and remove entries in `folder`.
void LetAnyoneWriteIn(const std::filesystem::path& folder);

#ifndef _WIN32
// Runs `action` as an ordinary user: as root, who may do anything, with the effective ids of
// the system's unprivileged user, root's ids taken back after.
void RunAsOrdinaryUser(const std::function<void()>& action);

// Runs `action`, as an ordinary user, while `folder` may be passed through but not listed.
void WithUnlistableFolder(const std::filesystem::path& folder, const std::function<void()>& action);
#endif

}  // namespace beditor::test
