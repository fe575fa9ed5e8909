#include "app/CTransmitterDlg.h"
#include "core/TransmitterCore.h"
#include "device/HotplugWatcher.h"
#include "state/SettingsFile.h"

#include <QtTest>

class TestTransmitterDlg : public QObject
{
    Q_OBJECT

    QString path() const { return settingsPath(); }

private slots:
    void init() { QFile::remove(path()); }
    void cleanup() { QFile::remove(path()); }

    void endings_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
        QTest::newRow("enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
    }

    void endings()
    {
        QFETCH(int, key);
        QFETCH(int, result);
        CTransmitterDlg dialog;
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key(key)); });
        QCOMPARE(dialog.DoModal(), result);

        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray::fromHex("282300005A0000000000000025000000"));
    }

    void firstRunStartsFromDefaultsWithRetunePending()
    {
        CTransmitterDlg dialog;
        dialog.OnInitDialog();
        const TransmitterState& state = dialog.Core().State();
        QVERIFY(!state.onAir);
        QVERIFY(state.retunePending);
        QCOMPARE(state.frequency, 9000);
        QCOMPARE(QFileInfo(path()).size(), 0);
        QCOMPARE(dialog.size(), QSize(475, 298));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Tessaly"));
    }

    void withoutLibraryRemovalLeavesThePanelAlone()
    {
        CTransmitterDlg dialog;
        QVERIFY(!dialog.OnInitDialog()); // no companion library on this test's search path
        const TransmitterState& state = dialog.Core().State();
        dialog.ToggleOnAir();
        QVERIFY(state.onAir);
        QVERIFY(state.retunePending); // no report was built
        auto* watcher = dialog.findChild<HotplugWatcher*>();
        QVERIFY(watcher);
        emit watcher->deviceArrived();
        QVERIFY(!dialog.Core().IsConnected());
        QVERIFY(state.onAir);
        emit watcher->deviceRemoved();
        QVERIFY(state.onAir);
    }

    void teardownRunsOnce()
    {
        CTransmitterDlg dialog;
        dialog.OnInitDialog();
        dialog.DestroyWindow();
        QFile::remove(path());
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        dialog.DestroyWindow(); // the destructor calls it again too
        QCOMPARE(QFileInfo(path()).size(), 0);
    }
};

QTEST_MAIN(TestTransmitterDlg)
#include "tst_transmitterdlg.moc"
