#pragma once

#include <functional>
#include <QCoreApplication>
#include <QString>
#include <QTranslator>
#include <vector>

// Words made where the language is not known yet: the bus and --json carry them in English, the window
// in the user's language and the page in its browser's. The source is marked with QT_TRANSLATE_NOOP where
// it is written; its %1, %2, %3 (three at most) are other texts of the same kind, or plain ones (names,
// numbers) kept as they are. A header alone, as tessalyctl links nothing of the program.
struct PersonText
{
    const char* context = nullptr; // null for a plain text
    const char* source = nullptr;
    QString plain;
    std::vector<PersonText> arguments;

    static PersonText Plain(const QString& text) { return {nullptr, nullptr, text, {}}; }

    // With the words a translation gives for (context, source), or the source where it gives none.
    QString In(const std::function<QString(const char*, const char*)>& translate) const
    {
        if (!source)
            return plain;
        QString text = translate(context, source);
        if (text.isEmpty())
            text = QString::fromUtf8(source);
        std::vector<QString> filled;
        for (const PersonText& argument : arguments)
            filled.push_back(argument.In(translate));
        // At once, so that a %2 inside the first argument's words is left as it is.
        switch (filled.size()) {
        case 0:
            return text;
        case 1:
            return text.arg(filled[0]);
        case 2:
            return text.arg(filled[0], filled[1]);
        default:
            return text.arg(filled[0], filled[1], filled[2]);
        }
    }
    QString English() const
    {
        return In([](const char*, const char*) { return QString(); });
    }
    // In the language of the translators the application installed.
    QString Translated() const
    {
        return In([](const char* inContext, const char* text) {
            return QCoreApplication::translate(inContext, text);
        });
    }
    QString TranslatedBy(const QTranslator& translator) const
    {
        return In([&translator](const char* inContext, const char* text) {
            return translator.translate(inContext, text);
        });
    }
};
