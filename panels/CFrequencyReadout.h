#pragma once

#include <array>
#include <cstdint>
#include <QObject>
#include <QPixmap>

class QLabel;
class QWidget;

// The carrier frequency in digit images, in the display area of the main window: 87.50 MHz in the
// four-digit row, 107.95 MHz in the five-digit row. Its pictures take no pointer input, so presses on
// them reach the window body.
//
// Assistive tools read the display instead of the pictures: a label over the whole display area, drawn
// with nothing, named "90.00 MHz" while on air and "Off air" otherwise; a change of name is announced.
class CFrequencyReadout final : public QObject
{
    Q_OBJECT

public:
    // Image ID per digit 0 to 9 (the seven and the eight images are not in order).
    static constexpr std::array<int, 10> digitImages = {196, 197, 198, 199, 200, 201, 202, 204, 203, 205};

    // The digits d1 to d5 of a value, each shown as digitImages[digit]. Values outside 0 to 99999 (only a
    // damaged settings file brings them) show as the nearest end of that range.
    static std::array<int, 5> DigitsOf(std::int32_t value);

    // Creates the controls hidden, as children of the main window.
    explicit CFrequencyReadout(QWidget* window);

    // Gives the point and the MHz label their pictures, loads the ten digit pictures that ShowFrequency
    // shows, and names the display off air.
    void SetUp();

    // Shows value while on air, hides the whole read-out while off air.
    void ShowFrequency(std::int32_t value, bool onAir);

private:
    QLabel* createPicture(int id);

    QLabel* hundreds;   // 1040
    QLabel* tens;       // 1041
    QLabel* units;      // 1042
    QLabel* point;      // 1043
    QLabel* tenths;     // 1044
    QLabel* hundredths; // 1047
    QLabel* unitLabel;  // 1046
    QLabel* display;
    std::array<QPixmap, 10> digitPictures; // by digit
};
