#pragma once

#include "bus/BusLevelWatch.h"
#include "core/HearingCheck.h"
#include "state/Properties.h"

#include <cstdint>
#include <functional>
#include <map>
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
// interface org.tessaly.Tessaly1, with a property for each setting, StepUp, StepDown, Show, AddFavourite,
// RemoveFavourite, the hearing check (Check) and the sound's level (the Level signal, sent only between a
// client's WatchLevel and its UnwatchLevel or its leaving the bus). Property reads and writes go through the
// core; every change of the core, whoever made it, is announced with PropertiesChanged.
//
// A write or method that sends reports is answered once the transmitter took them, or with
// org.tessaly.Tessaly1.Error.WriteFailed when it did not; one that sends nothing (no transmitter connected)
// is answered at once.
//
// Messages are handled here rather than by an adaptor class: a refused write must answer InvalidArgs with
// what is accepted, an answer may wait for the device, and an adaptor can do neither.
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
    QVariantMap properties() const;
    QDBusMessage writeProperty(const QDBusMessage& message, const QString& name, const QVariant& value);
    void announceChanges();
    QDBusMessage propertiesCall(const QDBusMessage& message);
    QDBusMessage interfaceCall(const QDBusMessage& message);
    QDBusMessage writeWebProperty(const QDBusMessage& message, const Property::Row& row,
                                  const QVariant& value);
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
    // AddFavourite and RemoveFavourite, with the bus's answer for each of the core's.
    QDBusMessage favouriteCall(const QDBusMessage& message);
    void sendLevel(double peakDbfs);

    TransmitterCore& core;
    std::vector<PendingAnswer> pendingAnswers;
    std::function<void()> show;
    SoundRouting* soundRouting;
    WebControl* web;
    QVariantMap announced; // the values the bus last heard of
    HearingRunner hearingCheck;
    BusLevelWatch levelWatch{soundRouting};
    bool registered = false;
};
