#pragma once

#include "sound/RoutingPlan.h"
#include "sound/SoundEngine.h"

#include <optional>
#include <QString>
#include <QTimer>

class RoutingServer;

// Decides what the sound server is to do. The requests (option, transmitter, recheck) only change what is
// wanted; one operation at a time (a search, a check or a restore) then brings the server there, each one
// reading the default only after the one before has had its answers, and the next one is chosen from what is
// wanted by then, so the latest request wins. Never changes anything while no transmitter is open.
class RoutingScheduler final
{
public:
    // recordPath: where what a routing replaced is kept, read here. report: every change of status.
    RoutingScheduler(bool enabled, const QString& recordPath, EngineStatusCallback report);

    // Switched on, the default and every playing stream go to the transmitter, as with PutBack.
    void SetEnabled(bool enabled);
    // Asked for again while on: the transmitter's sink is looked for afresh, and once found it becomes the
    // default again and every stream on another sink moves to it, the ones the user moved by hand too.
    // Nothing else moves them back: the default or a stream the user sends elsewhere stays there.
    void PutBack();
    // Its sink is looked for now and, as sound cards are probed after the HID node, for 10 s of sink
    // announcements.
    void TransmitterOpened(const TransmitterIdentity& transmitter);
    void TransmitterClosed();
    // The routed sink is looked for again when it went or was made anew meanwhile; a default the user picked
    // meanwhile stays.
    void Recheck();

    // A connection is ready; server stays valid until ServerLost or Finish.
    void ServerReady(RoutingServer* server);
    // What was changed went with the connection, and its operation's answer never comes; the record of what
    // it replaced stays.
    void ServerLost();
    void SinksAnnounced();

    // Stops for good, the server no longer used; returns what is still owed back.
    std::optional<RoutingRecord> Finish();
    // What Finish returned was given back.
    void GivenBack();
    // The transmitter's sink while the status is Routed.
    const QByteArray& RoutedSink() const { return routedSink; }

private:
    bool Wanted() const { return enabled && transmitterOpen && !finished; }
    void BeginSearch();
    void EndSearch();
    void Next();
    void Done();
    void Report();
    RoutingPlan Planned(const ServerSinks& seen);
    void Checked(const ServerSinks& seen);
    void Remember(const RoutingRecord& replaced);
    void Forget();

    bool enabled;
    bool finished = false;
    EngineStatusCallback report;
    EngineStatus reported = EngineStatus::NoServer;
    QString reportedDescription;

    bool transmitterOpen = false;
    TransmitterIdentity transmitter;
    RoutingServer* server = nullptr;

    // An operation is under way; what the next one is to do.
    bool busy = false;
    bool searchDue = false;
    bool checkDue = false;

    // Looking for the transmitter's sink: the window after an opening, while not routed.
    QTimer searchWindow;
    bool searching = false;
    bool notFound = false;
    // The search under way is the user's request: every stream follows.
    bool putBack = false;

    // The transmitter's sink is the default; record: what was there before, kept also in recordPath.
    bool routed = false;
    QByteArray routedSink;
    std::uint32_t routedIndex = 0;
    QString routedDescription;
    QString recordPath;
    std::optional<RoutingRecord> record;
};
