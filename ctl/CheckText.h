#pragma once

#include "state/HearingWords.h"

#include <QByteArray>
#include <QList>
#include <QString>

// tessalyctl's own first link: whether the program answered at all.
CheckedLink programLink(const QString& problem = {});

// One line a link, in order: the verdict in a column of its own, then the words.
QString checkText(const QList<CheckedLink>& links);
// {"ok": all hold, "firstBroken": the first broken link's name or null, "links": [{link, verdict, text}]}.
QByteArray checkJson(const QList<CheckedLink>& links);
bool allHold(const QList<CheckedLink>& links);
