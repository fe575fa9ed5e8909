#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One link of the hearing check as the bus hands it over: its name ("on-air"), its verdict ("ok", "broken"
// or "not-checked") and its words.
struct CheckedLink
{
    QString link;
    QString verdict;
    QString text;
};

// tessalyctl's own first link: whether the program answered at all.
CheckedLink programLink(const QString& problem = {});

// One line a link, in order: the verdict in a column of its own, then the words.
QString checkText(const QList<CheckedLink>& links);
// {"ok": all hold, "firstBroken": the first broken link's name or null, "links": [{link, verdict, text}]}.
QByteArray checkJson(const QList<CheckedLink>& links);
bool allHold(const QList<CheckedLink>& links);
