#include "core/line_list.h"

#include <bit>
#include <cstdint>
#include <cstring>
// SSE2 as GCC and Clang announce it, or as MSVC does (always on x64, by /arch on x86).
// BEDITOR_PORTABLE_LINE_SCAN keeps the byte-wise scan, so that it is built and tested here too.
#if !defined(BEDITOR_PORTABLE_LINE_SCAN) && \
    (defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2))
#define BEDITOR_SSE2_LINE_SCAN 1
#include <emmintrin.h>
#endif

#include "core/file_access.h"
#include "core/file_errors.h"

namespace beditor {
namespace {

// Zero bytes after the text: the scan reads whole blocks of 64 and stops at the first NUL.
constexpr std::size_t kScanPadding = 64;

#if defined(BEDITOR_SSE2_LINE_SCAN)
__m128i Load16(const char* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }

// Bit i set when byte i of the 16 at `at` is CR, LF or NUL.
std::uint64_t LineBreakBits16(const char* at) {
  const __m128i bytes = Load16(at);
  const __m128i breaks = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')),
                                                   _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n'))),
                                      _mm_cmpeq_epi8(bytes, _mm_setzero_si128()));
  return static_cast<unsigned>(_mm_movemask_epi8(breaks));
}

// Bit i set when byte i of the 64 at `at` is CR, LF or NUL. Within a long line a cheaper
// test passes the block: no byte of it is 13 or below.
std::uint64_t LineBreakBits(const char* at) {
  __m128i least = Load16(at);
  for (int block = 1; block < 4; ++block) least = _mm_min_epu8(least, Load16(at + 16 * block));
  const __m128i low = _mm_cmpeq_epi8(_mm_min_epu8(least, _mm_set1_epi8(13)), least);
  if (_mm_movemask_epi8(low) == 0) return 0;
  return LineBreakBits16(at) | LineBreakBits16(at + 16) << 16 | LineBreakBits16(at + 32) << 32 |
         LineBreakBits16(at + 48) << 48;
}
#endif

// Where each line of `text` ends. The text is followed by kScanPadding NUL bytes; its first
// NUL, one of those at the latest, ends it. This is the loader's inner loop, which has to
// keep up with the read itself: where the processor allows, it takes the line breaks of 64
// bytes at a time.
void LineEnds(const char* text, std::size_t size, std::vector<std::size_t>& ends) {
  ends.clear();
  // Enough for lines of 16 bytes on average, so that ordinary text never regrows the
  // index; room not used is never touched.
  ends.reserve(size / 16 + 1);
  std::size_t lineStart = 0;
  std::size_t pairedLf = std::string::npos;  // the LF of a CR LF pair
  // Takes the CR, LF or NUL at `at`; false at the NUL that ends the text.
  const auto take = [&](std::size_t at) {
    const char byte = text[at];
    if (byte == '\n' && at == pairedLf) {
      lineStart = at + 1;
      return true;
    }
    if (byte == '\0') {
      if (at != lineStart) ends.push_back(at);
      return false;
    }
    ends.push_back(at);
    lineStart = at + 1;
    if (byte == '\r') pairedLf = at + 1;
    return true;
  };
#if defined(BEDITOR_SSE2_LINE_SCAN)
  for (std::size_t block = 0;; block += 64)
    for (std::uint64_t bits = LineBreakBits(text + block); bits != 0; bits &= bits - 1)
      if (!take(block + static_cast<std::size_t>(std::countr_zero(bits)))) return;
#else
  for (std::size_t at = 0;; ++at) {
    at += std::strcspn(text + at, "\r\n");  // stops at NUL too
    if (!take(at)) return;
  }
#endif
}

std::vector<std::string> MakeLines(const char* text, const std::vector<std::size_t>& ends) {
  std::vector<std::string> lines;
  lines.reserve(ends.size());
  std::size_t start = 0;
  for (const std::size_t end : ends) {
    lines.emplace_back(text + start, end - start);
    // The next line starts after this one's line break: CR LF, CR or LF.
    start = end + (text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::string text(bytes);
  text.append(kScanPadding, '\0');
  std::vector<std::size_t> ends;
  LineEnds(text.c_str(), bytes.size(), ends);
  return MakeLines(text.c_str(), ends);
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::string bytes;
  bytes.reserve(size);
  for (const auto& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

void LineList::LoadLines(const std::filesystem::path& path) {
  std::shared_ptr<char[]> bytes;
  const std::size_t size = ReadWholeFileInto(path, [&bytes](std::size_t fileSize) {
    // Left uninitialised, as the read fills it; only the padding is cleared. One heap block
    // for the bytes and the shared count.
    bytes = std::make_shared_for_overwrite<char[]>(fileSize + kScanPadding);
    return bytes.get();
  });
  bytes_ = std::move(bytes);
  capacity_ = size + kScanPadding;
  IndexBytes(size);
}

void LineList::LoadBytes(std::string_view bytes) {
  const std::size_t needed = bytes.size() + kScanPadding;
  if (!bytes_ || bytes_.use_count() != 1 || capacity_ < needed) {
    bytes_ = std::make_shared_for_overwrite<char[]>(needed);
    capacity_ = needed;
  }
  // Moved, not copied: the bytes may be a view of this very list.
  if (!bytes.empty()) std::memmove(bytes_.get(), bytes.data(), bytes.size());
  IndexBytes(bytes.size());
}

void LineList::IndexBytes(std::size_t size) {
  std::memset(bytes_.get() + size, 0, kScanPadding);
  LineEnds(bytes_.get(), size, ends_);
  lines_.clear();
}

void LineList::MakeStrings() const {
  if (!Loaded()) return;
  lines_ = MakeLines(bytes_.get(), ends_);
  bytes_.reset();
  capacity_ = 0;
  ends_ = {};
}

void LineList::SaveLines(const std::filesystem::path& path) const {
  MakeStrings();
  ReplaceFileContents(path, JoinLines(lines_));
}

const std::vector<std::string>& LineList::Lines() const {
  MakeStrings();
  return lines_;
}

void LineList::CheckIndex(int index) const {
  if (index < 0 || index >= LineCount()) throw ListIndexError(index);
}

const std::string& LineList::LineAt(int index) const {
  CheckIndex(index);
  MakeStrings();
  return lines_[static_cast<std::size_t>(index)];
}

void LineList::ReplaceLine(int index, std::string text) {
  CheckIndex(index);
  MakeStrings();
  lines_[static_cast<std::size_t>(index)] = std::move(text);
}

int LineList::AppendLine(std::string text) {
  MakeStrings();
  lines_.push_back(std::move(text));
  return LineCount() - 1;
}

}  // namespace beditor
