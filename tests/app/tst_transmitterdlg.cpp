#include "app/UnattendedMenu.h"
#include "app/WindowPlace.h"
#include "app/WindowRun.h"
#include "core/Favourites.h"
#include "core/TransmitterCore.h"
#include "device/HotplugWatcher.h"
#include "skin/CSystemMenu.h"
#include "skin/CTrayIcon.h"
#include "state/AutostartEntry.h"
#include "state/FavouritesFile.h"
#include "state/SettingsFile.h"
#include "state/StartOnAirFile.h"

#include <QMessageBox>
#include <QtTest>

class TestTransmitterDlg : public QObject
{
    Q_OBJECT

    QString path() const { return settingsPath(); }

private slots:
    void init() { cleanup(); }
    void cleanup()
    {
        for (const QString& file : {path(), FavouritesPath(path()), StartOnAirPath(path())})
            QFile::remove(file);
    }

    // The window menu's favourites act through the core and show what it holds each time they open.
    void menuItems()
    {
        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
        dialog.OnInitDialog();
        QMenu* menu = dialog.SystemMenu()->Menu();
        QStringList told;
        AddUnattendedItems(*menu, dialog.Core(), [&told](const QString& text) { told.append(text); });
        const auto item = [](QMenu* in, const QString& text) {
            const QList<QAction*> actions = in->actions();
            const auto found = std::find_if(actions.begin(), actions.end(), [&](const QAction* action) {
                return QString(action->text()).remove(QLatin1Char('&')) == text;
            });
            return found == actions.end() ? nullptr : *found;
        };
        QMenu* favourites = item(menu, QStringLiteral("Favourite frequencies"))->menu();
        emit favourites->aboutToShow();
        QVERIFY(!item(favourites, QStringLiteral("Remove 90.00 MHz"))->isEnabled());
        item(favourites, QStringLiteral("Add 90.00 MHz"))->trigger();
        QCOMPARE(dialog.Core().Favourites(), std::vector<std::int32_t>{9000});
        emit favourites->aboutToShow();
        QVERIFY(item(favourites, QStringLiteral("1  90.00 MHz"))->isChecked());
        QVERIFY(!item(favourites, QStringLiteral("Add 90.00 MHz"))->isEnabled());
        item(favourites, QStringLiteral("Remove 90.00 MHz"))->trigger();
        QVERIFY(dialog.Core().Favourites().empty());

        item(menu, QStringLiteral("Go on air at start"))->trigger();
        QVERIFY(dialog.Core().OnAirAtStart() && ReadStartOnAir(StartOnAirPath(path())));

        // A choice that cannot be stored is told once, and the item shows what is kept.
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        QFile blocking(config.filePath("autostart"));
        QVERIFY(blocking.open(QIODevice::WriteOnly));
        QAction* atLogin = item(menu, QStringLiteral("Start at login"));
        atLogin->trigger();
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().contains("not stored"), qPrintable(told.first()));
        QVERIFY(!atLogin->isChecked() && !dialog.Core().StartsAtLogin());
        QVERIFY(blocking.remove());
        atLogin->trigger();
        QVERIFY(atLogin->isChecked() && QFile::exists(AutostartEntryPath()));
        qunsetenv("XDG_CONFIG_HOME");
    }

    // Every item of the window's and the tray's menus, a full favourites' menu included, has a key of its
    // own in its menu, whatever its text.
    void menuKeys()
    {
        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
        dialog.OnInitDialog();
        dialog.AddSoundRoutingItem(run.session.Sound());
        dialog.AddWebControlItem(run.session.Web());
        dialog.AddHearingCheckItem(run.session.Sound(), run.session.Hearing());
        AddUnattendedItems(*dialog.SystemMenu()->Menu(), dialog.Core(), [](const QString&) {});
        for (std::int32_t frequency = 9000; dialog.Core().Favourites().size() < FavouritesMaximum;
             frequency += 5)
            QCOMPARE(dialog.Core().AddFavourite(frequency), FavouriteAnswer::Done);
        std::vector<QMenu*> menus{dialog.SystemMenu()->Menu(), dialog.TrayIcon()->Menu()};
        for (std::size_t walked = 0; walked < menus.size(); ++walked) {
            emit menus[walked]->aboutToShow(); // as opening it does
            QSet<QKeySequence> keys;
            for (QAction* action : menus[walked]->actions()) {
                if (action->isSeparator())
                    continue;
                const QKeySequence key = QKeySequence::mnemonic(action->text());
                QVERIFY2(!key.isEmpty() && !keys.contains(key), qPrintable(action->text()));
                keys.insert(key);
                if (action->menu())
                    menus.push_back(action->menu());
            }
        }
        QCOMPARE(menus.size(), 3u);
    }

    // What the start left out of Favourites.ini is told once, in a box over the window that blocks nothing:
    // each line by its number and its text as written (a long one shortened), the first few of many.
    void leftOutFavouritesAreToldOnce()
    {
        const QByteArray longLine(4000, '7');
        const int notUnderstood = 30;
        QFile file(FavouritesPath(path()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("88100\nabc <b>\n88100\n" + longLine + '\n' + QByteArray("x\n").repeated(notUnderstood));
        file.close();
        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
        dialog.OnInitDialog();
        dialog.show();
        QMessageBox* notice = nullptr;
        QTRY_VERIFY((notice = dialog.findChild<QMessageBox*>()));
        QVERIFY(notice->isVisible() && !notice->isModal());
        const QString text = notice->text();
        QVERIFY2(text.contains(FavouritesPath(path())) && text.contains("Line 2, “abc <b>”") &&
                     text.contains("Line 3, “88100”") && text.contains("Line 4, “777"),
                 qPrintable(text));
        QCOMPARE(notice->textFormat(), Qt::PlainText); // the file's "<b>" is no markup
        QVERIFY(text.size() < longLine.size() / 4);
        const int named = int(text.count("Line "));
        QVERIFY(named < notUnderstood);
        QVERIFY2(text.contains(QStringLiteral("…and %1 more").arg(notUnderstood + 3 - named)),
                 qPrintable(text));
        dialog.hide();
        dialog.show();
        QCoreApplication::processEvents();
        QCOMPARE(dialog.findChildren<QMessageBox*>().size(), 1);
    }

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
        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key(key)); });
        QCOMPARE(dialog.DoModal(), result);

        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray::fromHex("282300005A0000000000000025000000"));
    }

    // The window opens where it was left only on the screen it was on, wholly inside its free area.
    void windowOpensWhereItWasLeft_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("restored");
        QTest::newRow("left on the right screen") << "X=1300\nY=101\nScreen=right\n" << true;
        QTest::newRow("that screen gone") << "X=202\nY=101\nScreen=gone\n" << false;
        QTest::newRow("partly off its screen") << "X=1800\nY=101\nScreen=right\n" << false;
        QTest::newRow("on the other screen's area") << "X=202\nY=101\nScreen=right\n" << false;
        QTest::newRow("damaged") << "X=12x\nY=101\nScreen=right\n" << false;
    }
    void windowOpensWhereItWasLeft()
    {
        QFETCH(QString, file);
        QFETCH(bool, restored);
        const QString place = QFileInfo(path()).dir().filePath("Window.ini");
        QFile written(place);
        QVERIFY(written.open(QIODevice::WriteOnly));
        written.write(file.toUtf8());
        written.close();
        const QList<ScreenArea> screens{{"left", {0, 0, 1280, 1024}}, {"right", {1280, 0, 640, 480}}};
        const std::optional<WindowPlace> left = ReadWindowPlace(place);
        const std::optional<QPoint> opened =
            left ? RestoredPosition(*left, {475, 298}, screens) : std::nullopt;
        QCOMPARE(opened.has_value(), restored);
        if (opened)
            QCOMPARE(*opened, left->topLeft);
        QFile::remove(place);
    }

    void firstRunStartsFromDefaultsWithRetunePending()
    {
        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
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
        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
        QVERIFY(!dialog.OnInitDialog()); // no companion library on this test's search path
        const TransmitterState& state = dialog.Core().State();
        dialog.ToggleOnAir();
        QVERIFY(state.onAir);
        QVERIFY(state.retunePending); // no report was built
        auto* watcher = dialog.Core().findChild<HotplugWatcher*>();
        QVERIFY(watcher);
        emit watcher->deviceArrived();
        QVERIFY(!dialog.Core().IsConnected());
        QVERIFY(state.onAir);
        emit watcher->deviceRemoved();
        QVERIFY(state.onAir);
    }

    void teardownRunsOnce()
    {
        WindowRun run;
        CTransmitterDlg& dialog = run.dialog;
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
