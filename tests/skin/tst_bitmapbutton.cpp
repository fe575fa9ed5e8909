#include "res/Resources.h"
#include "skin/CBitmapButton.h"

#include <QtTest>

class TestBitmapButton : public QObject
{
    Q_OBJECT

    static QImage Picture(QWidget& widget)
    {
        return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // The picture as served for the screen, at its density.
    static QImage Bitmap(int id) { return LoadBitmap(id).toImage().convertToFormat(QImage::Format_RGB32); }

private slots:
    void imagePairSwapsOnPressAndRelease()
    {
        QWidget window;
        auto* button = new CBitmapButton(&window);
        button->LoadBitmaps(212, 184);
        button->SizeToContent();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(Bitmap(212) != Bitmap(184));

        QCOMPARE(Picture(*button), Bitmap(212));
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(Picture(*button), Bitmap(184));
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(Picture(*button), Bitmap(212));
    }

    void loadBitmapsRepaintsAtOnce()
    {
        QWidget window;
        auto* button = new CBitmapButton(&window);
        button->LoadBitmaps(214, 186);
        button->SizeToContent();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();

        struct PaintCounter : QObject
        {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override
            {
                if (event->type() == QEvent::Paint)
                    ++paints;
                return false;
            }
        } counter;
        button->installEventFilter(&counter);
        button->LoadBitmaps(212, 184);
        // No event processing in between: the paint must have happened inside LoadBitmaps.
        QVERIFY(counter.paints >= 1);
        QCOMPARE(Picture(*button), Bitmap(212));
    }

    void sizeFollowsNormalImage_data()
    {
        QTest::addColumn<int>("normalId");
        QTest::addColumn<int>("pressedId");
        QTest::newRow("caption close") << 212 << 184;
        QTest::newRow("DONE") << 210 << 211;
        QTest::newRow("Stop/Play") << 172 << 173;
    }

    void sizeFollowsNormalImage()
    {
        QFETCH(int, normalId);
        QFETCH(int, pressedId);
        CBitmapButton button;
        button.move(40, 30);
        button.resize(3, 3);
        button.LoadBitmaps(normalId, pressedId);
        // In layout units the 1x picture's size, on a double-density screen too.
        const QSize expected = LoadBitmapImage(normalId).size();
        QVERIFY(!expected.isEmpty());
        QCOMPARE(button.sizeHint(), expected);
        button.SizeToContent();
        QCOMPARE(button.size(), expected);
        QCOMPARE(button.pos(), QPoint(40, 30));
    }
};

QTEST_MAIN(TestBitmapButton)
#include "tst_bitmapbutton.moc"
