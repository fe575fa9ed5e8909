#include "ctl/CheckText.h"

#include "ctl/StatusText.h"
#include "state/HearingTexts.h"
#include "state/PersonTextMatch.h"

#include <algorithm>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString broken = QString::fromLatin1(WordsFor(LinkVerdict::Broken).name);

// A verdict as the user reads it; one this copy does not know, from a newer program, as the bus names it.
QString VerdictShown(const QString& verdict)
{
    const VerdictWords* words = WordsNamed(verdict);
    return words ? QCoreApplication::translate(HearingWordsContext, words->word) : verdict;
}

QString WordsShown(const CheckedLink& link)
{
    if (!link.shown.isEmpty())
        return link.shown;
    return PersonTextMatch::FromEnglish(link.text, HearingWordsContext, HearingText::all).Translated();
}

} // namespace

CheckedLink programLink(const QString& problem)
{
    if (problem.isEmpty())
        return programLink(PersonText());
    return {QStringLiteral("program"), broken, problem, problem};
}

CheckedLink programLink(const PersonText& problem)
{
    const QString english = problem.English();
    if (!english.isEmpty())
        return {QStringLiteral("program"), broken, english, problem.Translated()};
    //: tessalyctl check's first line: the program answered over the session bus
    const char* answers = QT_TRANSLATE_NOOP("CheckText", "Tessaly answers");
    return {QStringLiteral("program"), QString::fromLatin1(WordsFor(LinkVerdict::Ok).name),
            QString::fromUtf8(answers), QCoreApplication::translate("CheckText", answers)};
}

QString checkText(const QList<CheckedLink>& links)
{
    // The verdicts' column is as wide as the widest of them in this language, and two more.
    int column = 0;
    for (const VerdictWords& words : verdictWords)
        column = std::max(column, ColumnsOf(QCoreApplication::translate(HearingWordsContext, words.word)));
    QString text;
    for (const CheckedLink& link : links)
        text += PaddedTo(VerdictShown(link.verdict), column + 2) + WordsShown(link) + QLatin1Char('\n');
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
