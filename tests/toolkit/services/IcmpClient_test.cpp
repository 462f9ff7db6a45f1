// ICMP echo: a real answer from loopback, host texts that must not be used, the replaceable service, and
// a real time-out inside a private network where loopback is told not to answer.
#include "toolkit/services/IcmpClient.h"
#include "toolkit/services/NetworkGuard.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const char* const kEchoPayload =
    "12345678901234567890123456789012345678901234567890123456789012345678901234567890123456789";

struct ReplyLog {
    std::vector<TReplyStatus> Replies;
    void Attach(TIcmpClient& client) {
        client.OnReply = [this, &client](TObject* sender, const TReplyStatus& status) {
            EXPECT_EQ(sender, &client);
            Replies.push_back(status);
        };
    }
};

// Plays a device without a network: answers as told and remembers what it was asked.
struct ScriptedEchoService : IEchoService {
    TReplyStatus Answer;
    bool Fail = false;
    int Calls = 0;
    quint32 LastAddress = 0;
    QByteArray LastPayload;
    int LastTimeout = -1;
    TReplyStatus Echo(quint32 address, const QByteArray& payload, Word sequence, int timeoutMs,
                      const TKeepAlive& keepAlive) override {
        ++Calls;
        LastAddress = address;
        LastPayload = payload;
        LastTimeout = timeoutMs;
        if (keepAlive) keepAlive();
        if (Fail) throw Exception("Network is unreachable");
        TReplyStatus s = Answer;
        s.SequenceId = sequence;
        return s;
    }
};

struct EchoServiceSwap {
    explicit EchoServiceSwap(IEchoService* s) : Previous(SetEchoService(s)) {}
    ~EchoServiceSwap() { SetEchoService(Previous); }
    IEchoService* Previous;
};

} // namespace

TEST(IcmpClient, LoopbackAnswersWithTheEchoedBytes) {
    TIcmpClient client(nullptr);
    ReplyLog log;
    log.Attach(client);
    client.SetHost("127.0.0.1");
    client.SetReceiveTimeout(2000);
    for (Word sequence : {Word(0), Word(1), Word(513)}) {
        client.Ping(kEchoPayload, sequence);
        ASSERT_EQ(log.Replies.size(), size_t(sequence == 0 ? 1 : sequence == 1 ? 2 : 3));
        const TReplyStatus& r = log.Replies.back();
        EXPECT_EQ(r.ReplyStatusType, rsEcho);
        EXPECT_EQ(r.BytesReceived, 8 + 89); // ICMP header and the 89 digits
        EXPECT_EQ(r.SequenceId, sequence);
        EXPECT_EQ(r.FromIpAddress, "127.0.0.1");
    }
}

TEST(IcmpClient, HostTextsThatAreNotIPv4AddressesRaiseWithoutSending) {
    ScriptedEchoService device;
    EchoServiceSwap swap(&device);
    TIcmpClient client(nullptr);
    ReplyLog log;
    log.Attach(client);
    const char* bad[] = {"300.1.1.1", "abc",      "",           "1..2.3",     "10.0.0",   "1.2.3.4.5",
                         "1.2.3.-4",  "1.2.3.4x", "0x7f.0.0.1", "1234.1.1.1", "localhost"};
    for (const char* host : bad) {
        client.SetHost(host);
        EXPECT_THROW(client.Ping(kEchoPayload, 0), Exception) << host;
    }
    EXPECT_EQ(device.Calls, 0);
    EXPECT_TRUE(log.Replies.empty());
}

TEST(IcmpClient, TextToIPv4ReadsDottedDecimal) {
    struct Case {
        const char* Text;
        quint32 Address;
    } cases[] = {{"192.168.2.205", 0xC0A802CD},
                 {" 10.0.0.1 ", 0x0A000001},
                 {"0.0.0.0", 0},
                 {"255.255.255.255", 0xFFFFFFFF},
                 {"010.001.0.1", 0x0A010001}};
    for (const Case& c : cases) {
        quint32 a = 1;
        EXPECT_TRUE(TextToIPv4(c.Text, a)) << c.Text;
        EXPECT_EQ(a, c.Address) << c.Text;
    }
    EXPECT_EQ(IPv4ToText(0xC0A802CD), "192.168.2.205");
}

TEST(IcmpClient, ReplacedServiceReportsSilenceAndErrors) {
    ScriptedEchoService device;
    EchoServiceSwap swap(&device);
    TIcmpClient client(nullptr);
    ReplyLog log;
    log.Attach(client);
    int keptAlive = 0;
    client.SetKeepAlive([&] { ++keptAlive; });
    client.SetHost("192.0.2.7");
    client.SetReceiveTimeout(400);

    client.Ping(kEchoPayload, 4); // a device that stays silent
    ASSERT_EQ(log.Replies.size(), 1u);
    EXPECT_EQ(log.Replies[0].BytesReceived, 0);
    EXPECT_EQ(log.Replies[0].ReplyStatusType, rsTimeOut);
    EXPECT_EQ(log.Replies[0].SequenceId, 4);
    EXPECT_EQ(device.LastAddress, 0xC0000207u);
    EXPECT_EQ(device.LastPayload, QByteArray(kEchoPayload));
    EXPECT_EQ(device.LastTimeout, 400);
    EXPECT_EQ(keptAlive, 1);

    device.Fail = true; // the request cannot go out: an error, no report
    EXPECT_THROW(client.Ping(kEchoPayload, 5), Exception);
    EXPECT_EQ(log.Replies.size(), 1u);
}

// Runs only inside the private network that the next test sets up.
TEST(IcmpSilentNetwork, LoopbackThatDoesNotAnswerTimesOut) {
    if (qEnvironmentVariableIsEmpty("QV_ICMP_PRIVATE_NETWORK"))
        GTEST_SKIP() << "runs inside IcmpClient.NoAnswerGivesATimeOutReport";
    TIcmpClient client(nullptr);
    ReplyLog log;
    log.Attach(client);
    int keptAlive = 0;
    client.SetKeepAlive([&] { ++keptAlive; });
    client.SetHost("127.0.0.1");
    client.SetReceiveTimeout(300);
    client.Ping(kEchoPayload, 0);
    ASSERT_EQ(log.Replies.size(), 1u);
    EXPECT_EQ(log.Replies[0].BytesReceived, 0);
    EXPECT_EQ(log.Replies[0].ReplyStatusType, rsTimeOut);
    EXPECT_GE(keptAlive, 5); // the wait came back to the caller in slices
}

namespace {

// Runs one test of this program inside a fresh network namespace: it has only its own loopback, so
// nothing can leave the machine, and its settings (`sysctl` assignments) touch nobody else. Skips the
// calling test where namespaces or the tools are not available.
void runInPrivateNetwork(const QStringList& settings, const QString& test) {
    QProcess probe;
    probe.start("unshare", {"-n", "true"});
    if (!probe.waitForFinished(10000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        GTEST_SKIP() << "no private network namespace here";
    const QStringList adminPaths = {"/usr/sbin", "/sbin", "/usr/bin", "/bin"};
    const QString ip = QStandardPaths::findExecutable("ip", adminPaths);
    const QString sysctl = QStandardPaths::findExecutable("sysctl", adminPaths);
    if (ip.isEmpty() || sysctl.isEmpty())
        GTEST_SKIP() << "ip and sysctl are needed to set up the private network";
    QString script = "\"$1\" link set lo up";
    for (const QString& setting : settings)
        script += " && \"$2\" -qw '" + setting + "'";
    script += " && exec \"$0\" --gtest_filter=" + test;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QV_ICMP_PRIVATE_NETWORK", "1");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start("unshare", {"-n", "sh", "-c", script, QCoreApplication::applicationFilePath(), ip, sysctl});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

} // namespace

TEST(IcmpClient, NoAnswerGivesATimeOutReport) {
    runInPrivateNetwork({"net.ipv4.icmp_echo_ignore_all=1"},
                        "IcmpSilentNetwork.LoopbackThatDoesNotAnswerTimesOut");
}

TEST(IcmpClient, LoopbackAnswersOverUnprivilegedPingSockets) {
    // Where the system lets our group open datagram ICMP sockets, those are used instead of raw ones.
    runInPrivateNetwork({"net.ipv4.ping_group_range=0 2147483647"},
                        "IcmpClient.LoopbackAnswersWithTheEchoedBytes");
}

TEST(IcmpClient, TheTestGuardRefusesEveryAddressOffThisMachine) {
    ASSERT_TRUE(LoopbackOnly());
    TIcmpClient ping(nullptr);
    ping.SetHost("192.168.2.205");
    ping.SetReceiveTimeout(100);
    bool replied = false;
    ping.OnReply = [&](TObject*, const TReplyStatus&) { replied = true; };
    EXPECT_THROW(ping.Ping("x", 1), Exception);
    EXPECT_FALSE(replied);
}
