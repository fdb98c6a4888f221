#pragma once
// Files and folders that the system itself refuses to the code under test.
#include <filesystem>
#include <functional>

namespace beditor::test {

#ifndef _WIN32
// Runs `action` as an ordinary user: as root, who may do anything, with the effective ids of
// the system's unprivileged user, root's ids taken back after.
void RunAsOrdinaryUser(const std::function<void()>& action);

// Runs `action`, as an ordinary user, while `folder` may be passed through but not listed.
void WithUnlistableFolder(const std::filesystem::path& folder, const std::function<void()>& action);
#endif

}  // namespace beditor::test
