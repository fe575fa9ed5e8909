#include "bus/BusLevelWatch.h"

#include "sound/SoundRouting.h"

namespace {

QDBusMessage unsupported(const QDBusMessage& message)
{
    return message.createErrorReply(QDBusError::NotSupported,
                                    QStringLiteral("this copy of Tessaly routes no sound"));
}

} // namespace

BusLevelWatch::BusLevelWatch(SoundRouting* soundRouting, QObject* parent)
    : QObject(parent), soundRouting(soundRouting)
{
    going.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(&going, &QDBusServiceWatcher::serviceUnregistered, this, &BusLevelWatch::drop);
}

void BusLevelWatch::SetConnection(const QDBusConnection& bus)
{
    going.setConnection(bus);
}

QDBusMessage BusLevelWatch::Watch(const QDBusMessage& message)
{
    if (!soundRouting)
        return unsupported(message);
    const QString client = message.service();
    if (watchers.empty())
        soundRouting->WatchLevel();
    if (watchers[client]++ == 0)
        going.addWatchedService(client);
    return message.createReply();
}

QDBusMessage BusLevelWatch::Unwatch(const QDBusMessage& message)
{
    if (!soundRouting)
        return unsupported(message);
    const auto watching = watchers.find(message.service());
    if (watching == watchers.end())
        return message.createErrorReply(
            QDBusError::Failed, QStringLiteral("this client does not watch the level: WatchLevel first"));
    if (--watching->second == 0)
        drop(message.service());
    return message.createReply();
}

void BusLevelWatch::DropAll()
{
    while (!watchers.empty())
        drop(watchers.begin()->first);
}

void BusLevelWatch::drop(const QString& client)
{
    if (watchers.erase(client) == 0)
        return;
    going.removeWatchedService(client);
    if (watchers.empty())
        soundRouting->UnwatchLevel();
}
