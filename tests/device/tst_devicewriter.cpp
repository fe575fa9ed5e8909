#include "device/DeviceWriter.h"

#include <poll.h>
#include <QtTest>
#include <sys/socket.h>
#include <unistd.h>

namespace {

struct Done
{
    std::vector<std::uint64_t> tickets;
    bool written;
    friend bool operator==(const Done&, const Done&) = default;
};
std::vector<Done> done;

void Record(QObject*, const std::vector<std::uint64_t>& tickets, bool written)
{
    done.push_back({tickets, written});
}

ReportBytes Report(ReportKind kind, std::uint8_t value, std::uint8_t mode = 0)
{
    ReportBytes report{};
    report[2] = kind == TuneReport ? 'P' : 'Q';
    report[4] = value;
    report[6] = mode;
    return report;
}

} // namespace

// The one hand-off to the device writer: order, the latest report of a kind in place of a waiting one, and
// the fate of every report told back with its ticket.
class TestDeviceWriter : public QObject
{
    Q_OBJECT

private slots:
    void waitingReportsGiveWayToNewerOnes()
    {
        int ends[2];
        QCOMPARE(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends), 0);
        QObject context;
        DeviceWriter writer(&context, Record);
        done.clear();
        // Held up behind a pause, as behind a write the device takes its time over.
        writer.QueuePause(std::chrono::milliseconds(200));
        writer.QueueReport(ends[0], TuneReport, Report(TuneReport, 1), 1);
        writer.QueueReport(ends[0], SetupReport, Report(SetupReport, 2), 2);
        writer.QueueReport(ends[0], TuneReport, Report(TuneReport, 3, RetuneBit), 3);
        writer.QueueReport(ends[0], TuneReport, Report(TuneReport, 4), 4);
        writer.QueueReport(ends[0], SetupReport, Report(SetupReport, 5), 5);
        QVERIFY(writer.Flush(std::chrono::seconds(10)));
        QCoreApplication::sendPostedEvents(&context, QEvent::MetaCall);

        QList<std::uint8_t> values, modes;
        ReportBytes received;
        while (::recv(ends[1], received.data(), received.size(), MSG_DONTWAIT) == ssize_t(received.size())) {
            values.append(received[4]);
            modes.append(received[6]);
        }
        // The next report to go is never replaced; the later ones of each kind took the waiting ones' places,
        // and the retune bit of the replaced one went with its replacement.
        QCOMPARE(values, QList<std::uint8_t>({1, 5, 4}));
        QCOMPARE(modes, QList<std::uint8_t>({0, 0, RetuneBit}));
        QCOMPARE(done, (std::vector<Done>{{{1}, true}, {{2, 5}, true}, {{3, 4}, true}}));

        // Nothing reaches the context once notifications ended.
        writer.QueuePause(std::chrono::milliseconds(200));
        writer.QueueReport(ends[0], TuneReport, Report(TuneReport, 7), 7);
        writer.EndNotifications();
        QVERIFY(writer.Flush(std::chrono::seconds(10)));
        QCoreApplication::sendPostedEvents(&context, QEvent::MetaCall);
        QCOMPARE(done.size(), std::size_t(3));
        QCOMPARE(::recv(ends[1], received.data(), received.size(), MSG_DONTWAIT), ssize_t(received.size()));

        // A writer that goes while its thread is held up (a device that does not read) does not wait for
        // it; the thread still delivers what was queued, to a context that hears nothing of it.
        {
            DeviceWriter going(&context, Record);
            going.QueuePause(std::chrono::milliseconds(200));
            going.QueueReport(ends[0], TuneReport, Report(TuneReport, 8), 8);
        }
        pollfd readable{ends[1], POLLIN, 0};
        QCOMPARE(::poll(&readable, 1, 60'000), 1);
        QCOMPARE(::recv(ends[1], received.data(), received.size(), 0), ssize_t(received.size()));
        QCOMPARE(received[4], std::uint8_t(8));
        QCoreApplication::sendPostedEvents(&context, QEvent::MetaCall);
        QCOMPARE(done.size(), std::size_t(3));
        ::close(ends[0]);
        ::close(ends[1]);
    }
};

QTEST_GUILESS_MAIN(TestDeviceWriter)
#include "tst_devicewriter.moc"
