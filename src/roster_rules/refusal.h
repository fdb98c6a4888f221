#pragma once
// Why the roster's rules refuse a cell or a row of an import, as data: the row, the field, the
// kind and the values a sentence needs. Each program words it itself: the tool in English for
// scripts (refusal_text.h), the window in the player's language.
#include <optional>
#include <string>

#include "core/fighter_layout.h"

namespace beditor::roster {

enum class RefusalKind {
  // The row's file cell.
  FileNameHasNul,  // a NUL in the file cell
  LeavesFighters,  // value: the file cell, which leads out of Fighters/
  NamedTwice,      // value: the file; otherRow: the row that named it first
  FileUnreadable,  // value: why, as the system says it
  AlreadyExists,   // value: the file a move or a new fighter would make, as messages name it
  // A field's cell.
  NotAnAbility,           // value: the cell; low, high: the range
  NotAChoice,             // value: the cell; the field's list
  NoGroundGamePlanInJex,  // a JEX fighter cannot have the "Go to the ground" game plan
  LineBreak,              // a line break or NUL in a text cell
  NotWindows1252,         // value: the first character Windows-1252 lacks
  NoCategoryFolder,       // value: the cell; game: the mode, which has no folder for it
  NeededForNewFighter,    // a new fighter's field left empty
  NotAFileName,           // value: the full name, which cannot name a fighter file
};

struct Refusal {
  int row = 0;                          // the caller's number of the row
  std::optional<record::Field> field;   // nothing for the row's file cell
  RefusalKind kind = RefusalKind::FileUnreadable;
  std::string value;                    // UTF-8; see the kind
  int otherRow = 0;                     // NamedTwice
  int low = record::kLowestAbility;     // NotAnAbility
  int high = record::kHighestAbility;
  record::Game game = record::Game::TAV;  // NoCategoryFolder
};

}  // namespace beditor::roster
