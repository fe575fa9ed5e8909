#pragma once

#include "state/Properties.h"

#include <QString>
#include <QVariant>

// The values tessalyctl's commands take, judged before anything is sent: each parser gives the value typed
// as the bus carries it (uint, bool or QString), or the usage error saying what is accepted. word is the
// command as the user typed it ("power", "web port"), for the error to name.
struct ParsedValue
{
    QVariant value;
    QString error; // empty when value holds
};

// Megahertz, in kHz on the transmitter's 50 kHz grid and within either band.
ParsedValue frequencyValue(const QString& word, const QString& text);
// A whole number from lowest to highest.
ParsedValue levelValue(const QString& word, const QString& text, int lowest, int highest);
// "on" or "off", as a boolean.
ParsedValue onOffValue(const QString& word, const QString& text);
// One of the row's choices, written as the bus carries it: a band's name, a step in kHz.
ParsedValue choiceValue(const QString& word, const Property::Row& row, const QString& text);

// "a or b", "a, b or c", in the user's language.
QString alternativesText(const QStringList& choices);
// Milliseconds as seconds in the locale's form ("2.85", "2,85"), without a group separator, as the
// frequencies are shown.
QString secondsText(int milliseconds);

// "88.5", "88,5" or "88.50" MHz in kHz on the transmitter's 50 kHz grid; -1 when text is not such a
// frequency. Either decimal mark, whatever the language: no frequency has a thousands separator.
qint64 kilohertzFromMegahertz(const QString& text);

// Seconds as "5" or "0.5", in milliseconds; -1 when text is no such positive number. A decimal point only:
// "1,000" would be a thousand seconds to some and one to others.
int parseMilliseconds(const QString& text);
