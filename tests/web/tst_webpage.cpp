#include "web/WebControl.h"
#include "web/WebOption.h"
#include "web/WebToken.h"

#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <QWebSocket>
#include <sys/stat.h>

namespace {

// The program's side as the page sees it, recording what the page asked for.
class FakeHost final : public WebPageHost
{
public:
    QVariantMap properties{{"OnAir", false},
                           {"Frequency", 90000u},
                           {"Connected", true},
                           {"PaLevel", 90u},
                           {"Favourites", QVariant::fromValue(QList<uint>{88100, 99500})}};
    QStringList writes;

    QVariantMap Properties() const override { return properties; }
    QString WriteProperty(const QString& name, const QVariant& value) override
    {
        writes.append(name + '=' + value.toString());
        properties[name] = value;
        return {};
    }
    bool Step(bool up) override
    {
        writes.append(up ? "step up" : "step down");
        return true;
    }
};

quint16 FreePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

struct Answer
{
    int status = 0;
    QByteArray head;
    QByteArray body;
};

// One raw request, so that Host, Origin and Cookie are exactly what a test says.
Answer Exchange(quint16 port, const QByteArray& request)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write(request);
    QByteArray received;
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        received += socket.readAll();
        const qsizetype end = received.indexOf("\r\n\r\n");
        if (end < 0)
            continue;
        Answer answer{received.mid(9, 3).toInt(), received.left(end), received.mid(end + 4)};
        const QRegularExpressionMatch length =
            QRegularExpression("Content-Length: (\\d+)", QRegularExpression::CaseInsensitiveOption)
                .match(answer.head);
        if (length.hasMatch() && answer.body.size() >= length.captured(1).toInt())
            return answer;
    }
    return {};
}

QByteArray Request(const QByteArray& line, quint16 port, const QByteArray& headers,
                   const QByteArray& body = {})
{
    const QByteArray host = "Host: 127.0.0.1:" + QByteArray::number(port) + "\r\n";
    return line + " HTTP/1.1\r\n" + (headers.contains("Host:") ? QByteArray() : host) + headers +
           "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

} // namespace

class TestWebPage : public QObject
{
    Q_OBJECT

    QTemporaryDir directory;
    FakeHost host;
    std::unique_ptr<WebControl> control;
    quint16 port = 0;
    QByteArray token;
    QByteArray cookie;
    QByteArray origin;

private slots:
    void init()
    {
        host = FakeHost();
        control = std::make_unique<WebControl>(host, directory.path());
        port = FreePort();
        QCOMPARE(control->SetPort(port), QString());
        QCOMPARE(control->SetServed(true), QString());
        token = QUrlQuery(QUrl(control->Address())).queryItemValue("token").toLatin1();
        cookie = "Cookie: tessaly_token=" + token + "\r\n";
        origin = "Origin: http://127.0.0.1:" + QByteArray::number(port) + "\r\n";
    }
    void cleanup() { control.reset(); }

    void optionFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("network");
        QTest::addColumn<int>("port");
        QTest::newRow("as written") << QByteArray("WebControl=1\nWebNetwork=1\nWebPort=9000\n") << true
                                    << true << 9000;
        QTest::newRow("port only") << QByteArray("WebPort=1024") << false << false << 1024;
        QTest::newRow("port below the range")
            << QByteArray("WebControl=1\nWebPort=80") << false << false << 8188;
        QTest::newRow("not a flag") << QByteArray("WebControl=yes") << false << false << 8188;
        QTest::newRow("twice") << QByteArray("WebControl=0\nWebControl=1") << false << false << 8188;
        QTest::newRow("binary") << QByteArray("\0\1\2", 3) << false << false << 8188;
    }
    void optionFile()
    {
        QFETCH(QByteArray, text);
        const QString path = directory.filePath("odd.ini");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        QFETCH(bool, on);
        QFETCH(bool, network);
        QFETCH(int, port);
        const WebOption option = ReadWebOption(path);
        QCOMPARE(option.on, on);
        QCOMPARE(option.network, network);
        QCOMPARE(int(option.port), port);
    }

    void choicesAndTokenKeptBesideTheSettings()
    {
        const WebOption stored = ReadWebOption(directory.filePath("Web.ini"));
        QVERIFY(stored.on);
        QCOMPARE(stored.port, port);
        struct stat status;
        QCOMPARE(::stat(QFile::encodeName(directory.filePath("WebToken")).constData(), &status), 0);
        QCOMPARE(status.st_mode & 0777, 0600u);
        QCOMPARE(token.size(), 32);
        // Made readable by others, it is no secret any more: a new one replaces it.
        QVERIFY(QFile::setPermissions(directory.filePath("WebToken"), QFile::ReadOwner | QFile::ReadOther));
        QVERIFY(LoadWebToken(directory.filePath("WebToken")) != token);
    }

    void requests_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("headers"); // {cookie} {origin} {port} filled in
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("written");
        const QByteArray onAir = R"({"set":"OnAir","value":true})";
        QTest::newRow("page") << QByteArray("GET /") << QByteArray("{cookie}") << QByteArray() << 200 << "";
        QTest::newRow("no token") << QByteArray("GET /") << QByteArray() << QByteArray() << 401 << "";
        QTest::newRow("rebound name")
            << QByteArray("GET /") << QByteArray("Host: evil.example:{port}\r\n{cookie}") << QByteArray()
            << 403 << "";
        QTest::newRow("change") << QByteArray("POST /set") << QByteArray("{cookie}{origin}") << onAir << 200
                                << "OnAir=true";
        QTest::newRow("step") << QByteArray("POST /set") << QByteArray("{cookie}{origin}")
                              << QByteArray(R"({"step":"up"})") << 200 << "step up";
        QTest::newRow("change without origin")
            << QByteArray("POST /set") << QByteArray("{cookie}") << onAir << 403 << "";
        QTest::newRow("change by GET")
            << QByteArray("GET /set?set=OnAir") << QByteArray("{cookie}") << QByteArray() << 405 << "";
        QTest::newRow("read-only") << QByteArray("POST /set") << QByteArray("{cookie}{origin}")
                                   << QByteArray(R"({"set":"Connected","value":false})") << 400 << "";
        QTest::newRow("wrong type") << QByteArray("POST /set") << QByteArray("{cookie}{origin}")
                                    << QByteArray(R"({"set":"Frequency","value":"98.5"})") << 400 << "";
        QTest::newRow("too large") << QByteArray("POST /set") << QByteArray("{cookie}{origin}")
                                   << onAir + QByteArray(5000, ' ') << 413 << "";
        QTest::newRow("a file") << QByteArray("GET /Web.ini") << QByteArray("{cookie}") << QByteArray() << 404
                                << "";
    }
    void requests()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, headers);
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(QString, written);
        headers.replace("{cookie}", cookie)
            .replace("{origin}", origin)
            .replace("{port}", QByteArray::number(port));
        const Answer answer = Exchange(port, Request(line, port, headers, body));
        QCOMPARE(answer.status, status);
        QCOMPARE(host.writes.join(','), written);
        if (answer.status == 200 && answer.head.contains("text/html"))
            QVERIFY(answer.body.size() < 50 * 1024);
    }

    void addressSetsTheCookieAndRenewalEndsIt()
    {
        const Answer first = Exchange(port, Request("GET /?token=" + token, port, {}));
        QCOMPARE(first.status, 303);
        QVERIFY(first.head.contains("Set-Cookie: tessaly_token=" + token +
                                    "; Path=/; HttpOnly; SameSite=Strict"));
        QVERIFY(control->RenewToken());
        QCOMPARE(Exchange(port, Request("GET /", port, cookie)).status, 401);
    }

    void repeatedFailuresAreSlowed()
    {
        for (int i = 0; i < 5; ++i)
            QCOMPARE(Exchange(port,
                              Request("GET /", port, "Cookie: tessaly_token=" + QByteArray(32, 'a') + "\r\n"))
                         .status,
                     401);
        QCOMPARE(Exchange(port, Request("GET /", port, cookie)).status, 429);
    }

    void portInUseLeavesThePageOff()
    {
        QTcpServer squatter;
        QVERIFY(squatter.listen(QHostAddress::LocalHost));
        QVERIFY(control->SetServed(false).isEmpty());
        QVERIFY(control->SetPort(squatter.serverPort()).isEmpty());
        QVERIFY(control->SetServed(true).contains(QString::number(squatter.serverPort())));
        QVERIFY(!control->IsServed());
        QVERIFY(control->Address().isEmpty());
        QVERIFY(!ReadWebOption(directory.filePath("Web.ini")).on);
    }

    void webSocketCarriesStateAndChanges()
    {
        QWebSocket page(QStringLiteral("http://127.0.0.1:%1").arg(port));
        QNetworkRequest request(QUrl(QStringLiteral("ws://127.0.0.1:%1/socket").arg(port)));
        request.setRawHeader("Cookie", "tessaly_token=" + token);
        QSignalSpy messages(&page, &QWebSocket::textMessageReceived);
        page.open(request);
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 20000);
        QVERIFY(messages[0][0].toString().contains(R"("Frequency":90000)"));
        QVERIFY(messages[0][0].toString().contains(R"("Favourites":[88100,99500])"));
        page.sendTextMessage(R"({"set":"OnAir","value":true})");
        QTRY_COMPARE_WITH_TIMEOUT(host.writes, QStringList{"OnAir=true"}, 20000);
        control->HostChanged();
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 2, 20000);
        QVERIFY(messages[1][0].toString().contains(R"("OnAir":true)"));
    }
};

QTEST_GUILESS_MAIN(TestWebPage)
#include "tst_webpage.moc"
