#include "read_pass.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace beditor::bench {

std::size_t ReadPass(const std::filesystem::path& programFolder) {
  static std::vector<char> buffer(1 << 16);
  std::size_t total = 0;
  const auto fighters = programFolder / "Fighters";
  DIR* folders = ::opendir(fighters.c_str());
  if (!folders) throw std::runtime_error("no Fighters folder");
  while (const dirent* folder = ::readdir(folders)) {
    if (folder->d_name[0] == '.') continue;
    const std::string path = (fighters / folder->d_name).string();
    DIR* files = ::opendir(path.c_str());
    if (!files) continue;
    while (const dirent* file = ::readdir(files)) {
      if (file->d_name[0] == '.') continue;
      const int fd = ::open((path + "/" + file->d_name).c_str(), O_RDONLY | O_CLOEXEC);
      if (fd < 0) continue;
      ssize_t got = 0;
      while ((got = ::read(fd, buffer.data(), buffer.size())) > 0) total += static_cast<std::size_t>(got);
      ::close(fd);
    }
    ::closedir(files);
  }
  ::closedir(folders);
  return total;
}

}  // namespace beditor::bench
