#pragma once

#include <QRegularExpression>
#include <QTranslator>

// A made-up language for finding words that bypass translation and boxes too small for a longer language:
// every text comes back as "⟦Pséüdöö téxt⟧", its letters accented, its vowels doubled until it is about
// 40 % longer, and bracketed. %1 to %99, %L1, %n, & mnemonics (on their accented letter; "&&" too), HTML tags
// and entities and the line breaks stay as they are; the same text always comes back the same.
class PseudoTranslator final : public QTranslator
{
public:
    static constexpr QChar open = u'⟦';
    static constexpr QChar close = u'⟧';

    static QString Pseudo(const QString& source)
    {
        static const QString plain = QStringLiteral("aeiouyAEIOUYcnszCNSZ");
        static const QString accented = QStringLiteral("áéíöüýÁÉÍÖÜÝçñšžÇÑŠŽ");
        static const QRegularExpression kept(QStringLiteral(R"(%L?(?:\d+|n)|&&|&#?\w+;|<[^>]*>|\n)"));
        QString text;
        double owed = 0; // the padding still to add, in characters
        qsizetype done = 0;
        const auto pad = [&] {
            for (; owed >= 1; owed -= 1)
                text += u'~';
        };
        const auto letters = [&](qsizetype end) {
            for (; done < end; ++done) {
                const QChar c = source[done];
                const qsizetype at = plain.indexOf(c);
                text += at < 0 ? c : accented[at];
                owed += 0.4;
                if (at >= 0 && at < 12 && owed >= 1) { // a vowel: doubled
                    text += accented[at];
                    owed -= 1;
                }
            }
        };
        for (const QRegularExpressionMatch& match : kept.globalMatch(source)) {
            letters(match.capturedStart());
            if (match.captured() == QLatin1String("\n"))
                pad();
            text += match.captured();
            done = match.capturedEnd();
        }
        letters(source.size());
        pad();
        // Inside the leading and trailing tags, so that rich text stays rich text.
        static const QRegularExpression edges(QStringLiteral(R"(^((?:<[^>]*>\s*)*)(.*?)((?:\s*<[^>]*>)*)$)"),
                                              QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch parts = edges.match(text);
        return parts.captured(1) + open + parts.captured(2) + close + parts.captured(3);
    }

    // What is left of text once every bracketed part is taken out: words that bypassed translation.
    static QString Unmarked(const QString& text)
    {
        QString left;
        int depth = 0;
        for (const QChar c : text) {
            depth += c == open ? 1 : 0;
            if (depth == 0)
                left += c;
            depth -= c == close && depth > 0 ? 1 : 0;
        }
        return left;
    }

    bool isEmpty() const override { return false; }

    QString translate(const char*, const char* source, const char* = nullptr, int = -1) const override
    {
        return source && *source ? Pseudo(QString::fromUtf8(source)) : QString();
    }
};
