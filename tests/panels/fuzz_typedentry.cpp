// Keys typed on the main window as any bytes: each byte a digit, a point, a comma or Backspace. Whatever is
// typed, the entry stays one that can become a frequency, and the frequency it names is what the text says in
// MHz, read another way.
#include "fuzz/FuzzCheck.h"
#include "panels/FrequencyEntry.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString keys = QStringLiteral("0123456789.,\b");
    QString entry;
    for (std::size_t i = 0; i < size; ++i) {
        const QChar key = keys[data[i] % keys.size()];
        // As the typed entry takes them: Backspace takes back the last, a key that cannot continue is
        // ignored.
        if (key == u'\b')
            entry.chop(1);
        else if (CanBecomeFrequency(entry + key))
            entry += key;
        FUZZ_CHECK(CanBecomeFrequency(entry));
        bool number = false;
        const double megahertz = QString(entry).replace(u',', u'.').toDouble(&number);
        const std::int32_t frequency = EntryFrequency(entry);
        FUZZ_CHECK(frequency == (number ? std::llround(megahertz * 100) : 0));
        FUZZ_CHECK(frequency >= 0 && frequency <= 99999);
    }
    return 0;
}
