#include "core/SettingsStore.h"

#include "core/CoreLog.h"

namespace {

constexpr int saveDelayMs = 1000;

} // namespace

SettingsStore::SettingsStore(const TransmitterState& state) : state(state)
{
    timer.setSingleShot(true);
    timer.setInterval(saveDelayMs);
    QObject::connect(&timer, &QTimer::timeout, &timer, [this] { Save(false); });
}

PersistedSettings SettingsStore::Load(const QString& file)
{
    settingsFile = file.isEmpty() ? settingsPath() : file;
    return LoadSettingsFile(settingsFile);
}

QString SettingsStore::FileInUse() const
{
    return settingsFile.isEmpty() ? settingsPath() : settingsFile;
}

void SettingsStore::ScheduleSave()
{
    if (!timer.isActive())
        timer.start();
}

void SettingsStore::Save(bool ending)
{
    if (settingsFile.isEmpty())
        return;
    // Said once, not at every later change, and always at the end: the run's changes are lost then.
    const QString failure = SaveSettingsFile(settingsFile, PersistedOf(state));
    if (!failure.isEmpty() && (failure != saveFailure || ending))
        qCWarning(coreLog, "%s", qUtf8Printable(tr("Settings not saved: %1").arg(failure)));
    saveFailure = failure;
}
