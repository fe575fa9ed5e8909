#include "res/Resources.h"

#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <QtTest>

namespace {

constexpr QRgb keyColour = qRgb(252, 0, 255);
constexpr QRgb fieldColour = qRgb(206, 210, 214);
constexpr QRgb displayBlack = qRgb(0, 0, 0);
constexpr int skinCornerReach = 12;

QImage Rgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage DoubleImage(int id)
{
    return Rgb(QImage(QStringLiteral(":/bitmaps/%1@2x.png").arg(id)));
}

QRect Scaled(const QRect& rect, int scale)
{
    return QRect(rect.topLeft() * scale, rect.size() * scale);
}

// The first pixel in rect that has (or, with wanted false, lacks) the colour; null when there is none.
QPoint FindPixel(const QImage& image, const QRect& rect, QRgb colour, bool wanted)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if ((image.pixel(x, y) == colour) == wanted)
                return QPoint(x, y);
    return QPoint(-1, -1);
}

QList<QPoint> Corners(const QImage& image)
{
    return {QPoint(0, 0), QPoint(image.width() - 1, 0), QPoint(0, image.height() - 1),
            QPoint(image.width() - 1, image.height() - 1)};
}

} // namespace

class TestResources final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void bitmapSizes_data();
    void bitmapSizes();
    void skinCornersAreKeyColour_data();
    void skinCornersAreKeyColour();
    void keyColourOnlyInSkinCorners_data();
    void keyColourOnlyInSkinCorners();
    void noKeyColourUnderControls_data();
    void noKeyColourUnderControls();
    void plainColourUnderControls_data();
    void plainColourUnderControls();
    void readoutTilesHaveBlackEdges_data();
    void readoutTilesHaveBlackEdges();
    void panelButtonsSitOnTheField_data();
    void panelButtonsSitOnTheField();
    void thumbCornersCarryTheirOwnKey_data();
    void thumbCornersCarryTheirOwnKey();
    void thumbKeysDiffer();
    void appIcons_data();
    void appIcons();
    void windowIconAnswersAsTheAppIcon();
    void unknownIconIsNull();
    void strings_data();
    void strings();
};

void TestResources::initTestCase()
{
    // The double-density run must really see a double-density screen, or it proves nothing.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(qGuiApp->devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
}

void TestResources::bitmapSizes_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("size");
    const auto add = [](std::initializer_list<int> ids, QSize size) {
        for (int id : ids)
            QTest::addRow("%d", id) << id << size;
    };
    add({141, 207}, QSize(475, 298));
    add({165, 166, 167, 168, 169, 170, 171, 172, 173, 174, 180,
         181, 182, 183, 216, 217, 218, 219, 220, 221, 222},
        QSize(34, 34));
    add({184, 186, 187, 190, 191, 212, 213, 214}, QSize(29, 17));
    add({189}, QSize(28, 18));
    add({176, 177}, QSize(130, 15));
    add({208, 209}, QSize(301, 15));
    add({178, 179}, QSize(8, 15));
    add({194}, QSize(102, 99));
    add({196, 197, 198, 199, 200, 201, 202, 203, 204, 205, 206}, QSize(32, 62));
    add({195}, QSize(67, 62));
    add({210, 211}, QSize(57, 25));
    add({215}, QSize(81, 28));
}

void TestResources::bitmapSizes()
{
    QFETCH(int, id);
    QFETCH(QSize, size);

    QCOMPARE(LoadBitmapImage(id).size(), size);
    QCOMPARE(DoubleImage(id).size(), size * 2);

    // Laid out at the 1x size whatever the screen; drawn from the @2x twin on a double-density screen.
    const QPixmap pixmap = LoadBitmap(id);
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
    const bool dense = qGuiApp->devicePixelRatio() > 1.0;
    QCOMPARE(pixmap.size(), dense ? size * 2 : size);
    if (dense)
        QCOMPARE(Rgb(pixmap.toImage()), DoubleImage(id));
    else
        QCOMPARE(Rgb(pixmap.toImage()), Rgb(LoadBitmapImage(id)));
}

void TestResources::skinCornersAreKeyColour_data()
{
    QTest::addColumn<QImage>("skin");
    for (int id : {141, 207}) {
        QTest::addRow("%d", id) << Rgb(LoadBitmapImage(id));
        QTest::addRow("%d@2x", id) << DoubleImage(id);
    }
}

void TestResources::skinCornersAreKeyColour()
{
    QFETCH(QImage, skin);
    for (const QPoint& corner : Corners(skin))
        QVERIFY2(skin.pixel(corner) == keyColour,
                 qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
    // The rounding leaves the middle of each edge to the window.
    QVERIFY(skin.pixel(skin.width() / 2, 0) != keyColour);
    QVERIFY(skin.pixel(0, skin.height() / 2) != keyColour);
}

void TestResources::keyColourOnlyInSkinCorners_data()
{
    skinCornersAreKeyColour_data();
}

void TestResources::keyColourOnlyInSkinCorners()
{
    QFETCH(QImage, skin);
    const int scale = skin.width() / 475;
    const int reach = skinCornerReach * scale;
    for (int y = 0; y < skin.height(); ++y) {
        for (int x = 0; x < skin.width(); ++x) {
            const bool nearCorner =
                (x < reach || x >= skin.width() - reach) && (y < reach || y >= skin.height() - reach);
            if (!nearCorner && skin.pixel(x, y) == keyColour)
                QFAIL(qPrintable(QStringLiteral("key colour at %1,%2").arg(x).arg(y)));
        }
    }
}

void TestResources::noKeyColourUnderControls_data()
{
    QTest::addColumn<int>("skin");
    QTest::addColumn<QRect>("area");
    QTest::newRow("main display") << 141 << QRect(100, 100, 282, 116);
    QTest::newRow("main read-out") << 141 << QRect(107, 130, 268, 65);
    QTest::newRow("main idle image") << 141 << QRect(190, 110, 102, 99);
    QTest::newRow("main emblem") << 141 << QRect(3, 5, 28, 18);
    QTest::newRow("main title") << 141 << QRect(35, 7, 200, 15);
    QTest::newRow("main caption buttons") << 141 << QRect(368, 5, 97, 17);
    QTest::newRow("main panel buttons") << 141 << QRect(20, 250, 259, 34);
    QTest::newRow("main PA-VALUE") << 141 << QRect(325, 237, 130, 15);
    QTest::newRow("settings emblem") << 207 << QRect(3, 5, 28, 18);
    QTest::newRow("settings title") << 207 << QRect(35, 7, 200, 15);
    QTest::newRow("settings close") << 207 << QRect(436, 5, 29, 17);
    QTest::newRow("settings TX-GAIN label") << 207 << QRect(34, 236, 81, 28);
    QTest::newRow("settings TX-GAIN slider") << 207 << QRect(37, 270, 301, 15);
    QTest::newRow("settings DONE") << 207 << QRect(390, 262, 57, 25);
}

void TestResources::noKeyColourUnderControls()
{
    QFETCH(int, skin);
    QFETCH(QRect, area);
    for (int scale : {1, 2}) {
        const QImage image = scale == 1 ? Rgb(LoadBitmapImage(skin)) : DoubleImage(skin);
        const QPoint hit = FindPixel(image, Scaled(area, scale), keyColour, true);
        QVERIFY2(hit.x() < 0,
                 qPrintable(QStringLiteral("%1x: key colour at %2,%3").arg(scale).arg(hit.x()).arg(hit.y())));
    }
}

void TestResources::plainColourUnderControls_data()
{
    // Controls drawn without a background of their own show the skin directly behind them.
    QTest::addColumn<int>("skin");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("display") << 141 << QRect(100, 100, 282, 116) << displayBlack;
    QTest::newRow("Stereo/Mono group") << 207 << QRect(32, 38, 136, 90) << fieldColour;
    QTest::newRow("Band group") << 207 << QRect(202, 38, 258, 90) << fieldColour;
    QTest::newRow("De-emphasis group") << 207 << QRect(32, 136, 206, 90) << fieldColour;
    QTest::newRow("Spacing group") << 207 << QRect(256, 136, 204, 118) << fieldColour;
}

void TestResources::plainColourUnderControls()
{
    QFETCH(int, skin);
    QFETCH(QRect, area);
    QFETCH(QRgb, colour);
    for (int scale : {1, 2}) {
        const QImage image = scale == 1 ? Rgb(LoadBitmapImage(skin)) : DoubleImage(skin);
        const QPoint off = FindPixel(image, Scaled(area, scale), colour, false);
        QVERIFY2(
            off.x() < 0,
            qPrintable(QStringLiteral("%1x: other colour at %2,%3").arg(scale).arg(off.x()).arg(off.y())));
    }
}

void TestResources::readoutTilesHaveBlackEdges_data()
{
    // The read-out tiles stand edge to edge on the black display: their borders must not show.
    QTest::addColumn<int>("id");
    for (int id : {194, 195, 196, 197, 198, 199, 200, 201, 202, 203, 204, 205, 206})
        QTest::addRow("%d", id) << id;
}

void TestResources::readoutTilesHaveBlackEdges()
{
    QFETCH(int, id);
    for (const QImage& image : {Rgb(LoadBitmapImage(id)), DoubleImage(id)}) {
        const QRect all = image.rect();
        for (const QRect& edge : {QRect(0, 0, all.width(), 1), QRect(0, all.height() - 1, all.width(), 1),
                                  QRect(0, 0, 1, all.height()), QRect(all.width() - 1, 0, 1, all.height())}) {
            const QPoint off = FindPixel(image, edge, displayBlack, false);
            QVERIFY2(off.x() < 0, qPrintable(QStringLiteral("not black at %1,%2").arg(off.x()).arg(off.y())));
        }
    }
}

void TestResources::panelButtonsSitOnTheField_data()
{
    QTest::addColumn<int>("id");
    for (int id : {165, 166, 167, 168, 169, 170, 171, 172, 173, 174, 180,
                   181, 182, 183, 216, 217, 218, 219, 220, 221, 222})
        QTest::addRow("%d", id) << id;
}

void TestResources::panelButtonsSitOnTheField()
{
    QFETCH(int, id);
    const QImage button = Rgb(LoadBitmapImage(id));
    for (const QPoint& corner : Corners(button))
        QCOMPARE(button.pixel(corner), fieldColour);

    // And the main skin's strip is that same field where the buttons stand.
    const QImage skin = Rgb(LoadBitmapImage(141));
    for (int x : {20, 70, 130, 190, 245}) {
        const QPoint off = FindPixel(skin, QRect(x, 250, 34, 34), fieldColour, false);
        QVERIFY2(off.x() < 0, qPrintable(QStringLiteral("strip differs at %1,%2").arg(off.x()).arg(off.y())));
    }
}

void TestResources::thumbCornersCarryTheirOwnKey_data()
{
    QTest::addColumn<QImage>("thumb");
    QTest::addColumn<int>("corner");
    for (int id : {178, 179}) {
        QTest::addRow("%d", id) << Rgb(LoadBitmapImage(id)) << 1;
        QTest::addRow("%d@2x", id) << DoubleImage(id) << 2;
    }
}

void TestResources::thumbCornersCarryTheirOwnKey()
{
    QFETCH(QImage, thumb);
    QFETCH(int, corner);
    const QRgb key = thumb.pixel(0, 0);
    for (int y = 0; y < thumb.height(); ++y) {
        for (int x = 0; x < thumb.width(); ++x) {
            const bool inCorner =
                (x < corner || x >= thumb.width() - corner) && (y < corner || y >= thumb.height() - corner);
            QVERIFY2((thumb.pixel(x, y) == key) == inCorner,
                     qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
    }
}

void TestResources::thumbKeysDiffer()
{
    QVERIFY(LoadBitmapImage(178).pixel(0, 0) != LoadBitmapImage(179).pixel(0, 0));
}

void TestResources::appIcons_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::newRow("128") << 128 << QList<QSize>{QSize(16, 16), QSize(32, 32)};
    QTest::newRow("130, on air") << 130 << QList<QSize>{QSize(16, 16), QSize(32, 32)};
    QTest::newRow("192") << 192 << QList<QSize>{QSize(32, 32), QSize(48, 48), QSize(64, 64), QSize(128, 128)};
}

void TestResources::appIcons()
{
    QFETCH(int, id);
    QFETCH(QList<QSize>, sizes);
    const QIcon icon = LoadAppIcon(id);
    QList<QSize> available = icon.availableSizes();
    std::sort(available.begin(), available.end(),
              [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
    QCOMPARE(available, sizes);
    for (const QSize& size : sizes) {
        const QImage image = icon.pixmap(size, 1.0).toImage();
        QCOMPARE(image.size(), size);
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(size.width() / 2, size.height() / 2)), 255);
    }
}

void TestResources::windowIconAnswersAsTheAppIcon()
{
    // Its own sizes, sizes between and beyond them, and a mode QIcon derives: what the window manager, a
    // message or a dock may ask for.
    const QIcon decoded = LoadAppIcon(192);
    const QIcon onRequest = LoadWindowIcon();
    QCOMPARE(onRequest.availableSizes(), decoded.availableSizes());
    QList<QSize> asked = decoded.availableSizes();
    asked << QSize(16, 16) << QSize(40, 40) << QSize(100, 100) << QSize(256, 256);
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
        for (const QSize& size : asked) {
            QVERIFY2(
                onRequest.pixmap(size, 1.0, mode).toImage() == decoded.pixmap(size, 1.0, mode).toImage(),
                qPrintable(QStringLiteral("%1x%2, mode %3").arg(size.width()).arg(size.height()).arg(mode)));
        }
    }
}

void TestResources::unknownIconIsNull()
{
    QVERIFY(LoadAppIcon(129).isNull());
}

void TestResources::strings_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("101") << 101 << QStringLiteral("&About Corvane...");
    QTest::newRow("unknown") << 102 << QString();
}

void TestResources::strings()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    QCOMPARE(LoadResString(id), text);
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
