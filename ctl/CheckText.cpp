#include "ctl/CheckText.h"

#include <algorithm>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString broken = QStringLiteral("broken");

} // namespace

CheckedLink programLink(const QString& problem)
{
    if (problem.isEmpty())
        return {QStringLiteral("program"), QStringLiteral("ok"), QStringLiteral("Tessaly answers")};
    return {QStringLiteral("program"), broken, problem};
}

QString checkText(const QList<CheckedLink>& links)
{
    QString text;
    for (const CheckedLink& link : links) {
        const QString verdict =
            link.verdict == QLatin1String("not-checked") ? QStringLiteral("not checked") : link.verdict;
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
