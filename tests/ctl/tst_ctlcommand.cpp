#include "bus/BusNames.h"
#include "ctl/BusRefusal.h"
#include "ctl/CheckText.h"
#include "ctl/CommandTable.h"
#include "ctl/CtlCommand.h"
#include "ctl/StatusText.h"
#include "state/HearingTexts.h"
#include "state/PropertyValues.h"
#include "state/SoundStateValue.h"
#include "tests/state/MarkingTranslator.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

class TestCtlCommand final : public QObject
{
    Q_OBJECT

private slots:
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void statusForPeopleAndScripts();
    void checkForPeopleAndScripts();
    void statusOfTheNewerProgram_data();
    void statusOfTheNewerProgram();
    void favouriteRound_data();
    void favouriteRound();
    void refusalExplained_data();
    void refusalExplained();
    void everyRowReachable();
    void wordsInTheUsersLanguage_data();
    void wordsInTheUsersLanguage();
};

using Action = CtlCommand::Action;

static QStringList line(const char* arguments)
{
    return QStringList{QStringLiteral("tessalyctl")} +
           QString::fromLatin1(arguments).split(' ', Qt::SkipEmptyParts);
}

void TestCtlCommand::accepted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("target"); // the property, or the method for Call
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("json");
    QTest::addColumn<int>("timeoutMs");

    const auto row = [](const char* arguments, Action action, const char* target, const QVariant& value,
                        bool json = false, int timeoutMs = 5000) {
        QTest::newRow(arguments) << line(arguments) << action << QString::fromLatin1(target) << value << json
                                 << timeoutMs;
    };
    row("", Action::Status, "", {});
    row("status --json", Action::Status, "", {}, true);
    row("on", Action::SetProperty, "OnAir", true);
    row("toggle", Action::Toggle, "OnAir", {});
    row("mute", Action::SetProperty, "Muted", true);
    row("stereo", Action::SetProperty, "Stereo", true);
    row("up", Action::Call, "StepUp", {});
    row("show", Action::Call, "Show", {});
    // The bus carries kHz as an unsigned integer: a signed one would be refused as the wrong type.
    row("frequency 88.5", Action::SetProperty, "Frequency", 88500u);
    row("frequency 100.050", Action::SetProperty, "Frequency", 100050u);
    row("frequency 76", Action::SetProperty, "Frequency", 76000u);
    row("frequency 108.0000", Action::SetProperty, "Frequency", 108000u);
    // People write a decimal comma as often as a point, whatever the language.
    row("frequency 88,1", Action::SetProperty, "Frequency", 88100u);
    row("frequency 100,05", Action::SetProperty, "Frequency", 100050u);
    row("favourite remove 87,5", Action::Call, "RemoveFavourite", 87500u);
    row("power 90", Action::SetProperty, "PaLevel", 90u);
    row("gain 23", Action::SetProperty, "TxGain", 23u);
    row("band 76-90", Action::SetProperty, "Band", QStringLiteral("76-90"));
    row("step 200", Action::SetProperty, "Step", 200u);
    row("deemphasis 50", Action::SetProperty, "Deemphasis", 50u);
    row("sound on", Action::SetProperty, "SoundRouting", true);
    row("favourite add 88.5", Action::Call, "AddFavourite", 88500u);
    row("favourite add", Action::Call, "AddFavourite", {}); // the frequency in use
    row("favourite remove 100.1", Action::Call, "RemoveFavourite", 100100u);
    row("favourite list", Action::ListFavourites, "Favourites", {});
    row("favourite next", Action::TuneFavourite, "Frequency", {});
    row("start-on-air off", Action::SetProperty, "OnAirAtStart", false);
    row("web on", Action::SetProperty, "WebControl", true);
    row("web address", Action::Print, "WebAddress", {});
    row("web renew", Action::Call, "RenewWebToken", {});
    row("web network on", Action::SetProperty, "WebNetwork", true);
    row("web port 8188", Action::SetProperty, "WebPort", 8188u);
    // Options after the command, as scripts write them.
    row("on --timeout 2", Action::SetProperty, "OnAir", true, false, 2000);
    row("--timeout=0.5 status --json", Action::Status, "", {}, true, 500);
    row("--help-all", Action::Help, "", {});
    // The check keeps within its own limit unless told otherwise.
    row("check --json", Action::Check, "", {}, true, checkTimeoutMs);
    row("check --timeout 10", Action::Check, "", {}, false, 10000);
}

void TestCtlCommand::accepted()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, target);
    QFETCH(QVariant, value);
    QFETCH(bool, json);
    QFETCH(int, timeoutMs);

    const CtlCommand command = CtlCommand::parse(arguments);
    QVERIFY2(command.error.isEmpty(), qPrintable(command.error));
    QCOMPARE(command.action, action);
    QCOMPARE(action == Action::Call ? command.method : command.property, target);
    QCOMPARE(command.value, value);
    QCOMPARE(command.value.metaType(), value.metaType());
    QCOMPARE(command.json, json);
    QCOMPARE(command.timeoutMs, timeoutMs);
}

void TestCtlCommand::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");  // what the message must name
    QTest::addColumn<QLocale>("locale"); // whose numbers the message shows

    const auto row = [](const char* arguments, const char* named, const char* locale = "C") {
        QTest::addRow("%s %s", arguments, locale)
            << line(arguments) << QString::fromUtf8(named) << QLocale(QString::fromLatin1(locale));
    };
    row("retune", "retune");
    row("--frobnicate", "frobnicate");
    row("on now", "no value");
    row("status --verbose", "--json");
    row("--json on", "status");
    row("--json retune", "status");
    row("frequency", "one value");
    row("frequency 88.5 89.5", "one value");
    row("frequency 88.53", "88.50 and 88.55");
    row("frequency 88.5001", "76 to 108");
    row("frequency 88,53", "88.50 and 88.55");
    row("frequency 88,5,0", "76 to 108");
    row("frequency 88,53", "88,50 and 88,55", "de_DE");
    row("frequency 88.53", "88,50 and 88,55", "de_DE");
    row("frequency 120", "76 to 108 (e.g. 88,5)", "de_DE");
    row("web port 80", "1024 to 65535", "en_US");         // typed back as it is, without a group separator
    row("on --timeout 0,5", "such as 5 or 0.5", "de_DE"); // a decimal point only: "1,000" is two numbers
    row("frequency 75.95", "76 to 108");
    row("frequency 1e2", "76 to 108");
    row("power 91", "0 to 90");
    row("power 4.5", "0 to 90");
    row("power 99999999999", "0 to 90");
    row("gain 24", "0 to 23");
    row("band 88-108", "87.5-108 or 76-90");
    row("step 25", "200, 100 or 50");
    row("deemphasis 60", "50 or 75");
    row("sound loud", "on or off");
    row("frequency 88.", "76 to 108");
    row("favourite add 88.53", "88.50 and 88.55");
    row("favourite remove", "remove MHZ");
    row("favourite next 88.5", "next or previous");
    row("start-on-air", "one value");
    row("web port 80", "1024 to 65535");
    row("web port 65536", "1024 to 65535");
    row("web network loud", "on or off");
    row("on --timeout", "--timeout");
    row("on --timeout 0", "--timeout");
}

void TestCtlCommand::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    QFETCH(QLocale, locale);

    QLocale::setDefault(locale);
    const CtlCommand command = CtlCommand::parse(arguments);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(command.action, Action::Usage);
    QVERIFY2(command.error.contains(named), qPrintable(command.error));
    QCOMPARE(command.error.count(QStringLiteral("--help")), 1); // one hint, not one per layer
}

void TestCtlCommand::statusForPeopleAndScripts()
{
    QVariantMap properties{
        {QStringLiteral("Frequency"), 88100u},
        {QStringLiteral("OnAir"), true},
        {QStringLiteral("Muted"), false},
        {QStringLiteral("PaLevel"), 90u},
        {QStringLiteral("TxGain"), 5u},
        {QStringLiteral("Stereo"), false},
        {QStringLiteral("Band"), QStringLiteral("76-90")},
        {QStringLiteral("Step"), 50u},
        {QStringLiteral("Deemphasis"), 75u},
        {QStringLiteral("Connected"), false},
    };
    const QString text = statusText(properties);
    for (const char* shown :
         {"88.10 MHz", "mono", "76-90 MHz", "50 kHz", "75 \u00b5s", "yes (no transmitter connected)"})
        QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);
    // Connected rides on the On air line; an absent SoundRouting gets no line.
    QCOMPARE(text.count(QLatin1Char('\n')), properties.size() - 1);

    const QJsonObject json = QJsonDocument::fromJson(statusJson(properties)).object();
    QCOMPARE(json.toVariantMap(), properties);
}

// What scripts read of a check is fixed; a verdict from a newer program is passed on as it came.
void TestCtlCommand::checkForPeopleAndScripts()
{
    const QList<CheckedLink> links{
        programLink(),
        {QStringLiteral("on-air"), QStringLiteral("broken"), QStringLiteral("off air")},
        {QStringLiteral("power"), QStringLiteral("not-checked"), QStringLiteral("power")},
        {QStringLiteral("level"), QStringLiteral("faint"), QStringLiteral("quiet")}};
    QCOMPARE(checkText(links), QStringLiteral("ok           Tessaly answers\n"
                                              "broken       off air\n"
                                              "not checked  power\n"
                                              "faint        quiet\n"));
    QCOMPARE(checkJson(links),
             QByteArray(R"({"firstBroken":"on-air","links":[{"link":"program","text":"Tessaly answers",)"
                        R"("verdict":"ok"},{"link":"on-air","text":"off air","verdict":"broken"},)"
                        R"({"link":"power","text":"power","verdict":"not-checked"},)"
                        R"({"link":"level","text":"quiet","verdict":"faint"}],"ok":false})"
                        "\n"));
    QVERIFY(allHold({programLink()}));
    QCOMPARE(checkJson({programLink(QStringLiteral("gone"))}).count("\"broken\""), 1);
}

void TestCtlCommand::statusOfTheNewerProgram_data()
{
    QTest::addColumn<QVariantMap>("properties");
    QTest::addColumn<QStringList>("shown");

    const auto row = [](const char* name, const QVariantMap& properties, const QStringList& shown) {
        QTest::newRow(name) << properties << shown;
    };
    const auto sound = [](const char* state, const char* sink = "") {
        return QVariantMap{{QStringLiteral("SoundRouting"), true},
                           {QStringLiteral("SoundState"), QString::fromUtf8(state)},
                           {QStringLiteral("SoundSink"), QString::fromUtf8(sink)}};
    };
    row("routed", sound("routed", "USB Audio"),
        {QStringLiteral("Sound: through USB Audio (the transmitter)")});
    row("no card", sound("not found"),
        {QStringLiteral("Sound: not routed, the transmitter's sound card was not found")});
    row("connected on air", {{QStringLiteral("OnAir"), true}, {QStringLiteral("Connected"), true}},
        {QStringLiteral("On air: yes")});
    row("write not taken",
        {{QStringLiteral("OnAir"), true},
         {QStringLiteral("Connection"), QStringLiteral("connected")},
         {QStringLiteral("Delivered"), false},
         {QStringLiteral("WriteFailedAt"), QStringLiteral("12:03:04")}},
        {QStringLiteral(
            "On air: yes — the transmitter did not take the last change (write failed at 12:03:04)")});
    row("no permission",
        {{QStringLiteral("OnAir"), false}, {QStringLiteral("Connection"), QStringLiteral("no-permission")}},
        {QStringLiteral(
            "On air: no (no permission for the transmitter: install 70-tessaly.rules, then plug it "
            "in again)")});
    row("favourites",
        {{QStringLiteral("Favourites"), QVariantList{88500u, 100100u}},
         {QStringLiteral("OnAirAtStart"), true}},
        {QStringLiteral("Favourites: 88.50, 100.10 MHz"), QStringLiteral("On air at start: yes")});
    row("web served",
        {{QStringLiteral("WebControl"), true},
         {QStringLiteral("WebAddress"), QStringLiteral("http://h:8188/?t=x")}},
        {QStringLiteral("Web page: http://h:8188/?t=x")});
}

void TestCtlCommand::statusOfTheNewerProgram()
{
    QFETCH(QVariantMap, properties);
    QFETCH(QStringList, shown);

    // Lines are label, colon, padding, value: compare with the padding folded.
    QStringList trimmed;
    for (const QString& line : statusText(properties).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        trimmed += line.simplified();
    for (const QString& line : shown)
        QVERIFY2(trimmed.contains(line), qPrintable(trimmed.join(QLatin1Char('|'))));
    QCOMPARE(trimmed.size(), shown.size()); // one line for the sound, whatever SoundRouting says
    QCOMPARE(QJsonDocument::fromJson(statusJson(properties)).object().keys(), properties.keys());
}

void TestCtlCommand::favouriteRound_data()
{
    QTest::addColumn<QList<uint>>("favourites");
    QTest::addColumn<uint>("frequency");
    QTest::addColumn<qint64>("next");
    QTest::addColumn<qint64>("previous");

    const QList<uint> three{88500, 95000, 100100};
    QTest::newRow("between") << three << 90000u << qint64(95000) << qint64(88500);
    QTest::newRow("on one") << three << 95000u << qint64(100100) << qint64(88500);
    QTest::newRow("round the top") << three << 100100u << qint64(88500) << qint64(95000);
    QTest::newRow("below all") << three << 87500u << qint64(88500) << qint64(100100);
    QTest::newRow("only itself") << QList<uint>{95000} << 95000u << qint64(95000) << qint64(95000);
    QTest::newRow("none") << QList<uint>{} << 95000u << qint64(-1) << qint64(-1);
    // 80.00 MHz belongs to the other band only and waits for it.
    QTest::newRow("the other band's skipped")
        << QList<uint>{80000, 95000, 100100} << 100100u << qint64(95000) << qint64(95000);
    QTest::newRow("only the other band's") << QList<uint>{80000} << 95000u << qint64(-1) << qint64(-1);
}

void TestCtlCommand::favouriteRound()
{
    QFETCH(QList<uint>, favourites);
    QFETCH(uint, frequency);
    QFETCH(qint64, next);
    QFETCH(qint64, previous);

    QCOMPARE(neighbourFavourite(favourites, frequency, true, WideBand), next);
    QCOMPARE(neighbourFavourite(favourites, frequency, false, WideBand), previous);
}

void TestCtlCommand::refusalExplained_data()
{
    QTest::addColumn<BusRefusal>("refusal");
    QTest::addColumn<CtlExit>("exit");
    QTest::addColumn<QStringList>("named"); // what the message must name

    using Request = BusRefusal::Request;
    const QString invalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
    const QVariantMap band{{QStringLiteral("Band"), QStringLiteral("76-90")},
                           {QStringLiteral("Frequency"), 88000u}};
    // error, request, target, value; the client waited 5 s and read the band where the program refused.
    const auto refusal = [&](const QString& error, Request request, const char* target, const QVariant& value,
                             const char* message = "", int timeoutMs = 5000) {
        return BusRefusal{error,
                          QString::fromUtf8(message),
                          request,
                          QString::fromLatin1(target),
                          value,
                          timeoutMs,
                          error == invalidArgs ? band : QVariantMap()};
    };
    const auto row = [](const char* name, const BusRefusal& refused, CtlExit exit, const QStringList& named) {
        QTest::newRow(name) << refused << exit << named;
    };
    row("outside the band", refusal(invalidArgs, Request::Write, "Frequency", 100000u, "100000 kHz"),
        CtlExit::Usage, {QStringLiteral("100.00 MHz"), QStringLiteral("76-90 MHz")});
    row("older program", refusal(invalidArgs, Request::Write, "WebPort", 8000u), CtlExit::Refused,
        {QStringLiteral("no WebPort property")});
    row("older program method",
        refusal(QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"), Request::Call, "RenewWebToken",
                {}),
        CtlExit::Refused, {QStringLiteral("no RenewWebToken method")});
    row("change unanswered",
        refusal(QStringLiteral("org.freedesktop.DBus.Error.NoReply"), Request::Write, "OnAir", true, "",
                2000),
        CtlExit::NoAnswer,
        {QStringLiteral("did not answer within 2 s"), QStringLiteral("may still take effect")});
    row("not running",
        refusal(QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"), Request::Read, "", {}),
        CtlExit::NotRunning, {QStringLiteral("tessaly --background")});
    row("transmitter refused",
        refusal(BusNames::writeFailedError, Request::Write, "Muted", true, "short write"), CtlExit::Refused,
        {QStringLiteral("transmitter did not take"), QStringLiteral("short write")});
    row("headless show", refusal(BusNames::noWindowError, Request::Call, "Show", {}), CtlExit::Refused,
        {QStringLiteral("without windows")});
    row("not a favourite", refusal(BusNames::notFavouriteError, Request::Call, "RemoveFavourite", 95000u),
        CtlExit::Refused, {QStringLiteral("95.00 MHz is not a favourite")});
}

void TestCtlCommand::refusalExplained()
{
    QFETCH(BusRefusal, refusal);
    QFETCH(CtlExit, exit);
    QFETCH(QStringList, named);

    const CtlOutcome outcome = explain(refusal);
    QCOMPARE(outcome.exit, exit);
    for (const QString& part : named)
        QVERIFY2(outcome.message.contains(part), qPrintable(outcome.message));
}

// A value of the type and within the range row takes, as the bus carries it.
static QVariant valueOf(const Property::Row& row)
{
    if (!Property::Choices(row).isEmpty())
        return Property::Choices(row).constLast();
    if (row.busType == QLatin1String("b"))
        return true;
    if (row.busType == QLatin1String("u"))
        return row.highest;
    return row.busType == QLatin1String("s") ? QVariant(QStringLiteral("x"))
                                             : QVariant(QVariantList{row.lowest});
}

// Every row tessalyctl may change has a command that writes a value the row takes, named in --help; every
// row with a label has its status line.
void TestCtlCommand::everyRowReachable()
{
    using namespace CtlCommands;
    const QString help = CtlCommand::parse(line("--help")).helpText;
    for (const Property::Row* row : Property::all) {
        const QString name = Property::Name(*row);
        bool written = false;
        for (const Command& command : All()) {
            if (command.property != row || command.action != Action::SetProperty)
                continue;
            QStringList words{QStringLiteral("tessalyctl"), QLatin1String(command.word)};
            if (Grouped(command))
                words.append(QLatin1String(command.sub));
            const QVariant value = valueOf(*row);
            if (command.takes == Takes::Frequency)
                words.append(megahertzText(value.toUInt()));
            else if (command.takes == Takes::OnOff)
                words.append(QStringLiteral("on"));
            else if (TakesValue(command))
                words.append(value.toString());
            const CtlCommand parsed = CtlCommand::parse(words);
            QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
            QCOMPARE(parsed.property, name);
            QVERIFY2(Property::Accepts(*row, parsed.value), qPrintable(words.join(' ')));
            const QRegularExpression synopsis(
                QStringLiteral("^  ([^ ]+ \\| )*%1 ").arg(QRegularExpression::escape(words.value(1))),
                QRegularExpression::MultilineOption);
            QVERIFY2(help.contains(synopsis), qPrintable(words.join(' ')));
            written = true;
        }
        QVERIFY2(written == bool(row->changedBy & Property::Ctl), qPrintable(name));
        const QString status = statusText({{name, valueOf(*row)}});
        QVERIFY2(status.startsWith(QString::fromUtf8(row->label) + ':') == (*row->label != '\0'),
                 qPrintable(name + ": " + status));
    }
}

// tessalyctl receives the program's words in English and shows them in the user's language: every template
// the program makes them from is recognised, its arguments recovered and kept; words it does not know (a
// newer program's) are shown as they came. Scripts' --json stays English.
void TestCtlCommand::wordsInTheUsersLanguage_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("shown"); // in the marking language

    const MarkingTranslator marking;
    const auto filled = [](const char* context, const char* source, std::vector<PersonText> arguments) {
        return PersonText{context, source, {}, std::move(arguments)};
    };
    const auto templates = [&](const char* context, const auto& sources) {
        for (const char* source : sources) {
            std::vector<PersonText> arguments;
            for (const char* number : {"%1", "%2", "%3"}) {
                if (QString::fromUtf8(source).contains(QLatin1String(number)))
                    arguments.push_back(PersonText::Plain(QStringLiteral("Å%1").arg(arguments.size() + 1)));
            }
            const PersonText words = filled(context, source, arguments);
            QTest::newRow(source) << context << words.English() << words.TranslatedBy(marking);
        }
    };
    templates(HearingWordsContext, HearingText::all);
    templates(SoundElsewhereText::Context, SoundElsewhereText::all);
    const PersonText nested = filled(HearingWordsContext, HearingText::WithFix,
                                     {filled(HearingWordsContext, HearingText::OffAir, {}),
                                      PersonText::Plain(QStringLiteral("tessalyctl on"))});
    QTest::newRow("a problem and its command")
        << HearingWordsContext << nested.English() << nested.TranslatedBy(marking);
    QTest::newRow("a newer program's words") << HearingWordsContext << "the radio is asleep"
                                             << "the radio is asleep";
}

void TestCtlCommand::wordsInTheUsersLanguage()
{
    QFETCH(QString, context);
    QFETCH(QString, english);
    QFETCH(QString, shown);
    const QList<CheckedLink> links{{QStringLiteral("level"), QStringLiteral("broken"), english}};
    const QByteArray json = checkJson(links);
    const QVariantMap elsewhere{
        {Property::Name(Property::SoundState), QString::fromLatin1(SoundStateValue::Elsewhere)},
        {Property::Name(Property::SoundElsewhere), english}};
    const MarkingLanguage language;
    const QString printed =
        context == QLatin1String(HearingWordsContext) ? checkText(links) : statusText(elsewhere);
    QVERIFY2(printed.contains(shown), qPrintable(printed));
    QCOMPARE(checkJson(links), json);
}

QTEST_GUILESS_MAIN(TestCtlCommand)
#include "tst_ctlcommand.moc"
