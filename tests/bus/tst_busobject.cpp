#include "bus/BusNames.h"
#include "bus/TransmitterBusObject.h"
#include "core/TestCore.h"
#include "device/FakeTransmitterReports.h"
#include "sound/SoundRouting.h"
#include "state/Properties.h"
#include "web/PageChange.h"
#include "web/WebControl.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

using Property::Name;

// The page's view of the core, as the program's link gives it.
class CoreHost final : public WebPageHost
{
public:
    explicit CoreHost(TransmitterCore& core) : core(core) {}
    QVariantMap Properties() const override { return core.Properties(); }
    QString WriteProperty(const QString& name, const QVariant& value) override
    {
        return core.WriteProperty(name, value);
    }
    bool Step(bool up) override { return up ? core.StepFrequencyUp() : core.StepFrequencyDown(); }

private:
    TransmitterCore& core;
};

// The bus object on a bus of the test's own: what it refuses and how, what it answers once the transmitter
// took a change or did not, and that every change is announced once, whoever made it.
class TestBusObject : public QObject
{
    Q_OBJECT

    QProcess busDaemon;
    std::unique_ptr<TestCore> test;
    std::unique_ptr<SoundRouting> sound;
    std::unique_ptr<CoreHost> host;
    std::unique_ptr<WebControl> web;
    std::unique_ptr<TransmitterBusObject> object;
    QList<QVariantMap> announced;
    int levels = 0; // Level signals heard

    QDBusConnection client() const { return QDBusConnection(QStringLiteral("client")); }

    QDBusMessage call(const QString& interface, const QString& member, const QVariantList& arguments)
    {
        QDBusMessage message =
            QDBusMessage::createMethodCall(BusNames::service, BusNames::objectPath, interface, member);
        message.setArguments(arguments);
        // The object answers on this thread: the call must not block it.
        QDBusPendingCall pending = client().asyncCall(message, 60'000);
        if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 60'000))
            return {};
        return pending.reply();
    }

    QDBusMessage set(const QString& name, const QVariant& value)
    {
        return call(BusNames::properties, QStringLiteral("Set"),
                    {BusNames::interface, name, QVariant::fromValue(QDBusVariant(value))});
    }

    // A call on this client's connection, answered after anything the object sent before it.
    void roundTrip() { call(BusNames::properties, QStringLiteral("GetAll"), {BusNames::interface}); }

    // Whether the object sends Level when the sound's level changes.
    bool levelSent()
    {
        const int before = levels;
        emit sound->levelChanged(-20.0);
        roundTrip();
        return levels > before;
    }

public slots:
    void onLevel(double) { ++levels; }

    void onPropertiesChanged(const QString&, const QVariantMap& changed, const QStringList&)
    {
        announced.append(changed);
    }

private slots:
    void initTestCase()
    {
        IgnoreSigpipe();
        busDaemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        QVERIFY(busDaemon.waitForReadyRead(60'000));
        const QByteArray address = busDaemon.readLine().trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        QVERIFY(QDBusConnection::connectToBus(QString::fromLatin1(address), QStringLiteral("client"))
                    .isConnected());
        QVERIFY(client().connect(BusNames::service, BusNames::objectPath, BusNames::properties,
                                 QStringLiteral("PropertiesChanged"), this,
                                 SLOT(onPropertiesChanged(QString, QVariantMap, QStringList))));
        QVERIFY(client().connect(BusNames::service, BusNames::objectPath, BusNames::interface,
                                 QStringLiteral("Level"), this, SLOT(onLevel(double))));
    }

    void init()
    {
        FakeHid_Reset();
        test = std::make_unique<TestCore>();
        QVERIFY(test->Start());
        TakeReports(test->core);
        sound = std::make_unique<SoundRouting>(test->dir.filePath(QStringLiteral("Sound.ini")));
        host = std::make_unique<CoreHost>(test->core);
        web = std::make_unique<WebControl>(*host, test->dir.path());
        object = std::make_unique<TransmitterBusObject>(test->core, nullptr, sound.get(), web.get());
        QVERIFY(object->Register());
        announced.clear();
    }

    void cleanup()
    {
        object->Unregister();
        object.reset();
        web.reset();
        host.reset();
        sound.reset();
        test.reset();
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
        busDaemon.kill();
        busDaemon.waitForFinished();
    }

    // Each refusal names what is accepted; nothing reaches the transmitter and nothing is announced.
    void refusals_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QVariantList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("says");
        const QString invalid = QDBusError::errorString(QDBusError::InvalidArgs);
        const auto setting = [](const Property::Row& row, const QVariant& value) {
            return QVariantList{BusNames::interface, Name(row), QVariant::fromValue(QDBusVariant(value))};
        };
        QTest::newRow("a string for a number") << "Set" << setting(Property::PaLevel, QStringLiteral("90"))
                                               << invalid << QString::number(Property::PaLevel.highest);
        QTest::newRow("beyond the power's range")
            << "Set" << setting(Property::PaLevel, Property::PaLevel.highest + 1) << invalid
            << QString::number(Property::PaLevel.highest);
        QTest::newRow("off the grid") << "Set" << setting(Property::Frequency, 90025u) << invalid << "kHz";
        QTest::newRow("read-only") << "Set" << setting(Property::Connected, false) << invalid << "read-only";
        QTest::newRow("unknown property")
            << "Set" << QVariantList{BusNames::interface, "Volume", QVariant::fromValue(QDBusVariant(1u))}
            << invalid << "Volume";
        QTest::newRow("step off air") << "StepUp" << QVariantList{} << BusNames::offAirError << "off air";
        QTest::newRow("favourite as text")
            << "AddFavourite" << QVariantList{QStringLiteral("90000")} << invalid << "kHz";
        QTest::newRow("unknown method")
            << "Launch" << QVariantList{} << QDBusError::errorString(QDBusError::UnknownMethod) << "Launch";
    }

    void refusals()
    {
        QFETCH(QString, member);
        QFETCH(QVariantList, arguments);
        QFETCH(QString, error);
        QFETCH(QString, says);
        const QVariantMap before = test->core.Properties();
        const QDBusMessage reply =
            call(member == "Set" ? BusNames::properties : BusNames::interface, member, arguments);
        QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
        QCOMPARE(reply.errorName(), error);
        QVERIFY2(reply.errorMessage().contains(says), qPrintable(reply.errorMessage()));
        QCOMPARE(test->core.Properties(), before);
        QVERIFY(TakeReports(test->core).isEmpty());
        QVERIFY(announced.isEmpty());
    }

    // Whoever changes the state, the bus hears each change once, with what changed only; a write the
    // transmitter did not take answers WriteFailed and is announced as not delivered.
    void announcements()
    {
        QCOMPARE(set(Name(Property::Muted), true).type(), QDBusMessage::ReplyMessage);
        QTRY_COMPARE_WITH_TIMEOUT(announced.size(), 1, 60'000);
        QCOMPARE(announced.takeFirst(), (QVariantMap{{Name(Property::Muted), true}}));

        test->core.ToggleOnAir();
        QTRY_COMPARE_WITH_TIMEOUT(announced.size(), 1, 60'000);
        QCOMPARE(announced.takeFirst(), (QVariantMap{{Name(Property::OnAir), true}}));

        FakeHid_ClosePeer();
        const QDBusMessage failed = call(BusNames::interface, QStringLiteral("StepUp"), {});
        QCOMPARE(failed.errorName(), BusNames::writeFailedError);
        // The step is announced at once, the transmitter's refusal when the write failed.
        QVariantMap changes;
        QVERIFY(QTest::qWaitFor(
            [&] {
                for (const QVariantMap& each : std::exchange(announced, {}))
                    changes.insert(each);
                return changes.contains(Name(Property::Delivered));
            },
            60'000));
        QCOMPARE(changes.value(Name(Property::Delivered)), QVariant(false));
        QVERIFY(changes.contains(Name(Property::Frequency)));
    }

    // Every row reaches its destination: the bus reads it, writes the ones it may change and refuses the
    // others as read-only, refuses a value of another type naming the row, and the page writes exactly the
    // rows with its face.
    void everyRowReachable()
    {
        const QDBusMessage introspection =
            call(QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"), {});
        for (const Property::Row* row : Property::all) {
            const QString name = Name(*row);
            QVERIFY2(introspection.arguments().value(0).toString().contains(
                         QStringLiteral("<property name=\"%1\"").arg(name)),
                     qPrintable(name + ": " + introspection.errorMessage()));
            const QDBusMessage got =
                call(BusNames::properties, QStringLiteral("Get"), {BusNames::interface, name});
            QVERIFY2(got.type() == QDBusMessage::ReplyMessage, qPrintable(name));
            const QVariant value = got.arguments().value(0).value<QDBusVariant>().variant();
            const bool busWrites = row->changedBy & Property::Bus;
            const QDBusMessage same = set(name, busWrites ? value : QVariant(true));
            QVERIFY2(busWrites ? same.type() == QDBusMessage::ReplyMessage
                               : same.errorMessage().contains("read-only"),
                     qPrintable(name + ": " + same.errorMessage()));
            if (busWrites) {
                const QVariant otherType =
                    row->busType == QLatin1String("b") ? QVariant(name) : QVariant(true);
                const QDBusMessage refused = set(name, otherType);
                QCOMPARE(refused.errorName(), QDBusError::errorString(QDBusError::InvalidArgs));
                QVERIFY2(refused.errorMessage().startsWith(name), qPrintable(refused.errorMessage()));
            }
            const QJsonObject change{{"set", name}, {"value", QJsonValue::fromVariant(value)}};
            const QString pageRefusal = ApplyPageChange(*host, QJsonDocument(change).toJson());
            QVERIFY2(pageRefusal.isEmpty() == bool(row->changedBy & Property::Page),
                     qPrintable(name + ": " + pageRefusal));
        }
    }

    // A stored choice set on the bus is stored and announced once.
    void storedChoiceWrittenOnce()
    {
        int changes = 0;
        const QMetaObject::Connection counting =
            connect(&test->core, &TransmitterCore::changed, this, [&changes] { ++changes; });
        QCOMPARE(set(Name(Property::OnAirAtStart), true).type(), QDBusMessage::ReplyMessage);
        disconnect(counting);
        QCOMPARE(changes, 1);
        QVERIFY(test->core.OnAirAtStart());
        QTRY_COMPARE_WITH_TIMEOUT(announced.size(), 1, 60'000);
        QCOMPARE(announced.takeFirst(), (QVariantMap{{Name(Property::OnAirAtStart), true}}));
    }

    // The level is sent while any client watches: each client's calls are counted, and a client that
    // leaves the bus without unwatching stops watching.
    void levelWatchers()
    {
        const QString unwatch = QStringLiteral("UnwatchLevel"), watch = QStringLiteral("WatchLevel");
        QCOMPARE(call(BusNames::interface, unwatch, {}).errorName(),
                 QDBusError::errorString(QDBusError::Failed));
        QVERIFY(!levelSent());
        QCOMPARE(call(BusNames::interface, watch, {}).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(call(BusNames::interface, watch, {}).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(call(BusNames::interface, unwatch, {}).type(), QDBusMessage::ReplyMessage);
        QVERIFY(levelSent());
        QCOMPARE(call(BusNames::interface, unwatch, {}).type(), QDBusMessage::ReplyMessage);
        QVERIFY(!levelSent());

        const QString other = QStringLiteral("other");
        {
            // Closed once no object refers to it any more.
            QDBusConnection leaving = QDBusConnection::connectToBus(
                QString::fromLatin1(qgetenv("DBUS_SESSION_BUS_ADDRESS")), other);
            QDBusPendingCall watching =
                leaving.asyncCall(QDBusMessage::createMethodCall(BusNames::service, BusNames::objectPath,
                                                                 BusNames::interface, watch),
                                  60'000);
            QVERIFY(QTest::qWaitFor([&] { return watching.isFinished(); }, 60'000));
            QVERIFY(!watching.isError());
        }
        QVERIFY(levelSent());
        QDBusConnection::disconnectFromBus(other);
        QVERIFY(QTest::qWaitFor([&] { return !levelSent(); }, 60'000));
    }
};

QTEST_GUILESS_MAIN(TestBusObject)
#include "tst_busobject.moc"
