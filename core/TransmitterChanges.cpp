#include "core/TransmitterCore.h"
#include "core/Tuning.h"
#include "state/Power.h"
#include "state/TransmitterValues.h"

#include <optional>
#include <utility>

// What the controls, the bus and the phone page change: the state, whose reports go out at once, and the
// choices kept in files of their own.

namespace {

// "… not stored: <why>", why being the file writer's: the file and the system's reason.
PersonText NotStored(const char* source, const QString& failure)
{
    return {TransmitterCore::staticMetaObject.className(), source, {}, {PersonText::Plain(failure)}};
}

} // namespace

void TransmitterCore::ToggleOnAir()
{
    state.onAir = !state.onAir;
    carryOut({TuneReport}, false);
}

void TransmitterCore::ToggleMute()
{
    state.muted = !state.muted;
    carryOut({TuneReport}, false);
}

bool TransmitterCore::StepFrequencyUp()
{
    return stepFrequency(SteppedUp);
}

bool TransmitterCore::StepFrequencyDown()
{
    return stepFrequency(SteppedDown);
}

bool TransmitterCore::stepFrequency(std::int32_t (*stepped)(std::int32_t, std::int32_t))
{
    if (!state.onAir)
        return false;
    state.retunePending = true;
    state.frequency = stepped(state.frequency, state.optionFlags);
    carryOut({TuneReport});
    return true;
}

bool TransmitterCore::ChangePaLevel(int paLevel)
{
    const std::optional<Power> power = Power::FromLevel(paLevel);
    if (!power)
        return false;
    if (power->Level() == state.paLevel)
        return true;
    state.paLevel = power->Level();
    carryOut({TuneReport});
    return true;
}

bool TransmitterCore::ChangeTxGain(int optionFlags, int txGainIndex)
{
    if (txGainIndex < 0 || txGainIndex > TxGainMaximum)
        return false;
    state.optionFlags = optionFlags;
    state.txGainIndex = txGainIndex;
    carryOut({SetupReport});
    return true;
}

bool TransmitterCore::ApplySettings(int optionFlags, int txGainIndex)
{
    if (txGainIndex < 0 || txGainIndex > TxGainMaximum)
        return false;
    state.optionFlags = optionFlags;
    state.txGainIndex = txGainIndex;
    const auto clamped = BandClamped(state.frequency, state.optionFlags);
    if (!clamped) {
        carryOut({SetupReport});
        return true;
    }
    state.frequency = *clamped;
    state.retunePending = true;
    carryOut({TuneReport, SetupReport});
    return true;
}

bool TransmitterCore::TuneTo(std::int32_t frequency)
{
    if (!Tunable(frequency, state.optionFlags))
        return false;
    if (frequency == state.frequency)
        return true;
    state.frequency = frequency;
    // On air it retunes as a step does; off air the retune goes out with the next report.
    state.retunePending = true;
    if (state.onAir)
        carryOut({TuneReport});
    else
        carryOut({});
    return true;
}

PersonText TransmitterCore::StoreOnAirAtStart(bool on)
{
    if (on == storedOptions.OnAirAtStart())
        return {};
    if (const QString failure = storedOptions.SetOnAirAtStart(SettingsFileInUse(), on); !failure.isEmpty())
        return NotStored(QT_TR_NOOP("Going on air at start not stored: %1"), failure);
    emit changed();
    return {};
}

PersonText TransmitterCore::StoreStartAtLogin(bool on)
{
    if (on == storedOptions.StartsAtLogin())
        return {};
    if (const QString failure = storedOptions.SetStartAtLogin(on); !failure.isEmpty())
        return NotStored(QT_TR_NOOP("Starting at login not stored: %1"), failure);
    emit changed();
    return {};
}

FavouriteAnswer TransmitterCore::AddFavourite(std::int32_t frequency, PersonText& notStored)
{
    std::vector<std::int32_t> kept = storedOptions.Favourites();
    const FavouriteAnswer answer = AddTo(kept, frequency, state.optionFlags);
    if (answer != FavouriteAnswer::Done || kept == storedOptions.Favourites())
        return answer;
    return storeFavourites(std::move(kept), notStored);
}

FavouriteAnswer TransmitterCore::RemoveFavourite(std::int32_t frequency, PersonText& notStored)
{
    std::vector<std::int32_t> kept = storedOptions.Favourites();
    const FavouriteAnswer answer = RemoveFrom(kept, frequency);
    if (answer != FavouriteAnswer::Done)
        return answer;
    return storeFavourites(std::move(kept), notStored);
}

FavouriteAnswer TransmitterCore::AddFavourite(std::int32_t frequency, QString* notStored)
{
    PersonText why;
    const FavouriteAnswer answer = AddFavourite(frequency, why);
    if (notStored)
        *notStored = why.Translated();
    return answer;
}

FavouriteAnswer TransmitterCore::RemoveFavourite(std::int32_t frequency, QString* notStored)
{
    PersonText why;
    const FavouriteAnswer answer = RemoveFavourite(frequency, why);
    if (notStored)
        *notStored = why.Translated();
    return answer;
}

FavouriteAnswer TransmitterCore::storeFavourites(std::vector<std::int32_t> kept, PersonText& notStored)
{
    if (const QString failure = storedOptions.SetFavourites(SettingsFileInUse(), std::move(kept));
        !failure.isEmpty()) {
        notStored = NotStored(QT_TR_NOOP("Favourites not stored: %1"), failure);
        return FavouriteAnswer::NotStored;
    }
    emit changed();
    return FavouriteAnswer::Done;
}
