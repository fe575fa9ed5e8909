#pragma once

#include "web/HttpHead.h"

#include <QByteArrayView>
#include <QDateTime>

// What the bytes waiting on a connection ask for.
struct HttpReading
{
    enum Kind
    {
        Incomplete, // more must arrive first, or nothing more is read
        Request,    // a whole request: answer it
        Upgrade,    // a WebSocket upgrade, its head still waiting to be read by the WebSocket's side
        Refused,    // answer with status and reason, then the connection ends
    };
    Kind kind = Incomplete;
    HttpHead head;        // Request and Upgrade
    qsizetype length = 0; // Request: its head and body, to be taken off the connection
    QByteArray body;      // Request
    int status = 0;       // Refused
    QByteArray reason;    // Refused
};

// One connection's conversation without its socket, bytes in and decisions out, by HTTP/1.1's rules
// (RFC 9112) as far as the page needs them: one request at a time, each answered before the next is read,
// and nothing read after the last answer. A head holds at most 8 KiB, a body at most 4 KiB, sent with its
// length: no Transfer-Encoding, no second Content-Length or Host, no Upgrade but to a WebSocket.
class HttpExchange
{
public:
    using Fields = QList<std::pair<QByteArray, QByteArray>>;

    static constexpr qsizetype largestHead = 8 * 1024;
    static constexpr qsizetype largestBody = 4 * 1024;

    // What the bytes waiting now (from the first one not yet taken) ask for; Incomplete while an answer
    // is awaited and once the last answer was given.
    HttpReading Read(QByteArrayView waiting);
    // When the client took too long: the refusal for the bytes waiting then, or Incomplete when the
    // connection just ends.
    HttpReading TimeUp(QByteArrayView waiting);
    // The answer to what Read gave last; close ends the connection after it even when the request asked
    // to keep it. now: its Date.
    QByteArray Answer(int status, const QByteArray& type, const QByteArray& body, const Fields& extra,
                      bool close, const QDateTime& now);

    bool AnswerAwaited() const { return awaited; }
    // The last answer was given: nothing more is read.
    bool Ended() const { return ended; }

private:
    HttpReading refuse(int status, const QByteArray& reason);

    bool awaited = false;
    bool ended = false;
    bool closeAfterAnswer = false;
};

// An HTTP date (RFC 9110's IMF-fixdate), in English whatever the locale: "Sun, 06 Nov 1994 08:49:37 GMT".
QByteArray HttpDate(const QDateTime& time);
