#include "ctl/BusRefusal.h"

#include "bus/BusNames.h"
#include "ctl/ValueParsers.h"
#include "state/Frequency.h"
#include "state/Properties.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

QString busError(const char* name)
{
    return QLatin1String("org.freedesktop.DBus.Error.") + QLatin1String(name);
}

QString megahertz(const QVariant& kilohertz)
{
    return Frequency::FromKilohertz(kilohertz.toUInt()).MegahertzText(QLocale());
}

// A refusal's words, then the program's own in brackets (as the bus carries them) when it gave any.
QString withReason(const char* alone, const char* withWords, const QString& words)
{
    return words.isEmpty() ? QCoreApplication::translate("BusRefusal", alone)
                           : QCoreApplication::translate("BusRefusal", withWords).arg(words);
}

// The program refused the arguments: a property it lacks, a frequency outside the band, or its own words.
CtlOutcome explainInvalidArgs(const BusRefusal& refusal)
{
    // A program without the property (an older one) refuses it as it would a bad value; that is not
    // the user's mistake.
    if (refusal.request != BusRefusal::Request::Call && !refusal.properties.isEmpty() &&
        !refusal.properties.contains(refusal.target)) {
        return {CtlExit::Refused,
                QCoreApplication::translate("BusRefusal",
                                            "this Tessaly has no %1 property; it may be an older version")
                    .arg(refusal.target)};
    }
    // The client checks the grid and the widest range itself; what the program still refuses of a
    // frequency is outside the band in use.
    const QVariant band = refusal.properties.value(Property::Name(Property::Band));
    if ((refusal.target == Property::Name(Property::Frequency) ||
         refusal.target == QLatin1String("AddFavourite")) &&
        refusal.value.metaType().id() == QMetaType::UInt && band.isValid()) {
        return {CtlExit::Usage,
                QCoreApplication::translate("BusRefusal", "%1 MHz is outside the band in use, %2 MHz")
                    .arg(megahertz(refusal.value), band.toString())};
    }
    // The program checks what only it can judge.
    return {CtlExit::Usage, refusal.errorMessage.isEmpty() ? refusal.errorName : refusal.errorMessage};
}

} // namespace

QString busSilentMessage(int timeoutMs)
{
    return QCoreApplication::translate(
               "BusRefusal", "the session bus did not answer within %1 s; it may be stuck, so Tessaly "
                             "cannot be reached (see --timeout)")
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
                QCoreApplication::translate("BusRefusal",
                                            "Tessaly is not running and could not be started (%1); start it "
                                            "with 'tessaly --background', or 'tessaly --headless' without a "
                                            "display")
                    .arg(refusal.errorMessage)};
    }
    if (name == busError("NoReply") || name == busError("Timeout")) {
        const char* const text =
            write ? QT_TRANSLATE_NOOP("BusRefusal", "Tessaly did not answer within %1 s; it may be busy or "
                                                    "stopped, and the command may still take effect (see "
                                                    "--timeout)")
                  : QT_TRANSLATE_NOOP("BusRefusal",
                                      "Tessaly did not answer within %1 s; it may be busy or stopped (see "
                                      "--timeout)");
        return {CtlExit::NoAnswer,
                QCoreApplication::translate("BusRefusal", text).arg(secondsText(refusal.timeoutMs))};
    }
    if (name == busError("UnknownMethod") && refusal.request == BusRefusal::Request::Call) {
        return {CtlExit::Refused,
                QCoreApplication::translate("BusRefusal",
                                            "this Tessaly has no %1 method; it may be an older version")
                    .arg(refusal.target)};
    }
    if (name == busError("InvalidArgs"))
        return explainInvalidArgs(refusal);
    if (name == BusNames::writeFailedError)
        return {CtlExit::Refused,
                withReason(QT_TRANSLATE_NOOP("BusRefusal", "the transmitter did not take the change"),
                           QT_TRANSLATE_NOOP("BusRefusal", "the transmitter did not take the change (%1)"),
                           refusal.errorMessage)};
    if (name == BusNames::noWindowError)
        return {CtlExit::Refused,
                QCoreApplication::translate(
                    "BusRefusal", "this Tessaly runs without windows (headless), so there is none to show")};
    if (name == BusNames::favouritesFullError)
        return {CtlExit::Refused,
                withReason(QT_TRANSLATE_NOOP("BusRefusal", "the favourites are full; remove one first"),
                           QT_TRANSLATE_NOOP("BusRefusal", "the favourites are full; remove one first (%1)"),
                           refusal.errorMessage)};
    if (name == BusNames::notFavouriteError)
        return {CtlExit::Refused, QCoreApplication::translate("BusRefusal", "%1 MHz is not a favourite")
                                      .arg(megahertz(refusal.value))};
    // WebUnavailable and OffAir among them: the program's own message says why.
    return {CtlExit::Refused, refusal.errorMessage.isEmpty() ? name : refusal.errorMessage};
}
