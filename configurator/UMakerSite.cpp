// The maker's web site, built in by the QV_VERSION_HOST build option.
#include "configurator/UMakerSite.h"

const char* const Http_User_Agent = "Mozilla/3.0 (compatible; Indy Library)";
const char* const Http_Accept = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";

namespace {
String makerHostOverride;
bool makerHostOverridden = false;
} // namespace

String Maker_Host() {
    return makerHostOverridden ? makerHostOverride : QStringLiteral(QV_VERSION_HOST);
}

void SetMakerHostOverride(const String& host) {
    makerHostOverride = host;
    makerHostOverridden = !host.isEmpty();
}

String Maker_Home_Page() {
    const String host = Maker_Host();
    return host.isEmpty() ? String() : QStringLiteral("http://%1/HOME/default.asp?frompg=RV83K17").arg(host);
}

String Maker_Download_Page() {
    const String host = Maker_Host();
    return host.isEmpty() ? String()
                          : QStringLiteral("http://%1/Home/download/download.asp#LD83K17").arg(host);
}
