#pragma once

#include <algorithm>
#include <iterator>
#include <QCoreApplication>
#include <QString>

// The hearing check's verdicts and their words, read by the core (the verdicts), the bus (what it carries),
// the window (what it shows) and tessalyctl (what it prints). A header alone: tessalyctl links nothing of
// the program.

enum class LinkVerdict
{
    Ok,
    Broken,
    NotChecked,
};

// A verdict's words: the name scripts read (the bus's values, tessalyctl --json), never translated; the word
// in tessalyctl's column; the window's label, words a screen reader says where a mark would be skipped.
struct VerdictWords
{
    LinkVerdict verdict;
    const char* name;
    const char* word;
    const char* label;
};

// The words' context for translation; lupdate reads it only as written out in each mark below.
inline constexpr const char* HearingWordsContext = "HearingCheck";

inline constexpr VerdictWords verdictWords[] = {
    {LinkVerdict::Ok, "ok", QT_TRANSLATE_NOOP("HearingCheck", "ok"), QT_TRANSLATE_NOOP("HearingCheck", "OK")},
    {LinkVerdict::Broken, "broken", QT_TRANSLATE_NOOP("HearingCheck", "broken"),
     QT_TRANSLATE_NOOP("HearingCheck", "Broken")},
    {LinkVerdict::NotChecked, "not-checked", QT_TRANSLATE_NOOP("HearingCheck", "not checked"),
     QT_TRANSLATE_NOOP("HearingCheck", "Not checked")},
};

inline const VerdictWords& WordsFor(LinkVerdict verdict)
{
    return *std::find_if(std::begin(verdictWords), std::end(verdictWords),
                         [verdict](const VerdictWords& words) { return words.verdict == verdict; });
}

// The words of the verdict the bus names so; null for a name this copy does not know.
inline const VerdictWords* WordsNamed(const QString& name)
{
    const auto named =
        std::find_if(std::begin(verdictWords), std::end(verdictWords),
                     [&name](const VerdictWords& words) { return name == QLatin1String(words.name); });
    return named == std::end(verdictWords) ? nullptr : named;
}

inline QString VerdictLabel(LinkVerdict verdict)
{
    return QCoreApplication::translate(HearingWordsContext, WordsFor(verdict).label);
}

// One link of the hearing check as the bus carries it, a(sss): its name ("on-air"), its verdict's name and
// its words, in English.
struct CheckedLink
{
    QString link;
    QString verdict;
    QString text;
    // Not carried: for a link tessalyctl makes itself, its words in the user's language.
    QString shown = {};
};
