// Shared test helpers: temporary folders and scripted answers for the interaction seam.
#pragma once

#include <QString>

namespace qvtest {
// A fresh empty folder under the system's temporary folder, removed when the test program ends.
QString TempDir();
} // namespace qvtest
