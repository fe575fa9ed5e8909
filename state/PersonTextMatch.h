#pragma once

#include "state/PersonText.h"

#include <algorithm>
#include <QRegularExpression>
#include <span>
#include <vector>

// Words that came in English (over the bus) taken back to the PersonText they were made from, so that a
// person reads them in their own language: the English is matched against templates of one context, each
// %N standing for any text, and what stood there is matched again in turn (a problem and its fix are two
// texts of the table); what matches no template stays as it came, a name or a number, or words of a newer
// program. A header alone: tessalyctl links nothing of the program.
namespace PersonTextMatch {

// The template's words without its %N: the more a template spells out, the sooner it is tried, so that
// "send it to %1" wins over "send %1 to %2" and "%1: %2" comes last.
inline qsizetype Spelled(const char* source)
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    return QString::fromUtf8(source).remove(placeholder).size();
}

// source as a pattern that matches its English with any text at each %N; numbers: which %N each capture
// stands for.
inline QRegularExpression Pattern(const char* source, std::vector<int>& numbers)
{
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    const QString text = QString::fromUtf8(source);
    QString pattern = QStringLiteral("^");
    qsizetype at = 0;
    for (QRegularExpressionMatchIterator found = placeholder.globalMatch(text); found.hasNext();) {
        const QRegularExpressionMatch one = found.next();
        pattern +=
            QRegularExpression::escape(text.mid(at, one.capturedStart() - at)) + QStringLiteral("(.*)");
        numbers.push_back(one.captured(1).toInt());
        at = one.capturedEnd();
    }
    pattern += QRegularExpression::escape(text.mid(at)) + QLatin1Char('$');
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
}

inline PersonText FromEnglish(const QString& english, const char* context,
                              std::span<const char* const> sources)
{
    std::vector<const char*> tried(sources.begin(), sources.end());
    std::stable_sort(tried.begin(), tried.end(),
                     [](const char* one, const char* other) { return Spelled(one) > Spelled(other); });
    for (const char* source : tried) {
        std::vector<int> numbers;
        const QRegularExpressionMatch match = Pattern(source, numbers).match(english);
        if (!match.hasMatch())
            continue;
        PersonText words{context, source, {}, {}};
        words.arguments.resize(numbers.empty() ? 0
                                               : size_t(*std::max_element(numbers.begin(), numbers.end())));
        for (size_t capture = 0; capture < numbers.size(); ++capture)
            words.arguments[size_t(numbers[capture] - 1)] =
                FromEnglish(match.captured(int(capture) + 1), context, sources);
        return words;
    }
    return PersonText::Plain(english);
}

} // namespace PersonTextMatch
