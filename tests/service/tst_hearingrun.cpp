#include "core/TestCore.h"
#include "FakeHIDApi.h"
#include "service/HearingRun.h"
#include "service/WebLink.h"
#include "sound/SoundRouting.h"
#include "state/Properties.h"

#include <QLocalServer>
#include <QTcpServer>
#include <QtTest>

namespace {

// Connected, on air, not muted, power above 0: the sound server is asked.
void HoldTransmitterSide(TestCore& test)
{
    FakeHid_Reset();
    QVERIFY(test.Start());
    test.core.ToggleOnAir();
    const std::vector<LinkResult> links =
        CheckHearing(test.core.HearingFacts(), std::nullopt, HearingFace::CommandLine);
    QVERIFY(!FirstBroken(links));
}

QString FirstBrokenName(const std::vector<LinkResult>& links)
{
    const LinkResult* first = FirstBroken(links);
    return first ? LinkName(first->link) : QString();
}

} // namespace

class TestHearingRun : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // A sound server that takes the connection and never answers: the check still ends, once, with the
    // server not answering, measured or not.
    void endsWhenTheServerNeverAnswers_data()
    {
        QTest::addColumn<int>("measureMs");
        QTest::newRow("measured") << HearingMeasureMs;
        QTest::newRow("not measured") << 0;
    }
    void endsWhenTheServerNeverAnswers()
    {
        QFETCH(int, measureMs);
        QLocalServer silent;
        QVERIFY(silent.listen(dir.filePath(QStringLiteral("native"))));
        qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + silent.fullServerName()));
        const auto unset = qScopeGuard([] { qunsetenv("PULSE_SERVER"); });
        TestCore test;
        HoldTransmitterSide(test);
        if (QTest::currentTestFailed())
            return;
        SoundRouting routing(dir.filePath(QStringLiteral("Sound.ini")));
        routing.Start();
        HearingRun hearing(test.core, &routing);

        QList<std::vector<LinkResult>> answers;
        hearing.Run(HearingFace::CommandLine, measureMs,
                    [&answers](const std::vector<LinkResult>& links) { answers += links; });
        QTRY_VERIFY_WITH_TIMEOUT(!answers.isEmpty(), 60000);
        QVERIFY2(silent.hasPendingConnections(), "the sound module never reached the server");
        SoundFacts notAnswering;
        notAnswering.server = SoundFacts::Server::NotAnswering;
        const std::vector<LinkResult> expected =
            CheckHearing(test.core.HearingFacts(), notAnswering, HearingFace::CommandLine);
        QCOMPARE(FirstBrokenName(answers.first()), QStringLiteral("sound-server"));
        QCOMPARE(FirstBroken(answers.first())->text, FirstBroken(expected)->text);
        QCoreApplication::processEvents();
        QCOMPARE(answers.size(), 1);
    }

    // The page's hearing line follows the first broken link, in the page's words, as the transmitter
    // changes; no sound server runs, so with the transmitter's side holding the server's link is broken.
    void pageFollowsTheFirstBrokenLink()
    {
        qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(dir.filePath(QStringLiteral("no-server"))));
        TestCore test;
        FakeHid_Reset();
        QVERIFY(test.Start());
        SoundRouting routing(dir.filePath(QStringLiteral("Sound.ini")));
        HearingRun hearing(test.core, &routing);
        WebLink web(test.core, &routing, &hearing);
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();
        QCOMPARE(web.Control().SetPort(port), QString());
        web.Start(true);
        QVERIFY(web.Control().IsServed());

        SoundFacts noServer;
        noServer.server = SoundFacts::Server::None;
        // In English, as the page's words are kept until a page shows them in its language.
        const auto shown = [&web] {
            const auto words = web.Words();
            const auto problem = std::find_if(words.cbegin(), words.cend(), [](const auto& word) {
                return word.first == Property::Name(Property::HearingProblem);
            });
            return problem == words.cend() ? QString() : problem->second.English();
        };
        const std::vector<std::pair<std::function<void()>, QString>> steps = {
            {[] {}, QStringLiteral("on-air")},
            {[&test] { test.core.ToggleOnAir(); }, QStringLiteral("sound-server")},
            {[&test] { test.core.ToggleMute(); }, QStringLiteral("unmuted")},
            {[&test] { test.core.ToggleMute(); }, QStringLiteral("sound-server")},
            {[&test] { test.core.ToggleOnAir(); }, QStringLiteral("on-air")},
        };
        for (const auto& [change, broken] : steps) {
            change();
            const std::vector<LinkResult> links =
                CheckHearing(test.core.HearingFacts(), noServer, HearingFace::Page);
            QCOMPARE(FirstBrokenName(links), broken);
            QTRY_COMPARE_WITH_TIMEOUT(shown(), FirstBroken(links)->text, 60000);
            QVERIFY2(!shown().contains(QLatin1String("tessalyctl")), qPrintable(shown()));
        }
        web.Control().SetServed(false);
        qunsetenv("PULSE_RUNTIME_PATH");
    }
};

QTEST_GUILESS_MAIN(TestHearingRun)
#include "tst_hearingrun.moc"
