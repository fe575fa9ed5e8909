#pragma once

#include "state/Properties.h"

#include <QDBusMessage>
#include <QVariantMap>

class SoundRouting;
class TransmitterCore;
class WebControl;

// The bus's properties of this run: the core's always, SoundRouting's with a sound routing, the Web* ones
// with a web control. Each is read and written by its row (state/Properties.h): a write is checked against
// the row and goes to the row's destination, whose failure decides the error: a value the core refuses is
// InvalidArgs, a choice that could not be kept Failed, a page that cannot be served WebUnavailable.
class BusProperties
{
public:
    BusProperties(TransmitterCore& core, SoundRouting* soundRouting, WebControl* web);

    // Every property of the run, by name.
    QVariantMap All() const;
    // Answers a Get, GetAll or Set of org.freedesktop.DBus.Properties.
    QDBusMessage Call(const QDBusMessage& message);

private:
    QDBusMessage write(const QDBusMessage& message, const Property::Row& row, const QVariant& value);

    TransmitterCore& core;
    SoundRouting* soundRouting;
    WebControl* web;
};
