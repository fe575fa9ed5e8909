#include "panels/DisplayWords.h"

#include "res/Resources.h"

#include <algorithm>
#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>

namespace {

// As the artwork draws the display's words.
constexpr QColor litColour(60, 255, 120);
constexpr QColor dimColour(45, 191, 90); // three quarters of the way from the display's black to lit
constexpr int litPixelSize = 15;
constexpr qreal lean = 0.06;

QPixmap Drawn(const QString& text, const QFont& font, const QColor& colour)
{
    const QFontMetrics metrics(font);
    const int height = metrics.height();
    const QSize size(metrics.horizontalAdvance(text) + qCeil(lean * height) + 2, height);
    const qreal density = qGuiApp->devicePixelRatio();
    QPixmap picture(size * density);
    picture.setDevicePixelRatio(density);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(colour);
    // The top leans to the right, the baseline stays.
    painter.setTransform(QTransform(1, 0, -lean, 1, lean * height, 0));
    painter.drawText(QRect(QPoint(), size), Qt::AlignCenter, text);
    return picture;
}

} // namespace

void ShowDisplayWords(QLabel& label, const DisplayWords& words)
{
    const QString text = QCoreApplication::translate("CFrequencyReadout", words.text);
    if (text == QLatin1String(words.text)) {
        label.setPixmap(LoadBitmap(words.image));
    } else {
        QFont font = label.font();
        font.setBold(words.lit);
        if (words.lit)
            font.setPixelSize(std::max(QFontInfo(font).pixelSize(), litPixelSize));
        label.setPixmap(Drawn(text, font, words.lit ? litColour : dimColour));
    }
    label.resize(label.sizeHint());
}
