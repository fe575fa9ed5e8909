#pragma once

#include <map>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QObject>

class SoundRouting;

// WatchLevel and UnwatchLevel: the sound's level is watched while any client on the bus watches it. Each
// client's calls are counted, and a client that leaves the bus stops watching with it.
class BusLevelWatch final : public QObject
{
    Q_OBJECT

public:
    // soundRouting: null where the run routes no sound; the calls are then refused.
    explicit BusLevelWatch(SoundRouting* soundRouting, QObject* parent = nullptr);

    // Follows the clients on bus from now on.
    void SetConnection(const QDBusConnection& bus);
    // Answer a WatchLevel and an UnwatchLevel call, each from the client that sent it.
    QDBusMessage Watch(const QDBusMessage& message);
    QDBusMessage Unwatch(const QDBusMessage& message);
    bool IsWatched() const { return !watchers.empty(); }
    // The object leaves the bus: nobody watches any more.
    void DropAll();

private:
    void drop(const QString& client);

    SoundRouting* soundRouting;
    std::map<QString, int> watchers; // each client's WatchLevel calls not yet undone
    QDBusServiceWatcher going;
};
