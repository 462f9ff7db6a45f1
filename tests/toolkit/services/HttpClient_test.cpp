// HTTP GET against a small server on loopback: answers, error statuses, refused and silent servers.
#include "TestSupport.h"
#include "toolkit/services/HttpClient.h"
#include "toolkit/services/NetworkGuard.h"

#include <QTimer>
#include <QTcpServer>
#include <gtest/gtest.h>

namespace {

// Canned answers by path; "/silent" is accepted and never answered.
QByteArray CannedAnswer(const QByteArray& path) {
    using qvtest::LoopbackHttpServer;
    if (path == "/silent")
        return {};
    if (path == "/ver")
        return LoopbackHttpServer::Response(200, "VER. 1.004\n",
                                            "Content-Type: text/html\r\nSet-Cookie: session=42\r\n");
    if (path == "/big") return LoopbackHttpServer::Response(200, QByteArray(100000, 'v'));
    // Without a length the body ends with the connection: only what arrives tells its size.
    if (path == "/big-unannounced")
        return "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + QByteArray(100000, 'v');
    if (path == "/latin1")
        return LoopbackHttpServer::Response(200, "caf\xe9", "Content-Type: text/plain; charset=ISO-8859-1\r\n");
    return LoopbackHttpServer::Response(404, "nope", "Content-Type: text/plain\r\n");
}

struct LoopbackHttpServer : qvtest::LoopbackHttpServer {
    LoopbackHttpServer() { Respond = CannedAnswer; }
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

TEST(HttpClient, AnAnswerLargerThanTheCallerTakesFailsWithoutABody) {
    LoopbackHttpServer server;
    THttpClient http(nullptr);
    for (const char* path : {"/big", "/big-unannounced"}) {
        const THttpResult r = http.Get(server.Url(path), kBrowserHeaders, 5000, 1000);
        EXPECT_FALSE(r.Ok) << path;
        EXPECT_TRUE(r.TooLarge) << path;
        EXPECT_TRUE(r.Body.isEmpty()) << path;
        EXPECT_EQ(r.ErrorText, "The answer is larger than 1000 bytes") << path;
    }
    const THttpResult within = http.Get(server.Url("/ver"), kBrowserHeaders, 5000, 1000);
    EXPECT_TRUE(within.Ok) << within.ErrorText.toStdString();
    EXPECT_EQ(within.Body, "VER. 1.004\n");
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
    EXPECT_GE(ticks, 1); // how often depends on the machine's load
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

TEST(NetworkGuard, TestRunsReachOnlyThisMachine) {
    ASSERT_TRUE(LoopbackOnly());
    for (const char* host : {"127.0.0.1", "127.1.2.3", "localhost", "::1"})
        EXPECT_TRUE(HostAllowed(host)) << host;
    for (const char* host : {"192.168.2.205", "10.0.0.1", "example.com", ""})
        EXPECT_FALSE(HostAllowed(host)) << host;
    THttpClient http(nullptr);
    THttpResult r = http.Get("http://192.168.2.205/home/download/GetversionSW.asp?nomesw=RV83K17", {}, 1000);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.StatusCode, 0);
    EXPECT_TRUE(r.ErrorText.contains("refused")) << r.ErrorText.toStdString();
}
