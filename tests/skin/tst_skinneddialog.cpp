#include "res/Resources.h"
#include "skin/CBitmapButton.h"
#include "skin/CSkinnedDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

Q_DECLARE_METATYPE(const SkinFrameValues*)

namespace {

bool IsKeyColour(QRgb pixel)
{
    return qRed(pixel) == 252 && qGreen(pixel) == 0 && qBlue(pixel) == 255;
}

void SetUpFrame(CSkinnedDialog& dialog)
{
    dialog.SizeToSkin();
    dialog.MakeKeyColourTransparent();
    dialog.SetUpTitle();
    dialog.PlaceEmblem();
    dialog.SetUpCaptionButtons();
    dialog.PlaceCaptionButtons();
}

// The virtual screen of a scaled test run can be smaller than the window; placement then has no room.
bool ScreenHasRoomForSkin()
{
    const QSize work = QGuiApplication::primaryScreen()->availableGeometry().size();
    return work.width() >= 475 + 100 && work.height() >= 298 + 100;
}

QWidget* Control(QWidget& dialog, const char* id)
{
    return dialog.findChild<QWidget*>(QString::fromLatin1(id));
}

// Sees what the window's hook sees, and swallows presses on the widgets it is told to.
class HookedDialog final : public CSkinnedDialog
{
public:
    using CSkinnedDialog::CSkinnedDialog;

    QList<QObject*> pressedReceivers;
    QObject* swallowFor = nullptr;
    QList<int> ticks;

protected:
    bool PreTranslateMessage(QObject* receiver, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress)
            return CSkinnedDialog::PreTranslateMessage(receiver, event);
        pressedReceivers.append(receiver);
        return receiver == swallowFor;
    }

    void OnTimer(int timerId) override
    {
        ticks.append(timerId);
        if (timerId == 2)
            KillTimer(2);
        CSkinnedDialog::OnTimer(timerId);
    }
};

} // namespace

class TestSkinnedDialog : public QObject
{
    Q_OBJECT

private slots:
    void frames_data()
    {
        QTest::addColumn<const SkinFrameValues*>("frame");
        QTest::newRow("main") << &mainWindowFrame;
        QTest::newRow("settings") << &settingsWindowFrame;
    }

    void maskCutsAwayExactlyTheKeyColour_data() { frames_data(); }
    void maskCutsAwayExactlyTheKeyColour()
    {
        QFETCH(const SkinFrameValues*, frame);
        CSkinnedDialog dialog(*frame);
        dialog.SizeToSkin();
        dialog.MakeKeyColourTransparent();

        const QImage skin = LoadBitmapImage(frame->skinId).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(skin.size(), QSize(475, 298));
        QCOMPARE(dialog.size(), skin.size());
        const QRegion mask = dialog.mask();
        for (const QPoint corner : {QPoint(0, 0), QPoint(474, 0), QPoint(0, 297), QPoint(474, 297)})
            QVERIFY2(!mask.contains(corner),
                     qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));

        int keyPixels = 0;
        for (int y = 0; y < skin.height(); ++y) {
            for (int x = 0; x < skin.width(); ++x) {
                const bool key = IsKeyColour(skin.pixel(x, y));
                keyPixels += key;
                if (mask.contains(QPoint(x, y)) == key)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 key %3").arg(x).arg(y).arg(key)));
            }
        }
        QVERIFY(keyPixels >= 4);
    }

    void paintsSkinWithKeyColourSeeThrough_data() { frames_data(); }
    void paintsSkinWithKeyColourSeeThrough()
    {
        QFETCH(const SkinFrameValues*, frame);
        CSkinnedDialog dialog(*frame);
        dialog.SizeToSkin();
        dialog.MakeKeyColourTransparent();
        QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));

        // The picture served for the screen: the @2x twin on a double-density screen.
        const QImage skin = LoadBitmap(frame->skinId).toImage().convertToFormat(QImage::Format_RGB32);
        QImage painted(skin.size(), QImage::Format_ARGB32);
        painted.setDevicePixelRatio(skin.devicePixelRatio());
        painted.fill(Qt::transparent);
        dialog.render(&painted, QPoint(), QRegion(), QWidget::RenderFlags());
        // Drawn: every pixel inside the window's shape except the key-coloured ones (at 1x the two agree).
        const QRegion shape = dialog.mask();
        const int ratio = int(skin.devicePixelRatio());
        for (int y = 0; y < skin.height(); ++y) {
            for (int x = 0; x < skin.width(); ++x) {
                const bool drawn =
                    shape.contains(QPoint(x / ratio, y / ratio)) && !IsKeyColour(skin.pixel(x, y));
                const QRgb expected = drawn ? skin.pixel(x, y) : qRgba(0, 0, 0, 0);
                if (painted.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
    }

    void captionButtons_data()
    {
        QTest::addColumn<const SkinFrameValues*>("frame");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("main minimize") << &mainWindowFrame << "1034" << 368 << true << true << "minimize";
        QTest::newRow("main max") << &mainWindowFrame << "1035" << 402 << true << false << "max";
        QTest::newRow("main close") << &mainWindowFrame << "1036" << 436 << true << true << "close";
        QTest::newRow("settings minimize") << &settingsWindowFrame << "1034" << 368 << false << false << "";
        QTest::newRow("settings max") << &settingsWindowFrame << "1035" << 402 << false << false << "";
        QTest::newRow("settings close") << &settingsWindowFrame << "1036" << 436 << true << true << "";
    }

    void captionButtons()
    {
        QFETCH(const SkinFrameValues*, frame);
        QFETCH(QString, id);
        QFETCH(int, x);
        QFETCH(bool, visible);
        QFETCH(bool, enabled);
        QFETCH(QString, toolTip);
        CSkinnedDialog dialog(*frame);
        SetUpFrame(dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        auto* button = dialog.findChild<CBitmapButton*>(id);
        QVERIFY(button);
        QCOMPARE(button->geometry(), QRect(x, 5, 29, 17));
        QCOMPARE(button->isVisible(), visible);
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(button->toolTip(), toolTip);
    }

    void titleAndEmblem_data()
    {
        QTest::addColumn<const SkinFrameValues*>("frame");
        QTest::addColumn<QString>("title");
        QTest::newRow("main") << &mainWindowFrame << "Tessaly Ver1.2.1";
        QTest::newRow("settings") << &settingsWindowFrame << "Tessaly Set";
    }

    void titleAndEmblem()
    {
        QFETCH(const SkinFrameValues*, frame);
        QFETCH(QString, title);
        CSkinnedDialog dialog(*frame);
        SetUpFrame(dialog);
        auto* titleStatic = dialog.findChild<QLabel*>(QStringLiteral("1037"));
        auto* emblem = dialog.findChild<QLabel*>(QStringLiteral("1033"));
        QVERIFY(titleStatic && emblem);
        QCOMPARE(titleStatic->accessibleName(), title);
        QVERIFY(!titleStatic->pixmap().isNull());
        QCOMPARE(titleStatic->pos(), QPoint(35, 7));
        QVERIFY(!titleStatic->autoFillBackground());
        QCOMPARE(emblem->geometry(), QRect(3, 5, 28, 18));
    }

    void minimizeHidesWithoutEndingTheRun()
    {
        CSkinnedDialog dialog(mainWindowFrame);
        SetUpFrame(dialog);
        bool hiddenAfterMinimize = false;
        bool maxIgnored = false;
        bool runWentOn = false;
        bool shownAgain = false;
        QTimer::singleShot(0, &dialog, [&] {
            QTest::mouseClick(Control(dialog, "1035"), Qt::LeftButton);
            maxIgnored = dialog.isVisible();
            QTest::mouseClick(Control(dialog, "1034"), Qt::LeftButton);
            hiddenAfterMinimize = !dialog.isVisible();
            QTimer::singleShot(20, &dialog, [&] {
                runWentOn = true;
                dialog.showNormal();
                shownAgain = dialog.isVisible();
                QTest::mouseClick(Control(dialog, "1036"), Qt::LeftButton);
            });
        });
        dialog.show();
        QCOMPARE(dialog.Run(), int(QDialog::Rejected));
        QVERIFY(maxIgnored);
        QVERIFY(hiddenAfterMinimize);
        QVERIFY(runWentOn);
        QVERIFY(shownAgain);
    }

    void closeEndsTheRun_data()
    {
        QTest::addColumn<const SkinFrameValues*>("frame");
        QTest::addColumn<int>("result");
        QTest::newRow("main cancels") << &mainWindowFrame << int(QDialog::Rejected);
        QTest::newRow("settings accepts") << &settingsWindowFrame << int(QDialog::Accepted);
    }

    void closeEndsTheRun()
    {
        QFETCH(const SkinFrameValues*, frame);
        QFETCH(int, result);
        CSkinnedDialog dialog(*frame);
        SetUpFrame(dialog);
        QTimer::singleShot(0, &dialog, [&] { QTest::mouseClick(Control(dialog, "1036"), Qt::LeftButton); });
        QCOMPARE(dialog.exec(), result);
    }

    void mainWindowIsCentredOnTheScreenWithoutTaskbarButton()
    {
        if (!ScreenHasRoomForSkin())
            QSKIP("the screen has no room to place the window");
        CSkinnedDialog dialog(mainWindowFrame);
        dialog.SizeToSkin();
        QCOMPARE(dialog.geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
        QCOMPARE(dialog.windowType(), Qt::Tool);
        QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(dialog.testAttribute(Qt::WA_AlwaysShowToolTips));
    }

    void settingsWindowCoversItsOwner_data()
    {
        QTest::addColumn<QPoint>("ownerPosition");
        QTest::addColumn<QPoint>("expected");
        const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
        QTest::newRow("inside the work area") << QPoint(40, 30) << QPoint(40, 30);
        QTest::newRow("past the right edge")
            << QPoint(work.right() - 100, 30) << QPoint(work.right() + 1 - 475, 30);
        QTest::newRow("above the top") << QPoint(10, work.top() - 50) << QPoint(10, work.top());
    }

    void settingsWindowCoversItsOwner()
    {
        if (!ScreenHasRoomForSkin())
            QSKIP("the screen has no room to place the window");
        QFETCH(QPoint, ownerPosition);
        QFETCH(QPoint, expected);
        CSkinnedDialog owner(mainWindowFrame);
        owner.SizeToSkin();
        owner.move(ownerPosition);
        CSkinnedDialog settings(settingsWindowFrame, &owner);
        settings.SizeToSkin();
        QCOMPARE(settings.pos(), expected);
        QCOMPARE(settings.size(), QSize(475, 298));
        QCOMPARE(settings.windowType(), Qt::Dialog);
    }

    void dragKeepsGrabbedPointUnderPointer_data()
    {
        QTest::addColumn<QPoint>("grab");
        QTest::newRow("body") << QPoint(200, 150);
        QTest::newRow("emblem") << QPoint(10, 10);
        QTest::newRow("title") << QPoint(40, 12);
    }

    void dragKeepsGrabbedPointUnderPointer()
    {
        QFETCH(QPoint, grab);
        CSkinnedDialog dialog(mainWindowFrame);
        SetUpFrame(dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QSize size = dialog.size();
        QVERIFY(!dialog.IsTimerActive(TIMER_DRAG));

        // Through the window, so the press reaches whatever lies under the point.
        QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, {}, grab);
        QVERIFY(dialog.IsTimerActive(TIMER_DRAG));
        for (const QPoint pointer : {QPoint(500, 400), QPoint(300, 250)}) {
            QCursor::setPos(pointer);
            QTRY_COMPARE(dialog.pos(), pointer - grab);
            QCOMPARE(dialog.size(), size);
        }
        QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, grab);
        QVERIFY(!dialog.IsTimerActive(TIMER_DRAG));
        const QPoint released = dialog.pos();
        QCursor::setPos(QPoint(600, 500));
        QTest::qWait(3 * TIMER_DRAG_PERIOD_MS);
        QCOMPARE(dialog.pos(), released);
    }

    void pressesOffTheBodyDoNotDrag_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("button");
        QTest::newRow("close button") << QPoint(440, 8) << int(Qt::LeftButton);
        QTest::newRow("right button on the body") << QPoint(200, 150) << int(Qt::RightButton);
    }

    void pressesOffTheBodyDoNotDrag()
    {
        QFETCH(QPoint, point);
        QFETCH(int, button);
        CSkinnedDialog dialog(mainWindowFrame);
        SetUpFrame(dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mousePress(dialog.windowHandle(), Qt::MouseButton(button), {}, point);
        QVERIFY(!dialog.IsTimerActive(TIMER_DRAG));
        QTest::mouseRelease(dialog.windowHandle(), Qt::MouseButton(button), {}, point);
    }

    void hookSeesChildrenAddedLaterAndCanSwallow()
    {
        HookedDialog dialog(mainWindowFrame);
        SetUpFrame(dialog);
        auto* panel = new QWidget(&dialog);
        panel->setGeometry(100, 100, 100, 60);
        auto* button = new QPushButton(QStringLiteral("x"), panel);
        button->setGeometry(10, 10, 40, 20);
        QSignalSpy pressed(button, &QPushButton::pressed);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        QVERIFY(dialog.pressedReceivers.contains(button));
        QCOMPARE(pressed.count(), 1);

        dialog.swallowFor = button;
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(pressed.count(), 1);
    }

    void timersTickByIdAndStopOnRequest()
    {
        HookedDialog dialog(mainWindowFrame);
        dialog.SetTimer(2, 5);
        QVERIFY(dialog.IsTimerActive(2));
        QTRY_VERIFY(!dialog.IsTimerActive(2));
        QCOMPARE(dialog.ticks, QList<int>{2});
        QVERIFY(!dialog.IsTimerActive(TIMER_DRAG));
    }
};

QTEST_MAIN(TestSkinnedDialog)
#include "tst_skinneddialog.moc"
