#include "bus/BusFavourites.h"

#include "bus/BusNames.h"
#include "core/TransmitterCore.h"
#include "state/Frequency.h"
#include "state/Properties.h"

QDBusMessage AnswerFavourite(TransmitterCore& core, const QDBusMessage& message, bool adding)
{
    const uint kHz = message.arguments().value(0).toUInt();
    const Frequency frequency = Frequency::FromKilohertz(kHz);
    const bool whole = frequency.InWholeUnits();
    PersonText notStored;
    const FavouriteAnswer answer =
        adding ? (whole ? core.AddFavourite(frequency.Units(), notStored) : FavouriteAnswer::Refused)
               : (whole ? core.RemoveFavourite(frequency.Units(), notStored) : FavouriteAnswer::NotFavourite);
    switch (answer) {
    case FavouriteAnswer::Done:
        return message.createReply();
    case FavouriteAnswer::Refused:
        return message.createErrorReply(
            QDBusError::InvalidArgs,
            QStringLiteral("a favourite is in kHz inside the band in use, %1 MHz, in steps "
                           "of 50 kHz")
                .arg(core.Properties().value(Property::Name(Property::Band)).toString()));
    case FavouriteAnswer::Full:
        return message.createErrorReply(
            BusNames::favouritesFullError,
            QStringLiteral("there are %1 favourites already").arg(FavouritesMaximum));
    case FavouriteAnswer::NotFavourite:
        return message.createErrorReply(BusNames::notFavouriteError,
                                        QStringLiteral("%1 kHz is not a favourite").arg(kHz));
    case FavouriteAnswer::NotStored:
        break;
    }
    // English, as every answer of the bus.
    return message.createErrorReply(QDBusError::Failed, notStored.English());
}
