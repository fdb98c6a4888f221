#pragma once
// Which file held a value first: the check's test for two fighters with the same identity.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace beditor::roster {

// A hash table of its own rather than std::unordered_map: every file of a roster asks it
// twice, and the standard table's division per step and heap block per value cost more than
// reading the file. Open addressing in a power-of-two table; the values lie in one string.
template <typename Holder>
class FirstHolders {
 public:
  explicit FirstHolders(std::size_t expected) {
    std::size_t size = 16;
    while (size < 2 * expected) size *= 2;
    slots_.resize(size);
  }

  // The holder that held `value` first, or nothing when it is `holder`, now the first.
  const Holder* Add(std::string_view value, const Holder* holder) {
    if (2 * (count_ + 1) > slots_.size()) Grow();
    const std::uint64_t hash = std::hash<std::string_view>()(value);
    Slot& slot = Find(value, hash);
    if (slot.holder) return slot.holder;
    slot = {hash, values_.size(), value.size(), holder};
    values_ += value;
    ++count_;
    return nullptr;
  }

 private:
  struct Slot {
    std::uint64_t hash = 0;
    std::size_t at = 0;  // of the value in values_
    std::size_t size = 0;
    const Holder* holder = nullptr;  // none: an empty slot
  };

  Slot& Find(std::string_view value, std::uint64_t hash) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      Slot& slot = slots_[i];
      if (!slot.holder) return slot;
      if (slot.hash == hash && std::string_view(values_).substr(slot.at, slot.size) == value) return slot;
    }
  }

  void Grow() {
    std::vector<Slot> old(2 * slots_.size());
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
      if (!slot.holder) continue;
      std::size_t i = slot.hash & mask;
      while (slots_[i].holder) i = (i + 1) & mask;
      slots_[i] = slot;
    }
  }

  std::vector<Slot> slots_;
  std::string values_;
  std::size_t count_ = 0;
};

}  // namespace beditor::roster
