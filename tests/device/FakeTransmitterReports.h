#pragma once

#include "core/TransmitterCore.h"
#include "fakes/FakeHIDApi.h"

#include <csignal>
#include <optional>
#include <QByteArray>
#include <QCoreApplication>
#include <QList>

// What the fake transmitter has received so far, as the tests compare it.
struct ReceivedReport
{
    QByteArray bytes;
    qint64 sentAtNs = 0;
};

// Waits until core's device writer has done everything queued so far, then delivers what it told of the
// reports' fate, as the event loop would.
inline void SettleReports(TransmitterCore& core)
{
    core.WaitForReports(std::chrono::seconds(10));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

inline std::optional<ReceivedReport> TakeReport(TransmitterCore& core)
{
    SettleReports(core);
    unsigned char buffer[64];
    long long sentAtNs = 0;
    const int length = FakeHid_ReadReport(buffer, int(sizeof buffer), &sentAtNs);
    if (length <= 0)
        return std::nullopt;
    return ReceivedReport{QByteArray(reinterpret_cast<const char*>(buffer), length), sentAtNs};
}

// A TuneReport in hex as TakeReports gives it: frequency code (two bytes), power byte, mode byte.
inline QByteArray tune(const char* frequencyCode, const char* power, const char* mode)
{
    return QByteArray("000050") + frequencyCode + power + mode + "0000";
}

// A SetupReport in hex: gain code byte, option byte.
inline QByteArray SetupBytes(const char* gainCode, const char* flags)
{
    return QByteArray("000051") + gainCode + flags + "00000000";
}

// Every waiting report, in hex, in the order written.
inline QList<QByteArray> TakeReports(TransmitterCore& core)
{
    QList<QByteArray> reports;
    while (const auto report = TakeReport(core))
        reports.append(report->bytes.toHex().toUpper());
    return reports;
}

// A closed peer gives a failed write rather than SIGPIPE, as in the program.
inline void IgnoreSigpipe()
{
    std::signal(SIGPIPE, SIG_IGN);
}
