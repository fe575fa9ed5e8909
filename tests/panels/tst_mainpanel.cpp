#include "app/WindowRun.h"
#include "core/TransmitterCore.h"
#include "device/FakeTransmitterReports.h"
#include "device/HotplugWatcher.h"
#include "panels/CMainPanel.h"
#include "res/Resources.h"
#include "skin/CBitmapButton.h"
#include "skin/CSkinSlider.h"
#include "state/SettingsFile.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QtTest>

// The main panel driven through the real main window with real mouse and key input; the device is the
// fake transmitter.
class TestMainPanel : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowRun> run;
    CTransmitterDlg* dialog = nullptr;

    template <typename T = CBitmapButton> T* control(int id)
    {
        return dialog->findChild<T*>(QString::number(id));
    }

    bool shows(int id, int imageId)
    {
        const QImage shown = control(id)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return shown == LoadBitmapImage(imageId).convertToFormat(QImage::Format_RGB32);
    }

    static QPoint centre(QWidget* widget) { return widget->rect().center(); }

    // The group boxes and their radio buttons are the style's drawing, which Qt changes between releases
    // (after 6.4 the frames' top edges moved up a pixel): a picture of the window is compared outside them.
    static QImage withoutStyleDrawing(const QImage& picture, const QWidget& window)
    {
        QImage image = picture.convertToFormat(QImage::Format_ARGB32);
        QPainter painter(&image);
        for (const QGroupBox* box : window.findChildren<QGroupBox*>())
            painter.fillRect(box->geometry(), Qt::black);
        return image;
    }

    void click(int id)
    {
        QTest::mouseMove(control(id), centre(control(id)));
        QTest::mouseClick(control(id), Qt::LeftButton, {}, centre(control(id)));
    }

    // Two points, so that a move happens even when the pointer already rests on the body.
    void moveOverBody()
    {
        QTest::mouseMove(dialog, QPoint(400, 150));
        QTest::mouseMove(dialog, QPoint(401, 151));
    }

    // A real double-click: press and release, then the second press that arrives as a double-click.
    void doubleClick(int id)
    {
        QTest::mouseClick(control(id), Qt::LeftButton, {}, centre(control(id)));
        QTest::mouseDClick(control(id), Qt::LeftButton, {}, centre(control(id)));
        QTest::mouseRelease(control(id), Qt::LeftButton, {}, centre(control(id)));
    }

private slots:
    void init()
    {
        QFile::remove(settingsPath());
        FakeHid_Reset();
        run = std::make_unique<WindowRun>();
        dialog = &run->dialog;
        QVERIFY(dialog->OnInitDialog());
        dialog->FocusFirstTabStop(); // as the program starts
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(TakeReports(dialog->Core()).size(), 2); // the opening pair
        moveOverBody();
    }

    void cleanup()
    {
        run.reset();
        dialog = nullptr;
        QFile::remove(settingsPath());
    }

    void playStepMute()
    {
        click(1007);
        QCOMPARE(TakeReports(dialog->Core()), QList<QByteArray>{tune("0118", "78", "09")});
        click(1010);
        click(1008);
        QCOMPARE(TakeReports(dialog->Core()),
                 (QList<QByteArray>{tune("0119", "78", "19"), tune("0119", "78", "05")}));
    }

    void pressAndHoldRepeats()
    {
        click(1007);
        TakeReports(dialog->Core());
        // The rhythm as the window steps: the writer thread may send a report late on a loaded machine.
        QElapsedTimer clock;
        clock.start();
        QList<qint64> steppedAt;
        const TransmitterCore& core = dialog->Core();
        auto frequency = core.State().frequency;
        const QObject listening;
        connect(&core, &TransmitterCore::changed, &listening, [&] {
            if (core.State().frequency == frequency)
                return;
            frequency = core.State().frequency;
            steppedAt.append(clock.nsecsElapsed());
        });
        QTest::mousePress(control(1010), Qt::LeftButton, {}, centre(control(1010)));
        QCOMPARE(dialog->Core().State().frequency, 9005);
        QVERIFY(dialog->IsTimerActive(TIMER_STEP_UP));
        // At least two repeats; a loaded machine may take a while, and a step more before the release.
        QTRY_VERIFY_WITH_TIMEOUT(dialog->Core().State().frequency >= 9015, 60000);
        QTest::mouseRelease(control(1010), Qt::LeftButton, {}, centre(control(1010)));
        QVERIFY(!dialog->IsTimerActive(TIMER_STEP_UP));

        // Three steps or more, each a retune; the first repeat waits 500 ms, later ones 100 ms.
        int reports = 0;
        for (; const auto report = TakeReport(dialog->Core()); ++reports)
            QCOMPARE(quint8(report->bytes[6]), quint8(0x19));
        QCOMPARE(steppedAt.size(), reports);
        QVERIFY(reports >= 3);
        QVERIFY2(steppedAt[1] - steppedAt[0] >= 490'000'000, "first repeat after 500 ms");
        QVERIFY2(steppedAt[2] - steppedAt[1] >= 95'000'000, "later repeats every 100 ms");
    }

    void draggingOffTheButtonStopsTheRepeatForGood()
    {
        click(1007);
        TakeReports(dialog->Core());
        QTest::mousePress(control(1010), Qt::LeftButton, {}, centre(control(1010)));
        QTest::mouseMove(dialog, QPoint(400, 150)); // still held, grabbed by the button
        QVERIFY(!dialog->IsTimerActive(TIMER_STEP_UP));
        QVERIFY(shows(1010, 182));
        QTest::mouseMove(control(1010), centre(control(1010)));
        QTest::qWait(700);
        QTest::mouseRelease(control(1010), Qt::LeftButton, {}, centre(control(1010)));
        QCOMPARE(TakeReports(dialog->Core()).size(), 1);
        QCOMPARE(dialog->Core().State().frequency, 9005);
    }

    void offAirPressOnlyChangesImages()
    {
        QTest::mousePress(control(1010), Qt::LeftButton, {}, centre(control(1010)));
        QVERIFY(!dialog->IsTimerActive(TIMER_STEP_UP));
        QVERIFY(shows(1010, 183));
        QTest::mouseRelease(control(1010), Qt::LeftButton, {}, centre(control(1010)));
        QVERIFY(shows(1010, 182));
        QCOMPARE(TakeReports(dialog->Core()), QList<QByteArray>{});
        QCOMPARE(dialog->Core().State().frequency, 9000);
    }

    void hoverOneButtonAtATime()
    {
        QTest::mouseMove(control(1008), centre(control(1008)));
        QVERIFY(shows(1008, 217));
        // Reached without crossing the body: no hover look for the second button.
        QTest::mouseMove(control(1000), centre(control(1000)));
        QVERIFY(shows(1000, 170));
        QVERIFY(shows(1008, 217));
        moveOverBody();
        QVERIFY(shows(1008, 166));
        QTest::mouseMove(control(1000), centre(control(1000)));
        QVERIFY(shows(1000, 219));
    }

    void togglesLeaveTheirHoverImageUntilTheBody()
    {
        click(1008);
        QVERIFY(shows(1008, 216));
        moveOverBody();
        QVERIFY(shows(1008, 165));
        click(1007);
        QVERIFY(shows(1007, 218));
        moveOverBody();
        QVERIFY(shows(1007, 168));
    }

    void doubleClicks()
    {
        doubleClick(1007);
        QCOMPARE(TakeReports(dialog->Core()).size(), 2);
        QVERIFY(!dialog->Core().State().onAir);

        click(1007);
        TakeReports(dialog->Core());
        doubleClick(1010);
        // Press and click, then the double-click: two steps, one repeat start, stopped by the release.
        QCOMPARE(dialog->Core().State().frequency, 9010);
        QCOMPARE(TakeReports(dialog->Core()).size(), 2);
        QVERIFY(!dialog->IsTimerActive(TIMER_STEP_UP));
    }

    void keyboard()
    {
        control(1010)->setFocus();
        QTest::keyClick(control(1010), Qt::Key_Space);
        QCOMPARE(TakeReports(dialog->Core()), QList<QByteArray>{});
        control(1007)->setFocus();
        QTest::keyClick(control(1007), Qt::Key_Space);
        QVERIFY(dialog->Core().State().onAir);
        QCOMPARE(TakeReports(dialog->Core()).size(), 1);
    }

    void removalWhileOnAirShowsPauseHoverUntilBodyMove()
    {
        click(1007);
        moveOverBody();
        emit dialog->Core().findChild<HotplugWatcher*>()->deviceRemoved();
        QVERIFY(!dialog->Core().IsConnected());
        QVERIFY(!dialog->Core().State().onAir);
        QVERIFY(shows(1007, 220));
        // The idle picture stands for a transmitter off air: without one the read-out says so instead.
        QVERIFY(!control<QLabel>(1039)->isVisible());
        QVERIFY(control<QLabel>(1055)->isVisible());
        moveOverBody();
        QVERIFY(shows(1007, 172));
    }

    void paSlider()
    {
        auto* slider = control<CSkinSlider>(1006);
        QCOMPARE(slider->pos(), QPoint(325, 237));
        QCOMPARE(slider->toolTip(), QStringLiteral("120"));
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(100, 7));
        QTRY_COMPARE(dialog->Core().State().paLevel, 70);
        QCOMPARE(TakeReports(dialog->Core()), QList<QByteArray>{tune("0118", "64", "0A")});
        QCOMPARE(slider->toolTip(), QStringLiteral("100"));
        // The same position again sends nothing.
        dialog->Panel()->OnPaLevelChanged(1006);
        dialog->Panel()->OnPaLevelChanged(1012);
        QCOMPARE(TakeReports(dialog->Core()), QList<QByteArray>{});
        // A key move does what a drag step does.
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_End);
        QTRY_COMPARE(dialog->Core().State().paLevel, 90);
        QCOMPARE(TakeReports(dialog->Core()), QList<QByteArray>{tune("0118", "78", "0A")});
        QCOMPARE(slider->toolTip(), QStringLiteral("120"));
    }

    // A mouse user's first sight matches the picture taken before focus was drawn, although the first
    // control has the focus. Tab walks the controls as laid out and shows its ring; a click shows none.
    void focus()
    {
        QTRY_VERIFY(control(1034)->hasFocus());
        QCOMPARE(dialog->grab().toImage().convertToFormat(QImage::Format_ARGB32),
                 QImage(TESSALY_REFERENCE_DIR "/main-window.png").convertToFormat(QImage::Format_ARGB32));
        QStringList order;
        for (int step = 0; step < 8; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(order, QStringList({"1036", "1007", "1009", "1010", "1008", "1000", "1006", "1034"}));
        QVERIFY(!shows(1034, 214));
        click(1008);
        QVERIFY(shows(1008, 216));
    }

    // A frequency typed with a point or, as many languages write it, a comma: Enter tunes to it (off air too,
    // kept for the next Play); one off the grid or outside the band is refused, and the window stays.
    void typedFrequency_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("tuned");
        QTest::newRow("point") << "88.1" << 8810;
        QTest::newRow("comma") << "88,1" << 8810;
        QTest::newRow("two decimals after a comma") << "107,95" << 10795;
        QTest::newRow("nothing after the comma") << "99," << 9900;
        QTest::newRow("a second comma is ignored") << "99,,5" << 9950;
        QTest::newRow("a point after a comma is ignored") << "99,.5" << 9950;
        QTest::newRow("off the grid") << "88,12" << 9000;
        QTest::newRow("outside the band") << "120" << 9000;
    }

    void typedFrequency()
    {
        QFETCH(QString, typed);
        QFETCH(int, tuned);
        QTest::keyClicks(dialog, typed);
        QTest::keyClick(dialog, Qt::Key_Return);
        QCOMPARE(dialog->Core().State().frequency, tuned);
        QVERIFY(dialog->isVisible());
    }

    void readoutFollowsOnAir()
    {
        click(1007);
        QVERIFY(!control<QLabel>(1039)->isVisible());
        QVERIFY(control<QLabel>(1041)->isVisible());
        QCOMPARE(control<QLabel>(1041)->pos(), QPoint(122, 132));
        QVERIFY(!control<QLabel>(1040)->isVisible());
    }

    void openSettings_data()
    {
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("radio");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("reports");
        QTest::newRow("100.00 to 76-90") << 10000 << 1016 << 9000 << 2;
        QTest::newRow("88.00 to 76-90") << 8800 << 1016 << 8800 << 1;
        QTest::newRow("no change") << 10000 << 0 << 10000 << 1;
    }

    void openSettings()
    {
        QFETCH(int, frequency);
        QFETCH(int, radio);
        QFETCH(int, after);
        QFETCH(int, reports);
        QVERIFY(dialog->Core().WriteProperty(QStringLiteral("Frequency"), uint(frequency * 10)).isEmpty());
        QImage firstSight; // to match the picture taken before focus was drawn
        QImage reference(TESSALY_REFERENCE_DIR "/settings-window.png");
        QTimer::singleShot(100, this, [radio, &firstSight, &reference] {
            QWidget* settings = QApplication::activeModalWidget();
            QVERIFY(settings);
            firstSight = withoutStyleDrawing(settings->grab().toImage(), *settings);
            reference = withoutStyleDrawing(reference, *settings);
            if (radio != 0)
                settings->findChild<QRadioButton*>(QString::number(radio))->click();
            QTest::keyClick(settings, Qt::Key_Escape);
        });
        click(1000);
        QCOMPARE(firstSight, reference);
        QCOMPARE(dialog->Core().State().frequency, after);
        const QList<QByteArray> sent = TakeReports(dialog->Core());
        QCOMPARE(sent.size(), reports);
        if (reports == 2)
            QCOMPARE(quint8(QByteArray::fromHex(sent[0])[6]), quint8(0x1A));
        QVERIFY(sent.last().startsWith("000051"));
    }
};

QTEST_MAIN(TestMainPanel)
#include "tst_mainpanel.moc"
