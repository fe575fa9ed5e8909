#include "app/CHearingDlg.h"
#include "app/TrayControl.h"
#include "app/WindowRun.h"
#include "app/WriteErrorMessage.h"
#include "core/TransmitterCore.h"
#include "device/FakeTransmitterReports.h"
#include "skin/CTrayIcon.h"
#include "sound/SoundRouting.h"
#include "state/MarkingTranslator.h"
#include "state/SettingsFile.h"

#include <algorithm>
#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
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
        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
        connect(&dialog.Core(), &TransmitterCore::writeFailed, this, [this] { ++writeErrors; });
        QVERIFY(dialog.OnInitDialog()); // the library loaded
        QCOMPARE(FakeHid_OpenCalls(), 1);
        QCOMPARE(TakeReports(dialog.Core()).size(), present ? 2 : 0);
        const int handle = FakeHid_LastOpenedHandle();

        if (goOnAir) {
            dialog.ToggleOnAir();
            QCOMPARE(TakeReports(dialog.Core()).size(), present ? 1 : 0);
        }
        dialog.DestroyWindow();

        QCOMPARE(TakeReports(dialog.Core()), lastReports);
        QCOMPARE(FakeHid_CloseCalls(), closeCalls);
        if (closeCalls)
            QCOMPARE(FakeHid_LastClosedHandle(), handle);
        QVERIFY(!dialog.Core().IsConnected());
        QCOMPARE(dialog.Core().State().onAir, onAirAfter);
        QCOMPARE(writeErrors, 0);
    }

    // The tray icon tells what the transmitter gets; its menu acts through the core and quits as the close
    // button does.
    void trayTellsAndOffers_data()
    {
        QTest::addColumn<int>("present");        // 0 absent, 1 present, 2 present but refused, 3 failing
        QTest::addColumn<QStringList>("chosen"); // tray menu items, in turn
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("nothingPlaying"); // the tip while the hearing check finds nothing playing
        QTest::newRow("off air") << 1 << QStringList{} << "Tessaly — off air"
                                 << "Tessaly — off air";
        QTest::newRow("on air") << 1 << QStringList{"On air"} << "Tessaly — on air, 90.00 MHz"
                                << "Tessaly — on air, 90.00 MHz, nothing playing";
        QTest::newRow("muted") << 1 << QStringList{"On air", "Mute"} << "Tessaly — muted"
                               << "Tessaly — muted";
        QTest::newRow("shown again") << 1 << QStringList{"Show window"} << "Tessaly — off air"
                                     << "Tessaly — off air";
        QTest::newRow("no transmitter") << 0 << QStringList{"On air"} << "Tessaly — no transmitter"
                                        << "Tessaly — no transmitter";
        QTest::newRow("refused") << 2 << QStringList{} << "Tessaly — no permission for the transmitter"
                                 << "Tessaly — no permission for the transmitter";
        QTest::newRow("not taken")
            << 3 << QStringList{"On air"}
            << "Tessaly — on air, 90.00 MHz — the transmitter did not take the last change"
            << "Tessaly — on air, 90.00 MHz, nothing playing — the transmitter did not take the last change";
    }

    void trayTellsAndOffers()
    {
        QFETCH(int, present);
        QFETCH(QStringList, chosen);
        QFETCH(QString, tip);
        FakeHid_SetPresent(present != 0);
        FakeHid_SetDenied(present == 2);
        if (present == 3)
            FakeHid_FailWritesWith(EIO);
        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
        dialog.OnInitDialog();
        QSignalSpy ended(&dialog, &QDialog::finished);
        for (const QString& text : chosen + QStringList{"Quit"}) {
            emit dialog.TrayIcon()->Menu()->aboutToShow(); // as opening it does
            const QList<QAction*> items = dialog.TrayIcon()->Menu()->actions();
            const auto item = std::ranges::find(items, text, [](const QAction* action) {
                return QString(action->text()).remove(QLatin1Char('&'));
            });
            QVERIFY2(item != items.end(), qPrintable(text));
            // A failure comes back from the device writer in its own time.
            if (text == "Quit") {
                QTRY_COMPARE_WITH_TIMEOUT(dialog.TrayIcon()->ToolTip(), tip, 60000);
                QTEST(TrayToolTip(dialog.Core(), true), "nothingPlaying");
            }
            if (text == "Show window")
                dialog.hide(); // as it is while only the tray shows it
            (*item)->trigger();
            if (text == "Show window")
                QVERIFY(dialog.isVisible());
        }
        const CTrayIcon::Picture picture = tip.contains("did not take") ? CTrayIcon::Picture::NotTaken
                                           : tip.contains("on air,") || tip.contains("muted")
                                               ? CTrayIcon::Picture::OnAir
                                               : CTrayIcon::Picture::Plain;
        QCOMPARE(dialog.TrayIcon()->Shown(), picture);
        QCOMPARE(ended.size(), 1);
    }

    void soundCardNotFoundIsToldOnce()
    {
        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
        dialog.OnInitDialog();
        QTemporaryDir dir;
        SoundRouting routing(dir.filePath(QStringLiteral("Sound.ini")));
        dialog.AddSoundRoutingItem(routing);
        for (int search = 0; search < 3; ++search)
            emit routing.cardNotFound();
        // No tray shows offscreen: a note over the window, which blocks nothing.
        const QList<QMessageBox*> notes = dialog.findChildren<QMessageBox*>();
        QCOMPARE(notes.size(), 1);
        QVERIFY(notes.first()->isVisible());
        QVERIFY(!notes.first()->isModal());
    }

    // "Why can't I hear it?": a line a link, each led by its verdict, the one to mend first current and
    // named above; changes while a check runs are checked once more after it, not once each.
    void hearingWindowShowsTheChain()
    {
        QTemporaryDir dir;
        qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(dir.filePath(QStringLiteral("no-server"))));
        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
        dialog.OnInitDialog();
        CHearingDlg window(dialog.Core(), &run.session.Sound(), run.session.Hearing(), &dialog);
        window.show();
        auto* list = window.findChild<QListWidget*>(QStringLiteral("1049"));
        auto* summary = window.findChild<QLabel*>(QStringLiteral("1051"));
        QVERIFY(list && summary);
        QSignalSpy shown(list->model(), &QAbstractItemModel::modelReset);
        // Asked while the first check runs: one more check after it.
        dialog.Core().ToggleMute();
        dialog.Core().ToggleMute();
        dialog.Core().ToggleMute();
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 2, 60000);
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::processEvents();
        QCOMPARE(shown.size(), 2);

        // Off air and muted: the transmitter's side is broken, and the sound is not asked.
        const std::vector<LinkResult> links =
            CheckHearing(dialog.Core().HearingFacts(), std::nullopt, HearingFace::Window);
        const LinkResult* first = FirstBroken(links);
        QVERIFY(first && dialog.Core().State().muted);
        QCOMPARE(list->count(), int(links.size()));
        for (int row = 0; row < list->count(); ++row)
            QCOMPARE(list->item(row)->text(), VerdictLabel(links[row].verdict) + ": " + links[row].text);
        QCOMPARE(list->currentRow(), int(first - links.data()));
        QVERIFY2(summary->text().endsWith(first->text), qPrintable(summary->text()));

        // In the user's language: the verdicts, the links' words and the summary go through translation.
        const MarkingLanguage language;
        dialog.Core().ToggleMute();
        QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 3, 60000);
        const std::vector<LinkResult> now =
            CheckHearing(dialog.Core().HearingFacts(), std::nullopt, HearingFace::Window);
        for (int row = 0; row < list->count(); ++row) {
            const QString line = list->item(row)->text();
            QVERIFY2(line.startsWith("[CHearingDlg|") && line.contains(now[row].words.Translated()),
                     qPrintable(line));
        }
        QVERIFY2(summary->text().startsWith("[CHearingDlg|"), qPrintable(summary->text()));
        qunsetenv("PULSE_RUNTIME_PATH");
    }

    void failedWritesShareOneMessageAtATime()
    {
        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
        QVERIFY(dialog.OnInitDialog());
        TakeReports(dialog.Core());
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
        QVERIFY2(message->informativeText().contains("unplug it and plug it in again"),
                 qPrintable(message->informativeText()));
        QCOMPARE(message->buttons().size(), 1);
        message->button(QMessageBox::Ok)->click();
        dialog.ToggleOnAir(); // the next failure after the dismissal is shown again
        QTRY_COMPARE(openMessages(), 1);
        QVERIFY(dialog.Core().IsConnected());
    }
};

QTEST_MAIN(TestDialogDevice)
#include "tst_dialogdevice.moc"
