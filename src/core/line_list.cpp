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

// Bit i set when byte i of the 16 is `byte`.
std::uint64_t BitsOf(__m128i bytes, char byte) {
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(byte))));
}

// The CR, LF and NUL bytes of a block of 64, a bit each.
struct BreakBits {
  std::uint64_t cr = 0;
  std::uint64_t lf = 0;
  std::uint64_t nul = 0;
};

// Within a long line a cheaper test passes the block: no byte of it is 13 or below.
BreakBits LineBreakBits(const char* at) {
  __m128i least = Load16(at);
  for (int block = 1; block < 4; ++block) least = _mm_min_epu8(least, Load16(at + 16 * block));
  const __m128i low = _mm_cmpeq_epi8(_mm_min_epu8(least, _mm_set1_epi8(13)), least);
  if (_mm_movemask_epi8(low) == 0) return {};
  BreakBits bits;
  for (int block = 0; block < 4; ++block) {
    const __m128i bytes = Load16(at + 16 * block);
    bits.cr |= BitsOf(bytes, '\r') << (16 * block);
    bits.lf |= BitsOf(bytes, '\n') << (16 * block);
    bits.nul |= BitsOf(bytes, '\0') << (16 * block);
  }
  return bits;
}
#endif

// Where each line of `text` ends, into `ends`. The text is followed by kScanPadding NUL
// bytes; its first NUL, one of those at the latest, ends it. This is the loader's inner loop,
// which has to keep up with the read itself: where the processor allows, it takes the line
// breaks of 64 bytes at a time, pairing CR with LF by bit masks rather than byte by byte.
void LineEnds(const char* text, std::size_t size, std::vector<std::size_t>& ends) {
  ends.clear();
  // Enough for lines of 16 bytes on average, so that ordinary text never regrows the
  // index; room not used is never touched.
  ends.reserve(size / 16 + 1);
  std::size_t textEnd = 0;  // the first NUL
#if defined(BEDITOR_SSE2_LINE_SCAN)
  std::uint64_t crBefore = 0;  // 1 when the block before ended in CR
  for (std::size_t block = 0;; block += 64) {
    const BreakBits bits = LineBreakBits(text + block);
    // A line ends at each CR, and at each LF that does not complete a CR LF pair.
    std::uint64_t lineEnds = bits.cr | (bits.lf & ~(bits.cr << 1 | crBefore));
    crBefore = bits.cr >> 63;
    if (bits.nul != 0) lineEnds &= (bits.nul & (~bits.nul + 1)) - 1;  // those before the first NUL
    for (; lineEnds != 0; lineEnds &= lineEnds - 1)
      ends.push_back(block + static_cast<std::size_t>(std::countr_zero(lineEnds)));
    if (bits.nul != 0) {
      textEnd = block + static_cast<std::size_t>(std::countr_zero(bits.nul));
      break;
    }
  }
#else
  std::size_t pairedLf = std::string::npos;  // the LF of a CR LF pair
  for (std::size_t at = 0;; ++at) {
    at += std::strcspn(text + at, "\r\n");  // stops at NUL too
    if (text[at] == '\0') {
      textEnd = at;
      break;
    }
    if (text[at] == '\n' && at == pairedLf) continue;
    ends.push_back(at);
    if (text[at] == '\r') pairedLf = at + 1;
  }
#endif
  // A last line that no line break ends.
  const std::size_t lastStart = ends.empty() ? 0 : NextLineStart(text, ends.back());
  if (textEnd > lastStart) ends.push_back(textEnd);
}

std::vector<std::string> MakeLines(const char* text, const std::vector<std::size_t>& ends) {
  std::vector<std::string> lines;
  lines.reserve(ends.size());
  std::size_t start = 0;
  for (const std::size_t end : ends) {
    lines.emplace_back(text + start, end - start);
    start = NextLineStart(text, end);
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
  formerBytes_.reset();
  capacity_ = size + kScanPadding;
  IndexBytes(size);
}

void LineList::LoadBytes(std::string_view bytes) {
  const std::size_t needed = bytes.size() + kScanPadding;
  // The bytes kept for former views are free memory now that the list changes.
  if (!bytes_) bytes_ = std::move(formerBytes_);
  formerBytes_.reset();
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

void LineList::FirstLineViews(std::span<std::string_view> views) const {
  if (views.empty()) return;
  CheckIndex(static_cast<int>(views.size()) - 1);
  if (!Loaded()) {
    for (std::size_t i = 0; i < views.size(); ++i) views[i] = lines_[i];
    return;
  }
  const char* text = bytes_.get();
  std::size_t start = 0;
  for (std::size_t i = 0; i < views.size(); ++i) {
    const std::size_t end = ends_[i];
    views[i] = std::string_view(text + start, end - start);
    start = NextLineStart(text, end);
  }
}

void LineList::MakeStrings() const {
  if (!Loaded()) return;
  lines_ = MakeLines(bytes_.get(), ends_);
  // A const call must not take the bytes from under the views handed out before.
  formerBytes_ = std::move(bytes_);
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
  formerBytes_.reset();
  lines_[static_cast<std::size_t>(index)] = std::move(text);
}

int LineList::AppendLine(std::string text) {
  MakeStrings();
  formerBytes_.reset();
  lines_.push_back(std::move(text));
  return LineCount() - 1;
}

}  // namespace beditor
