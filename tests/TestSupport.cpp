#include "TestSupport.h"

#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace qvtest {
QString TempDir() {
    static std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    dirs.push_back(std::make_unique<QTemporaryDir>());
    return dirs.back()->path();
}
} // namespace qvtest
