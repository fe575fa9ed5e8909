#include "ctl/BusRefusal.h"

#include "bus/BusNames.h"
#include "ctl/StatusText.h"
#include "state/Properties.h"

namespace {

QString busError(const char* name)
{
    return QLatin1String("org.freedesktop.DBus.Error.") + QLatin1String(name);
}

QString secondsText(int milliseconds)
{
    return QString::number(milliseconds / 1000.0) + QLatin1String(" s");
}

// The program refused the arguments: a property it lacks, a frequency outside the band, or its own words.
CtlOutcome explainInvalidArgs(const BusRefusal& refusal)
{
    // A program without the property (an older one) refuses it as it would a bad value; that is not
    // the user's mistake.
    if (refusal.request != BusRefusal::Request::Call && !refusal.properties.isEmpty() &&
        !refusal.properties.contains(refusal.target)) {
        return {CtlExit::Refused,
                QStringLiteral("this Tessaly has no %1 property; it may be an older version")
                    .arg(refusal.target)};
    }
    // The client checks the grid and the widest range itself; what the program still refuses of a
    // frequency is outside the band in use.
    const QVariant band = refusal.properties.value(Property::Name(Property::Band));
    if ((refusal.target == Property::Name(Property::Frequency) ||
         refusal.target == QLatin1String("AddFavourite")) &&
        refusal.value.metaType().id() == QMetaType::UInt && band.isValid()) {
        return {CtlExit::Usage, QStringLiteral("%1 MHz is outside the band in use, %2 MHz")
                                    .arg(megahertzText(refusal.value.toUInt()), band.toString())};
    }
    // The program checks what only it can judge.
    return {CtlExit::Usage, refusal.errorMessage.isEmpty() ? refusal.errorName : refusal.errorMessage};
}

} // namespace

QString busSilentMessage(int timeoutMs)
{
    return QStringLiteral("the session bus did not answer within %1; it may be stuck, so Tessaly cannot be "
                          "reached (see --timeout)")
        .arg(secondsText(timeoutMs));
}

CtlOutcome explain(const BusRefusal& refusal)
{
    const QString& name = refusal.errorName;
    const bool write = refusal.request != BusRefusal::Request::Read;
    // No owner, and the bus found no service file to start one from, or the start failed.
    if (name == busError("ServiceUnknown") || name == busError("NameHasNoOwner") ||
        name.startsWith(busError("Spawn."))) {
        return {CtlExit::NotRunning,
                QStringLiteral("Tessaly is not running and could not be started (%1); start it with "
                               "'tessaly --background', or 'tessaly --headless' without a display")
                    .arg(refusal.errorMessage)};
    }
    if (name == busError("NoReply") || name == busError("Timeout")) {
        return {
            CtlExit::NoAnswer,
            QStringLiteral("Tessaly did not answer within %1; it may be busy or stopped%2 (see --timeout)")
                .arg(secondsText(refusal.timeoutMs),
                     write ? QStringLiteral(", and the command may still take effect") : QString())};
    }
    if (name == busError("UnknownMethod") && refusal.request == BusRefusal::Request::Call) {
        return {
            CtlExit::Refused,
            QStringLiteral("this Tessaly has no %1 method; it may be an older version").arg(refusal.target)};
    }
    if (name == busError("InvalidArgs"))
        return explainInvalidArgs(refusal);
    const QString because = refusal.errorMessage.isEmpty()
                                ? QString()
                                : QLatin1String(" (") + refusal.errorMessage + QLatin1Char(')');
    if (name == BusNames::writeFailedError)
        return {CtlExit::Refused, QStringLiteral("the transmitter did not take the change%1").arg(because)};
    if (name == BusNames::noWindowError)
        return {CtlExit::Refused,
                QStringLiteral("this Tessaly runs without windows (headless), so there is none to show")};
    if (name == BusNames::favouritesFullError)
        return {CtlExit::Refused, QStringLiteral("the favourites are full; remove one first%1").arg(because)};
    if (name == BusNames::notFavouriteError)
        return {CtlExit::Refused,
                QStringLiteral("%1 MHz is not a favourite").arg(megahertzText(refusal.value.toUInt()))};
    // WebUnavailable and OffAir among them: the program's own message says why.
    return {CtlExit::Refused, refusal.errorMessage.isEmpty() ? name : refusal.errorMessage};
}
