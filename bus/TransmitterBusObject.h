#pragma once

#include "bus/BusLevelWatch.h"
#include "bus/BusProperties.h"
#include "core/HearingCheck.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QVariantMap>
#include <set>
#include <vector>

class SoundRouting;
class TransmitterCore;
class WebControl;

// The transmitter on the session bus: the name org.tessaly.Tessaly, the object /org/tessaly/Tessaly and its
// interface org.tessaly.Tessaly1, with a property for each row of state/Properties.h (BusProperties), the
// methods of the method table (StepUp, StepDown, Show, AddFavourite, RemoveFavourite, RenewWebToken, the
// hearing check Check, WatchLevel and UnwatchLevel) and the sound's level (the Level signal, sent only
// between a client's WatchLevel and its UnwatchLevel or its leaving the bus). The introspection and the
// dispatch of methods are both made from that one table; every change of the core, whoever made it, is
// announced with PropertiesChanged.
//
// A write or method that sends reports is answered once the transmitter took them, or with
// org.tessaly.Tessaly1.Error.WriteFailed when it did not; one that sends nothing (no transmitter connected)
// is answered at once.
//
// A QDBusVirtualObject rather than an adaptor class: an answer may wait for the device, a refused value
// answers InvalidArgs with what is accepted, and the set of properties depends on the run (SoundRouting
// only with a sound routing, the Web* ones only with the web control); an adaptor can do none of these.
class TransmitterBusObject final : public QDBusVirtualObject
{
    Q_OBJECT

public:
    // show: what Show() does; empty where there is no window, and Show() then answers an error. soundRouting,
    // where there is one, is the SoundRouting property; web, where there is one, the Web* properties and
    // RenewWebToken.
    TransmitterBusObject(TransmitterCore& core, std::function<void()> show,
                         SoundRouting* soundRouting = nullptr, WebControl* web = nullptr,
                         QObject* parent = nullptr);

    // Exports the object and takes the name on the session bus. False, with the reason on stderr, when
    // there is no session bus or the name belongs to another process.
    bool Register();
    // Leaves the bus: no call reaches the core any more.
    void Unregister();
    // What Check() runs; without it Check() answers an error.
    void SetHearingCheck(HearingRunner check) { hearingCheck = std::move(check); }

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    // One of the interface's methods: what it takes and gives, as introspection shows it, and who answers
    // it. A handler returns the answer, or nothing when it answers on connection by itself later.
    struct Method
    {
        const char* name;
        const char* in; // the arguments' signature: empty, or one argument
        const char* inName;
        const char* out;
        const char* outName;
        bool needsWeb; // a method of the web control, absent without one
        std::optional<QDBusMessage> (TransmitterBusObject::*handle)(const QDBusMessage& message,
                                                                    const QDBusConnection& connection);
    };
    static const Method methods[];
    static QString interfaceXml();
    // The answer to a call of the interface; nothing when the handler answers later, an invalid message for
    // a call that is Qt's (introspection, Peer).
    std::optional<QDBusMessage> methodCall(const QDBusMessage& message, const QDBusConnection& connection);

    std::optional<QDBusMessage> stepUp(const QDBusMessage& message, const QDBusConnection&);
    std::optional<QDBusMessage> stepDown(const QDBusMessage& message, const QDBusConnection&);
    std::optional<QDBusMessage> showWindow(const QDBusMessage& message, const QDBusConnection&);
    std::optional<QDBusMessage> addFavourite(const QDBusMessage& message, const QDBusConnection&);
    std::optional<QDBusMessage> removeFavourite(const QDBusMessage& message, const QDBusConnection&);
    std::optional<QDBusMessage> renewWebToken(const QDBusMessage& message, const QDBusConnection&);
    std::optional<QDBusMessage> check(const QDBusMessage& message, const QDBusConnection& connection);
    std::optional<QDBusMessage> watchLevel(const QDBusMessage& message, const QDBusConnection&);
    std::optional<QDBusMessage> unwatchLevel(const QDBusMessage& message, const QDBusConnection&);
    QDBusMessage stepped(const QDBusMessage& message, bool done);
    void announceChanges();
    void onReportsDone(const std::vector<std::uint64_t>& tickets, bool written);
    // An answer waiting for the reports that carry its change.
    struct PendingAnswer
    {
        QDBusConnection connection;
        QDBusMessage call;
        std::set<std::uint64_t> outstanding;
        bool failed = false;
    };
    void answer(const PendingAnswer& pending);
    void sendLevel(double peakDbfs);

    TransmitterCore& core;
    std::vector<PendingAnswer> pendingAnswers;
    std::function<void()> show;
    SoundRouting* soundRouting;
    WebControl* web;
    BusProperties busProperties;
    QVariantMap announced; // the values the bus last heard of
    HearingRunner hearingCheck;
    BusLevelWatch levelWatch{soundRouting};
    bool registered = false;
};
