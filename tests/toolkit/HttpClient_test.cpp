// HTTP GET against a small server on loopback: answers, error statuses, refused and silent servers.
#include "toolkit/HttpClient.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Serves canned answers by path on 127.0.0.1 and keeps every request it read; "/silent" is accepted
// and never answered.
class LoopbackHttpServer {
public:
    LoopbackHttpServer() {
        EXPECT_TRUE(FServer.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&FServer, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = FServer.nextPendingConnection()) {
                socket->setParent(&FServer);
                QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { Serve(socket); });
            }
        });
    }
    QString Url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(FServer.serverPort()).arg(path);
    }
    QList<QByteArray> Requests;

private:
    void Serve(QTcpSocket* socket) {
        QByteArray& buffer = FPending[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n")) return;
        Requests << buffer;
        const QByteArray path = buffer.split(' ').value(1);
        buffer.clear();
        QByteArray answer;
        if (path == "/silent") return;
        if (path == "/ver")
            answer = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nSet-Cookie: session=42\r\n"
                     "Content-Length: 11\r\n\r\nVER. 1.004\n";
        else if (path == "/latin1")
            answer = "HTTP/1.1 200 OK\r\nContent-Type: text/plain; charset=ISO-8859-1\r\n"
                     "Content-Length: 4\r\n\r\ncaf\xe9";
        else
            answer = "HTTP/1.1 404 Not Found\r\nContent-Type: text/plain\r\nContent-Length: 4\r\n\r\nnope";
        socket->write(answer);
        socket->disconnectFromHost();
    }
    QTcpServer FServer;
    std::map<QTcpSocket*, QByteArray> FPending;
};

const THttpHeaders kBrowserHeaders = {
    {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"},
    {"Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"},
};

} // namespace

TEST(HttpClient, AnswersAndStatusesOfALoopbackServer) {
    LoopbackHttpServer server;
    THttpClient http(nullptr);
    struct Case {
        const char* Path;
        bool Ok;
        int Status;
        const char* Body;
    } cases[] = {
        {"/ver", true, 200, "VER. 1.004\n"},
        {"/latin1", true, 200, "caf\u00e9"},
        {"/missing", false, 404, "nope"},
    };
    for (const Case& c : cases) {
        THttpResult r = http.Get(server.Url(c.Path), kBrowserHeaders, 5000);
        EXPECT_EQ(r.Ok, c.Ok) << c.Path << " " << r.ErrorText.toStdString();
        EXPECT_EQ(r.StatusCode, c.Status) << c.Path;
        EXPECT_EQ(r.Body, QString::fromUtf8(c.Body)) << c.Path;
        EXPECT_EQ(r.ErrorText.isEmpty(), c.Ok) << c.Path;
        EXPECT_FALSE(r.TimedOut);
    }
}

TEST(HttpClient, SendsTheGivenHeadersAndNoCookies) {
    LoopbackHttpServer server;
    THttpClient http(nullptr);
    http.Get(server.Url("/ver"), kBrowserHeaders, 5000); // the answer sets a cookie
    http.Get(server.Url("/ver"), kBrowserHeaders, 5000);
    ASSERT_EQ(server.Requests.size(), 2);
    for (const QByteArray& request : server.Requests) {
        const QByteArray lower = request.toLower();
        EXPECT_TRUE(request.startsWith("GET /ver HTTP/1."));
        EXPECT_TRUE(lower.contains("\r\nuser-agent: mozilla/3.0 (compatible; indy library)\r\n"))
            << request.constData();
        EXPECT_TRUE(lower.contains(
            "\r\naccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"));
        EXPECT_FALSE(lower.contains("\r\ncookie:")) << request.constData();
    }
}

TEST(HttpClient, RefusedConnectionFails) {
    quint16 port = 0;
    {
        QTcpServer probe; // a port that was free a moment ago and has nobody listening now
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    THttpClient http(nullptr);
    THttpResult r = http.Get(QStringLiteral("http://127.0.0.1:%1/ver").arg(port), kBrowserHeaders, 5000);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.StatusCode, 0);
    EXPECT_FALSE(r.TimedOut);
    EXPECT_FALSE(r.ErrorText.isEmpty());
    EXPECT_TRUE(r.Body.isEmpty());
}

TEST(HttpClient, SilentServerTimesOutAndTheClientStaysUsable) {
    LoopbackHttpServer server;
    THttpClient http(nullptr);
    int ticks = 0; // timers (and so painting) go on while the request waits
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);
    THttpResult r = http.Get(server.Url("/silent"), kBrowserHeaders, 300);
    ticker.stop();
    EXPECT_GT(ticks, 3);
    EXPECT_FALSE(r.Ok);
    EXPECT_TRUE(r.TimedOut);
    EXPECT_EQ(r.StatusCode, 0);
    EXPECT_FALSE(r.ErrorText.isEmpty());
    // The aborted request leaves nothing behind that spoils the next one.
    THttpResult next = http.Get(server.Url("/ver"), kBrowserHeaders, 5000);
    EXPECT_TRUE(next.Ok) << next.ErrorText.toStdString();
    EXPECT_EQ(next.Body, "VER. 1.004\n");
}

TEST(HttpClient, OnlyHttpAddressesAreFetched) {
    THttpClient http(nullptr);
    for (const char* url : {"", "ftp://127.0.0.1/ver", "file:///etc/passwd", "not a url"}) {
        THttpResult r = http.Get(url, {}, 1000);
        EXPECT_FALSE(r.Ok) << url;
        EXPECT_FALSE(r.ErrorText.isEmpty()) << url;
    }
}
