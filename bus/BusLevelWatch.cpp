#include "bus/BusLevelWatch.h"

#include "sound/SoundRouting.h"

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

QDBusMessage BusLevelWatch::Call(const QDBusMessage& message)
{
    if (!message.arguments().isEmpty())
        return message.createErrorReply(QDBusError::InvalidArgs,
                                        message.member() + QStringLiteral(" takes no arguments"));
    if (!soundRouting)
        return message.createErrorReply(QDBusError::NotSupported,
                                        QStringLiteral("this copy of Tessaly routes no sound"));
    const QString client = message.service();
    if (message.member() == QLatin1String("WatchLevel")) {
        if (watchers.empty())
            soundRouting->WatchLevel();
        if (watchers[client]++ == 0)
            going.addWatchedService(client);
        return message.createReply();
    }
    const auto watching = watchers.find(client);
    if (watching == watchers.end())
        return message.createErrorReply(
            QDBusError::Failed, QStringLiteral("this client does not watch the level: WatchLevel first"));
    if (--watching->second == 0)
        drop(client);
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
