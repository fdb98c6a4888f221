#include "core/folder_reader.h"

#include <algorithm>
#include <cstring>

namespace beditor {

char* FolderReader::Room(std::size_t size) {
  if (size > capacity_) {
    // Doubled at least, so that a file read in growing pieces is copied few times.
    const std::size_t capacity = std::max({size, 2 * capacity_, std::size_t{64 * 1024}});
    auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
    if (capacity_ > 0) std::memcpy(buffer.get(), buffer_.get(), capacity_);
    buffer_ = std::move(buffer);
    capacity_ = capacity;
  }
  return buffer_.get();
}

}  // namespace beditor
