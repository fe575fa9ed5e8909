#include "companion/HidId.h"

#include <QtTest>

class TestHidId : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<uint>("bus");
        QTest::addColumn<uint>("vendor");
        QTest::addColumn<uint>("product");

        QTest::newRow("transmitter on usb")
            << QByteArray("0003:0000046D:00000A0E") << true << 3u << 0x46Du << 0xA0Eu;
        QTest::newRow("lower case") << QByteArray("0003:0000046d:00000a0e") << true << 3u << 0x46Du << 0xA0Eu;
        QTest::newRow("bluetooth bus")
            << QByteArray("0005:0000046D:00000A0E") << true << 5u << 0x46Du << 0xA0Eu;
        QTest::newRow("short fields") << QByteArray("3:46D:A0E") << true << 3u << 0x46Du << 0xA0Eu;
        QTest::newRow("widest fields")
            << QByteArray("FFFFFFFF:FFFFFFFF:FFFFFFFF") << true << 0xFFFFFFFFu << 0xFFFFFFFFu << 0xFFFFFFFFu;
        QTest::newRow("empty") << QByteArray("") << false << 0u << 0u << 0u;
        QTest::newRow("two fields") << QByteArray("0003:0000046D") << false << 0u << 0u << 0u;
        QTest::newRow("four fields") << QByteArray("0003:0000046D:00000A0E:0001") << false << 0u << 0u << 0u;
        QTest::newRow("empty field") << QByteArray("0003::00000A0E") << false << 0u << 0u << 0u;
        QTest::newRow("trailing colon") << QByteArray("0003:0000046D:") << false << 0u << 0u << 0u;
        QTest::newRow("not hex") << QByteArray("0003:0000046G:00000A0E") << false << 0u << 0u << 0u;
        QTest::newRow("hex prefix") << QByteArray("0x3:0000046D:00000A0E") << false << 0u << 0u << 0u;
        QTest::newRow("sign") << QByteArray("0003:-46D:00000A0E") << false << 0u << 0u << 0u;
        QTest::newRow("blank") << QByteArray("0003: 46D:00000A0E") << false << 0u << 0u << 0u;
        QTest::newRow("trailing newline")
            << QByteArray("0003:0000046D:00000A0E\n") << false << 0u << 0u << 0u;
        QTest::newRow("field too long") << QByteArray("0003:00000046D:00000A0E") << false << 0u << 0u << 0u;
    }

    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        HidId id{7, 7, 7};
        QCOMPARE(ParseHidId(text.constData(), &id), valid ? 1 : 0);
        if (valid) {
            QTEST(id.bus, "bus");
            QTEST(id.vendor, "vendor");
            QTEST(id.product, "product");
        } else {
            QCOMPARE(id.bus, 7u); // untouched on failure
            QCOMPARE(id.vendor, 7u);
            QCOMPARE(id.product, 7u);
        }
    }

    void nullIsMalformed()
    {
        HidId id{};
        QCOMPARE(ParseHidId(nullptr, &id), 0);
        QCOMPARE(HidIdMatches(nullptr, 0x046D, 0x0A0E), 0);
    }

    void matches_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::addColumn<bool>("match");

        QTest::newRow("transmitter") << QByteArray("0003:0000046D:00000A0E") << 0x046D << 0x0A0E << true;
        QTest::newRow("any bus") << QByteArray("0005:0000046D:00000A0E") << 0x046D << 0x0A0E << true;
        QTest::newRow("other product") << QByteArray("0003:0000046D:0000C52B") << 0x046D << 0x0A0E << false;
        QTest::newRow("other vendor") << QByteArray("0003:0000046E:00000A0E") << 0x046D << 0x0A0E << false;
        QTest::newRow("vendor and product swapped")
            << QByteArray("0003:00000A0E:0000046D") << 0x046D << 0x0A0E << false;
        QTest::newRow("bus taken for vendor")
            << QByteArray("046D:00000A0E:00000000") << 0x046D << 0x0A0E << false;
        QTest::newRow("malformed") << QByteArray("0003:0000046D") << 0x046D << 0x0A0E << false;
        QTest::newRow("negative ids never match")
            << QByteArray("0003:FFFFFFFF:FFFFFFFF") << -1 << -1 << false;
    }

    void matches()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, vendor);
        QFETCH(int, product);
        QFETCH(bool, match);
        QCOMPARE(HidIdMatches(text.constData(), vendor, product), match ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestHidId)
#include "tst_hidid.moc"
