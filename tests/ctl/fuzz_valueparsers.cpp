// tessalyctl's values as any text: each parser gives a value or an error, never both or neither; a value
// accepted is in range and is what the text says, read another way; a frequency reads back from how it is
// shown.
#include "ctl/StatusText.h"
#include "ctl/ValueParsers.h"
#include "fuzz/FuzzCheck.h"
#include "state/Properties.h"
#include "state/PropertyValues.h"

#include <algorithm>
#include <cmath>

namespace {

bool OneOrOther(const ParsedValue& parsed)
{
    return parsed.value.isValid() == parsed.error.isEmpty();
}

// Digits, perhaps with one line end after them, which the parsers let through and the number reads past.
bool Digits(const QString& text)
{
    const QString number = text.endsWith(u'\n') ? text.chopped(1) : text;
    return !number.isEmpty() &&
           std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// What a decimal number in text is, times scale, by way of floating point rather than by the parser's
// digits; nothing when it is no number.
std::optional<qint64> Scaled(const QString& text, int scale)
{
    bool number = false;
    const double value = text.toDouble(&number);
    return number ? std::optional<qint64>(std::llround(value * scale)) : std::nullopt;
}

void CheckLevel(const QString& text, const Property::Row& row)
{
    const ParsedValue level = levelValue(QStringLiteral("level"), text, int(row.lowest), int(row.highest));
    FUZZ_CHECK(OneOrOther(level));
    if (level.value.isValid())
        FUZZ_CHECK(Digits(text) && level.value.toUInt() == text.toUInt() &&
                   level.value.toUInt() >= row.lowest && level.value.toUInt() <= row.highest);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(FuzzBytes(data, size));

    const qint64 kilohertz = kilohertzFromMegahertz(text);
    FUZZ_CHECK(kilohertz >= -1);
    // A decimal comma reads as the point does.
    FUZZ_CHECK(kilohertzFromMegahertz(QString(text).replace(u'.', u',')) == kilohertz);
    if (kilohertz >= 0)
        FUZZ_CHECK(Scaled(QString(text).replace(u',', u'.'), 1000) == kilohertz);
    const ParsedValue frequency = frequencyValue(QStringLiteral("frequency"), text);
    FUZZ_CHECK(OneOrOther(frequency));
    if (frequency.value.isValid()) {
        const uint accepted = frequency.value.toUInt();
        FUZZ_CHECK(accepted == kilohertz && accepted >= Property::Frequency.lowest &&
                   accepted <= Property::Frequency.highest && accepted % 50 == 0);
        FUZZ_CHECK(kilohertzFromMegahertz(megahertzText(accepted)) == kilohertz);
    }

    CheckLevel(text, Property::PaLevel);
    CheckLevel(text, Property::TxGain);
    CheckLevel(text, Property::WebPort);

    const ParsedValue onOff = onOffValue(QStringLiteral("mute"), text);
    FUZZ_CHECK(OneOrOther(onOff));
    if (onOff.value.isValid())
        FUZZ_CHECK(text == QLatin1String(onOff.value.toBool() ? "on" : "off"));
    for (const Property::Row* row : {&Property::Band, &Property::Step, &Property::Deemphasis}) {
        const ParsedValue choice = choiceValue(QStringLiteral("choice"), *row, text);
        FUZZ_CHECK(OneOrOther(choice));
        if (choice.value.isValid())
            FUZZ_CHECK(Property::Accepts(*row, choice.value) && choice.value.toString() == text);
    }

    const int timeout = parseMilliseconds(text);
    FUZZ_CHECK(timeout == -1 || timeout > 0);
    if (timeout > 0)
        FUZZ_CHECK(Scaled(text, 1000) == timeout);
    return 0;
}
