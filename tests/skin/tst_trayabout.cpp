#include "app/WindowRun.h"
#include "skin/CSystemMenu.h"
#include "skin/CTrayIcon.h"
#include "state/SettingsFile.h"

#include <QAbstractButton>
#include <QMenu>
#include <QtTest>

// The tray icon, the window menu with its About item, and the About box, on the real main window.
class TestTrayAbout : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowRun> run;
    CTransmitterDlg* dialog = nullptr;

    // Closes the About box once it is up; returns whether it came.
    void expectAboutBox(bool* opened)
    {
        QTimer::singleShot(50, this, [opened] {
            auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            *opened = about && about->windowTitle() == QStringLiteral("About Corvane");
            if (about)
                QTest::keyClick(about, Qt::Key_Escape);
        });
    }

private slots:
    void init()
    {
        QFile::remove(settingsPath());
        run = std::make_unique<WindowRun>();
        dialog = &run->dialog;
        dialog->OnInitDialog();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
    }

    void cleanup()
    {
        run.reset();
        dialog = nullptr;
        QFile::remove(settingsPath());
    }

    void onlyTriggerRestores_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("restores");
        QTest::newRow("left click") << int(QSystemTrayIcon::Trigger) << true;
        QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << false;
        QTest::newRow("middle click") << int(QSystemTrayIcon::MiddleClick) << false;
        QTest::newRow("context") << int(QSystemTrayIcon::Context) << false;
    }

    void onlyTriggerRestores()
    {
        QFETCH(int, reason);
        QFETCH(bool, restores);
        dialog->hide();
        dialog->TrayIcon()->OnActivated(QSystemTrayIcon::ActivationReason(reason));
        QCOMPARE(dialog->isVisible(), restores);

        // Already visible: a left click only brings it forward.
        dialog->show();
        dialog->TrayIcon()->OnActivated(QSystemTrayIcon::Trigger);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isMinimized());
    }

    void withoutTrayMinimizeNeverStrands()
    {
        if (QSystemTrayIcon::isSystemTrayAvailable())
            QSKIP("a tray host is present");
        // A window that may be minimized must keep its taskbar button.
        QCOMPARE(dialog->windowType(), Qt::Dialog);
        bool runEnded = false;
        connect(dialog, &QDialog::finished, this, [&] { runEnded = true; });
        dialog->findChild<QAbstractButton*>(QStringLiteral("1034"))->click();
        QVERIFY(dialog->isVisible());
        QVERIFY(!runEnded);
        dialog->showNormal();
        QVERIFY(!dialog->isMinimized());
    }

    void aboutFromWindowMenu()
    {
        QMenu* menu = dialog->findChild<CSystemMenu*>()->Menu();
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("&About Corvane..."));

        // A right click on the body opens the menu.
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(400, 150),
                                     dialog->mapToGlobal(QPoint(400, 150)));
        QApplication::sendEvent(dialog, &rightClick);
        QTRY_VERIFY(menu->isVisible());
        bool opened = false;
        expectAboutBox(&opened);
        menu->actions().first()->trigger();
        menu->close();
        QVERIFY(opened);
    }

    void altSpaceOpensTheMenu()
    {
        QMenu* menu = dialog->findChild<CSystemMenu*>()->Menu();
        dialog->activateWindow();
        QTest::keyClick(dialog, Qt::Key_Space, Qt::AltModifier);
        QTRY_VERIFY(menu->isVisible());
        menu->close();
    }

    void commandsOfTheAboutBlockOpenIt_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("opens");
        QTest::newRow("16") << 16 << true;
        QTest::newRow("31") << 31 << true;
        QTest::newRow("15") << 15 << false;
        QTest::newRow("32") << 32 << false;
    }

    void commandsOfTheAboutBlockOpenIt()
    {
        QFETCH(int, command);
        QFETCH(bool, opens);
        bool opened = false;
        expectAboutBox(&opened);
        dialog->OnSysCommand(command);
        QTest::qWait(100);
        QCOMPARE(opened, opens);
    }

    void teardownRemovesTheTrayIcon()
    {
        QVERIFY(dialog->TrayIcon()->IsAdded());
        dialog->DestroyWindow();
        QVERIFY(!dialog->TrayIcon()->IsAdded());
    }

    void windowIdentity()
    {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Tessaly"));
        QVERIFY(!dialog->windowIcon().isNull());
    }
};

QTEST_MAIN(TestTrayAbout)
#include "tst_trayabout.moc"
