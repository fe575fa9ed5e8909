#pragma once

#include <optional>
#include <QByteArray>
#include <QString>

// What a routing replaced, written down outside the process before the default changes, so that a run
// killed or cut off while routed is undone by the next one. Kept in the runtime directory (gone at logout)
// as "tessaly-sound-restore", two lines: "PreviousDefault=<sink>" and "RoutedSink=<sink>".
struct RoutingRecord
{
    QByteArray previousDefault;
    QByteArray routedSink;
};

// The record's file: in the test suites' private directory (TESSALY_TEST_LOCK_DIR) when it is one, else in
// /run/user/<uid> when that is ours, else in our cache directory; empty when none is private.
QString RoutingRecordPath();

// The record in path; none when there is no file. Anything else but a regular file of that form gives none
// and one line on stderr; a damaged file of ours is removed, anything else left alone.
std::optional<RoutingRecord> ReadRoutingRecord(const QString& path);
// Written atomically; false, with one line on stderr, when it could not be.
bool WriteRoutingRecord(const QString& path, const RoutingRecord& record);
void RemoveRoutingRecord(const QString& path);
