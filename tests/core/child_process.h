#pragma once
// Starts a program and returns what it printed: with a raw command line on Windows, where the
// program splits its own, and with an argument list elsewhere, where the shell would have.
#include <filesystem>
#include <string>
#include <vector>

namespace beditor::test {

#ifdef _WIN32
std::string RunWithCommandLine(const std::filesystem::path& program, const std::wstring& commandLine);
#else
std::string RunWithArguments(const std::filesystem::path& program, const std::vector<std::string>& arguments);
#endif

}  // namespace beditor::test
