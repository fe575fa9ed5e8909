#pragma once

#include <cstdint>
#include <optional>
#include <QLocale>
#include <QString>
#include <QStringView>

// A carrier frequency. The transmitter, the state and Config.ini count in units of 10 kHz (8810 is
// 88.10 MHz), the bus, scripts and Favourites.ini in kHz, people in MHz with two decimals; this is the one
// place that converts between them. Header-only: tessalyctl links nothing of the program.
class Frequency
{
public:
    constexpr Frequency() = default;
    static constexpr Frequency FromUnits(std::int32_t units) { return Frequency(std::int64_t{units} * 10); }
    // Any kHz a bus value or a file's line can carry.
    static constexpr Frequency FromKilohertz(std::uint32_t kilohertz) { return Frequency(kilohertz); }
    // MHz as people write them: "88.1", "88.10", "088.1", "88,1", or with the locale's decimal separator;
    // one to three digits, then optionally the separator and at least one digit, those past whole kHz
    // zeros. Nothing for anything else: a sign, an exponent, a space, 1000 MHz or more.
    static std::optional<Frequency> FromMegahertzText(QStringView text, const QLocale& locale = QLocale::c());

    constexpr std::int64_t Kilohertz() const { return kilohertz; }
    // In units of 10 kHz; kHz between them are dropped, and InWholeUnits() says whether there were any.
    constexpr std::int32_t Units() const { return static_cast<std::int32_t>(kilohertz / 10); }
    constexpr bool InWholeUnits() const { return kilohertz % 10 == 0; }
    // MHz with two decimals, rounded, without the unit: "88.10", or in the locale's form ("88,10").
    QString MegahertzText(const QLocale& locale = QLocale::c()) const;

    friend constexpr bool operator==(const Frequency&, const Frequency&) = default;

private:
    explicit constexpr Frequency(std::int64_t kilohertz) : kilohertz(kilohertz) {}

    std::int64_t kilohertz = 0;
};

inline std::optional<Frequency> Frequency::FromMegahertzText(QStringView text, const QLocale& locale)
{
    const auto digitAt = [text](qsizetype at) {
        return at < text.size() && text[at] >= u'0' && text[at] <= u'9' ? text[at].unicode() - u'0' : -1;
    };
    qsizetype at = 0;
    std::int64_t megahertz = 0;
    for (; at < 3 && digitAt(at) >= 0; ++at)
        megahertz = megahertz * 10 + digitAt(at);
    if (at == 0)
        return std::nullopt;
    std::int64_t kilohertz = megahertz * 1000;
    if (at == text.size())
        return Frequency(kilohertz);
    const QString localPoint = locale.decimalPoint();
    if (text[at] == u'.' || text[at] == u',')
        ++at;
    else if (!localPoint.isEmpty() && text.sliced(at).startsWith(localPoint))
        at += localPoint.size();
    else
        return std::nullopt;
    const qsizetype fractionStart = at;
    for (std::int64_t place = 100; at < text.size(); ++at, place /= 10) {
        const int digit = digitAt(at);
        if (digit < 0 || (place == 0 && digit != 0))
            return std::nullopt;
        kilohertz += digit * place;
    }
    if (at == fractionStart)
        return std::nullopt;
    return Frequency(kilohertz);
}

inline QString Frequency::MegahertzText(const QLocale& locale) const
{
    QLocale shown = locale;
    shown.setNumberOptions(shown.numberOptions() | QLocale::OmitGroupSeparator);
    return shown.toString(static_cast<double>(kilohertz) / 1000, 'f', 2);
}
