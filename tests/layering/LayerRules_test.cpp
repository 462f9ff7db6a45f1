// The layering of the source tree: the rules over sample lines (each fault planted once, so a rule that
// cannot fail shows), then the whole tree.
#include "LayerRules.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::set<std::string> qvQtClassesOfThisBuild() {
    std::vector<std::string> folders;
    std::stringstream list(QV_QT_HEADER_DIRS);
    for (std::string folder; std::getline(list, folder, '|');)
        folders.push_back(folder);
    return qvlayers::QtClassNames(folders);
}

} // namespace

TEST(LayerRules, IncludesRunOnlyDownward) {
    struct Case {
        const char* file;
        const char* line;
        bool fault;
    } cases[] = {
        // Between layers.
        {"toolkit/system/Types.h", "#include \"controls/grid/QvGrid.h\"", true},
        {"controls/grid/QvGrid.h", "#include \"toolkit/grids/Grids.h\"", false},
        {"tables/frame/TableFile.cpp", "#include \"configurator/UParGen.h\"", true},
        {"tables/frame/TableFile.cpp", "#include \"core/UParGen_File.h\"", false},
        {"generators/USNMP_MIB.cpp", "#include \"configurator/UQuenvarroweFirmWare.h\"", true},
        {"generators/UEds.cpp", "#include \"tables/frame/TableNumber.h\"", false},
        {"tables/network/USNMP_Trap_Tables.cpp", "#include \"generators/USNMP_MIB.h\"", true},
        {"core/UComon.cpp", "  #  include \"tables/frame/TableSheet.h\"", true},
        {"configurator/UWindows.cpp", "#include \"app/main.h\"", true},
        {"app/main.cpp", "#include \"configurator/UWindows.h\"", false},
        // Inside the toolkit, between its areas.
        {"toolkit/system/DesignValue.h", "#include \"toolkit/graphics/Graphics.h\"", true},
        {"toolkit/controls/Controls.cpp", "#include \"toolkit/designs/DesignFile.h\"", true},
        {"toolkit/designs/DesignFile.cpp", "#include \"toolkit/stdctrls/StdCtrls.h\"", false},
        {"toolkit/services/ServiceWait.cpp", "#include \"toolkit/controls/Forms.h\"", true},
        {"toolkit/services/Clipboard.h", "#include \"toolkit/graphics/Canvas.h\"", true},
        {"toolkit/controls/DragDrop.h", "#include \"toolkit/services/Clipboard.h\"", false},
        // Qt above the toolkit.
        {"controls/editors/QsgCombo.h", "#include <QWidget>", true},
        {"core/UComon.cpp", "#include <QtCore/QFile>", true},
        {"tables/frame/TableFile.cpp", "#include <QImage>", true},
        {"core/UComon.h", "#include <QStringList>", false},
        {"generators/UEds.h", "#include <QByteArray>", false},
        {"toolkit/controls/Controls.cpp", "#include <QWidget>", false},
        {"core/UComon.cpp", "#include <vector>", false},
        // Not includes, or outside the layers.
        {"core/UComon.cpp", "// #include \"configurator/UWindows.h\"", false},
        {"tests/core/UComon_test.cpp", "#include \"configurator/UWindows.h\"", false},
        {"tests/core/UComon_test.cpp", "#include <QFile>", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + ": " + c.line);
        EXPECT_EQ(!qvlayers::IncludeFault(c.file, c.line).empty(), c.fault);
    }
}

TEST(LayerRules, QtNamesStayBehindTheToolkit) {
    const std::set<std::string> qt = {"QWidget", "QImage",      "QPainter",
                                      "QString", "QStringList", "QLatin1String"};
    const char* code = "QWidget* CreateNativeWidget(QWidget* parent) override; // a QImage in a comment\n"
                       "/* QPainter\n in a block */ const char* s = \"QPainter\";\n"
                       "QString t = QLatin1String(\"x\"); QStringList l; QSort; char q = '\"';\n"
                       "auto r = R\"x(QImage\n)x\"; std::vector<QImage> frames;\n";
    const std::vector<qvlayers::NameUse> uses = qvlayers::ForeignQtNames(code, qt);
    std::vector<std::string> seen;
    for (const qvlayers::NameUse& u : uses)
        seen.push_back(std::to_string(u.Line) + ":" + u.Name);
    EXPECT_EQ(seen, (std::vector<std::string>{"1:QWidget", "1:QWidget", "6:QImage"}));
}

TEST(Layering, TheTreeKeepsItsLayers) {
    const std::set<std::string> qt = qvQtClassesOfThisBuild();
    // Without Qt's class names the name rule would pass whatever the tree holds.
    ASSERT_TRUE(qt.count("QWidget") && qt.count("QImage") && qt.count("QString")) << QV_QT_HEADER_DIRS;
    int filesSeen = 0;
    const std::vector<std::string> faults = qvlayers::TreeFaults(QV_SOURCE_DIR, qt, filesSeen);
    EXPECT_GT(filesSeen, 300) << "the layers' folders were not found below " << QV_SOURCE_DIR;
    std::string report;
    for (const std::string& f : faults)
        report += f + "\n";
    EXPECT_TRUE(faults.empty()) << report;
}
