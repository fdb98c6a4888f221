#pragma once
// A zip archive in memory, its entries read through minizip, each within a size limit: a
// small archive may unpack to any size, and what is read must stay bounded.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace beditor::roster {

// The archive's bytes as minizip reads them: where its reading is.
struct MemorySource {
  std::string_view bytes;
  std::size_t at = 0;
};

class ZipArchive {
 public:
  // Throws WorkbookReadError when the bytes are no zip archive. They must outlive this.
  explicit ZipArchive(std::string_view bytes);
  ~ZipArchive();
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;

  // Whether the entry is there (its name in any case, as workbooks name their parts).
  bool Has(const std::string& name);
  // Hands the entry's bytes to `each`, a block at a time. Throws WorkbookReadError when the
  // entry is missing, damaged, or unpacks to more than `limit` bytes.
  void Read(const std::string& name, std::size_t limit, const std::function<void(std::string_view)>& each);

 private:
  MemorySource source_;
  void* zip_ = nullptr;
};

}  // namespace beditor::roster
