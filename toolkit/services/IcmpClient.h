// ICMP echo: one request to an IPv4 host, one awaited answer, reported through OnReply.
#pragma once

#include "toolkit/system/Classes.h"
#include "toolkit/services/ServiceWait.h"

#include <QByteArray>

enum TReplyStatusType {
    rsEcho,             // the host answered
    rsTimeOut,          // nothing came within the receive time-out
    rsErrorUnreachable, // a router or the local stack reported the host unreachable
    rsErrorTTLExceeded, // the request died on the way
};

struct TReplyStatus {
    // Size of the answer's ICMP message (header and data); 0 when no echo reply came.
    int BytesReceived = 0;
    TReplyStatusType ReplyStatusType = rsTimeOut;
    String FromIpAddress;
    Word SequenceId = 0;
    int MsRoundTrip = 0;
};

// Reads a dotted IPv4 address ("10.0.0.1"): four decimal parts 0..255, nothing else. No name lookup is
// made, so a host text never causes network traffic by itself. The address is in host byte order.
bool TextToIPv4(const String& text, quint32& address);
String IPv4ToText(quint32 address);

// What actually sends the echo; tests replace it to play a silent or failing device.
class IEchoService {
public:
    virtual ~IEchoService() = default;
    // Sends one echo request carrying `payload` with `sequence` to `address` (host byte order) and waits
    // up to `timeoutMs` for its answer, calling `keepAlive` every few milliseconds. Raises an Exception
    // when the request cannot be sent.
    virtual TReplyStatus Echo(quint32 address, const QByteArray& payload, Word sequence, int timeoutMs,
                              const TKeepAlive& keepAlive) = 0;
};

// The service every TIcmpClient uses.
IEchoService& EchoService();
// Installs `service` (not owned; nullptr restores the socket service) and returns the one it replaces.
IEchoService* SetEchoService(IEchoService* service);

using TReplyEvent = std::function<void(TObject* Sender, const TReplyStatus& ReplyStatus)>;

class TIcmpClient : public TComponent {
public:
    explicit TIcmpClient(TComponent* AOwner);
    String ClassName() const override { return "TIcmpClient"; }

    String Host() const { return FHost; }
    void SetHost(const String& host) { FHost = host; }
    int ReceiveTimeout() const { return FReceiveTimeout; }
    void SetReceiveTimeout(int ms) { FReceiveTimeout = ms < 0 ? 0 : ms; }
    // Called while the answer is awaited; KeepWindowsPainting unless replaced.
    void SetKeepAlive(TKeepAlive keepAlive) { FKeepAlive = std::move(keepAlive); }

    // Sends one echo request carrying `ABuffer` and waits for the answer up to ReceiveTimeout, then
    // reports the outcome through OnReply (BytesReceived 0 when no echo reply came). Raises an Exception
    // when Host is not an IPv4 address or the request cannot be sent; OnReply is not called then.
    void Ping(const String& ABuffer = String(), Word SequenceID = 0);
    const TReplyStatus& ReplyStatus() const { return FReplyStatus; }

    TReplyEvent OnReply;

private:
    String FHost;
    int FReceiveTimeout = 5000;
    TKeepAlive FKeepAlive = KeepWindowsPainting;
    TReplyStatus FReplyStatus;
};
