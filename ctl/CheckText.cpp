#include "ctl/CheckText.h"

#include <algorithm>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString broken = QString::fromLatin1(WordsFor(LinkVerdict::Broken).name);

} // namespace

CheckedLink programLink(const QString& problem)
{
    if (problem.isEmpty())
        return {QStringLiteral("program"), QString::fromLatin1(WordsFor(LinkVerdict::Ok).name),
                QStringLiteral("Tessaly answers")};
    return {QStringLiteral("program"), broken, problem};
}

QString checkText(const QList<CheckedLink>& links)
{
    QString text;
    for (const CheckedLink& link : links) {
        // A verdict this copy does not know, from a newer program, is shown as the bus names it.
        const VerdictWords* words = WordsNamed(link.verdict);
        const QString verdict =
            words ? QCoreApplication::translate(HearingWordsContext, words->word) : link.verdict;
        text += verdict.leftJustified(13) + link.text + QLatin1Char('\n');
    }
    return text;
}

QByteArray checkJson(const QList<CheckedLink>& links)
{
    QJsonArray list;
    QJsonValue firstBroken = QJsonValue::Null;
    for (const CheckedLink& link : links) {
        list.append(QJsonObject{{QStringLiteral("link"), link.link},
                                {QStringLiteral("verdict"), link.verdict},
                                {QStringLiteral("text"), link.text}});
        if (link.verdict == broken && firstBroken.isNull())
            firstBroken = link.link;
    }
    const QJsonObject all{{QStringLiteral("ok"), allHold(links)},
                          {QStringLiteral("firstBroken"), firstBroken},
                          {QStringLiteral("links"), list}};
    return QJsonDocument(all).toJson(QJsonDocument::Compact) + '\n';
}

bool allHold(const QList<CheckedLink>& links)
{
    return std::none_of(links.begin(), links.end(),
                        [](const CheckedLink& link) { return link.verdict == broken; });
}
