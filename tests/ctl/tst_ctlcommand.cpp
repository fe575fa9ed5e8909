#include "ctl/CtlCommand.h"
#include "ctl/StatusText.h"

#include <QJsonDocument>
#include <QJsonObject>
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

    const auto row = [](const char* arguments, Action action, const char* target, const QVariant& value,
                        bool json = false) {
        QTest::newRow(arguments) << line(arguments) << action << QString::fromLatin1(target) << value << json;
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
    row("power 90", Action::SetProperty, "PaLevel", 90u);
    row("gain 23", Action::SetProperty, "TxGain", 23u);
    row("band 76-90", Action::SetProperty, "Band", QStringLiteral("76-90"));
    row("step 200", Action::SetProperty, "Step", 200u);
    row("deemphasis 50", Action::SetProperty, "Deemphasis", 50u);
    row("sound on", Action::SetProperty, "SoundRouting", true);
}

void TestCtlCommand::accepted()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, target);
    QFETCH(QVariant, value);
    QFETCH(bool, json);

    const CtlCommand command = CtlCommand::parse(arguments);
    QVERIFY2(command.error.isEmpty(), qPrintable(command.error));
    QCOMPARE(command.action, action);
    QCOMPARE(action == Action::Call ? command.method : command.property, target);
    QCOMPARE(command.value, value);
    QCOMPARE(command.value.metaType(), value.metaType());
    QCOMPARE(command.json, json);
}

void TestCtlCommand::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named"); // what the message must name

    const auto row = [](const char* arguments, const char* named) {
        QTest::newRow(arguments) << line(arguments) << QString::fromLatin1(named);
    };
    row("retune", "--help");
    row("--frobnicate", "frobnicate");
    row("on now", "no value");
    row("status --verbose", "--json");
    row("--json on", "status");
    row("frequency", "one value");
    row("frequency 88.5 89.5", "one value");
    row("frequency 88.53", "88.50 and 88.55");
    row("frequency 88.5001", "76 to 108");
    row("frequency 88,5", "76 to 108");
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
}

void TestCtlCommand::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);

    const CtlCommand command = CtlCommand::parse(arguments);
    QCOMPARE(command.action, Action::Usage);
    QVERIFY2(command.error.contains(named), qPrintable(command.error));
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
    for (const char* shown : {"88.10 MHz", "mono", "76-90 MHz", "50 kHz", "75 \u00b5s", "not connected"})
        QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);
    QCOMPARE(text.count(QLatin1Char('\n')), properties.size()); // an absent SoundRouting gets no line

    const QJsonObject json = QJsonDocument::fromJson(statusJson(properties)).object();
    QCOMPARE(json.toVariantMap(), properties);
}

QTEST_GUILESS_MAIN(TestCtlCommand)
#include "tst_ctlcommand.moc"
