#pragma once

#include "core/TransmitterCore.h"

#include <array>
#include <cstdint>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QTime>

class QLabel;
class QWidget;

// The carrier frequency in digit images, in the display area of the main window: 87.50 MHz in the
// four-digit row, 107.95 MHz in the five-digit row. Its pictures take no pointer input, so presses on
// them reach the window body.
//
// Assistive tools read the display instead of the pictures: a label over the whole display area, drawn
// with nothing, named "90.00 MHz" while on air and "Off air" otherwise; a change of name is announced.
//
// Without a transmitter the digits show dimmed, on air or not, with a line saying why: "NO TRANSMITTER", or
// "NO PERMISSION" and how to fix that. The display is then named "No transmitter" or "No permission for
// the transmitter", and its description says what to do.
//
// While shown, the sound's level is drawn under the digits. It is decoration only: assistive tools hear
// nothing of it, as it changes ten times a second.
class CFrequencyReadout final : public QObject
{
    Q_OBJECT

public:
    // Image ID per digit 0 to 9 (the seven and the eight images are not in order).
    static constexpr std::array<int, 10> digitImages = {196, 197, 198, 199, 200, 201, 202, 204, 203, 205};

    // The digits d1 to d5 of a value, each shown as digitImages[digit]. Values outside 0 to 99999 (only a
    // damaged settings file brings them) show as the nearest end of that range.
    static std::array<int, 5> DigitsOf(std::int32_t value);
    // A value as the digits show it: "90.00 MHz".
    static QString FrequencyText(std::int32_t value);

    // Creates the controls hidden, as children of the main window.
    explicit CFrequencyReadout(QWidget* window);

    // Gives the point and the MHz label their pictures, loads the ten digit pictures that ShowFrequency
    // shows, and names the display off air.
    void SetUp();

    // Shows value while on air, hides the whole read-out while off air.
    void ShowFrequency(std::int32_t value, bool onAir);
    // Connected until told otherwise.
    void ShowConnection(TransmitterCore::ConnectionState connection);
    // Whether the transmitter took what is shown: dimmed, and said so to assistive tools, while it did not.
    void ShowDelivered(bool delivered, const QTime& failedAt);
    // Shows a frequency being typed, on air or not: up to three digits, a point (or comma) and up to two
    // digits, each where the digits of a frequency stand ("88." as 88.__ MHz); assistive tools read
    // "Entry 88.".
    void ShowEntry(const QString& entry);
    // Shows the level meter with peakDbfs (-inf or a value <= 0); redrawn only when a segment changes.
    void ShowLevel(double peakDbfs);
    void HideLevel();

private:
    class Display;

    QLabel* createPicture(int id);
    void showState();
    void showDigits();
    void makeDimmedPictures();

    QLabel* hundreds;   // 1040
    QLabel* tens;       // 1041
    QLabel* units;      // 1042
    QLabel* point;      // 1043
    QLabel* tenths;     // 1044
    QLabel* hundredths; // 1047
    QLabel* unitLabel;  // 1046
    QLabel* notice;     // 1055: why there is no transmitter
    QLabel* hint;       // 1056: how to fix it
    Display* display;

    // By digit; the first row lit, the second dimmed (made when first needed).
    std::array<std::array<QPixmap, 10>, 2> digitPictures;
    std::array<QPixmap, 2> pointPictures;
    std::array<QPixmap, 2> unitPictures;
    std::int32_t value = 0;
    bool onAir = false;
    TransmitterCore::ConnectionState connection = TransmitterCore::ConnectionState::Connected;
    bool delivered = true;
    QTime failedAt;
};
