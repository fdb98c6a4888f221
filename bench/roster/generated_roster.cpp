#include "generated_roster.h"

#include <array>
#include <fstream>
#include <map>
#include <random>
#include <stdexcept>

#include "core/fighter_layout.h"
#include "core/fighter_record.h"
#include "core/file_access.h"
#include "core/line_list.h"

namespace beditor::bench {
namespace {

class WorkFolder {
 public:
  WorkFolder() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() / ("beditor-roster-bench-" + std::to_string(seed()));
    if (!std::filesystem::create_directory(path_)) throw std::runtime_error("no temporary folder");
  }
  ~WorkFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

void Write(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string FighterBytes(int number, std::mt19937& random, int category, int teams) {
  std::uniform_int_distribution<int> ability(1, 20);
  std::vector<std::string> lines(36);
  for (int line = 0; line < 17; ++line) lines[static_cast<std::size_t>(line)] = std::to_string(ability(random));
  const std::string name = "Fighter " + std::to_string(number);
  lines[17] = name;
  // Appended, and single characters assigned: GCC 12 misreads the plain forms as overlapping copies.
  lines[18].assign(1, 'F').append(std::to_string(number));
  lines[19] = std::to_string(1 + number % 5);
  lines[20] = std::to_string(category - 1);
  lines[21] = std::to_string(160 + number % 40) + " cm";
  lines[22] = std::to_string(60 + number % 60) + " kg";
  lines[23] = std::to_string(ability(random));
  lines[24] = "Nation " + std::to_string(number % 90);
  lines[25] = "01/02/19" + std::to_string(70 + number % 30);
  lines[26] = std::to_string(100000 + number);
  lines[27] = std::to_string(number % 5);
  lines[28] = std::to_string(number % 3);
  lines[29] = std::to_string(number % 3);
  lines[30].assign(1, '0');
  lines[31] = number % 4 == 0 ? "0" : "Team " + std::to_string(number % teams);
  lines[32] = std::to_string(number % 3);
  lines[33] = std::to_string(number % 5);
  lines[34].assign(1, '0');
  return JoinLines(lines);
}

// The generated fighter's file, in its category folder.
std::filesystem::path FighterFile(const std::filesystem::path& folder, int number) {
  const auto& folders = record::kTavFolders;
  return folder / "Fighters" / folders[static_cast<std::size_t>(number) % folders.size()] /
         ("Fighter " + std::to_string(number) + ".txt");
}

std::string WithLine(std::string bytes, int line, const std::string& text) {
  std::size_t start = 0;
  for (int i = 0; i < line; ++i) start = bytes.find("\r\n", start) + 2;
  return bytes.replace(start, bytes.find("\r\n", start) - start, text);
}

}  // namespace

const GeneratedRoster& Roster(int count) {
  static WorkFolder work;
  static std::map<int, GeneratedRoster> rosters;
  auto [entry, added] = rosters.try_emplace(count);
  if (!added) return entry->second;
  GeneratedRoster& roster = entry->second;
  roster.folder = work.Path() / ("roster-" + std::to_string(count));
  const auto& folders = record::kTavFolders;
  for (const char* folder : folders) std::filesystem::create_directories(roster.folder / "Fighters" / folder);
  std::filesystem::create_directories(roster.folder / "Team");
  Write(roster.folder / "Config.txt", "EN\r\n");
  Write(roster.folder / "EN-estilo.txt", "Clean\r\nNormal\r\nDirty\r\n");
  std::string weights;
  for (const char* weight : record::kBuiltInWeights) weights += std::string(weight) + "\r\n";
  Write(roster.folder / "TAV Weights.txt", weights);
  constexpr int kTeams = 200;
  for (int team = 0; team < kTeams; ++team)
    Write(roster.folder / "Team" / ("Team " + std::to_string(team) + ".txt"), "0\r\n0\r\n0\r\n");

  std::mt19937 random(12345);
  for (int number = 0; number < count; ++number) {
    const int category = number % static_cast<int>(folders.size());
    const auto path = roster.folder / "Fighters" / folders[static_cast<std::size_t>(category)] /
                      ("Fighter " + std::to_string(number) + ".txt");
    const std::string bytes = FighterBytes(number, random, category, kTeams);
    Write(path, bytes);
    roster.files.push_back(path);
    roster.bytes += bytes.size();
  }
  return roster;
}

std::filesystem::path UpdateBeside(const std::filesystem::path& rosterFolder) {
  return rosterFolder.parent_path() / "update";
}

const std::filesystem::path& RosterUpdate() {
  static const std::filesystem::path update = [] {
    const auto& mine = Roster(kUpdatedFighters).folder;
    const auto folder = UpdateBeside(mine);
    std::filesystem::copy(mine, folder, std::filesystem::copy_options::recursive);
    const auto& folders = record::kTavFolders;
    const int count = static_cast<int>(folders.size());
    for (int i = 0; i < kUpdateMoved; ++i) {
      const int number = i * 7;  // any category: moved one folder on
      const int category = (number % count + 1) % count;
      const auto from = FighterFile(folder, number);
      const auto to = folder / "Fighters" / folders[static_cast<std::size_t>(category)] / from.filename();
      ReplaceFileContents(to, WithLine(ReadWholeFile(from), record::kWeightCategory, std::to_string(category - 1)));
      std::filesystem::remove(from);
    }
    for (int i = 0; i < kUpdateChanged; ++i) {
      const auto file = FighterFile(folder, 5000 + i * 7);
      const std::string bytes = ReadWholeFile(file);
      // Another punches value than the fighter's own.
      ReplaceFileContents(file, WithLine(bytes, 0, bytes.starts_with("20\r\n") ? "19" : "20"));
    }
    for (int i = 0; i < kUpdateNew; ++i) {
      const int number = kUpdatedFighters + i;
      const auto file = FighterFile(folder, number);
      std::string bytes = ReadWholeFile(FighterFile(folder, 9000 + i));
      bytes = WithLine(WithLine(bytes, 17, "Fighter " + std::to_string(number)), 26, std::to_string(100000 + number));
      ReplaceFileContents(file, WithLine(bytes, record::kWeightCategory, std::to_string(number % count - 1)));
    }
    return folder;
  }();
  return update;
}

}  // namespace beditor::bench
