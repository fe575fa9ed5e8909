#include "web/PageLanguage.h"

#include "state/Translations.h"

#include <algorithm>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace {

// Each costs a look for a catalogue; a browser sends a handful.
constexpr qsizetype mostLanguagesTried = 8;

// A quality as RFC 9110 writes it ("0", "0.5", "1.000"), in thousandths; -1 for anything else.
int Quality(const QByteArray& text)
{
    static const QRegularExpression form(QStringLiteral("^(0(\\.\\d{0,3})?|1(\\.0{0,3})?)$"));
    return form.match(QString::fromLatin1(text)).hasMatch() ? qRound(text.toDouble() * 1000) : -1;
}

bool LanguageTag(const QByteArray& tag)
{
    static const QRegularExpression form(QStringLiteral("^([A-Za-z0-9]{1,8}([-_][A-Za-z0-9]{1,8})*|\\*)$"));
    return tag.size() <= 35 && form.match(QString::fromLatin1(tag)).hasMatch();
}

// qsTr with one string literal, as JSON writes one.
const QRegularExpression& Call()
{
    static const QRegularExpression call(QStringLiteral(R"(qsTr\(("(?:[^"\\\n]|\\.)*")\))"));
    return call;
}

// The script as a phone gets it: whole-line comments are for those who read the source (and lupdate's notes
// for translators), and lupdate reads no call in them.
QString WithoutCommentLines(const QByteArray& script)
{
    static const QRegularExpression comment(QStringLiteral("^[ \\t]*//.*\\n"),
                                            QRegularExpression::MultilineOption);
    return QString::fromUtf8(script).remove(comment);
}

// The text of a literal; empty when JSON does not read it as a string.
QString Source(const QString& literal)
{
    const QJsonArray read = QJsonDocument::fromJson(('[' + literal + ']').toUtf8()).array();
    return read.size() == 1 ? read.first().toString() : QString();
}

// A string literal for a script inside the page: JSON's, with '<' escaped, so that no "</script>" or "<!--"
// in the words can end the script or change how it is read.
QByteArray Literal(const QString& text)
{
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return json.mid(1, json.size() - 2).replace("<", "\\u003c");
}

QByteArray Resource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QStringList WantedLanguages(QByteArrayView field)
{
    struct Range
    {
        QByteArray tag;
        int quality = 1000;
    };
    QList<Range> ranges;
    for (const QByteArray& item : field.toByteArray().split(',')) {
        QList<QByteArray> parts = item.split(';');
        Range range{parts.takeFirst().trimmed()};
        for (const QByteArray& parameter : std::as_const(parts)) {
            const QByteArray trimmed = parameter.trimmed();
            if (trimmed.startsWith("q=") || trimmed.startsWith("Q="))
                range.quality = Quality(trimmed.sliced(2));
        }
        if (range.quality > 0 && LanguageTag(range.tag))
            ranges.append(range);
    }
    std::stable_sort(ranges.begin(), ranges.end(),
                     [](const Range& a, const Range& b) { return a.quality > b.quality; });
    QStringList wanted;
    for (const Range& range : std::as_const(ranges)) {
        const QString tag = QString::fromLatin1(range.tag);
        if (tag == u'*' || QLocale(tag).language() == QLocale::English || wanted.size() == mostLanguagesTried)
            break;
        wanted.append(tag);
    }
    return wanted;
}

QString LoadPageLanguage(QTranslator& words, QByteArrayView acceptLanguage, const QString& directory)
{
    const QLocale chosen =
        Translations::LoadFirst(words, WantedLanguages(acceptLanguage), QStringLiteral("tessaly"), directory);
    if (chosen.language() == QLocale::C)
        return QStringLiteral("en");
    // The catalogue's language ("de" for "de-AT"): one page for each catalogue.
    const QString name = words.language().replace(u'_', u'-');
    static const QRegularExpression tag(QStringLiteral("^[A-Za-z]{2,3}(-[A-Za-z0-9]{1,8})*$"));
    return tag.match(name).hasMatch() ? name : chosen.bcp47Name();
}

QByteArray PageInLanguage(const QByteArray& html, const QByteArray& script, const QTranslator& words,
                          const QString& name)
{
    const QString text = WithoutCommentLines(script);
    QByteArray translated;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& call : Call().globalMatch(text)) {
        translated += QStringView(text).sliced(done, call.capturedStart() - done).toUtf8();
        done = call.capturedEnd();
        const QString source = Source(call.captured(1));
        if (source.isEmpty()) {
            // Left as it is: the page then fails at once, where no test can miss it.
            translated += call.captured().toUtf8();
            continue;
        }
        const QString shown = words.translate("page", source.toUtf8().constData());
        translated += Literal(shown.isEmpty() ? source : shown);
    }
    translated += QStringView(text).sliced(done).toUtf8();
    QByteArray page = html;
    page.replace(R"(<html lang="en">)", "<html lang=\"" + name.toLatin1() + "\">");
    page.replace(R"(<script src="page.js"></script>)", "<script>\n" + translated + "</script>");
    return page;
}

QStringList PageSources(const QByteArray& script)
{
    QStringList sources;
    for (const QRegularExpressionMatch& call : Call().globalMatch(WithoutCommentLines(script)))
        sources.append(Source(call.captured(1)));
    return sources;
}

PageLanguages::PageLanguages(const QString& directory)
    : directory(directory), html(Resource(QStringLiteral(":/web/page.html"))),
      script(Resource(QStringLiteral(":/web/page.js")))
{}

const PageLanguage& PageLanguages::For(QByteArrayView acceptLanguage)
{
    if (lastChosen && acceptLanguage == lastField)
        return *lastChosen;
    auto language = std::make_unique<PageLanguage>();
    language->name = LoadPageLanguage(language->words, acceptLanguage, directory);
    std::unique_ptr<PageLanguage>& kept = known[language->name];
    if (!kept) {
        language->numbers = QLocale(language->name);
        language->page = PageInLanguage(html, script, language->words, language->name);
        kept = std::move(language);
    }
    lastField = acceptLanguage.toByteArray();
    lastChosen = kept.get();
    return *kept;
}
