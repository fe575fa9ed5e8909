// A connection's bytes as any input, arriving split at points the input chooses: its first byte says how
// many of the next ones are the pieces' lengths. The decisions are those of the same bytes arriving at
// once, each answered as the server would; every request taken lies within what arrived, and after the last
// answer nothing more is read.
#include "fuzz/FuzzCheck.h"
#include "web/HttpExchange.h"

#include <QList>

namespace {

constexpr qsizetype room = HttpExchange::largestHead + HttpExchange::largestBody;

// The decisions, one line each, from the bytes arriving in pieces of these lengths (cycled; 0 is all).
QList<QByteArray> Run(const QByteArray& bytes, const QByteArray& lengths)
{
    HttpExchange exchange;
    QList<QByteArray> decisions;
    QByteArray waiting;
    qsizetype sent = 0;
    for (qsizetype piece = 0; !exchange.Ended(); ++piece) {
        const qsizetype length =
            lengths.isEmpty() ? bytes.size() : qsizetype(quint8(lengths[piece % lengths.size()])) + 1;
        // As the socket's bounded buffer does: the rest stays with the sender.
        const qsizetype taken = std::min({length, room - waiting.size(), bytes.size() - sent});
        waiting += bytes.mid(sent, taken);
        sent += taken;
        HttpReading reading = exchange.Read(waiting);
        while (reading.kind != HttpReading::Incomplete) {
            FUZZ_CHECK(exchange.AnswerAwaited());
            FUZZ_CHECK(exchange.Read(waiting).kind == HttpReading::Incomplete);
            if (reading.kind == HttpReading::Upgrade)
                return decisions << "upgrade " + reading.head.path;
            if (reading.kind == HttpReading::Request) {
                FUZZ_CHECK(reading.length <= waiting.size() &&
                           reading.body.size() <= HttpExchange::largestBody);
                FUZZ_CHECK(waiting.mid(reading.length - reading.body.size(), reading.body.size()) ==
                           reading.body);
                decisions << "request " + reading.head.method + ' ' + QByteArray::number(reading.length);
                waiting.remove(0, reading.length);
            } else {
                FUZZ_CHECK(reading.status >= 400 && reading.status < 600);
                decisions << "refused " + QByteArray::number(reading.status);
            }
            const QByteArray answer =
                exchange.Answer(reading.status ? reading.status : 404, "text/plain", "x", {}, false,
                                QDateTime::fromSecsSinceEpoch(784111777));
            FUZZ_CHECK(answer.startsWith("HTTP/1.1 ") &&
                       answer.contains("\r\nDate: Sun, 06 Nov 1994 08:49:37 GMT\r\n"));
            FUZZ_CHECK(!exchange.AnswerAwaited());
            FUZZ_CHECK(exchange.Ended() == answer.contains("\r\nConnection: close\r\n"));
            FUZZ_CHECK(!exchange.Ended() || reading.kind == HttpReading::Refused ||
                       reading.head.ClosesConnection());
            reading = exchange.Read(waiting);
        }
        if (sent == bytes.size() && (taken == 0 || lengths.isEmpty()))
            break;
    }
    FUZZ_CHECK(!exchange.Ended() || exchange.Read(waiting).kind == HttpReading::Incomplete);
    return decisions;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = FuzzBytes(data, size);
    const qsizetype count = input.isEmpty() ? 0 : std::min<qsizetype>(quint8(input[0]) % 8, input.size() - 1);
    const QByteArray lengths = input.mid(1, count);
    const QByteArray bytes = input.mid(1 + count);
    FUZZ_CHECK(Run(bytes, lengths) == Run(bytes, {}));
    return 0;
}
