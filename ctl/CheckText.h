#pragma once

#include "state/HearingWords.h"
#include "state/PersonText.h"

#include <QByteArray>
#include <QList>
#include <QString>

// tessalyctl's own first link: whether the program answered at all. The problem is English in --json and
// in the user's language on the terminal; a plain QString is printed as it is on both.
CheckedLink programLink(const QString& problem = {});
CheckedLink programLink(const PersonText& problem);

// One line a link, in order: the verdict in a column of its own, then the words, both in the user's
// language. The program's words come in English; those made from state/HearingTexts.h's templates are
// shown translated, any other (a newer program's) as they came.
QString checkText(const QList<CheckedLink>& links);
// {"ok": all hold, "firstBroken": the first broken link's name or null, "links": [{link, verdict, text}]},
// in English whatever the language.
QByteArray checkJson(const QList<CheckedLink>& links);
bool allHold(const QList<CheckedLink>& links);
