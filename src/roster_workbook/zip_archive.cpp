#include "roster_workbook/zip_archive.h"

#include <minizip/unzip.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "roster_workbook/workbook_errors.h"

namespace beditor::roster {
namespace {

// minizip's file functions, over the bytes in memory: the stream is the MemorySource itself.

voidpf ZCALLBACK OpenSource(voidpf opaque, const void*, int) { return opaque; }

uLong ZCALLBACK ReadSource(voidpf, voidpf stream, void* buffer, uLong size) {
  auto& source = *static_cast<MemorySource*>(stream);
  const std::size_t count = std::min<std::size_t>(size, source.bytes.size() - source.at);
  std::memcpy(buffer, source.bytes.data() + source.at, count);
  source.at += count;
  return static_cast<uLong>(count);
}

uLong ZCALLBACK WriteSource(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK TellSource(voidpf, voidpf stream) { return static_cast<MemorySource*>(stream)->at; }

long ZCALLBACK SeekSource(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto& source = *static_cast<MemorySource*>(stream);
  ZPOS64_T base = 0;
  if (origin == ZLIB_FILEFUNC_SEEK_CUR) base = source.at;
  if (origin == ZLIB_FILEFUNC_SEEK_END) base = source.bytes.size();
  if (offset > source.bytes.size() - base) return -1;
  source.at = static_cast<std::size_t>(base + offset);
  return 0;
}

int ZCALLBACK CloseSource(voidpf, voidpf) { return 0; }
int ZCALLBACK SourceError(voidpf, voidpf) { return 0; }

constexpr int kAnyCase = 2;  // unzLocateFile's iCaseSensitivity

}  // namespace

ZipArchive::ZipArchive(std::string_view bytes) : source_{bytes} {
  zlib_filefunc64_def functions{OpenSource, ReadSource, WriteSource, TellSource, SeekSource,
                                CloseSource, SourceError, &source_};
  zip_ = unzOpen2_64("workbook", &functions);
  if (!zip_) throw WorkbookReadError("not a workbook (.xlsx): it is no zip archive, or a damaged one");
}

ZipArchive::~ZipArchive() { unzClose(zip_); }

bool ZipArchive::Has(const std::string& name) { return unzLocateFile(zip_, name.c_str(), kAnyCase) == UNZ_OK; }

void ZipArchive::Read(const std::string& name, std::size_t limit, const std::function<void(std::string_view)>& each) {
  if (!Has(name)) throw WorkbookReadError("not a workbook (.xlsx): it has no part " + name);
  unz_file_info64 info{};
  if (unzGetCurrentFileInfo64(zip_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
    throw WorkbookReadError("damaged workbook: its part " + name + " cannot be read");
  const std::string tooLarge = "the workbook's part " + name + " unpacks to more than " +
                               std::to_string(limit / (1024 * 1024)) + " MB, far more than a roster";
  if (info.uncompressed_size > limit) throw WorkbookReadError(tooLarge);
  if (unzOpenCurrentFile(zip_) != UNZ_OK)
    throw WorkbookReadError("damaged workbook: its part " + name + " cannot be unpacked");
  const auto close = [](void* zip) { unzCloseCurrentFile(zip); };
  std::unique_ptr<void, decltype(close)> open(zip_, close);
  // The size the archive states may be false: what is unpacked is counted.
  std::size_t total = 0;
  char block[64 * 1024];
  for (;;) {
    const int count = unzReadCurrentFile(zip_, block, sizeof block);
    if (count < 0) throw WorkbookReadError("damaged workbook: its part " + name + " cannot be unpacked");
    if (count == 0) break;
    total += static_cast<std::size_t>(count);
    if (total > limit) throw WorkbookReadError(tooLarge);
    each(std::string_view(block, static_cast<std::size_t>(count)));
  }
  open.release();
  if (unzCloseCurrentFile(zip_) != UNZ_OK)
    throw WorkbookReadError("damaged workbook: its part " + name + " fails its checksum");
}

}  // namespace beditor::roster
