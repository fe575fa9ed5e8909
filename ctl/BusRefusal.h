#pragma once

#include "ctl/CtlCommand.h"

#include <QString>
#include <QVariantMap>

// A request the program or the bus answered with an error.
struct BusRefusal
{
    enum class Request
    {
        Read,  // Get or GetAll
        Write, // Set
        Call,  // one of the program's methods
    };

    QString errorName;
    QString errorMessage;
    Request request = Request::Read;
    QString target;         // the property or method the request named
    QVariant value;         // what the request carried, if anything
    int timeoutMs = 0;      // how long the client waited
    QVariantMap properties; // after InvalidArgs, the program's properties as read then; else empty
};

// What the user is told (on stderr) and the status tessalyctl exits with.
struct CtlOutcome
{
    CtlExit exit;
    QString message;
};

// Why a request failed, in the user's terms: MHz rather than kHz, what a missing reply means.
CtlOutcome explain(const BusRefusal& refusal);

// The session bus did not answer at all, not even while connecting.
QString busSilentMessage(int timeoutMs);
