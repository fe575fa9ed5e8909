#include "panels/CFrequencyReadout.h"

#include "panels/DisplayWords.h"
#include "panels/FrequencyEntry.h"
#include "panels/LevelMeter.h"
#include "res/Resources.h"
#include "state/Frequency.h"
#include "state/TransmitterState.h"

#include <algorithm>
#include <QLabel>
#include <QPainter>
#include <tuple>

namespace {

constexpr int rowY = 132;
constexpr int pointImage = 206;
constexpr int unitImage = 195;
//: On the display above the frequency, in capitals where the language has them; keep it short
constexpr DisplayWords noTransmitterWords{223, QT_TRANSLATE_NOOP("CFrequencyReadout", "NO TRANSMITTER"),
                                          true};
//: On the display above the frequency, in capitals where the language has them; keep it short
constexpr DisplayWords noPermissionWords{224, QT_TRANSLATE_NOOP("CFrequencyReadout", "NO PERMISSION"), true};
//: On the display below the frequency: the fix for NO PERMISSION; keep it short
constexpr DisplayWords ruleHintWords{
    225, QT_TRANSLATE_NOOP("CFrequencyReadout", "install 70-tessaly.rules, then replug"), false};
// The notice stands above the digit row, the hint below it.
constexpr int noticeY = 104;
constexpr int hintY = 198;
constexpr double dimmedOpacity = 0.3;
// The skin's black display, where the digits and the idle picture appear.
constexpr QRect displayArea(92, 97, 297, 121);

std::int32_t Shown(std::int32_t value)
{
    return std::clamp<std::int32_t>(value, 0, 99999);
}

// A lit picture as it shows without a transmitter: faint on the display's black.
QPixmap Dimmed(const QPixmap& lit)
{
    QPixmap dimmed(lit.size());
    dimmed.setDevicePixelRatio(lit.devicePixelRatio());
    dimmed.fill(Qt::black);
    QPainter painter(&dimmed);
    painter.setOpacity(dimmedOpacity);
    painter.drawPixmap(0, 0, lit);
    return dimmed;
}

void SetAccessibleText(QLabel* display, const QString& name, const QString& description)
{
    // Set only when it changes: each setting is announced.
    if (display->accessibleName() != name)
        display->setAccessibleName(name);
    if (display->accessibleDescription() != description)
        display->setAccessibleDescription(description);
}

} // namespace

// The label that names the display for assistive tools and draws nothing else but the level meter, which
// is part of no accessible text, so that it changes without a word to them.
class CFrequencyReadout::Display final : public QLabel
{
public:
    explicit Display(QWidget* window) : QLabel(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(displayArea);
    }

    // -1: no meter.
    void SetLit(int shownLit)
    {
        if (shownLit == lit)
            return;
        lit = shownLit;
        update(LevelMeter::area.translated(-displayArea.topLeft()));
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (lit < 0)
            return;
        QPainter painter(this);
        painter.translate(-displayArea.topLeft());
        LevelMeter::Paint(painter, lit);
    }

private:
    int lit = -1;
};

QString CFrequencyReadout::FrequencyText(std::int32_t value)
{
    //: A frequency: %1 is its number in MHz, with two decimals
    return tr("%1 MHz").arg(Frequency::FromUnits(Shown(value)).MegahertzText(QLocale()));
}

std::array<int, 5> CFrequencyReadout::DigitsOf(std::int32_t value)
{
    const std::int32_t shown = Shown(value);
    return {shown / 10000, (shown % 10000) / 1000, (shown % 1000) / 100, (shown % 100) / 10, shown % 10};
}

CFrequencyReadout::CFrequencyReadout(QWidget* window)
    : QObject(window), hundreds(createPicture(1040)), tens(createPicture(1041)), units(createPicture(1042)),
      point(createPicture(1043)), tenths(createPicture(1044)), hundredths(createPicture(1047)),
      unitLabel(createPicture(1046)), notice(createPicture(1055)), hint(createPicture(1056)),
      display(new Display(window))
{}

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
    pointPictures[0] = LoadBitmap(pointImage);
    unitPictures[0] = LoadBitmap(unitImage);
    for (const auto& [picture, pixmap] :
         {std::pair{point, pointPictures[0]}, std::pair{unitLabel, unitPictures[0]}}) {
        picture->setPixmap(pixmap);
        picture->resize(picture->sizeHint());
    }
    // Decoded once: a held button redraws the row ten times a second.
    for (std::size_t digit = 0; digit < digitImages.size(); ++digit)
        digitPictures[0][digit] = LoadBitmap(digitImages[digit]);
    showState();
}

void CFrequencyReadout::makeDimmedPictures()
{
    // Only once a transmitter is missing: a run that has one from the start never pays for them.
    if (!pointPictures[1].isNull())
        return;
    pointPictures[1] = Dimmed(pointPictures[0]);
    unitPictures[1] = Dimmed(unitPictures[0]);
    for (std::size_t digit = 0; digit < digitImages.size(); ++digit)
        digitPictures[1][digit] = Dimmed(digitPictures[0][digit]);
}

void CFrequencyReadout::ShowFrequency(std::int32_t shownValue, bool shownOnAir)
{
    value = shownValue;
    onAir = shownOnAir;
    showState();
}

void CFrequencyReadout::ShowConnection(TransmitterCore::ConnectionState shownConnection)
{
    using enum TransmitterCore::ConnectionState;
    connection = shownConnection;
    if (connection != Connected) {
        ShowDisplayWords(*notice, connection == NoPermission ? noPermissionWords : noTransmitterWords);
        ShowDisplayWords(*hint, ruleHintWords);
        for (const auto& [picture, y] : {std::pair{notice, noticeY}, std::pair{hint, hintY}})
            picture->move(displayArea.center().x() + 1 - picture->width() / 2, y);
    }
    notice->setVisible(connection != Connected);
    hint->setVisible(connection == NoPermission);
    showState();
}

void CFrequencyReadout::ShowDelivered(bool shownDelivered, const QTime& shownFailedAt)
{
    if (shownDelivered == delivered && shownFailedAt == failedAt)
        return;
    delivered = shownDelivered;
    failedAt = shownFailedAt;
    showState();
}

void CFrequencyReadout::showState()
{
    using enum TransmitterCore::ConnectionState;
    switch (connection) {
    case Connected: {
        //: %1 is the time of day
        const QString notTaken = tr("The transmitter did not take the last change (write failed at %1).");
        SetAccessibleText(display, onAir ? FrequencyText(value) : tr("Off air"),
                          delivered ? QString()
                                    : notTaken.arg(failedAt.toString(QStringLiteral("hh:mm:ss"))));
        break;
    }
    case Absent: {
        //: %1 is a frequency, such as 88.10 MHz
        const QString plugIn = tr("Plug the transmitter in; %1 goes out once it is connected.");
        SetAccessibleText(display, tr("No transmitter"), plugIn.arg(FrequencyText(value)));
        break;
    }
    case NoPermission:
        SetAccessibleText(display, tr("No permission for the transmitter"),
                          tr("The transmitter is plugged in, but this user may not use it. Install "
                             "the udev rule 70-tessaly.rules into /usr/lib/udev/rules.d/ (the "
                             "package does), then unplug the transmitter and plug it in again."));
        break;
    }
    showDigits();
}

void CFrequencyReadout::showDigits()
{
    QLabel* const row[] = {hundreds, tens, units, point, tenths, hundredths, unitLabel};
    const bool connected = connection == TransmitterCore::ConnectionState::Connected;
    if (!onAir && connected) {
        for (QLabel* picture : row)
            picture->hide();
        return;
    }

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

    // Dimmed too while the transmitter has not taken what is shown.
    const std::size_t look = connected && delivered ? 0 : 1;
    if (look != 0)
        makeDimmedPictures();
    point->setPixmap(pointPictures[look]);
    unitLabel->setPixmap(unitPictures[look]);
    const std::array<int, 5> shownDigits = DigitsOf(value);
    QLabel* const digits[] = {hundreds, tens, units, tenths, hundredths};
    for (int i = 0; i < 5; ++i)
        digits[i]->setPixmap(digitPictures[look][shownDigits[i]]);
}

void CFrequencyReadout::ShowLevel(double peakDbfs)
{
    display->SetLit(LevelMeter::LitSegments(peakDbfs));
}

void CFrequencyReadout::HideLevel()
{
    display->SetLit(-1);
}

void CFrequencyReadout::ShowEntry(const QString& entry)
{
    const qsizetype pointAt = EntryPointAt(entry);
    const QString whole = pointAt < 0 ? entry : entry.left(pointAt);
    const QString fraction = pointAt < 0 ? QString() : entry.mid(pointAt + 1);
    // Laid out as a frequency on air with as many whole digits, then only the typed places shown, bright.
    const auto shownState = std::tuple(value, onAir, connection);
    std::tie(value, onAir, connection) =
        std::tuple(whole.size() > 2 ? 10000 : 0, true, TransmitterCore::ConnectionState::Connected);
    showDigits();
    std::tie(value, onAir, connection) = shownState;
    notice->hide();
    hint->hide();
    QLabel* const wholePlaces[] = {units, tens, hundreds};
    for (qsizetype i = 0; i < 3; ++i) {
        wholePlaces[i]->setVisible(i < whole.size());
        if (i < whole.size())
            wholePlaces[i]->setPixmap(digitPictures[0][whole[whole.size() - 1 - i].digitValue()]);
    }
    point->setVisible(pointAt >= 0);
    QLabel* const fractionPlaces[] = {tenths, hundredths};
    for (qsizetype i = 0; i < 2; ++i) {
        fractionPlaces[i]->setVisible(i < fraction.size());
        if (i < fraction.size())
            fractionPlaces[i]->setPixmap(digitPictures[0][fraction[i].digitValue()]);
    }
    //: What a screen reader says while a frequency is typed: %1 is what was typed so far, such as 88.1
    SetAccessibleText(display, tr("Entry %1").arg(entry), {});
}
