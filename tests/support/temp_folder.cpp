#include "support/temp_folder.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

#include "core/file_access.h"

namespace beditor::test {

TempFolder::TempFolder() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = base / ("beditor-test-" + std::to_string(random()));
    // create_directory is false when the name is taken: then another name is tried.
    if (std::filesystem::create_directory(candidate)) {
      path_ = std::filesystem::canonical(candidate);
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
  if (path_.empty()) return;
  std::error_code error;
  // A test may leave entries without write permission; give them back before removing.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 error);
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
  std::filesystem::remove_all(path_, error);
}

TempFolder::TempFolder(TempFolder&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }

TempFolder TempFolder::WithProgramFiles() {
  TempFolder folder;
#ifdef BEDITOR_PROGRAM_DIR
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
#endif
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

std::string MissingFileText() {
#ifdef _WIN32
  constexpr int kFileNotFound = 2;  // ERROR_FILE_NOT_FOUND
#else
  constexpr int kFileNotFound = ENOENT;
#endif
  return SystemErrorText(kFileNotFound);
}

}  // namespace beditor::test
