#include "core/HearingCheck.h"
#include "core/HearingQueue.h"
#include "panels/PanelButtonLooks.h"
#include "state/HearingTexts.h"
#include "state/MarkingTranslator.h"
#include "state/PersonTextMatch.h"

#include <limits>
#include <QtTest>

using Connection = TransmitterFacts::Connection;
using Server = SoundFacts::Server;
Q_DECLARE_METATYPE(TransmitterFacts)
Q_DECLARE_METATYPE(std::optional<SoundFacts>)

namespace {

// Everything holds, on both sides; each row breaks from here.
TransmitterFacts Holding()
{
    TransmitterFacts facts;
    facts.connection = Connection::Connected;
    facts.onAir = true;
    facts.paLevel = 60;
    return facts;
}

SoundFacts Heard()
{
    SoundFacts facts;
    facts.server = Server::Answering;
    facts.transmitterCardFound = facts.routedToTransmitter = facts.playing = true;
    facts.defaultSinkDescription = QStringLiteral("Radio");
    facts.peakDbfs = -12.0;
    return facts;
}

template <typename Facts, typename Change> Facts With(Facts facts, Change change)
{
    change(facts);
    return facts;
}

} // namespace

class TestHearingCheck : public QObject
{
    Q_OBJECT

private slots:
    void firstBroken_data()
    {
        QTest::addColumn<TransmitterFacts>("transmitter");
        QTest::addColumn<std::optional<SoundFacts>>("sound");
        QTest::addColumn<QString>("broken"); // the first broken link; empty: none
        QTest::addColumn<QString>("text");   // its words on the command line; empty: not compared

        const TransmitterFacts holding = Holding();
        const std::optional<SoundFacts> heard = Heard();
        const std::optional<SoundFacts> notAsked;
        const auto absent = With(holding, [](auto& t) { t.connection = Connection::Absent; });
        const auto offAir = With(holding, [](auto& t) { t.onAir = false; });
        const auto sound = [](auto change) { return std::optional<SoundFacts>(With(Heard(), change)); };

        QTest::newRow("all hold") << holding << heard << QString() << QString();
        QTest::newRow("not plugged in") << absent << heard << "plugged"
                                        << "the transmitter is not plugged in";
        QTest::newRow("no permission")
            << With(holding, [](auto& t) { t.connection = Connection::NoPermission; }) << notAsked
            << "plugged"
            << "no permission: install 70-tessaly.rules, then plug it in again";
        QTest::newRow("absent and muted: the first wins")
            << With(absent, [](auto& t) { t.muted = true; }) << notAsked << "plugged" << QString();
        QTest::newRow("a write failed") << With(holding, [](auto& t) {
            t.delivered = false;
            t.failedWriteTime = QTime(10, 11, 12);
        }) << heard << "delivered" << QString();
        QTest::newRow("off air") << offAir << heard << "on-air"
                                 << "off air: tessalyctl on";
        QTest::newRow("off air before no sound server")
            << offAir << sound([](auto& s) { s.server = Server::None; }) << "on-air" << QString();
        QTest::newRow("muted") << With(holding, [](auto& t) { t.muted = true; }) << heard << "unmuted"
                               << "muted: tessalyctl unmute";
        QTest::newRow("power 0") << With(holding, [](auto& t) { t.paLevel = 0; }) << heard << "power"
                                 << "power is 0: tessalyctl power 60";
        QTest::newRow("sound not asked") << holding << notAsked << QString() << QString();
        QTest::newRow("no sound server")
            << holding << sound([](auto& s) { s.server = Server::None; }) << "sound-server" << QString();
        QTest::newRow("server not answering")
            << holding << sound([](auto& s) { s.server = Server::NotAnswering; }) << "sound-server"
            << QString();
        QTest::newRow("PipeWire's pulse server without the card") << holding << sound([](auto& s) {
            s.pipewire = true;
            s.transmitterCardFound = s.routedToTransmitter = false;
        }) << "sound-card" << QString();
        QTest::newRow("sound to the speakers")
            << holding << sound([](auto& s) {
                   s.routedToTransmitter = false;
                   s.defaultSinkDescription = QStringLiteral("Speakers");
               })
            << "routed"
            << "the sound goes to Speakers, not to the transmitter: tessalyctl sound on";
        QTest::newRow("nothing playing") << holding << sound([](auto& s) { s.playing = false; }) << "playing"
                                         << "nothing is playing";
        QTest::newRow("a stream played elsewhere")
            << holding << sound([](auto& s) {
                   s.playing = false;
                   s.streamElsewhere = QStringLiteral("music");
                   s.streamElsewhereSink = QStringLiteral("Speakers");
               })
            << "playing"
            << "music plays to Speakers, not to the transmitter: tessalyctl sound on";
        QTest::newRow("nothing playing into a muted sink") << holding << sound([](auto& s) {
            s.playing = false;
            s.sinkMuted = true;
        }) << "playing" << QString();
        QTest::newRow("sink muted")
            << holding << sound([](auto& s) { s.sinkMuted = true; }) << "output-unmuted"
            << "the transmitter's output is muted in the sound settings: unmute it there";
        QTest::newRow("silent") << holding << sound([](auto& s) { s.peakDbfs = -70.0; }) << "level"
                                << "the sound is silent (below -60 dBFS for 2 s): turn the player up";
        QTest::newRow("digital silence")
            << holding << sound([](auto& s) { s.peakDbfs = -std::numeric_limits<double>::infinity(); })
            << "level" << QString();
        QTest::newRow("at the threshold")
            << holding << sound([](auto& s) { s.peakDbfs = HearingSilenceDbfs; }) << QString() << QString();
        QTest::newRow("not measured")
            << holding << sound([](auto& s) { s.peakDbfs.reset(); }) << QString() << QString();
    }

    void firstBroken()
    {
        QFETCH(TransmitterFacts, transmitter);
        QFETCH(std::optional<SoundFacts>, sound);
        QFETCH(QString, broken);
        QFETCH(QString, text);

        const std::vector<LinkResult> links = CheckHearing(transmitter, sound, HearingFace::CommandLine);
        const LinkResult* first = FirstBroken(links);
        QCOMPARE(first ? LinkName(first->link) : QString(), broken);
        if (!text.isEmpty())
            QCOMPARE(first->text, text);
        // Every link once, in the chain's order: ok before the broken one, not checked after it.
        QStringList names;
        for (const LinkResult& link : links) {
            names += LinkName(link.link);
            QVERIFY2(!link.text.isEmpty(), qPrintable(names.last()));
            if (first && &link > first)
                QCOMPARE(link.verdict, LinkVerdict::NotChecked);
            if (!first || &link < first)
                QVERIFY(link.verdict != LinkVerdict::Broken);
        }
        QCOMPARE(names.size(), qsizetype(11));
        QCOMPARE(names.removeDuplicates(), qsizetype(0));
        QCOMPARE(names.first(), QStringLiteral("plugged"));
        QCOMPARE(names.last(), QStringLiteral("level"));
        // Sound's links are judged only from what the server told.
        if (!sound)
            QCOMPARE(links.back().verdict, LinkVerdict::NotChecked);

        // The window and the page find the same link and name their own controls, never the command line,
        // in plain words: no figures in decibels.
        for (const HearingFace face : {HearingFace::Window, HearingFace::Page}) {
            const std::vector<LinkResult> shown = CheckHearing(transmitter, sound, face);
            const LinkResult* same = FirstBroken(shown);
            QCOMPARE(same ? LinkName(same->link) : QString(), broken);
            for (const LinkResult& link : shown) {
                QCOMPARE(link.text, link.words.English());
                QVERIFY2(!link.text.contains(QLatin1String("tessalyctl")) && !link.text.contains("dBFS"),
                         qPrintable(link.text));
            }
        }
        // tessalyctl gets only the English, and takes it back to the same words in the user's language.
        const MarkingTranslator marking;
        for (const LinkResult& link : links) {
            QCOMPARE(link.text, link.words.English());
            const PersonText matched =
                PersonTextMatch::FromEnglish(link.text, HearingWordsContext, HearingText::all);
            QCOMPARE(matched.TranslatedBy(marking), link.words.TranslatedBy(marking));
        }
    }

    // The window's fixes name the panel's controls by the words the panel shows for them, in any language.
    void windowNamesThePanelsControls()
    {
        TransmitterFacts off = Holding();
        off.onAir = false;
        TransmitterFacts muted = Holding();
        muted.muted = true;
        const MarkingTranslator marking;
        const auto fix = [&](const TransmitterFacts& facts) {
            const std::vector<LinkResult> links = CheckHearing(facts, std::nullopt, HearingFace::Window);
            return FirstBroken(links)->words.TranslatedBy(marking);
        };
        const auto panel = [&](const char* words) { return marking.translate("PanelButtons", words); };
        QVERIFY2(fix(off).contains(panel(PanelButtons::stopPlay.tip)), qPrintable(fix(off)));
        QVERIFY2(fix(off).contains(panel(PanelButtons::stopPlay.name)), qPrintable(fix(off)));
        QVERIFY2(fix(muted).contains(panel(PanelButtons::mute.tip)), qPrintable(fix(muted)));
    }

    // A face's requests as they come: "ask" (no measuring), "measure", "answer" (the oldest running check
    // answers), "forget", "close" (the face goes while its check runs). The checks begun, by whether they
    // measure, and how many answers the face was shown.
    void queue_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("begun");
        QTest::addColumn<int>("shown");
        QTest::newRow("one") << "ask answer"
                             << "ask" << 1;
        QTest::newRow("a burst costs one more") << "ask ask ask ask answer answer"
                                                << "ask ask" << 2;
        QTest::newRow("measuring asked meanwhile wins") << "ask ask measure ask answer answer"
                                                        << "ask measure" << 2;
        QTest::newRow("measuring first, then not") << "measure ask answer answer"
                                                   << "measure ask" << 2;
        QTest::newRow("asked after the answer") << "ask answer ask answer"
                                                << "ask ask" << 2;
        QTest::newRow("forgotten") << "ask ask forget answer"
                                   << "ask" << 1;
        QTest::newRow("asked again after forgetting") << "ask forget measure answer answer"
                                                      << "ask measure" << 2;
        QTest::newRow("closed while checking") << "ask ask close answer"
                                               << "ask" << 0;
    }

    void queue()
    {
        QFETCH(QString, steps);
        std::vector<HearingDone> running;
        QStringList begun;
        QStringList started;
        int shown = 0;
        const HearingRunner run = [&](HearingFace face, int measureMs, HearingDone done) {
            QCOMPARE(face, HearingFace::Page);
            begun += measureMs > 0 ? QStringLiteral("measure") : QStringLiteral("ask");
            running.push_back(std::move(done));
        };
        auto queue = std::make_unique<HearingQueue>(
            run, HearingFace::Page,
            [&](int measureMs) {
                started += measureMs > 0 ? QStringLiteral("measure") : QStringLiteral("ask");
            },
            [&](const std::vector<LinkResult>&) { ++shown; });
        for (const QString& step : steps.split(QLatin1Char(' '))) {
            if (step == QLatin1String("ask"))
                queue->Ask();
            else if (step == QLatin1String("measure"))
                queue->Ask(HearingMeasureMs);
            else if (step == QLatin1String("forget"))
                queue->Forget();
            else if (step == QLatin1String("close"))
                queue.reset();
            else if (!running.empty()) {
                const HearingDone done = running.front();
                running.erase(running.begin());
                done({});
            }
            // Never two at a time.
            QVERIFY(running.size() <= 1);
        }
        QTEST(begun.join(QLatin1Char(' ')), "begun");
        QTEST(shown, "shown");
        // The face hears of each check as it begins, with its measuring.
        QCOMPARE(started, begun);
    }
};

QTEST_GUILESS_MAIN(TestHearingCheck)
#include "tst_hearingcheck.moc"
