#pragma once
// The entries each choice field's list shows, as the editor fills its boxes: the weight list
// of the mode, the style list of the configured language, and the fixed lists.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/fighter_layout.h"
#include "roster_rules/roster_context.h"

namespace beditor::roster {

class ChoiceLists {
 public:
  // Reads the weight list (the built-in one when its file is missing, as the editor does)
  // and the style list. Throws UnreadableFolderError when Config.txt or the style list
  // cannot be read.
  static ChoiceLists Read(const RosterContext& context);

  ChoiceLists(std::vector<std::string> weights, std::vector<std::string> styles);

  // The entries as UTF-8 text, in list order.
  const std::vector<std::string>& Entries(record::ChoiceList list) const {
    return entries_[static_cast<std::size_t>(list)];
  }

  // The position of the first entry equal to `text`, or -1.
  int PositionOf(record::ChoiceList list, std::string_view text) const;

 private:
  std::array<std::vector<std::string>, 7> entries_;
};

}  // namespace beditor::roster
