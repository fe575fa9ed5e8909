#include "app/CTransmitterDlg.h"
#include "app/WriteErrorMessage.h"
#include "core/TransmitterCore.h"
#include "device/FakeTransmitterReports.h"
#include "state/SettingsFile.h"

#include <algorithm>
#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>

// The main window's part in the device link: the opening at the end of its initialisation, the
// teardown's last report and close, and the write-error message.
class TestDialogDevice : public QObject
{
    Q_OBJECT

    int writeErrors = 0;

private slots:
    void initTestCase() { IgnoreSigpipe(); }

    void init()
    {
        QFile::remove(settingsPath());
        FakeHid_Reset();
        writeErrors = 0;
    }

    void cleanup() { QFile::remove(settingsPath()); }

    void teardown_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("goOnAir");
        QTest::addColumn<QList<QByteArray>>("lastReports");
        QTest::addColumn<int>("closeCalls");
        QTest::addColumn<bool>("onAirAfter");

        QTest::newRow("open and on air: off-air report, then close") << true << true
                                                                     << QList<QByteArray>{"000050011878"
                                                                                          "0A0000"}
                                                                     << 1 << false;
        QTest::newRow("open and off air: close only") << true << false << QList<QByteArray>{} << 1 << false;
        QTest::newRow("no connection and on air: nothing")
            << false << true << QList<QByteArray>{} << 0 << true;
    }

    void teardown()
    {
        QFETCH(bool, present);
        QFETCH(bool, goOnAir);
        QFETCH(QList<QByteArray>, lastReports);
        QFETCH(int, closeCalls);
        QFETCH(bool, onAirAfter);

        FakeHid_SetPresent(present);
        CTransmitterDlg dialog;
        connect(&dialog.Core(), &TransmitterCore::writeFailed, this, [this] { ++writeErrors; });
        QVERIFY(dialog.OnInitDialog()); // the library loaded
        QCOMPARE(FakeHid_OpenCalls(), 1);
        QCOMPARE(TakeReports().size(), present ? 2 : 0);
        const int handle = FakeHid_LastOpenedHandle();

        if (goOnAir) {
            dialog.ToggleOnAir();
            QCOMPARE(TakeReports().size(), present ? 1 : 0);
        }
        dialog.DestroyWindow();

        QCOMPARE(TakeReports(), lastReports);
        QCOMPARE(FakeHid_CloseCalls(), closeCalls);
        if (closeCalls)
            QCOMPARE(FakeHid_LastClosedHandle(), handle);
        QVERIFY(!dialog.Core().IsConnected());
        QCOMPARE(dialog.Core().State().onAir, onAirAfter);
        QCOMPARE(writeErrors, 0);
    }

    void failedWritesShareOneMessageAtATime()
    {
        CTransmitterDlg dialog;
        QVERIFY(dialog.OnInitDialog());
        TakeReports();
        FakeHid_ClosePeer();
        const auto openMessages = [] {
            return std::ranges::count_if(QApplication::topLevelWidgets(), [](QWidget* w) {
                return qobject_cast<QMessageBox*>(w) && w->isVisible();
            });
        };

        // Both return at once; the second failure finds the message still open.
        dialog.ToggleOnAir();
        dialog.Core().ToggleMute();
        QTRY_COMPARE(openMessages(), 1);
        auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QCOMPARE(message->text(), QStringLiteral("USB Data Write Error!"));
        QCOMPARE(message->buttons().size(), 1);
        message->button(QMessageBox::Ok)->click();
        dialog.ToggleOnAir(); // the next failure after the dismissal is shown again
        QTRY_COMPARE(openMessages(), 1);
        QVERIFY(dialog.Core().IsConnected());
    }
};

QTEST_MAIN(TestDialogDevice)
#include "tst_dialogdevice.moc"
