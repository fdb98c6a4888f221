#include "roster_rules/choice_lists.h"

#include <algorithm>

#include "core/program_folder_lists.h"
#include "core/windows_1252.h"

namespace beditor::roster {
namespace {

template <typename Entries>
std::vector<std::string> ToUtf8(const Entries& entries) {
  std::vector<std::string> text;
  text.reserve(entries.size());
  for (const auto& entry : entries) text.push_back(Windows1252ToUtf8(entry));
  return text;
}

}  // namespace

ChoiceLists ChoiceLists::Read(const RosterContext& context) {
  std::vector<std::string> styles;
  try {
    styles = ReadStyleList(context.folder);
  } catch (const BEditorError& error) {
    throw UnreadableFolderError(std::string("the style list cannot be read: ") + error.what());
  }
  return ChoiceLists(ReadWeightList(context.folder, context.game), std::move(styles));
}

ChoiceLists::ChoiceLists(std::vector<std::string> weights, std::vector<std::string> styles) {
  using record::ChoiceList;
  const auto set = [this](ChoiceList list, std::vector<std::string> entries) {
    entries_[static_cast<std::size_t>(list)] = std::move(entries);
  };
  for (std::size_t list = 0; list < entries_.size(); ++list)
    set(static_cast<ChoiceList>(list), ToUtf8(record::BuiltInEntries(static_cast<ChoiceList>(list))));
  set(ChoiceList::Weight, ToUtf8(weights));
  set(ChoiceList::FightStyle, ToUtf8(styles));
}

int ChoiceLists::PositionOf(record::ChoiceList list, std::string_view text) const {
  const auto& entries = Entries(list);
  const auto found = std::find(entries.begin(), entries.end(), text);
  return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

}  // namespace beditor::roster
