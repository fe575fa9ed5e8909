#include "panels/CTypedEntry.h"

#include "core/TransmitterCore.h"
#include "panels/CFrequencyReadout.h"
#include "state/TransmitterValues.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr int abandonAfterMs = 3000;
// Where the hint appears: in the display, below the digits.
constexpr QPoint hintPlace(110, 180);

// What can still become a frequency in MHz: three digits, a point and two digits at most.
bool Possible(const QString& entry)
{
    static const QRegularExpression form(QStringLiteral("^[0-9]{0,3}(\\.[0-9]{0,2})?$"));
    return form.match(entry).hasMatch();
}

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
    if (text.size() != 1 || !QStringLiteral("0123456789.").contains(text[0]))
        return false;
    // A key that cannot continue a frequency is taken and ignored, so it does nothing else either.
    if (Possible(entry + text)) {
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
    const qsizetype pointAt = entry.indexOf(QLatin1Char('.'));
    const QString whole = pointAt < 0 ? entry : entry.left(pointAt);
    const QString fraction = pointAt < 0 ? QString() : entry.mid(pointAt + 1);
    const std::int32_t frequency = whole.toInt() * 100 + fraction.leftJustified(2, QLatin1Char('0')).toInt();
    const bool tuned = core.TuneTo(frequency);
    end();
    if (tuned)
        return;
    const BandLimits band = BandOf(core.State().optionFlags);
    QToolTip::showText(window->mapToGlobal(hintPlace),
                       QStringLiteral("%1: only %2 to %3 in 0.05 MHz steps")
                           .arg(CFrequencyReadout::FrequencyText(frequency),
                                CFrequencyReadout::FrequencyText(band.lower),
                                CFrequencyReadout::FrequencyText(band.upper)),
                       window);
}

void CTypedEntry::end()
{
    pause.stop();
    entry.clear();
    emit typing(false);
}
