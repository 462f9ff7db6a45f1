// ICMP echo over a datagram ICMP socket where the system allows one, else over a raw socket.
#include "toolkit/services/IcmpClient.h"
#include "toolkit/services/NetworkGuard.h"

#include <QElapsedTimer>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kEchoWaitSliceMs = 10;
constexpr unsigned char kIcmpEchoReply = 0;
constexpr unsigned char kIcmpUnreachable = 3;
constexpr unsigned char kIcmpEchoRequest = 8;
constexpr unsigned char kIcmpTimeExceeded = 11;
constexpr size_t kIcmpHeaderSize = 8;

String errnoText(int err) {
    return String::fromLocal8Bit(std::strerror(err));
}

quint16 icmpChecksum(const unsigned char* data, size_t size) {
    quint32 sum = 0;
    for (size_t i = 0; i + 1 < size; i += 2)
        sum += (quint32(data[i]) << 8) | data[i + 1];
    if (size & 1) sum += quint32(data[size - 1]) << 8;
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return quint16(~sum);
}

quint16 readBe16(const unsigned char* p) {
    return quint16((p[0] << 8) | p[1]);
}
quint32 readBe32(const unsigned char* p) {
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | p[3];
}

class IcmpSocket {
public:
    IcmpSocket() {
        // Unprivileged ping sockets need the group in net.ipv4.ping_group_range; raw ones need root.
        FFd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
        if (FFd >= 0) return;
        FFd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
        if (FFd < 0) throw Exception(QStringLiteral("Cannot open an ICMP socket: %1").arg(errnoText(errno)));
        FRaw = true;
    }
    ~IcmpSocket() { ::close(FFd); }
    IcmpSocket(const IcmpSocket&) = delete;
    IcmpSocket& operator=(const IcmpSocket&) = delete;
    int Fd() const { return FFd; }
    bool Raw() const { return FRaw; }

private:
    int FFd = -1;
    bool FRaw = false;
};

// What one received datagram means for the request we wait on.
struct EchoMatch {
    bool Matches = false;
    TReplyStatusType Type = rsTimeOut;
    int Bytes = 0;
    quint32 From = 0;
};

// `icmp` starts at the ICMP header. Echo replies must carry our identifier and sequence; errors must
// quote our request (its IP header and the first 8 bytes of our ICMP header).
EchoMatch matchIcmp(const unsigned char* icmp, size_t size, quint32 from, quint32 target, quint16 id,
                    quint16 sequence) {
    EchoMatch m;
    if (size < kIcmpHeaderSize) return m;
    if (icmp[0] == kIcmpEchoReply) {
        if (from != target || readBe16(icmp + 4) != id || readBe16(icmp + 6) != sequence) return m;
        m = {true, rsEcho, int(size), from};
        return m;
    }
    if (icmp[0] != kIcmpUnreachable && icmp[0] != kIcmpTimeExceeded) return m;
    const unsigned char* quoted = icmp + kIcmpHeaderSize;
    size_t quotedSize = size - kIcmpHeaderSize;
    if (quotedSize < 20) return m;
    size_t ihl = size_t(quoted[0] & 0x0F) * 4;
    if (ihl < 20 || quotedSize < ihl + kIcmpHeaderSize || quoted[9] != IPPROTO_ICMP) return m;
    const unsigned char* request = quoted + ihl;
    if (readBe32(quoted + 16) != target || request[0] != kIcmpEchoRequest || readBe16(request + 4) != id ||
        readBe16(request + 6) != sequence)
        return m;
    m = {true, icmp[0] == kIcmpUnreachable ? rsErrorUnreachable : rsErrorTTLExceeded, 0, from};
    return m;
}

quint16 nextRawIdentifier() {
    // Raw sockets see every echo reply on the machine; the identifier keeps ours apart from other pings.
    static std::atomic<quint32> counter{0};
    return quint16((quint32(::getpid()) * 2654435761u + counter++) >> 8);
}

class SocketEchoService : public IEchoService {
public:
    TReplyStatus Echo(quint32 address, const QByteArray& payload, Word sequence, int timeoutMs,
                      const TKeepAlive& keepAlive) override {
        IcmpSocket sock;
        quint16 id = sock.Raw() ? nextRawIdentifier() : 0;

        QByteArray packet(int(kIcmpHeaderSize), '\0');
        packet += payload;
        auto* p = reinterpret_cast<unsigned char*>(packet.data());
        p[0] = kIcmpEchoRequest;
        p[4] = id >> 8;
        p[5] = id & 0xFF;
        p[6] = sequence >> 8;
        p[7] = sequence & 0xFF;
        quint16 sum = icmpChecksum(p, size_t(packet.size()));
        p[2] = sum >> 8;
        p[3] = sum & 0xFF;

        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = htonl(address);
        if (!HostAllowed(IPv4ToText(address)))
            throw Exception(QStringLiteral("The echo request to %1 was refused: this run reaches only this machine")
                                .arg(IPv4ToText(address)));
        QElapsedTimer clock;
        clock.start();
        if (::sendto(sock.Fd(), packet.constData(), size_t(packet.size()), 0,
                     reinterpret_cast<sockaddr*>(&to), sizeof to) < 0)
            throw Exception(QStringLiteral("Cannot send the echo request to %1: %2")
                                .arg(IPv4ToText(address), errnoText(errno)));
        if (!sock.Raw()) {
            // The kernel puts the socket's own identifier into ping-socket requests.
            sockaddr_in local{};
            socklen_t len = sizeof local;
            if (::getsockname(sock.Fd(), reinterpret_cast<sockaddr*>(&local), &len) == 0)
                id = ntohs(local.sin_port);
        }

        TReplyStatus status;
        status.SequenceId = sequence;
        status.ReplyStatusType = rsTimeOut;
        QByteArray buffer(65536, '\0');
        for (;;) {
            qint64 left = timeoutMs - clock.elapsed();
            if (left <= 0) return status;
            pollfd pfd{sock.Fd(), POLLIN, 0};
            int ready = ::poll(&pfd, 1, int(std::min<qint64>(left, kEchoWaitSliceMs)));
            if (ready < 0 && errno != EINTR)
                throw Exception(
                    QStringLiteral("Waiting for the echo reply failed: %1").arg(errnoText(errno)));
            if (ready > 0) {
                EchoMatch m = readPending(sock, buffer, address, id, sequence);
                if (m.Matches) {
                    status.ReplyStatusType = m.Type;
                    status.BytesReceived = m.Bytes;
                    status.FromIpAddress = IPv4ToText(m.From);
                    status.MsRoundTrip = int(clock.elapsed());
                    return status;
                }
            }
            if (keepAlive) keepAlive();
        }
    }

private:
    static EchoMatch readPending(const IcmpSocket& sock, QByteArray& buffer, quint32 target, quint16 id,
                                 quint16 sequence) {
        auto* data = reinterpret_cast<unsigned char*>(buffer.data());
        for (;;) {
            sockaddr_in from{};
            socklen_t len = sizeof from;
            ssize_t got = ::recvfrom(sock.Fd(), data, size_t(buffer.size()), MSG_DONTWAIT,
                                     reinterpret_cast<sockaddr*>(&from), &len);
            if (got < 0) {
                if (errno == EINTR) continue;
                return {};
            }
            quint32 source = ntohl(from.sin_addr.s_addr);
            EchoMatch m;
            if (sock.Raw()) {
                // Raw sockets deliver the IP header too.
                size_t ihl = size_t(got) >= 20 ? size_t(data[0] & 0x0F) * 4 : 0;
                if (ihl >= 20 && size_t(got) > ihl)
                    m = matchIcmp(data + ihl, size_t(got) - ihl, source, target, id, sequence);
            } else {
                m = matchIcmp(data, size_t(got), source, target, id, sequence);
            }
            if (m.Matches) return m;
        }
    }
};

SocketEchoService& socketEchoService() {
    static SocketEchoService service;
    return service;
}

IEchoService* gEchoService = nullptr;

} // namespace

bool TextToIPv4(const String& text, quint32& address) {
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() != 4) return false;
    quint32 value = 0;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3) return false;
        for (QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        uint octet = part.toUInt();
        if (octet > 255) return false;
        value = (value << 8) | octet;
    }
    address = value;
    return true;
}

String IPv4ToText(quint32 address) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFF)
        .arg((address >> 8) & 0xFF)
        .arg(address & 0xFF);
}

IEchoService& EchoService() {
    return gEchoService ? *gEchoService : socketEchoService();
}

IEchoService* SetEchoService(IEchoService* service) {
    IEchoService* previous = &EchoService();
    gEchoService = service;
    return previous == &socketEchoService() ? nullptr : previous;
}

TIcmpClient::TIcmpClient(TComponent* AOwner) : TComponent(AOwner) {}

void TIcmpClient::Ping(const String& ABuffer, Word SequenceID) {
    quint32 address = 0;
    if (!TextToIPv4(FHost, address))
        throw Exception(QStringLiteral("\"%1\" is not an IPv4 address").arg(FHost));
    FReplyStatus = EchoService().Echo(address, ABuffer.toUtf8(), SequenceID, FReceiveTimeout, FKeepAlive);
    if (OnReply) OnReply(this, FReplyStatus);
}
