// HTTP GET over Qt Network.
#include "toolkit/services/HttpClient.h"
#include "toolkit/services/NetworkGuard.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>

namespace {

String decodeHttpBody(const QByteArray& body, const QByteArray& contentType) {
    // The charset parameter of Content-Type decides; without one, UTF-8.
    for (const QByteArray& param : contentType.split(';')) {
        QByteArray p = param.trimmed();
        if (p.toLower().startsWith("charset=")) {
            QByteArray name = p.mid(8).trimmed();
            if (name.size() >= 2 && name.startsWith('"') && name.endsWith('"'))
                name = name.mid(1, name.size() - 2);
            QStringDecoder decoder(name.constData());
            if (decoder.isValid()) return decoder.decode(body);
        }
    }
    return String::fromUtf8(body);
}

} // namespace

THttpClient::THttpClient(TComponent* AOwner) : TComponent(AOwner) {}

THttpClient::~THttpClient() = default;

THttpResult THttpClient::Get(const String& url, const THttpHeaders& headers, int timeoutMs,
                             qint64 maxBodyBytes) {
    THttpResult result;
    QUrl target(url, QUrl::StrictMode);
    if (!target.isValid() ||
        (target.scheme() != QLatin1String("http") && target.scheme() != QLatin1String("https"))) {
        result.ErrorText = QStringLiteral("Not an HTTP address: %1").arg(url);
        return result;
    }
    if (!HostAllowed(target.host())) {
        result.ErrorText = QStringLiteral("The request to %1 was refused: this run reaches only this machine")
                               .arg(target.host());
        return result;
    }
    if (!FManager) FManager = std::make_unique<QNetworkAccessManager>();

    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    for (const auto& [name, value] : headers)
        request.setRawHeader(name.toLatin1(), value.toUtf8());

    std::unique_ptr<QNetworkReply> reply(FManager->get(request));
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        result.TimedOut = true;
        reply->abort(); // emits finished
    });
    if (timeoutMs > 0) timer.start(timeoutMs);
    // The announced size or what has come so far: the answer is dropped before it fills the memory.
    if (maxBodyBytes >= 0)
        QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop,
                         [&](qint64 received, qint64 total) {
                             if (result.TooLarge || (received <= maxBodyBytes && total <= maxBodyBytes))
                                 return;
                             result.TooLarge = true;
                             reply->abort(); // emits finished
                         });
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();

    result.StatusCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!result.TooLarge) result.Body = decodeHttpBody(reply->readAll(), reply->rawHeader("Content-Type"));
    if (result.TooLarge) {
        result.ErrorText = QStringLiteral("The answer is larger than %1 bytes").arg(maxBodyBytes);
    } else if (result.TimedOut) {
        result.ErrorText = QStringLiteral("No answer within %1 ms").arg(timeoutMs);
        result.StatusCode = 0;
    } else if (reply->error() != QNetworkReply::NoError) {
        result.ErrorText = reply->errorString();
    } else if (result.StatusCode < 200 || result.StatusCode > 299) {
        result.ErrorText = QStringLiteral("HTTP status %1").arg(result.StatusCode);
    } else {
        result.Ok = true;
    }
    return result;
}
