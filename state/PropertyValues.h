#pragma once

#include "state/Properties.h"

#include <QMetaType>
#include <QStringList>
#include <QVariant>

// What a property's row takes, and the refusal that says so: the one place both are made from the row's
// type, range, choices and unit, for the bus, the core, the web page's options and tessalyctl alike.
// Header only, as tessalyctl links nothing of the program.
namespace Property {

// value has the row's type as the bus carries it (bool, uint, QString).
inline bool HasBusType(const QVariant& value, const Row& row)
{
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return row.busType == QLatin1String("b");
    case QMetaType::UInt:
        return row.busType == QLatin1String("u");
    case QMetaType::QString:
        return row.busType == QLatin1String("s");
    default:
        return false;
    }
}

inline QStringList Choices(const Row& row)
{
    QStringList choices;
    for (const char* choice : row.choices) {
        if (choice)
            choices.append(QString::fromUtf8(choice));
    }
    return choices;
}

// A number within the row's range, on its grid; any number for a row without one.
inline bool InRange(const Row& row, std::uint64_t number)
{
    if (row.lowest == row.highest)
        return true;
    return number >= row.lowest && number <= row.highest && (number - row.lowest) % row.grain == 0;
}

// Whether the row takes value: its type, then its range or choices.
inline bool Accepts(const Row& row, const QVariant& value)
{
    if (!HasBusType(value, row))
        return false;
    const QStringList choices = Choices(row);
    if (!choices.isEmpty())
        return choices.contains(value.metaType().id() == QMetaType::UInt ? QString::number(value.toUInt())
                                                                         : value.toString());
    return value.metaType().id() != QMetaType::UInt || InRange(row, value.toUInt());
}

// "a or b", "a, b or c".
inline QString Alternatives(const QStringList& choices)
{
    return choices.size() < 2 ? choices.join(QString())
                              : choices.mid(0, choices.size() - 1).join(QLatin1String(", ")) +
                                    QLatin1String(" or ") + choices.last();
}

// What the row takes, for a value it does not, with the range from lowest to highest (a rule narrower than
// the row's own, such as the band in use).
inline QString Refusal(const Row& row, std::uint32_t lowest, std::uint32_t highest)
{
    const QString name = Name(row), unit = QString::fromUtf8(row.unit);
    const QString inUnit = unit.isEmpty() ? QString() : QLatin1String(" (") + unit + QLatin1Char(')');
    QStringList choices = Choices(row);
    if (!choices.isEmpty()) {
        if (row.busType == QLatin1String("s"))
            for (QString& choice : choices)
                choice = QLatin1Char('"') + choice + QLatin1Char('"');
        return QStringLiteral("%1 takes %2%3").arg(name, Alternatives(choices), inUnit);
    }
    if (row.busType == QLatin1String("b"))
        return name + QStringLiteral(" takes a boolean");
    if (row.busType == QLatin1String("s"))
        return name + QStringLiteral(" takes a string");
    const QString number = unit.isEmpty() ? QStringLiteral("an unsigned integer") : unit;
    if (lowest == highest)
        return QStringLiteral("%1 takes %2").arg(name, number);
    const QString grid =
        row.grain > 1 ? QStringLiteral(" in steps of %1 %2").arg(row.grain).arg(unit) : QString();
    return QStringLiteral("%1 takes %2 from %3 to %4%5").arg(name, number).arg(lowest).arg(highest).arg(grid);
}

inline QString Refusal(const Row& row)
{
    return Refusal(row, row.lowest, row.highest);
}

inline QString ReadOnlyRefusal(const Row& row)
{
    return Name(row) + QStringLiteral(" is read-only");
}

inline QString UnknownRefusal(const QString& name)
{
    return QStringLiteral("no property %1").arg(name);
}

} // namespace Property
