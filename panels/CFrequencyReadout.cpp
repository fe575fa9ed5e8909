#include "panels/CFrequencyReadout.h"

#include "res/Resources.h"
#include "state/TransmitterState.h"

#include <algorithm>
#include <QLabel>

namespace {

constexpr int rowY = 132;
constexpr int pointImage = 206;
constexpr int unitImage = 195;
// The skin's black display, where the digits and the idle picture appear.
constexpr QRect displayArea(92, 97, 297, 121);

std::int32_t Shown(std::int32_t value)
{
    return std::clamp<std::int32_t>(value, 0, 99999);
}

// The display's name for a value, as the digits show it.
QString SpokenFrequency(std::int32_t value)
{
    const std::int32_t shown = Shown(value);
    return QStringLiteral("%1.%2 MHz").arg(shown / 100).arg(shown % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

std::array<int, 5> CFrequencyReadout::DigitImagesOf(std::int32_t value)
{
    const std::int32_t shown = Shown(value);
    return {digitImages[shown / 10000], digitImages[(shown % 10000) / 1000],
            digitImages[(shown % 1000) / 100], digitImages[(shown % 100) / 10], digitImages[shown % 10]};
}

CFrequencyReadout::CFrequencyReadout(QWidget* window)
    : QObject(window), hundreds(createPicture(1040, digitImages[0])),
      tens(createPicture(1041, digitImages[0])), units(createPicture(1042, digitImages[0])),
      point(createPicture(1043, pointImage)), tenths(createPicture(1044, digitImages[0])),
      hundredths(createPicture(1047, digitImages[0])), unitLabel(createPicture(1046, unitImage)),
      display(new QLabel(window))
{
    display->setAttribute(Qt::WA_TransparentForMouseEvents);
    display->setGeometry(displayArea);
    display->setAccessibleName(QStringLiteral("Off air"));
}

QLabel* CFrequencyReadout::createPicture(int id, int imageId)
{
    auto* picture = new QLabel(static_cast<QWidget*>(parent()));
    picture->setObjectName(QString::number(id));
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    picture->setPixmap(LoadBitmap(imageId));
    picture->resize(picture->sizeHint());
    picture->hide();
    return picture;
}

void CFrequencyReadout::ShowFrequency(std::int32_t value)
{
    QLabel* const row[] = {hundreds, tens, units, point, tenths, hundredths, unitLabel};
    if (!transmitterState.onAir) {
        for (QLabel* picture : row)
            picture->hide();
        display->setAccessibleName(QStringLiteral("Off air"));
        return;
    }
    display->setAccessibleName(SpokenFrequency(value));

    // Every digit position and the point are one point-image wide; the label follows 8 pixels after.
    const QSize cell = point->size();
    const bool fiveDigits = value >= 10000;
    if (fiveDigits)
        hundreds->setGeometry(QRect(QPoint(107, rowY), cell));
    const int tensX = fiveDigits ? 139 : 122;
    QLabel* const followers[] = {tens, units, point, tenths, hundredths};
    for (int i = 0; i < 5; ++i)
        followers[i]->setGeometry(QRect(QPoint(tensX + 32 * i, rowY), cell));
    unitLabel->move(fiveDigits ? QPoint(307, 132) : QPoint(290, 130));
    hundreds->setVisible(fiveDigits);
    for (QLabel* picture : {tens, units, tenths, hundredths, unitLabel, point})
        picture->show();

    const std::array<int, 5> images = DigitImagesOf(value);
    QLabel* const digits[] = {hundreds, tens, units, tenths, hundredths};
    for (int i = 0; i < 5; ++i)
        digits[i]->setPixmap(LoadBitmap(images[i]));
}
