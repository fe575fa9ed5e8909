#include "core/TestCore.h"
#include "device/FakeTransmitterReports.h"
#include "panels/CSettingsDlg.h"
#include "res/SettingsLayout.h"
#include "skin/CBitmapButton.h"
#include "skin/CSkinSlider.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QtTest>

namespace {

constexpr int ALL_RADIOS[] = {1013, 1014, 1015, 1016, 1019, 1020, 1025, 1018, 1017};

// The SetupReport the state calls for now, as the fake transmitter logs it.
QByteArray SetupOfState(const TransmitterState& state)
{
    const ReportBytes report = BuildReport(SetupReport, state);
    return QByteArray(reinterpret_cast<const char*>(report.data()), report.size()).toHex().toUpper();
}

enum class CloseWay
{
    Done,
    Enter,
    CloseButton,
    Escape,
    WindowManager,
};

} // namespace

Q_DECLARE_METATYPE(CloseWay)

// The settings window driven with real mouse and key input; reports are read from the fake transmitter.
class TestSettingsDlg : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCore> test;
    std::unique_ptr<CSettingsDlg> dialog;
    QList<QByteArray> received;

    // Collects reports until count have arrived; false when they do not come.
    bool waitForReports(qsizetype count)
    {
        return QTest::qWaitFor(
            [&] {
                received += TakeReports(test->core);
                return received.size() >= count;
            },
            2000);
    }

    template <typename T = QWidget> T* control(int id) const
    {
        return dialog->findChild<T*>(QString::number(id));
    }

    CSkinSlider* slider() const { return control<CSkinSlider>(1012); }

    // By ID.
    QList<int> checkedRadios() const
    {
        QList<int> checked;
        for (int id : ALL_RADIOS) {
            if (control<QRadioButton>(id)->isChecked())
                checked.append(id);
        }
        std::sort(checked.begin(), checked.end());
        return checked;
    }

    // Presses on the radio's indicator, which every style counts as a hit.
    void clickRadio(int id)
    {
        auto* radio = control<QRadioButton>(id);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    }

    void clickSlider(int x) { QTest::mouseClick(slider(), Qt::LeftButton, {}, QPoint(x, 7)); }

    // Opens the window non-blocking; returns false when it never appeared.
    bool open(int optionFlags, int txGainIndex)
    {
        test->core.ApplySettings(optionFlags, txGainIndex);
        TakeReports(test->core);
        dialog = std::make_unique<CSettingsDlg>(test->core);
        dialog->open();
        return QTest::qWaitForWindowExposed(dialog.get());
    }

    // Tabs to the slider as a user would; false when the focus chain never reaches it.
    bool tabToSlider()
    {
        for (int step = 0; step < 20 && !slider()->hasFocus(); ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return slider()->hasFocus();
    }

    void closeBy(CloseWay way)
    {
        switch (way) {
        case CloseWay::Done:
            QTest::mouseClick(control(1), Qt::LeftButton);
            break;
        case CloseWay::Enter:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            break;
        case CloseWay::CloseButton:
            QTest::mouseClick(control(1036), Qt::LeftButton);
            break;
        case CloseWay::Escape:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            break;
        case CloseWay::WindowManager:
            dialog->close();
            break;
        }
    }

private slots:
    void initTestCase() { IgnoreSigpipe(); }

    void init()
    {
        FakeHid_Reset();
        received.clear();
        test = std::make_unique<TestCore>();
        QVERIFY(test->Start());
        QCOMPARE(TakeReports(test->core).size(), 2);
    }

    void cleanup()
    {
        dialog.reset();
        test.reset();
    }

    void opening_data()
    {
        QTest::addColumn<int>("optionFlags");
        QTest::addColumn<int>("txGainIndex");
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<int>("thumb");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<int>("txGainIndexOpen");
        QTest::addColumn<int>("optionFlagsClosed");
        QTest::addColumn<int>("txGainIndexClosed");

        QTest::newRow("defaults") << 37 << 0 << QList<int>{1014, 1015, 1017, 1025} << 0 << "0" << 0 << 37
                                  << 0;
        QTest::newRow("all options set, stray bit 3")
            << 0x3F << 7 << QList<int>{1014, 1016, 1017, 1025} << 7 << "7" << 7 << 0x27 << 7;
        QTest::newRow("nothing set: 50 us is the first of its group")
            << 0 << 23 << QList<int>{1013, 1015, 1018, 1019} << 23 << "23" << 23 << 0 << 23;
        QTest::newRow("100 kHz, high bits dropped")
            << 0x7F12 << 12 << QList<int>{1013, 1016, 1018, 1020} << 12 << "12" << 12 << 0x12 << 12;
    }

    void opening()
    {
        QFETCH(int, optionFlags);
        QFETCH(int, txGainIndex);
        QFETCH(QList<int>, checked);
        QFETCH(int, thumb);
        QFETCH(QString, tip);
        QFETCH(int, txGainIndexOpen);
        QFETCH(int, optionFlagsClosed);
        QFETCH(int, txGainIndexClosed);

        QVERIFY(open(optionFlags, txGainIndex));
        QCOMPARE(test->core.State().txGainIndex, txGainIndexOpen);
        QCOMPARE(test->core.State().optionFlags, optionFlags); // radios reach the state only at closing
        QCOMPARE(checkedRadios(), checked);
        QCOMPARE(slider()->GetPos(), thumb);
        QCOMPARE(slider()->toolTip(), tip);

        closeBy(CloseWay::Done);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->isVisible(), 2000);
        QCOMPARE(test->core.State().optionFlags, optionFlagsClosed);
        QCOMPARE(test->core.State().txGainIndex, txGainIndexClosed);
        QCOMPARE(TakeReports(test->core),
                 QList<QByteArray>{SetupOfState(test->core.State())}); // the closing applies the choice
    }

    void closing_data()
    {
        QTest::addColumn<CloseWay>("way");
        QTest::addColumn<int>("result");

        QTest::newRow("DONE") << CloseWay::Done << int(QDialog::Accepted);
        QTest::newRow("Enter") << CloseWay::Enter << int(QDialog::Accepted);
        QTest::newRow("close button") << CloseWay::CloseButton << int(QDialog::Accepted);
        QTest::newRow("Escape") << CloseWay::Escape << int(QDialog::Rejected);
        QTest::newRow("window manager") << CloseWay::WindowManager << int(QDialog::Rejected);
    }

    // Radios stay in the window until it closes, then every way commits them; keyboard slider moves reach
    // the device at once, as mouse moves do.
    void closing()
    {
        QFETCH(CloseWay, way);
        QFETCH(int, result);

        QVERIFY(open(37, 4));
        clickRadio(1013);
        clickRadio(1016);
        clickRadio(1018);
        clickRadio(1019);
        QCOMPARE(checkedRadios(), QList<int>({1013, 1016, 1018, 1019}));
        QVERIFY(tabToSlider());
        QTest::keyClick(slider(), Qt::Key_End);
        QTest::keyClick(slider(), Qt::Key_Left);
        QCOMPARE(slider()->GetPos(), 22);
        QVERIFY(waitForReports(2));
        QTest::qWait(20); // a stray queued notification would arrive now
        // Both notifications read the slider when delivered, after the second key.
        QCOMPARE(received + TakeReports(test->core), QList<QByteArray>(2, SetupBytes("40", "25")));
        QCOMPARE(test->core.State().txGainIndex, 22);
        QCOMPARE(test->core.State().optionFlags, 37);

        closeBy(way);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->isVisible(), 2000);
        QCOMPARE(dialog->result(), result);
        QCOMPARE(test->core.State().optionFlags, 0x02);
        QCOMPARE(test->core.State().txGainIndex, 22);
        QCOMPARE(TakeReports(test->core), QList<QByteArray>{SetupOfState(test->core.State())});
    }

    // As the main panel runs it: a modal run that returns only after the commit.
    void modalRun()
    {
        QWidget owner;
        owner.resize(475, 298);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        test->core.ApplySettings(test->core.State().optionFlags, 9);
        TakeReports(test->core);
        CSettingsDlg settings(test->core, &owner);
        bool timedOut = false;
        QTimer::singleShot(0, &settings, [&settings] {
            QTest::mouseClick(settings.findChild<QRadioButton*>(QStringLiteral("1014")), Qt::LeftButton, {},
                              QPoint(6, 10));
            QTest::mouseClick(settings.findChild<QRadioButton*>(QStringLiteral("1013")), Qt::LeftButton, {},
                              QPoint(6, 10));
            QTest::mouseClick(settings.findChild<QWidget*>(QStringLiteral("1")), Qt::LeftButton);
        });
        QTimer::singleShot(5000, &settings, [&] {
            timedOut = true;
            settings.reject();
        });
        QCOMPARE(settings.exec(), int(QDialog::Accepted));
        QVERIFY(!timedOut);
        QCOMPARE(test->core.State().optionFlags, 0x24);
        QCOMPARE(test->core.State().txGainIndex, 9);
    }

    void sliderChange_data()
    {
        QTest::addColumn<int>("optionFlags");
        QTest::addColumn<int>("radio");
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<int>("optionFlagsAfterChange");
        QTest::addColumn<int>("optionFlagsClosed");

        QTest::newRow("defaults, pixel 150") << 37 << 0 << SetupBytes("52", "25") << 37 << 37;
        QTest::newRow("stray bits composed away") << 0x3F << 0 << SetupBytes("52", "27") << 0x27 << 0x27;
        QTest::newRow("76 - 90 chosen first reaches the device only after closing")
            << 37 << 1016 << SetupBytes("52", "25") << 37 << 0x27;
    }

    void sliderChange()
    {
        QFETCH(int, optionFlags);
        QFETCH(int, radio);
        QFETCH(QByteArray, report);
        QFETCH(int, optionFlagsAfterChange);
        QFETCH(int, optionFlagsClosed);

        QVERIFY(open(optionFlags, 0));
        if (radio)
            clickRadio(radio);
        clickSlider(150);
        QTRY_COMPARE_WITH_TIMEOUT(test->core.State().txGainIndex, 11, 2000);
        QCOMPARE(TakeReports(test->core), QList<QByteArray>{report});
        QCOMPARE(test->core.State().optionFlags, optionFlagsAfterChange);
        QCOMPARE(slider()->toolTip(), QStringLiteral("11"));

        closeBy(CloseWay::Done);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->isVisible(), 2000);
        QCOMPARE(test->core.State().optionFlags, optionFlagsClosed);
        QCOMPARE(test->core.State().txGainIndex, 11);
        QCOMPARE(TakeReports(test->core), QList<QByteArray>{SetupOfState(test->core.State())});
    }

    // Each drag step that moves the thumb's pixel sends a report, even when it selects the same index.
    void dragStepWithinOneIndexSendsAgain()
    {
        QVERIFY(open(37, 0));
        QTest::mousePress(slider(), Qt::LeftButton, {}, QPoint(150, 7));
        QVERIFY(waitForReports(1));
        int sameIndex = 151;
        while (slider()->PixelToPos(sameIndex) != 11 || sameIndex == slider()->PosToPixel(11))
            --sameIndex;
        QTest::mouseMove(slider(), QPoint(sameIndex, 7));
        QVERIFY(waitForReports(2));
        QTest::mouseRelease(slider(), Qt::LeftButton, {}, QPoint(sameIndex, 7));
        QTest::qWait(20);
        received += TakeReports(test->core);
        QCOMPARE(received, QList<QByteArray>(2, SetupBytes("52", "25")));
    }

    // A change from the bus while the window is open shows in its group at once; the user's own pick in
    // another group stays, and the closing applies both, never the older band.
    void changeFromElsewhereWhileOpen()
    {
        QVERIFY(open(37, 4));
        clickRadio(1013);
        QVERIFY(test->core.WriteProperty(QStringLiteral("Band"), QStringLiteral("76-90")).isEmpty());
        QVERIFY(test->core.WriteProperty(QStringLiteral("TxGain"), 9u).isEmpty());
        QCOMPARE(checkedRadios(), QList<int>({1013, 1016, 1017, 1025}));
        QCOMPARE(slider()->GetPos(), 9);
        TakeReports(test->core);
        closeBy(CloseWay::Done);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->isVisible(), 2000);
        QCOMPARE(test->core.State().optionFlags, 0x26);
        QCOMPARE(test->core.State().txGainIndex, 9);
    }

    void notificationFromAnotherControl()
    {
        QVERIFY(open(0x3F, 5));
        slider()->SetPos(0);
        dialog->OnTxGainChanged(1006);
        QCOMPARE(test->core.State().txGainIndex, 5);
        QCOMPARE(test->core.State().optionFlags, 0x3F);
        QCOMPARE(slider()->toolTip(), QStringLiteral("5"));
        QCOMPARE(TakeReports(test->core), QList<QByteArray>{});
    }

    void deviceTrouble_data()
    {
        QTest::addColumn<bool>("pulled");
        QTest::addColumn<int>("errors");

        QTest::newRow("no device: dropped quietly") << true << 0;
        QTest::newRow("failing write: one message per change") << false << 2;
    }

    void deviceTrouble()
    {
        QFETCH(bool, pulled);
        QFETCH(int, errors);

        QVERIFY(open(37, 0));
        if (pulled)
            emit test->watcher->deviceRemoved();
        else
            FakeHid_ClosePeer();
        clickSlider(150);
        QTRY_COMPARE_WITH_TIMEOUT(test->core.State().txGainIndex, 11, 2000);
        clickSlider(300);
        QTRY_COMPARE_WITH_TIMEOUT(test->core.State().txGainIndex, 23, 2000);
        SettleReports(test->core);
        QCOMPARE(test->writeErrors, errors);
        QVERIFY(dialog->isVisible());
    }

    // Every radio inside its own box, every box on the skin's plain body, no two controls overlapping.
    void layout()
    {
        QVERIFY(open(37, 0));
        const QRect body(QPoint(8, 34), QPoint(466, 289));
        QList<QRect> taken;
        for (const SettingsRadioGroup& group : settingsRadioGroups) {
            const auto* box = control<QGroupBox>(group.groupBoxId);
            QVERIFY(body.contains(box->geometry()));
            for (int index = 0; index < group.radioCount; ++index) {
                const auto* radio = control<QRadioButton>(group.radios[index].id);
                QVERIFY2(box->geometry().contains(radio->geometry()), group.radios[index].text);
                QVERIFY2(radio->sizeHint().width() <= radio->width(), group.radios[index].text);
                taken.append(radio->geometry());
            }
        }
        for (int id : {1012, 1048, 1}) {
            QVERIFY(body.contains(control(id)->geometry()));
            taken.append(control(id)->geometry());
        }
        for (qsizetype i = 0; i < taken.size(); ++i) {
            for (qsizetype j = i + 1; j < taken.size(); ++j)
                QVERIFY(!taken[i].intersects(taken[j]));
        }
    }
};

QTEST_MAIN(TestSettingsDlg)
#include "tst_settingsdlg.moc"
