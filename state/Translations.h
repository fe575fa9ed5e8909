#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

// The user's language, for the program, the program without windows and tessalyctl alike: header-only,
// as tessalyctl links nothing of the program. English is the source language and needs no catalogue.
namespace Translations {

// The languages the user asked for, most wanted first: LANGUAGE, else LC_ALL, LC_MESSAGES or LANG. As with
// gettext, a C or POSIX locale means untranslated messages whatever LANGUAGE says.
inline QStringList UiLanguages()
{
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty())
        messages = qgetenv("LC_MESSAGES");
    if (messages.isEmpty())
        messages = qgetenv("LANG");
    const QByteArray name = messages.split('.').first().split('@').first();
    if (name.isEmpty() || name == "C" || name == "POSIX")
        return {};
    return QLocale::system().uiLanguages();
}

// Where our catalogues are: beside the program in the build tree, under share/ once installed (the program
// runs from lib/tessaly/, tessalyctl from bin/).
inline QString Directory()
{
    const QDir program(QCoreApplication::applicationDirPath());
    for (const char* relative :
         {"translations", "../share/tessaly/translations", "../../share/tessaly/translations"}) {
        if (program.exists(QLatin1String(relative)))
            return QDir::cleanPath(program.filePath(QLatin1String(relative)));
    }
    return {};
}

// Loads prefix's catalogue for the first of languages that has one; the locale chosen, or C (English) when
// none has.
inline QLocale LoadFirst(QTranslator& translator, const QStringList& languages, const QString& prefix,
                         const QString& directory)
{
    for (const QString& language : languages) {
        const QLocale locale(language);
        if (locale.language() != QLocale::C &&
            translator.load(locale, prefix, QStringLiteral("_"), directory))
            return locale;
    }
    return QLocale::c();
}

// Installs our catalogue and Qt's own (its standard buttons and --help's lines) for the user's languages.
// Returns the locale whose words are shown: C for English.
inline QLocale Install(QCoreApplication& application, const QStringList& languages = UiLanguages(),
                       const QString& directory = Directory())
{
    auto* ours = new QTranslator(&application);
    const QLocale chosen = LoadFirst(*ours, languages, QStringLiteral("tessaly"), directory);
    if (chosen.language() == QLocale::C) {
        delete ours;
        return chosen;
    }
    QCoreApplication::installTranslator(ours);
    auto* qt = new QTranslator(&application);
    if (qt->load(chosen, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return chosen;
}

} // namespace Translations
