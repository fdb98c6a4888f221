#pragma once
// The roster's check: what the editor would refuse, clamp or pad in each fighter file, which
// fighters sit in the wrong folder, lack their team file or repeat another's identity. Used by
// `check` and by the roster window, which marks the findings on its rows.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "roster_rules/choice_lists.h"
#include "roster_rules/fighter_view.h"
#include "roster_rules/first_holders.h"
#include "roster_rules/roster_files.h"

namespace beditor::roster {

struct Finding {
  int line;  // from 1
  bool error;
  std::string message;
};

class RosterCheck {
 public:
  RosterCheck(const RosterContext& context, ChoiceLists lists, std::size_t files)
      : context_(context), lists_(std::move(lists)), reader_(context), sherdogIds_(files), fullNames_(files) {}

  // Reads the file and checks it. The file must outlive the check: a later file with the
  // same identity names it.
  std::vector<Finding> Check(const FighterFile& file);
  // Checks a file already loaded into `fighter`, in line order.
  std::vector<Finding> CheckLoaded(const FighterFile& file, const FighterView& fighter);

 private:
  // Defined beside CheckLoaded, their one caller.
  template <typename Add>
  void CheckCategory(const record::FieldLayout& field, std::int32_t stored, long long position,
                     const std::string& folder, Add& add);
  template <typename Add>
  void CheckTeam(const record::FieldLayout& field, std::string_view stored, Add& add);

  const RosterContext& context_;
  ChoiceLists lists_;
  FighterReader reader_;
  FighterView fighter_;  // the file being checked
  std::unordered_map<std::string, bool> teamFiles_;  // by the team line's bytes
  // The first file of each identity; the files outlive the check.
  FirstHolders<FighterFile> sherdogIds_;
  FirstHolders<FighterFile> fullNames_;
};

}  // namespace beditor::roster
