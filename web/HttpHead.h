#pragma once

#include <optional>
#include <QByteArray>
#include <QList>
#include <utility>

// A request line and its header fields, as they arrived. The page's server reads only these three kinds
// of request (the page, a change, the WebSocket), so it needs no more of HTTP than this.
struct HttpHead
{
    QByteArray method;
    QByteArray path;      // before any '?'
    QByteArray query;     // after it, undecoded
    int minorVersion = 1; // HTTP/1.x
    QList<std::pair<QByteArray, QByteArray>> fields;

    // The first field of that name (case-insensitive), its value trimmed; empty when absent.
    QByteArray Field(const QByteArray& name) const;
    // How many fields of that name arrived.
    qsizetype Count(const QByteArray& name) const;
    // Whether the connection ends after this answer: HTTP/1.0 unless keep-alive, or "Connection: close".
    bool ClosesConnection() const;
    // Whether a comma-separated field holds a token, as "Connection: keep-alive, Upgrade" holds "upgrade".
    bool FieldHas(const QByteArray& name, const QByteArray& token) const;
};

// The head up to, not including, its blank line: the request line, then a field a line, each line ended by
// CRLF or a bare LF. Nothing when it is no HTTP/1.x request whose target is a path (origin form: '/', then
// visible ASCII only; the page is served from one host, named in Host), when a field line is folded or its
// name no token, or when a value holds a control character other than a tab (a CR, a NUL). How long it may
// be is the connection's to bound, and what the fields say (a Host or a Content-Length twice, a method the
// page does not take) the exchange's to judge: they are kept as they came.
std::optional<HttpHead> ParseHttpHead(const QByteArray& head);
