// HTTP GET with a time-out, waited for in a local loop that keeps the windows painting.
#pragma once

#include "toolkit/system/Classes.h"

#include <map>

struct THttpResult {
    // True when the transfer completed with a success status (2xx).
    bool Ok = false;
    // The server's status code, 0 when no answer came (refused, time-out, unknown host ...).
    int StatusCode = 0;
    // The response body as text (also for error statuses when the server sent one).
    String Body;
    // Why the request failed; empty when Ok.
    String ErrorText;
    bool TimedOut = false;
    bool TooLarge = false;
};

// Header name to value, e.g. {"User-Agent", "..."}, {"Accept", "text/html"}.
using THttpHeaders = std::map<String, String>;

class QNetworkAccessManager;

class THttpClient : public TComponent {
public:
    explicit THttpClient(TComponent* AOwner);
    ~THttpClient() override;
    String ClassName() const override { return "THttpClient"; }

    // Fetches `url`; no cookies are sent or kept. The wait ends after `timeoutMs` (the request is
    // aborted then; 0 or less waits without limit). Meanwhile paint and timer events are handled but
    // no keyboard or mouse input, so the caller's window cannot be re-entered. An answer whose body
    // grows past `maxBodyBytes` (when not negative) is aborted and fails as too large, without a body.
    THttpResult Get(const String& url, const THttpHeaders& headers = {}, int timeoutMs = 30000,
                    qint64 maxBodyBytes = -1);

private:
    std::unique_ptr<QNetworkAccessManager> FManager;
};
