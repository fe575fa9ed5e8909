#include "res/Resources.h"
#include "skin/CSkinSlider.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <QApplication>
#include <QLineEdit>
#include <QShortcut>
#include <QtTest>

namespace {

constexpr int thumbNormal = 178;
constexpr int thumbActive = 179;

struct Instance
{
    int normal;
    int active;
    int maximum;
};

// The two sliders as their windows configure them, by control ID.
Instance InstanceOf(int controlId)
{
    return controlId == 1006 ? Instance{176, 177, 90} : Instance{208, 209, 23};
}

void Configure(CSkinSlider& slider, int controlId, int position)
{
    const Instance instance = InstanceOf(controlId);
    slider.SetChannelImages(instance.normal, instance.active, false, KEY_COLOUR_FROM_PIXEL, 0, 0);
    slider.SetThumbImages(thumbNormal, thumbActive, true, KEY_COLOUR_FROM_PIXEL, 0, 0);
    slider.EnableFocusRect(false);
    slider.SetRange(0, instance.maximum);
    slider.SetPos(position);
}

// A window holding the slider and one other focusable control.
struct Panel
{
    QWidget host;
    QLineEdit* neighbour = new QLineEdit(&host);
    CSkinSlider* slider;

    Panel(int controlId, int position) : slider(new CSkinSlider(controlId, &host))
    {
        Configure(*slider, controlId, position);
        slider->move(10, 40);
        host.resize(400, 100);
    }
};

using Posts = QList<QList<QVariant>>;

// What the slider posted, once the event queue has delivered it.
Posts Delivered(QSignalSpy& spy)
{
    QCoreApplication::processEvents();
    Posts posts(spy.begin(), spy.end());
    spy.clear();
    return posts;
}

QPoint At(int x)
{
    return QPoint(x, 7);
}

// What the screen shows for a bitmap: the @2x twin on a dense screen.
QImage Screen(int id)
{
    return LoadBitmap(id).toImage().convertToFormat(QImage::Format_RGB32);
}

int Ratio(const QImage& image)
{
    return qRound(image.devicePixelRatio());
}

// The top-left device pixel of widget pixel (x, y).
QRgb PixelAt(const QImage& image, int x, int y)
{
    return image.pixel(x * Ratio(image), y * Ratio(image));
}

QImage Rendered(CSkinSlider& slider)
{
    return slider.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestSkinSlider : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const int id : {176, 177, 178, 179, 208, 209})
            QVERIFY2(!LoadBitmapImage(id).isNull(), qPrintable(QString::number(id)));
    }

    // The two ways between positions and pixels agree over the whole range: the ends meet the channel's
    // ends, neither way goes back, and every position has pixels that give it, at most one position off
    // the pixel it is drawn at.
    void mapping_data()
    {
        QTest::addColumn<int>("controlId");
        QTest::addColumn<int>("firstPixel");
        QTest::addColumn<int>("lastPixel");
        QTest::newRow("power") << 1006 << 4 << 126;
        QTest::newRow("gain") << 1012 << 4 << 297;
    }

    void mapping()
    {
        QFETCH(int, controlId);
        QFETCH(int, firstPixel);
        QFETCH(int, lastPixel);
        CSkinSlider slider(controlId);
        Configure(slider, controlId, 0);
        const int maximum = InstanceOf(controlId).maximum;
        QCOMPARE(slider.PosToPixel(0), firstPixel);
        QCOMPARE(slider.PosToPixel(maximum), lastPixel);
        QCOMPARE(slider.PixelToPos(firstPixel), 0);
        QCOMPARE(slider.PixelToPos(lastPixel), maximum);
        QList<bool> reached(maximum + 1, false);
        for (int pixel = firstPixel; pixel <= lastPixel; ++pixel) {
            QVERIFY(pixel == firstPixel || slider.PixelToPos(pixel - 1) <= slider.PixelToPos(pixel));
            reached[slider.PixelToPos(pixel)] = true;
        }
        QVERIFY(!reached.contains(false));
        for (int position = 0; position < maximum; ++position) {
            QVERIFY(slider.PosToPixel(position) < slider.PosToPixel(position + 1));
            QVERIFY(std::abs(slider.PixelToPos(slider.PosToPixel(position)) - position) <= 1);
        }
    }

    void controlIdIsObjectNameAndSizeIsChannel()
    {
        CSkinSlider slider(1012);
        slider.move(37, 270);
        Configure(slider, 1012, 0);
        QCOMPARE(slider.objectName(), QStringLiteral("1012"));
        QCOMPARE(slider.geometry(), QRect(37, 270, 301, 15));
    }

    // A press on the channel jumps there and posts at once; a press within the 9-pixel thumb zone posts
    // nothing. Pointers past either end are clamped.
    void press_data()
    {
        QTest::addColumn<int>("controlId");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("posts");
        QTest::addColumn<int>("position");
        QTest::newRow("last pixel") << 1006 << 0 << 126 << true << 90;
        QTest::newRow("past right end") << 1006 << 0 << 200 << true << 90;
        QTest::newRow("past left end") << 1006 << 45 << -10 << true << 0;
        QTest::newRow("one left of zone") << 1006 << 45 << 60 << true << 41;
        QTest::newRow("zone left edge") << 1006 << 45 << 61 << false << 45;
        QTest::newRow("zone centre") << 1006 << 45 << 65 << false << 45;
        QTest::newRow("zone right edge") << 1006 << 45 << 69 << false << 45;
        QTest::newRow("one right of zone") << 1006 << 45 << 70 << true << 48;
        QTest::newRow("settings 297") << 1012 << 0 << 297 << true << 23;
        QTest::newRow("settings past end") << 1012 << 0 << 400 << true << 23;
        QTest::newRow("settings 16") << 1012 << 23 << 16 << true << 0;
    }

    void press()
    {
        QFETCH(int, controlId);
        QFETCH(int, start);
        QFETCH(int, x);
        QFETCH(bool, posts);
        QFETCH(int, position);
        CSkinSlider slider(controlId);
        Configure(slider, controlId, start);
        QSignalSpy changed(&slider, &CSkinSlider::sliderChanged);
        QSignalSpy settled(&slider, &CSkinSlider::sliderSettled);

        QTest::mousePress(&slider, Qt::LeftButton, {}, At(x));
        QCOMPARE(changed.count(), 0); // queued, never inside the press
        QCOMPARE(Delivered(changed), (posts ? Posts{{controlId, position}} : Posts{}));
        QCOMPARE(slider.GetPos(), position);
        QCOMPARE(Delivered(settled), Posts{});

        QTest::mouseRelease(&slider, Qt::LeftButton, {}, At(x));
        QCOMPARE(Delivered(settled), (Posts{{controlId, position}}));
        QCOMPARE(Delivered(changed), Posts{});
    }

    void dragHoldsTheGripAndClamps()
    {
        CSkinSlider slider(1006);
        Configure(slider, 1006, 0);
        QSignalSpy changed(&slider, &CSkinSlider::sliderChanged);
        QSignalSpy settled(&slider, &CSkinSlider::sliderSettled);

        QTest::mousePress(&slider, Qt::LeftButton, {}, At(6)); // grabbed 2 right of the centre
        QCOMPARE(Delivered(changed), Posts{});
        QTest::mouseMove(&slider, At(52));
        QCOMPARE(Delivered(changed), (Posts{{1006, 33}}));
        QCOMPARE(slider.PosToPixel(slider.GetPos()), 48);
        QTest::mouseMove(&slider, At(500));
        QTest::mouseMove(&slider, At(-500));
        QCOMPARE(Delivered(changed), (Posts{{1006, 90}, {1006, 0}}));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, At(-500));
        QCOMPARE(Delivered(settled), (Posts{{1006, 0}}));
    }

    void restingBetweenCentresPostsTheSamePositionAgain()
    {
        CSkinSlider slider(1006);
        Configure(slider, 1006, 0);
        QSignalSpy changed(&slider, &CSkinSlider::sliderChanged);
        QTest::mousePress(&slider, Qt::LeftButton, {}, At(100)); // 70, centre 98
        QTest::mouseMove(&slider, At(100));
        QTest::mouseMove(&slider, At(99));
        QTest::mouseMove(&slider, At(98)); // the centre itself: nothing
        QCOMPARE(Delivered(changed), (Posts{{1006, 70}, {1006, 70}, {1006, 70}}));
    }

    void releaseWithoutPressPostsSettled()
    {
        CSkinSlider slider(1006);
        Configure(slider, 1006, 45);
        QSignalSpy settled(&slider, &CSkinSlider::sliderSettled);
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, At(10));
        QCOMPARE(Delivered(settled), (Posts{{1006, 45}}));
    }

    void nothingReachesReceiversAfterTheSliderIsGone()
    {
        QObject receiver;
        int calls = 0;
        auto slider = std::make_unique<CSkinSlider>(1006);
        Configure(*slider, 1006, 0);
        connect(slider.get(), &CSkinSlider::sliderChanged, &receiver, [&] { ++calls; });
        QTest::mousePress(slider.get(), Qt::LeftButton, {}, At(100));
        slider.reset();
        QCoreApplication::processEvents();
        QCOMPARE(calls, 0);
    }

    void pressTakesTheFocus()
    {
        Panel panel(1006, 0);
        panel.host.show();
        QVERIFY(QTest::qWaitForWindowActive(&panel.host));
        panel.neighbour->setFocus();
        QTest::mousePress(panel.slider, Qt::LeftButton, {}, At(65));
        QVERIFY(panel.slider->hasFocus());
    }

    void keys_data()
    {
        QTest::addColumn<int>("controlId");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("position");
        QTest::newRow("page down clamps") << 1012 << 10 << int(Qt::Key_PageDown) << 23;
        QTest::newRow("page up clamps") << 1012 << 10 << int(Qt::Key_PageUp) << 0;
        QTest::newRow("page down") << 1006 << 45 << int(Qt::Key_PageDown) << 65;
        QTest::newRow("page up") << 1006 << 45 << int(Qt::Key_PageUp) << 25;
        QTest::newRow("left at minimum") << 1006 << 0 << int(Qt::Key_Left) << 0;
        QTest::newRow("right at maximum") << 1006 << 90 << int(Qt::Key_Right) << 90;
        QTest::newRow("left") << 1006 << 45 << int(Qt::Key_Left) << 44;
        QTest::newRow("up") << 1006 << 45 << int(Qt::Key_Up) << 44;
        QTest::newRow("right") << 1006 << 45 << int(Qt::Key_Right) << 46;
        QTest::newRow("down") << 1006 << 45 << int(Qt::Key_Down) << 46;
        QTest::newRow("home") << 1006 << 45 << int(Qt::Key_Home) << 0;
        QTest::newRow("end") << 1006 << 45 << int(Qt::Key_End) << 90;
    }

    // The keys reach the focused slider ahead of a window shortcut on the same key, announce a move and
    // always settle.
    void keys()
    {
        QFETCH(int, controlId);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, position);
        Panel panel(controlId, start);
        int shortcutCalls = 0;
        auto* shortcut = new QShortcut(QKeySequence(key), &panel.host);
        connect(shortcut, &QShortcut::activated, &panel.host, [&] { ++shortcutCalls; });
        panel.host.show();
        QVERIFY(QTest::qWaitForWindowActive(&panel.host));
        panel.slider->setFocus();
        QSignalSpy changed(panel.slider, &CSkinSlider::sliderChanged);
        QSignalSpy settled(panel.slider, &CSkinSlider::sliderSettled);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(Delivered(settled), (Posts{{controlId, position}}));
        QCOMPARE(Delivered(changed), (position == start ? Posts{} : Posts{{controlId, position}}));
        QCOMPARE(panel.slider->GetPos(), position);
        QCOMPARE(shortcutCalls, 0);
    }

    void otherKeysPassOn_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("letter") << int(Qt::Key_A);
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("escape") << int(Qt::Key_Escape);
    }

    void otherKeysPassOn()
    {
        QFETCH(int, key);
        Panel panel(1006, 45);
        int shortcutCalls = 0;
        auto* shortcut = new QShortcut(QKeySequence(key), &panel.host);
        connect(shortcut, &QShortcut::activated, &panel.host, [&] { ++shortcutCalls; });
        panel.host.show();
        QVERIFY(QTest::qWaitForWindowActive(&panel.host));
        panel.slider->setFocus();
        QSignalSpy settled(panel.slider, &CSkinSlider::sliderSettled);
        QTest::keyClick(panel.slider, Qt::Key(key));
        QCOMPARE(Delivered(settled), Posts{});
        QCOMPARE(panel.slider->GetPos(), 45);
        QCOMPARE(shortcutCalls, 1);
    }

    void tabMovesTheFocusOn()
    {
        Panel panel(1012, 10);
        panel.slider->setFocusPolicy(Qt::StrongFocus);
        panel.host.show();
        QVERIFY(QTest::qWaitForWindowActive(&panel.host));
        panel.neighbour->setFocus();
        QTest::keyClick(panel.neighbour, Qt::Key_Tab);
        QVERIFY(panel.slider->hasFocus());
        QSignalSpy settled(panel.slider, &CSkinSlider::sliderSettled);
        QTest::keyClick(panel.slider, Qt::Key_Tab);
        QVERIFY(panel.neighbour->hasFocus());
        QCOMPARE(Delivered(settled), Posts{});
        QCOMPARE(panel.slider->GetPos(), 10);
    }

    void setRangeLeavesThePositionSetPosClamps()
    {
        CSkinSlider slider(1006);
        Configure(slider, 1006, 0);
        QSignalSpy changed(&slider, &CSkinSlider::sliderChanged);
        QSignalSpy settled(&slider, &CSkinSlider::sliderSettled);
        slider.SetPos(120);
        QCOMPARE(slider.GetPos(), 90);
        QCOMPARE(slider.PosToPixel(slider.GetPos()), 126);
        slider.SetRange(0, 50, true);
        QCOMPARE(slider.GetPos(), 90);
        slider.SetPos(slider.GetPos());
        QCOMPARE(slider.GetPos(), 50);
        slider.SetPos(-5);
        QCOMPARE(slider.GetPos(), 0);
        QCOMPARE(Delivered(changed), Posts{});
        QCOMPARE(Delivered(settled), Posts{});
    }

    // Left of the thumb centre the filled channel, from it on the empty one, the thumb on top with its
    // key-coloured corners showing the channel beneath; while held, the active thumb.
    void paints_data()
    {
        QTest::addColumn<bool>("held");
        QTest::newRow("resting") << false;
        QTest::newRow("held") << true;
    }

    void paints()
    {
        QFETCH(bool, held);
        CSkinSlider slider(1006);
        Configure(slider, 1006, 45); // centre 65, thumb columns 61 to 68
        if (held)
            QTest::mousePress(&slider, Qt::LeftButton, {}, At(65));
        const QImage thumb = Screen(held ? thumbActive : thumbNormal);
        const QImage active = Screen(177);
        const QImage normal = Screen(176);
        QVERIFY(PixelAt(active, 64, 7) != PixelAt(normal, 64, 7));
        const QRgb key = thumb.pixel(0, 0);
        QCOMPARE(thumb.pixel(thumb.width() - 1, thumb.height() - 1), key);
        QVERIFY(PixelAt(thumb, 4, 7) != key);

        const QImage picture = Rendered(slider);
        const int ratio = Ratio(picture);
        QCOMPARE(ratio, Ratio(thumb));
        QCOMPARE(picture.size(), QSize(130, 15) * ratio);
        const int left = 61 * ratio;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const bool onThumb = x >= left && x < left + thumb.width() && thumb.pixel(x - left, y) != key;
                const QRgb expected =
                    onThumb ? thumb.pixel(x - left, y) : (x < 65 * ratio ? active : normal).pixel(x, y);
                QVERIFY2(picture.pixel(x, y) == expected,
                         qPrintable(QStringLiteral("at device pixel %1,%2").arg(x).arg(y)));
            }
        }
    }

    void focusRectOnlyWhenEnabledAndFocused_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("focused");
        QTest::newRow("enabled, focused") << true << true;
        QTest::newRow("enabled, unfocused") << true << false;
        QTest::newRow("disabled, focused") << false << true;
    }

    void focusRectOnlyWhenEnabledAndFocused()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, focused);
        Panel panel(1006, 90);
        panel.slider->EnableFocusRect(enabled, true);
        panel.host.show();
        QVERIFY(QTest::qWaitForWindowActive(&panel.host));
        (focused ? static_cast<QWidget*>(panel.slider) : panel.neighbour)->setFocus();
        const QImage picture = Rendered(*panel.slider);
        const QImage active = Screen(177);
        bool channelOnly = true;
        for (int x = 0; x < 120; ++x)
            channelOnly = channelOnly && PixelAt(picture, x, 0) == PixelAt(active, x, 0);
        QCOMPARE(channelOnly, !(enabled && focused));
    }

    void missingImages_data()
    {
        QTest::addColumn<bool>("channelPart");
        QTest::addColumn<int>("normalId");
        QTest::addColumn<int>("activeId");
        QTest::newRow("channel") << true << 9999 << 177;
        QTest::newRow("channel active") << true << 176 << 9999;
        QTest::newRow("thumb") << false << 9999 << thumbActive;
        QTest::newRow("thumb active") << false << thumbNormal << 9999;
    }

    // A failed load returns false and leaves that part undrawn, even after an earlier load succeeded.
    void missingImages()
    {
        QFETCH(bool, channelPart);
        QFETCH(int, normalId);
        QFETCH(int, activeId);
        CSkinSlider slider(1006);
        Configure(slider, 1006, 45);
        const bool loaded =
            channelPart ? slider.SetChannelImages(normalId, activeId, false, KEY_COLOUR_FROM_PIXEL, 0, 0)
                        : slider.SetThumbImages(normalId, activeId, true, KEY_COLOUR_FROM_PIXEL, 0, 0);
        QVERIFY(!loaded);
        QCOMPARE(slider.size(), QSize(130, 15));

        const QImage picture = Rendered(slider);
        if (channelPart) {
            QVERIFY(PixelAt(picture, 10, 7) != PixelAt(Screen(177), 10, 7));
            QVERIFY(PixelAt(picture, 100, 7) != PixelAt(Screen(176), 100, 7));
        } else {
            QCOMPARE(PixelAt(picture, 65, 7), PixelAt(Screen(176), 65, 7));
        }
        QTest::mousePress(&slider, Qt::LeftButton, {}, At(100));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, At(100));
        QCOMPARE(slider.GetPos(), 70);
    }

    // An empty or reversed range, or a thumb with no travel, puts every position at the left end and makes
    // every pixel select the minimum.
    void degenerate_data()
    {
        QTest::addColumn<int>("channelId");
        QTest::addColumn<int>("thumbId");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("centre");
        QTest::newRow("empty range") << 176 << thumbNormal << 5 << 5 << 4;
        QTest::newRow("reversed range") << 176 << thumbNormal << 10 << 0 << 4;
        QTest::newRow("thumb as wide as channel") << thumbNormal << thumbNormal << 0 << 90 << 4;
        QTest::newRow("thumb wider than channel") << 176 << 208 << 0 << 90 << 150;
        QTest::newRow("no images") << 0 << 0 << 0 << 90 << 0;
    }

    void degenerate()
    {
        QFETCH(int, channelId);
        QFETCH(int, thumbId);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, centre);
        CSkinSlider slider(1006);
        if (channelId != 0)
            QVERIFY(slider.SetChannelImages(channelId, 0, false, KEY_COLOUR_FROM_PIXEL, 0, 0));
        if (thumbId != 0)
            QVERIFY(slider.SetThumbImages(thumbId, 0, true, KEY_COLOUR_FROM_PIXEL, 0, 0));
        slider.SetRange(minimum, maximum);
        slider.SetPos(minimum);
        for (const int value : {INT_MIN, minimum, maximum, INT_MAX})
            QCOMPARE(slider.PosToPixel(value), centre);
        for (const int x : {INT_MIN, 0, 60, INT_MAX})
            QCOMPARE(slider.PixelToPos(x), minimum);

        QTest::mousePress(&slider, Qt::LeftButton, {}, At(100));
        QTest::mouseMove(&slider, At(3));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, At(3));
        QCOMPARE(slider.GetPos(), minimum);
        QTest::keyClick(&slider, Qt::Key_End);
        QTest::keyClick(&slider, Qt::Key_PageDown);
        QCOMPARE(slider.GetPos(), std::max(minimum, maximum)); // a reversed range clamps to its minimum
        QVERIFY(!slider.grab().isNull());
    }

    // The ends of the int range map without overflow.
    void fullIntRange()
    {
        CSkinSlider slider(1006);
        Configure(slider, 1006, 0);
        slider.SetRange(INT_MIN, INT_MAX);
        QCOMPARE(slider.PosToPixel(INT_MIN), 4);
        QCOMPARE(slider.PosToPixel(INT_MAX), 126);
        QCOMPARE(slider.PixelToPos(4), INT_MIN);
        QCOMPARE(slider.PixelToPos(126), INT_MAX);
        QTest::keyClick(&slider, Qt::Key_Home);
        QTest::keyClick(&slider, Qt::Key_PageUp);
        QCOMPARE(slider.GetPos(), INT_MIN);
        QTest::keyClick(&slider, Qt::Key_End);
        QTest::keyClick(&slider, Qt::Key_Down);
        QCOMPARE(slider.GetPos(), INT_MAX);

        slider.SetRange(0, 1); // the position stays far outside until the next SetPos
        QVERIFY(!slider.grab().isNull());
        QTest::mousePress(&slider, Qt::LeftButton, {}, At(10));
        QCOMPARE(slider.GetPos(), 0);
    }
};

QTEST_MAIN(TestSkinSlider)
#include "tst_skinslider.moc"
