#include "app/CTransmitterDlg.h"
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
        transmitterState = TransmitterState{};
        transmitterState.onAir = true;
        CTransmitterDlg dialog;
        dialog.OnInitDialog();
        QVERIFY(!transmitterState.onAir);
        QVERIFY(transmitterState.retunePending);
        QCOMPARE(transmitterState.frequency, 9000);
        QCOMPARE(QFileInfo(path()).size(), 0);
        QCOMPARE(dialog.size(), QSize(475, 298));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Tessaly"));
    }

    void withoutLibraryRemovalLeavesThePanelAlone()
    {
        CTransmitterDlg dialog;
        QVERIFY(!dialog.OnInitDialog()); // no companion library on this test's search path
        dialog.ToggleOnAir();
        QVERIFY(transmitterState.onAir);
        auto* watcher = dialog.findChild<HotplugWatcher*>();
        QVERIFY(watcher);
        emit watcher->deviceArrived();
        QVERIFY(transmitterState.onAir);
        emit watcher->deviceRemoved();
        QVERIFY(transmitterState.onAir);
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
