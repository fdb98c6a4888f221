#include "roster_rules/refusal_text.h"

#include "roster_rules/quoted_text.h"

namespace beditor::roster {
namespace {

std::string Sentence(const Refusal& refusal) {
  const record::FieldLayout* field = refusal.field ? &record::LayoutOf(*refusal.field) : nullptr;
  switch (refusal.kind) {
    case RefusalKind::FileNameHasNul: return "a NUL cannot be part of a file name";
    case RefusalKind::LeavesFighters: return Quoted(refusal.value) + " leaves the Fighters folder";
    case RefusalKind::NamedTwice:
      return Quoted(refusal.value) + " is also named by row " + std::to_string(refusal.otherRow);
    case RefusalKind::FileUnreadable: return refusal.value;
    case RefusalKind::AlreadyExists: return refusal.value + " already exists";
    case RefusalKind::NotAnAbility:
      return Quoted(refusal.value) + " is not an integer from " + std::to_string(refusal.low) + " to " +
             std::to_string(refusal.high);
    case RefusalKind::NotAChoice:
      return Quoted(refusal.value) + " is neither an entry of the " + (field ? field->title : "") +
             " list nor an integer";
    case RefusalKind::NoGroundGamePlanInJex: return "JEX fighters cannot have the Go to the ground game plan";
    case RefusalKind::LineBreak: return "a line break or NUL cannot go into a line of a fighter file";
    case RefusalKind::NotWindows1252: return Quoted(refusal.value) + " is a character Windows-1252 cannot hold";
    case RefusalKind::NoCategoryFolder:
      return Quoted(refusal.value) + " has no category folder in " +
             (refusal.game == record::Game::JEX ? "JEX" : "TAV") + " mode";
    case RefusalKind::NeededForNewFighter: return std::string("a new fighter needs a ") + (field ? field->title : "");
    case RefusalKind::NotAFileName: return Quoted(refusal.value) + " cannot name a fighter file";
  }
  return {};
}

}  // namespace

std::string EnglishRefusal(const Refusal& refusal) {
  // The file cell's own problems say "file:"; a file named twice or already there is named
  // by itself.
  std::string prefix;
  if (refusal.field)
    prefix = std::string(record::LayoutOf(*refusal.field).column) + ": ";
  else if (refusal.kind == RefusalKind::FileNameHasNul || refusal.kind == RefusalKind::LeavesFighters ||
           refusal.kind == RefusalKind::FileUnreadable)
    prefix = "file: ";
  return prefix + Sentence(refusal);
}

}  // namespace beditor::roster
