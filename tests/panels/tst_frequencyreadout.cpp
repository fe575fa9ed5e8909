#include "panels/CFrequencyReadout.h"
#include "res/Resources.h"
#include "state/TransmitterState.h"

#include <QLabel>
#include <QtTest>

using Images = QList<int>;

class TestFrequencyReadout : public QObject
{
    Q_OBJECT

    QLabel* control(QWidget& window, int id) { return window.findChild<QLabel*>(QString::number(id)); }

private slots:
    void images_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<Images>("images");
        QTest::newRow("76.00") << 7600 << Images{196, 204, 202, 196, 196};
        QTest::newRow("87.50") << 8750 << Images{196, 203, 204, 201, 196};
        QTest::newRow("90.00") << 9000 << Images{196, 205, 196, 196, 196};
        QTest::newRow("99.95") << 9995 << Images{196, 205, 205, 205, 201};
        QTest::newRow("100.00") << 10000 << Images{197, 196, 196, 196, 196};
        QTest::newRow("107.95") << 10795 << Images{197, 196, 204, 205, 201};
        QTest::newRow("108.00") << 10800 << Images{197, 196, 203, 196, 196};
        QTest::newRow("negative shows zero") << -5 << Images{196, 196, 196, 196, 196};
        QTest::newRow("too large shows 999.99") << 123456 << Images{205, 205, 205, 205, 205};
        QTest::newRow("int min") << INT32_MIN << Images{196, 196, 196, 196, 196};
    }

    void images()
    {
        QFETCH(int, value);
        QFETCH(Images, images);
        Images actual;
        for (const int digit : CFrequencyReadout::DigitsOf(value))
            actual.append(CFrequencyReadout::digitImages[digit]);
        QCOMPARE(actual, images);
    }

    void layout_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("hundredsShown");
        QTest::addColumn<QList<QPoint>>("positions"); // 1041, 1042, 1043, 1044, 1047, 1046
        const QList<QPoint> four{{122, 132}, {154, 132}, {186, 132}, {218, 132}, {250, 132}, {290, 130}};
        const QList<QPoint> five{{139, 132}, {171, 132}, {203, 132}, {235, 132}, {267, 132}, {307, 132}};
        QTest::newRow("99.95") << 9995 << false << four;
        QTest::newRow("100.00") << 10000 << true << five;
    }

    void layout()
    {
        QFETCH(int, value);
        QFETCH(bool, hundredsShown);
        QFETCH(QList<QPoint>, positions);
        QWidget window;
        CFrequencyReadout readout(&window);
        readout.ShowFrequency(value, true);
        QCOMPARE(control(window, 1040)->isVisibleTo(&window), hundredsShown);
        if (hundredsShown)
            QCOMPARE(control(window, 1040)->pos(), QPoint(107, 132));
        const int ids[] = {1041, 1042, 1043, 1044, 1047, 1046};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(control(window, ids[i])->pos(), positions[i]);
            QVERIFY(control(window, ids[i])->isVisibleTo(&window));
        }
    }

    void offAirHidesEverythingAndLayoutSwitchesBack()
    {
        QWidget window;
        CFrequencyReadout readout(&window);
        const int ids[] = {1040, 1041, 1042, 1043, 1044, 1046, 1047};
        for (int id : ids)
            QVERIFY(!control(window, id)->isVisibleTo(&window));

        readout.ShowFrequency(10000, true);
        readout.ShowFrequency(9995, true);
        QVERIFY(!control(window, 1040)->isVisibleTo(&window));
        QCOMPARE(control(window, 1041)->pos(), QPoint(122, 132));

        readout.ShowFrequency(9995, false);
        for (int id : ids)
            QVERIFY(!control(window, id)->isVisibleTo(&window));
    }

    // Without a transmitter the digits stay, dimmed, on air or not, under a notice; the display's name and
    // description tell the state and what to do.
    void connection_data()
    {
        using enum TransmitterCore::ConnectionState;
        QTest::addColumn<TransmitterCore::ConnectionState>("connection");
        QTest::addColumn<bool>("onAir");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("described"); // a part of the description
        QTest::addColumn<bool>("digitsShown");
        QTest::addColumn<bool>("hintShown");
        QTest::newRow("on air") << Connected << true << "90.05 MHz"
                                << "" << true << false;
        QTest::newRow("off air") << Connected << false << "Off air"
                                 << "" << false << false;
        QTest::newRow("absent, off air") << Absent << false << "No transmitter"
                                         << "90.05 MHz" << true << false;
        QTest::newRow("absent, on air") << Absent << true << "No transmitter"
                                        << "Plug" << true << false;
        QTest::newRow("no permission") << NoPermission << true << "No permission for the transmitter"
                                       << "70-tessaly.rules" << true << true;
    }

    void connection()
    {
        QFETCH(TransmitterCore::ConnectionState, connection);
        QFETCH(bool, onAir);
        QFETCH(QString, name);
        QFETCH(QString, described);
        QFETCH(bool, digitsShown);
        QFETCH(bool, hintShown);
        QWidget window;
        CFrequencyReadout readout(&window);
        readout.SetUp();
        readout.ShowFrequency(9005, onAir);
        readout.ShowConnection(connection);
        QLabel* display = nullptr; // the one without an ID
        for (QLabel* label : window.findChildren<QLabel*>())
            display = label->objectName().isEmpty() ? label : display;
        QCOMPARE(display->accessibleName(), name);
        QVERIFY(display->accessibleDescription().contains(described));
        QCOMPARE(display->accessibleDescription().isEmpty(), described.isEmpty());
        QCOMPARE(control(window, 1041)->isVisibleTo(&window), digitsShown);
        QCOMPARE(control(window, 1055)->isVisibleTo(&window),
                 connection != TransmitterCore::ConnectionState::Connected);
        QCOMPARE(control(window, 1056)->isVisibleTo(&window), hintShown);
        // Lit digits are the digit pictures themselves; dimmed ones are not.
        const bool lit = control(window, 1041)->pixmap().toImage() == LoadBitmap(205).toImage();
        QCOMPARE(lit, digitsShown && connection == TransmitterCore::ConnectionState::Connected);
        // Back with a transmitter, the read-out is as before.
        readout.ShowConnection(TransmitterCore::ConnectionState::Connected);
        QVERIFY(!control(window, 1055)->isVisibleTo(&window));
        QCOMPARE(control(window, 1041)->isVisibleTo(&window), onAir);
    }

    void picturesPassPressesThrough()
    {
        QWidget window;
        CFrequencyReadout readout(&window);
        for (QLabel* picture : window.findChildren<QLabel*>())
            QVERIFY(picture->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
};

QTEST_MAIN(TestFrequencyReadout)
#include "tst_frequencyreadout.moc"
