#include "sound/RoutingRecord.h"
#include "sound/SinkMatch.h"
#include "sound/SoundOption.h"
#include "sound/SoundRouting.h"
#include "state/MarkingTranslator.h"

#include <QtTest>
#include <sys/stat.h>

class TestSoundRouting : public QObject
{
    Q_OBJECT

private slots:
    void matchesTheTransmittersSink_data();
    void matchesTheTransmittersSink();
    void keepsTheOptionSafely();
    void keepsWhatARoutingReplaced();
    void refusedOptionChangesNothing();
    void checksWithoutAServer();
};

void TestSoundRouting::matchesTheTransmittersSink_data()
{
    QTest::addColumn<SinkProperties>("sink");
    QTest::addColumn<bool>("placeKnown");
    QTest::addColumn<bool>("matches");

    const QByteArray card = "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/sound/card1";
    const SinkProperties ids{{"device.vendor.id", "0x046d"}, {"device.product.id", "0x0a0e"}};
    QTest::newRow("sysfs path under the device") << SinkProperties{{"sysfs.path", card}} << true << true;
    QTest::newRow("sysfs path with /sys") << SinkProperties{{"sysfs.path", "/sys" + card}} << true << true;
    QTest::newRow("bus path under the device")
        << SinkProperties{{"device.bus_path", "pci-0000:00:14.0-usb-0:2:1.0"}} << true << true;
    QTest::newRow("another device, same IDs")
        << SinkProperties{{"sysfs.path", "/devices/pci0000:00/0000:00:14.0/usb1/1-22/1-22:1.0/sound/card2"},
                          {"device.vendor.id", "046d"},
                          {"device.product.id", "0a0e"}}
        << true << false;
    QTest::newRow("another bus path")
        << SinkProperties{{"device.bus_path", "pci-0000:00:14.0-usb-0:21:1.0"}} << true << false;
    QTest::newRow("IDs with 0x, place unknown") << ids << false << true;
    QTest::newRow("IDs without 0x, upper case")
        << SinkProperties{{"device.vendor.id", "046D"}, {"device.product.id", "0A0E"}} << false << true;
    QTest::newRow("IDs, sink without a place") << ids << true << true;
    QTest::newRow("sibling with another product")
        << SinkProperties{{"device.vendor.id", "046d"}, {"device.product.id", "0a0f"}} << false << false;
    QTest::newRow("vendor only") << SinkProperties{{"device.vendor.id", "046d"}} << false << false;
    QTest::newRow("no properties") << SinkProperties{} << false << false;
}

void TestSoundRouting::matchesTheTransmittersSink()
{
    QFETCH(SinkProperties, sink);
    QFETCH(bool, placeKnown);
    QFETCH(bool, matches);
    TransmitterIdentity transmitter{{}, {}, 0x046D, 0x0A0E};
    if (placeKnown)
        transmitter = {"/devices/pci0000:00/0000:00:14.0/usb1/1-2", "pci-0000:00:14.0-usb-0:2", 0x046D,
                       0x0A0E};
    QCOMPARE(SinkBelongsToTransmitter(sink, transmitter), matches);
}

// The choice comes back as stored; anything odd in its place gives the default and is left alone.
void TestSoundRouting::keepsTheOptionSafely()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sound.ini"));
    QCOMPARE(ReadSoundOption(path), SoundOptionDefault);
    for (const bool enabled : {!SoundOptionDefault, SoundOptionDefault, !SoundOptionDefault}) {
        QVERIFY(WriteSoundOption(path, enabled).isEmpty());
        QCOMPARE(ReadSoundOption(path), enabled);
    }

    QFile garbage(path);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(1000, 'x'));
    garbage.close();
    QCOMPARE(ReadSoundOption(path), SoundOptionDefault);

    // A link to a file holding the other choice is not followed, and a write does not replace it.
    const QString target = dir.filePath(QStringLiteral("target"));
    QVERIFY(WriteSoundOption(target, !SoundOptionDefault).isEmpty());
    QVERIFY(QFile::remove(path));
    QVERIFY(QFile::link(target, path));
    QCOMPARE(ReadSoundOption(path), SoundOptionDefault);
    QVERIFY(!WriteSoundOption(path, SoundOptionDefault).isEmpty());
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(ReadSoundOption(target), !SoundOptionDefault);

    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCOMPARE(ReadSoundOption(fifo), SoundOptionDefault);
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("directory")));
    QCOMPARE(ReadSoundOption(dir.filePath(QStringLiteral("directory"))), SoundOptionDefault);
    QVERIFY(!WriteSoundOption(dir.filePath(QStringLiteral("directory")), !SoundOptionDefault).isEmpty());
}

// Written down and read back; a damaged file of ours goes, anything else is left alone; none reads as none.
void TestSoundRouting::keepsWhatARoutingReplaced()
{
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    qputenv("TESSALY_TEST_LOCK_DIR", QFile::encodeName(dir.path()));
    const QString path = RoutingRecordPath();
    QVERIFY(path.startsWith(dir.path()));
    QVERIFY(!ReadRoutingRecord(path));

    QVERIFY(WriteRoutingRecord(path, {"alsa_output.pci.analog-stereo", "alsa_output.usb-radio"}));
    const auto record = ReadRoutingRecord(path);
    QVERIFY(record);
    QCOMPARE(record->previousDefault, QByteArray("alsa_output.pci.analog-stereo"));
    QCOMPARE(record->routedSink, QByteArray("alsa_output.usb-radio"));
    RemoveRoutingRecord(path);
    QVERIFY(!QFile::exists(path));

    for (const QByteArray& damaged :
         {QByteArray("PreviousDefault=a\n"), QByteArray("RoutedSink=b\nPreviousDefault=a\n"),
          QByteArray("PreviousDefault=\nRoutedSink=b\n"), QByteArray(5000, 'x')}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(damaged);
        file.close();
        QVERIFY2(!ReadRoutingRecord(path), damaged.left(40).constData());
        QVERIFY(!QFile::exists(path));
    }
    const QString target = dir.filePath(QStringLiteral("target"));
    QVERIFY(WriteRoutingRecord(target, {"a", "b"}));
    QVERIFY(QFile::link(target, path));
    QVERIFY(!ReadRoutingRecord(path));
    QVERIFY(QFileInfo(path).isSymLink() && ReadRoutingRecord(target));

    // A directory others may write into is not where it goes.
    QVERIFY(QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFileDevice::WriteOther));
    QVERIFY(!RoutingRecordPath().startsWith(dir.path()));
    qunsetenv("TESSALY_TEST_LOCK_DIR");
}

// An option that cannot be stored keeps the old value and says why; a stored one changes the state at once.
void TestSoundRouting::refusedOptionChangesNothing()
{
    QTemporaryDir dir;
    qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(dir.filePath(QStringLiteral("no-server"))));
    qunsetenv("PULSE_SERVER");
    const QString blocked = dir.filePath(QStringLiteral("directory"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("directory")));
    SoundRouting refusing(blocked);
    QSignalSpy enabledSpy(&refusing, &SoundRouting::enabledChanged);
    const bool kept = refusing.IsEnabled();
    {
        // The window reads why in the user's language; the bus answers in English whatever the language,
        // but for the reason, which is the system's (the file writer's or the C library's).
        const MarkingLanguage language;
        QVERIFY(refusing.SetEnabled(!kept).startsWith(QLatin1String("[SoundRouting|")));
        const QString why = refusing.StoreEnabled(!kept).English();
        QVERIFY2(!why.isEmpty() && !why.contains(QLatin1String("[SoundRouting|")), qPrintable(why));
    }
    QCOMPARE(refusing.IsEnabled(), kept);
    QCOMPARE(enabledSpy.count(), 2);
    QCOMPARE(enabledSpy.at(0).at(0).toBool(), kept);

    SoundRouting routing(dir.filePath(QStringLiteral("Sound.ini")));
    QSignalSpy stateSpy(&routing, &SoundRouting::stateChanged);
    QVERIFY(routing.IsEnabled());
    routing.Start();
    QCOMPARE(routing.State(), QStringLiteral("no sound server"));
    QVERIFY(routing.SetEnabled(false).isEmpty());
    QCOMPARE(routing.State(), QStringLiteral("off"));
    QCOMPARE(ReadSoundOption(dir.filePath(QStringLiteral("Sound.ini"))), false);
    QVERIFY(routing.SetEnabled(true).isEmpty());
    QCOMPARE(routing.State(), QStringLiteral("no sound server"));
    QCOMPARE(stateSpy.count(), 3);
    QVERIFY(routing.SinkDescription().isEmpty());
}

// No server's socket: the check answers so from the event loop, once;
// the level watch is balanced and harmless without an engine.
void TestSoundRouting::checksWithoutAServer()
{
    QTemporaryDir dir;
    qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(dir.filePath(QStringLiteral("no-server"))));
    qunsetenv("PULSE_SERVER");
    SoundRouting routing(dir.filePath(QStringLiteral("Sound.ini")));
    routing.Start();
    routing.UnwatchLevel();
    routing.WatchLevel();
    QList<SoundFacts> answers;
    routing.CheckSound(60000, [&answers](const SoundFacts& facts) { answers += facts; });
    QVERIFY(answers.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, 60000);
    QCOMPARE(answers.first().server, SoundFacts::Server::None);
    QVERIFY(!answers.first().peakDbfs && !answers.first().transmitterCardFound && !routing.Playing());
    routing.UnwatchLevel();
    QCoreApplication::processEvents();
    QCOMPARE(answers.size(), 1);
}

QTEST_GUILESS_MAIN(TestSoundRouting)
#include "tst_soundrouting.moc"
