#pragma once
// The columns of the roster's CSV file, as `export` writes them and `import` reads them.
#include <array>
#include <string>
#include <vector>

namespace beditor::roster {

constexpr const char* kFileColumn = "file";
// Information only: `import` ignores them.
constexpr std::array<const char*, 6> kRatingColumns = {"rating_ground",  "rating_striking", "rating_defense",
                                                        "rating_fitness", "rating_mental",   "rating_overall"};

// file, the fields in the layout table's order, the ratings.
std::vector<std::string> ExportHeader();

}  // namespace beditor::roster
