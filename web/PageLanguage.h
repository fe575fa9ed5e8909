#pragma once

#include "state/PersonText.h"

#include <map>
#include <memory>
#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The phone page in its browser's language, from the program's own catalogues: the page's script
// (web/page.js) writes each of its words as qsTr("English"), which lupdate reads under the context "page",
// and the page is served with each such call replaced by that language's words.

// The languages an Accept-Language field asks for, most wanted first, up to the first one English answers
// ("en", "en-GB", "*"). A range of quality 0, or whose quality or tag cannot be read, is left out; only the
// first few are kept, so that a huge field costs no more than a short one.
QStringList WantedLanguages(QByteArrayView field);

// Loads into words the catalogue of the first of the wanted languages that has one in directory; its name
// as a page's lang carries it ("de", "zh-CN"), or "en" when none has one.
QString LoadPageLanguage(QTranslator& words, QByteArrayView acceptLanguage, const QString& directory);

// The page in the language of words: the script in place of <script src="page.js"></script>, without its
// whole-line comments, each qsTr("...") in it replaced by the words as a string literal that cannot end the
// script, and lang set to name. Words the catalogue does not hold stay English.
QByteArray PageInLanguage(const QByteArray& html, const QByteArray& script, const QTranslator& words,
                          const QString& name);

// The English of each qsTr("...") in the script, as PageInLanguage reads them.
QStringList PageSources(const QByteArray& script);

// One language the page is served in: its catalogue (none loaded for English), the form of its numbers and
// the page made in it.
struct PageLanguage
{
    QString name = QStringLiteral("en");
    QTranslator words;
    QLocale numbers = QLocale::c();
    QByteArray page;

    QString Translated(const char* context, const char* source) const
    {
        const QString text = words.translate(context, source);
        return text.isEmpty() ? QString::fromUtf8(source) : text;
    }
    QString Translated(const PersonText& text) const { return text.TranslatedBy(words); }
};

// The languages pages were served in so far, each made once: English and at most one for each catalogue.
class PageLanguages
{
public:
    // directory: where the catalogues are.
    explicit PageLanguages(const QString& directory);

    // The first language of an Accept-Language field that has a catalogue; English when none has.
    const PageLanguage& For(QByteArrayView acceptLanguage);

private:
    const QString directory;
    const QByteArray html;
    const QByteArray script;
    std::map<QString, std::unique_ptr<PageLanguage>> known;
    // Browsers send the same field each time: the last one's answer is kept.
    QByteArray lastField;
    const PageLanguage* lastChosen = nullptr;
};
