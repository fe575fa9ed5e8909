#include "web/HttpExchange.h"

#include <QLocale>

namespace {

QByteArray Reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 303:
        return "See Other";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 411:
        return "Length Required";
    case 413:
        return "Content Too Large";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    case 501:
        return "Not Implemented";
    default:
        return "Error";
    }
}

const QByteArray notUnderstood = "Not a request this page understands.";

bool AllDigits(const QByteArray& text)
{
    return !text.isEmpty() &&
           std::all_of(text.cbegin(), text.cend(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

QByteArray HttpDate(const QDateTime& time)
{
    return QLocale::c().toString(time.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'")).toLatin1();
}

HttpReading HttpExchange::refuse(int status, const QByteArray& reason)
{
    awaited = true;
    closeAfterAnswer = true;
    HttpReading refusal;
    refusal.kind = HttpReading::Refused;
    refusal.status = status;
    refusal.reason = reason;
    return refusal;
}

HttpReading HttpExchange::Read(QByteArrayView waiting)
{
    if (awaited || ended || waiting.isEmpty())
        return {};
    const qsizetype end = waiting.indexOf(QByteArrayView("\r\n\r\n"));
    if (end < 0 || end + 4 > largestHead) {
        if (end >= 0 || waiting.size() >= largestHead)
            return refuse(431, "The request is too large.");
        return {};
    }
    std::optional<HttpHead> head = ParseHttpHead(waiting.first(end).toByteArray());
    if (!head)
        return refuse(400, notUnderstood);
    // Two Hosts or two lengths are read differently by different readers: the way to smuggle a request.
    if (head->Count("Host") > 1 || (head->minorVersion == 1 && head->Count("Host") == 0) ||
        head->Count("Content-Length") > 1)
        return refuse(400, notUnderstood);
    if (head->Count("Transfer-Encoding") > 0) {
        // The codings of all the fields in order: chunked last asks for a length, anything else is unknown.
        QByteArray codings;
        for (const auto& [name, value] : head->fields) {
            if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0)
                codings += ',' + value;
        }
        const bool chunked = codings.split(',').last().trimmed().compare("chunked", Qt::CaseInsensitive) == 0;
        return refuse(chunked ? 411 : 501, "Send the body with its length.");
    }
    const QByteArray lengthField = head->Field("Content-Length");
    if (head->Count("Content-Length") == 1 && !AllDigits(lengthField))
        return refuse(400, notUnderstood);
    // Digits beyond the largest body's need not be read as a number at all.
    if (lengthField.size() > 9 || lengthField.toLongLong() > largestBody)
        return refuse(413, "Too large.");
    const qsizetype length = lengthField.toLongLong();
    if (head->Count("Upgrade") > 0) {
        if (head->minorVersion == 0 ||
            head->Field("Upgrade").compare("websocket", Qt::CaseInsensitive) != 0 ||
            head->Count("Upgrade") > 1 || length > 0)
            return refuse(400, "Not a WebSocket this page opens.");
        awaited = true;
        closeAfterAnswer = true;
        HttpReading upgrade;
        upgrade.kind = HttpReading::Upgrade;
        upgrade.head = std::move(*head);
        return upgrade;
    }
    if (waiting.size() < end + 4 + length)
        return {};
    awaited = true;
    closeAfterAnswer = head->ClosesConnection();
    HttpReading request;
    request.kind = HttpReading::Request;
    request.length = end + 4 + length;
    request.body = waiting.sliced(end + 4, length).toByteArray();
    request.head = std::move(*head);
    return request;
}

HttpReading HttpExchange::TimeUp(QByteArrayView waiting)
{
    // Half a request is told why; a quiet connection, or one not taking its answer, just ends.
    if (awaited || ended || waiting.isEmpty()) {
        ended = true;
        return {};
    }
    return refuse(408, "The request took too long.");
}

QByteArray HttpExchange::Answer(int status, const QByteArray& type, const QByteArray& body,
                                const Fields& extra, bool close, const QDateTime& now)
{
    if (!awaited || ended)
        return {};
    awaited = false;
    ended = closeAfterAnswer || close;
    QByteArray answer = "HTTP/1.1 " + QByteArray::number(status) + ' ' + Reason(status) + "\r\n";
    const Fields fields = {{"Date", HttpDate(now)},
                           {"Content-Type", type},
                           {"Content-Length", QByteArray::number(body.size())},
                           {"Cache-Control", "no-store"},
                           {"X-Content-Type-Options", "nosniff"},
                           // The address with its token must not leave in a Referer.
                           {"Referrer-Policy", "no-referrer"},
                           {"Content-Security-Policy",
                            "default-src 'none'; style-src 'unsafe-inline'; script-src 'unsafe-inline'; "
                            "connect-src 'self'; frame-ancestors 'none'"}};
    for (const auto& [name, value] : fields + extra)
        answer += name + ": " + value + "\r\n";
    if (ended)
        answer += "Connection: close\r\n";
    return answer + "\r\n" + body;
}
