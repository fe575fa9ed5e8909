#include "panels/CFrequencyReadout.h"
#include "res/Resources.h"
#include "state/TransmitterState.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTranslator>
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

    // The frequency in words follows the locale's numbers, as the tray's tip and the menus show it.
    void frequencyTextFollowsTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("C") << QLocale::c() << "88.10 MHz";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "88,10 MHz";
        QTest::newRow("Japanese") << QLocale(QLocale::Japanese, QLocale::Japan) << "88.10 MHz";
    }

    void frequencyTextFollowsTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        const QLocale before;
        QLocale::setDefault(locale);
        const QString shown = CFrequencyReadout::FrequencyText(8810);
        QLocale::setDefault(before);
        QCOMPARE(shown, text);
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

    // Without a transmitter the digits stay, dimmed, on air or not, under a notice (with the fix where the
    // rule is missing); the display's name and description say the state and what to do.
    void connection_data()
    {
        using enum TransmitterCore::ConnectionState;
        QTest::addColumn<TransmitterCore::ConnectionState>("connection");
        QTest::addColumn<bool>("onAir");
        QTest::addColumn<QString>("spoken"); // the name, and a part of the description
        QTest::newRow("on air") << Connected << true << "90.05 MHz|";
        QTest::newRow("off air") << Connected << false << "Off air|";
        QTest::newRow("absent") << Absent << false << "No transmitter|90.05 MHz";
        QTest::newRow("no permission")
            << NoPermission << true << "No permission for the transmitter|70-tessaly";
    }

    void connection()
    {
        QFETCH(TransmitterCore::ConnectionState, connection);
        QFETCH(bool, onAir);
        QFETCH(QString, spoken);
        QWidget window;
        CFrequencyReadout readout(&window);
        readout.SetUp();
        readout.ShowFrequency(9005, onAir);
        readout.ShowConnection(connection);
        const bool connected = connection == TransmitterCore::ConnectionState::Connected;
        const QList<QLabel*> display = window.findChildren<QLabel*>(QRegularExpression("^$")); // no ID
        QCOMPARE(display.size(), 1);
        QCOMPARE(display[0]->accessibleName(), spoken.section('|', 0, 0));
        QVERIFY(display[0]->accessibleDescription().contains(spoken.section('|', 1)));
        QCOMPARE(display[0]->accessibleDescription().isEmpty(), connected);
        QCOMPARE(control(window, 1041)->isVisibleTo(&window), onAir || !connected);
        QCOMPARE(control(window, 1055)->isVisibleTo(&window), !connected);
        QCOMPARE(control(window, 1056)->isVisibleTo(&window), spoken.contains("70-tessaly"));
        // Lit digits are the digit pictures themselves; dimmed ones are not.
        QCOMPARE(control(window, 1041)->pixmap().toImage() == LoadBitmap(205).toImage(), connected && onAir);
    }

    // The display's words are the artwork's pictures in English; in another language its words are drawn,
    // inside the display.
    void noticeInTheUsersLanguage()
    {
        struct Longer final : QTranslator
        {
            bool isEmpty() const override { return false; }
            QString translate(const char*, const char* source, const char*, int) const override
            {
                return QString::fromUtf8(source) + QStringLiteral(" ÀÉÎ");
            }
        } longer;
        QWidget window;
        CFrequencyReadout readout(&window);
        readout.SetUp();
        readout.ShowConnection(TransmitterCore::ConnectionState::NoPermission);
        const QLabel* display = window.findChildren<QLabel*>(QRegularExpression("^$")).value(0); // no ID
        QVERIFY(display);
        const QImage english = control(window, 1055)->pixmap().toImage();
        QCOMPARE(english, LoadBitmap(224).toImage());
        QCoreApplication::installTranslator(&longer);
        readout.ShowConnection(TransmitterCore::ConnectionState::NoPermission);
        QCoreApplication::removeTranslator(&longer);
        for (const int id : {1055, 1056}) {
            QLabel* words = control(window, id);
            QVERIFY(words->pixmap().toImage() != LoadBitmap(id == 1055 ? 224 : 225).toImage());
            QVERIFY(display->geometry().contains(words->geometry()));
        }
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
