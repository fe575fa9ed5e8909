#include "skin/IndexedSkin.h"

#include <QPainter>
#include <QtTest>

namespace {

constexpr QRgb SEE_THROUGH = qRgb(252, 0, 255);

// A picture no single colour table holds: a run of rows that share few colours, then rows whose colours
// together pass 256, then a row of 300 colours on its own; the see-through colour in every part.
QImage Picture()
{
    QImage picture(300, 12, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            QRgb colour = y < 4 ? qRgb(x % 7, y, 40) : qRgb(y, x % 60, 90);
            if (y == 9)
                colour = qRgb(x % 256, x / 256, 200);
            if ((x + y) % 13 == 0)
                colour = SEE_THROUGH;
            picture.setPixel(x, y, colour);
        }
    }
    return picture;
}

QImage Painted(const IndexedSkin& skin, QSize size, qreal density, QRect area)
{
    QImage painted(size, QImage::Format_ARGB32_Premultiplied);
    painted.setDevicePixelRatio(density);
    painted.fill(Qt::transparent);
    QPainter painter(&painted);
    skin.Paint(painter, area);
    painter.end();
    return painted.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestIndexedSkin : public QObject
{
    Q_OBJECT

private slots:
    void paintsAsTheFullPictureWithSeeThroughColour_data()
    {
        QTest::addColumn<qreal>("density");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
    }
    void paintsAsTheFullPictureWithSeeThroughColour()
    {
        QFETCH(qreal, density);
        QImage picture = Picture();
        picture.setDevicePixelRatio(density);
        const IndexedSkin skin(picture, SEE_THROUGH);
        QVERIFY(!skin.IsNull());

        const QRect whole(QPoint(), picture.deviceIndependentSize().toSize());
        const QImage painted = Painted(skin, picture.size(), density, whole);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb source = picture.pixel(x, y);
                const QRgb expected = source == SEE_THROUGH ? qRgba(0, 0, 0, 0) : source;
                if (painted.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
    }

    void paintsEveryRowOfTheAreaAsked()
    {
        // A repaint of one row needs the band that holds it, whatever band edge the row lies at.
        const QImage picture = Picture();
        const IndexedSkin skin(picture, SEE_THROUGH);
        const QImage whole = Painted(skin, picture.size(), 1.0, picture.rect());
        for (int y = 0; y < picture.height(); ++y) {
            const QRect row(0, y, picture.width(), 1);
            QVERIFY2(Painted(skin, picture.size(), 1.0, row).copy(row) == whole.copy(row),
                     qPrintable(QStringLiteral("row %1").arg(y)));
        }
    }
};

QTEST_MAIN(TestIndexedSkin)
#include "tst_indexedskin.moc"
