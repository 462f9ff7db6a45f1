// The maker's web site: the host the version check asks, the pages the windows link to, and what the
// program's HTTP client says of itself.
#pragma once

#include "toolkit/system/Types.h"

// The maker's web server asked by the version check and linked from the windows; empty means no query
// and no links.
String Maker_Host();
// Puts `host` ("127.0.0.1:8080") in place of the built-in host (tests); an empty text restores it.
void SetMakerHostOverride(const String& host);
// The maker's home page and the download page of newer versions; empty when there is no host.
String Maker_Home_Page();
String Maker_Download_Page();
// The user agent and accept header the main window's HTTP client sends.
extern const char* const Http_User_Agent;
extern const char* const Http_Accept;
