#pragma once
// The roster tool run in-process on a copy of the fixture program folder, and the folder's
// bytes for comparing before and after.
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace beditor::roster::test {

using beditor::test::TempFolder;

struct RunResult {
  int code = -1;
  std::string out;
  std::string err;
};

// The fixture's file of expected output or CSV, by name.
std::string FixtureFile(const std::string& name);

// A temporary copy of tests/roster_tool/fixture/program_folder.
TempFolder CopyOfFixture();

// `beditor-roster --folder FOLDER ARGUMENTS...`.
RunResult RunTool(const std::filesystem::path& folder, const std::vector<std::string>& arguments);

// Every file below the folder, by its path relative to it, with its bytes.
std::map<std::string, std::string> FolderBytes(const std::filesystem::path& folder);

// The CSV the export writes for the folder.
std::string ExportedCsv(const std::filesystem::path& folder, const std::vector<std::string>& options = {});

// Makes `update`, a copy of the fixture, a roster maker's update of it: Ana's punches changed,
// Sergio moved from MW to WW by his category, a new fighter (New Guy), a new team file.
void MakeSimpleUpdate(const std::filesystem::path& update);

}  // namespace beditor::roster::test
