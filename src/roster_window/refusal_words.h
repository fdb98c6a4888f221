#pragma once
// A refused edit in the window's language, built from the refusal's kind and values: the
// field's caption as its column is headed, the value, the allowed range or list. The
// command-line tool keeps its own English sentence (roster_rules/refusal_text.h).
#include <QString>

#include "roster_rules/refusal.h"

namespace beditor {

QString RefusalWords(const roster::Refusal& refusal, const QString& fieldCaption);

}  // namespace beditor
