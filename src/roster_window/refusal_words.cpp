#include "roster_window/refusal_words.h"

#include <QCoreApplication>

namespace beditor {
namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QString RefusalWords(const roster::Refusal& refusal, const QString& fieldCaption) {
  using roster::RefusalKind;
  const QString value = Utf8(refusal.value);
  switch (refusal.kind) {
    case RefusalKind::FileNameHasNul: return QCoreApplication::translate("RefusalWords", "%1: a NUL cannot be part of a file name").arg(fieldCaption);
    case RefusalKind::LeavesFighters: return QCoreApplication::translate("RefusalWords", "%1: \"%2\" leaves the Fighters folder").arg(fieldCaption, value);
    case RefusalKind::NamedTwice:
      return QCoreApplication::translate("RefusalWords", "%1: \"%2\" is also the file of another edited fighter").arg(fieldCaption, value);
    case RefusalKind::FileUnreadable: return QCoreApplication::translate("RefusalWords", "%1: the file cannot be read: %2").arg(fieldCaption, value);
    case RefusalKind::AlreadyExists: return QCoreApplication::translate("RefusalWords", "%1: %2 already exists").arg(fieldCaption, value);
    case RefusalKind::NotAnAbility:
      return QCoreApplication::translate("RefusalWords", "%1: \"%2\" is not an integer from %3 to %4")
          .arg(fieldCaption, value)
          .arg(refusal.low)
          .arg(refusal.high);
    case RefusalKind::NotAChoice:
      return QCoreApplication::translate("RefusalWords", "%1: \"%2\" is neither an entry of the list nor an integer").arg(fieldCaption, value);
    case RefusalKind::NoGroundGamePlanInJex:
      return QCoreApplication::translate("RefusalWords", "%1: JEX fighters cannot have the Go to the ground game plan").arg(fieldCaption);
    case RefusalKind::LineBreak:
      return QCoreApplication::translate("RefusalWords", "%1: a line break cannot go into a line of a fighter file").arg(fieldCaption);
    case RefusalKind::NotWindows1252:
      return QCoreApplication::translate("RefusalWords", "%1: \"%2\" is a character a fighter file cannot hold").arg(fieldCaption, value);
    case RefusalKind::NoCategoryFolder:
      return QCoreApplication::translate("RefusalWords", "%1: \"%2\" has no category folder in %3 mode")
          .arg(fieldCaption, value, refusal.game == record::Game::JEX ? QStringLiteral("JEX") : QStringLiteral("TAV"));
    case RefusalKind::NeededForNewFighter: return QCoreApplication::translate("RefusalWords", "%1: a new fighter needs this field").arg(fieldCaption);
    case RefusalKind::NotAFileName: return QCoreApplication::translate("RefusalWords", "%1: \"%2\" cannot name a fighter file").arg(fieldCaption, value);
  }
  return fieldCaption;
}

}  // namespace beditor
