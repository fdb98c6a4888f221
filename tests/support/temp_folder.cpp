#include "support/temp_folder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace beditor::test {

TempFolder::TempFolder() {
  if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary folder");
}

std::filesystem::path TempFolder::Path() const { return std::filesystem::path(dir_.path().toStdU16String()); }

TempFolder TempFolder::WithProgramFiles() {
  TempFolder folder;
  // The built program folder holds the generated background and icon too; the executables
  // beside them are skipped.
  const std::filesystem::path source = BEDITOR_PROGRAM_DIR;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(source)) {
    const auto relative = std::filesystem::relative(entry.path(), source);
    if (!relative.has_parent_path() && relative.filename().string().rfind("beditor", 0) == 0) continue;
    if (relative.filename() == "EditorMode.txt") continue;
    if (entry.is_directory()) std::filesystem::create_directories(folder.Path() / relative);
    else std::filesystem::copy_file(entry.path(), folder.Path() / relative);
  }
  return folder;
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace beditor::test
