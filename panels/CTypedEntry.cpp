#include "panels/CTypedEntry.h"

#include "core/TransmitterCore.h"
#include "panels/CFrequencyReadout.h"
#include "panels/FrequencyEntry.h"
#include "state/Frequency.h"
#include "state/TransmitterValues.h"

#include <QKeyEvent>
#include <QLocale>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr int abandonAfterMs = 3000;
// Where the hint appears: in the display, below the digits.
constexpr QPoint hintPlace(110, 180);

} // namespace

CTypedEntry::CTypedEntry(QWidget* window, CFrequencyReadout* readout, TransmitterCore& core)
    : QObject(window), window(window), readout(readout), core(core)
{
    pause.setSingleShot(true);
    pause.setInterval(abandonAfterMs);
    connect(&pause, &QTimer::timeout, this, &CTypedEntry::end);
}

bool CTypedEntry::TakeKey(QObject* receiver, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !receiver->isWidgetType() ||
        static_cast<QWidget*>(receiver)->window() != window)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (IsActive() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        enter();
        return true;
    }
    if (IsActive() && key->key() == Qt::Key_Escape) {
        end();
        return true;
    }
    if (IsActive() && key->key() == Qt::Key_Backspace) {
        entry.chop(1);
        if (!IsActive())
            end();
        else
            readout->ShowEntry(entry);
        pause.start();
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || !QStringLiteral("0123456789.,").contains(text[0]))
        return false;
    // A key that cannot continue a frequency is taken and ignored, so it does nothing else either.
    if (CanBecomeFrequency(entry + text)) {
        if (!IsActive())
            emit typing(true);
        entry += text;
        readout->ShowEntry(entry);
    }
    pause.start();
    return true;
}

void CTypedEntry::enter()
{
    const std::int32_t frequency = EntryFrequency(entry);
    const bool tuned = core.TuneTo(frequency);
    end();
    if (tuned)
        return;
    const BandLimits band = BandOf(core.State().optionFlags);
    //: %1 is the frequency typed, %2 and %3 the band's ends, %4 the step in MHz, such as 0.05
    const QString hint =
        tr("%1: only %2 to %3 in %4 MHz steps")
            .arg(CFrequencyReadout::FrequencyText(frequency), CFrequencyReadout::FrequencyText(band.lower),
                 CFrequencyReadout::FrequencyText(band.upper),
                 Frequency::FromUnits(FrequencyGrid).MegahertzText(QLocale()));
    QToolTip::showText(window->mapToGlobal(hintPlace), hint, window);
}

void CTypedEntry::end()
{
    pause.stop();
    entry.clear();
    emit typing(false);
}
