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

std::array<int, 5> CFrequencyReadout::DigitsOf(std::int32_t value)
{
    const std::int32_t shown = Shown(value);
    return {shown / 10000, (shown % 10000) / 1000, (shown % 1000) / 100, (shown % 100) / 10, shown % 10};
}

CFrequencyReadout::CFrequencyReadout(QWidget* window)
    : QObject(window), hundreds(createPicture(1040)), tens(createPicture(1041)), units(createPicture(1042)),
      point(createPicture(1043)), tenths(createPicture(1044)), hundredths(createPicture(1047)),
      unitLabel(createPicture(1046)), display(new QLabel(window))
{
    display->setAttribute(Qt::WA_TransparentForMouseEvents);
    display->setGeometry(displayArea);
}

QLabel* CFrequencyReadout::createPicture(int id)
{
    auto* picture = new QLabel(static_cast<QWidget*>(parent()));
    picture->setObjectName(QString::number(id));
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    picture->hide();
    return picture;
}

void CFrequencyReadout::SetUp()
{
    for (const auto& [picture, imageId] : {std::pair{point, pointImage}, std::pair{unitLabel, unitImage}}) {
        picture->setPixmap(LoadBitmap(imageId));
        picture->resize(picture->sizeHint());
    }
    display->setAccessibleName(QStringLiteral("Off air"));
    // Decoded once: a held button redraws the row ten times a second.
    for (std::size_t digit = 0; digit < digitImages.size(); ++digit)
        digitPictures[digit] = LoadBitmap(digitImages[digit]);
}

void CFrequencyReadout::ShowFrequency(std::int32_t value, bool onAir)
{
    QLabel* const row[] = {hundreds, tens, units, point, tenths, hundredths, unitLabel};
    if (!onAir) {
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

    const std::array<int, 5> shownDigits = DigitsOf(value);
    QLabel* const digits[] = {hundreds, tens, units, tenths, hundredths};
    for (int i = 0; i < 5; ++i)
        digits[i]->setPixmap(digitPictures[shownDigits[i]]);
}
