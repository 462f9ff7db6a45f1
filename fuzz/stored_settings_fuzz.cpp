// Fuzz target: the settings a grid reads back from outside. The first byte chooses the reader: a
// column-state text, the look file, a print-settings section or stored column widths and positions; the
// rest is the input. A reader either refuses its input whole (the grid as it was) or what it applied
// must write and read back to the same.
#include "FuzzSupport.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/options/GridOptions.h"
#include "toolkit/system/IniFiles.h"

#include <QFile>

namespace {

QByteArray ReadBack(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ColumnStatesInput(TQvStringGrid& g, const QByteArray& Input) {
    const String before = g.ColumnStatesToString();
    try {
        g.StringToColumnStates(QString::fromUtf8(Input));
    } catch (const Exception&) {
        if (g.ColumnStatesToString() != before) std::abort();
        return;
    }
    const String applied = g.ColumnStatesToString();
    TQvStringGrid again(nullptr);
    again.SetColCount(4);
    again.StringToColumnStates(applied);
    if (again.ColumnStatesToString() != applied) std::abort();
}

void LookInput(TQvStringGrid& g, const QByteArray& Input) {
    const QString path = qvfuzz::WriteInput("look.txt", reinterpret_cast<const uint8_t*>(Input.constData()),
                                            static_cast<size_t>(Input.size()));
    try {
        g.LoadVisualProps(path);
    } catch (const Exception&) {
        return;
    }
    const QString first = qvfuzz::WorkDir() + "/look1.txt";
    const QString second = qvfuzz::WorkDir() + "/look2.txt";
    g.SaveVisualProps(first);
    TQvStringGrid again(nullptr);
    again.LoadVisualProps(first);
    again.SaveVisualProps(second);
    if (ReadBack(first) != ReadBack(second)) std::abort();
}

void PrintInput(TQvStringGrid& g, const QByteArray& Input) {
    const QString path = qvfuzz::WriteInput("print.ini", reinterpret_cast<const uint8_t*>(Input.constData()),
                                            static_cast<size_t>(Input.size()));
    try {
        g.LoadPrintSettings(path, "Print");
    } catch (const Exception&) {
        return;
    }
    if (ReadBack(path) != Input) std::abort(); // loading writes nothing
    const QString first = qvfuzz::WorkDir() + "/print1.ini";
    QFile::remove(first);
    g.SavePrintSettings(first, "Print");
    TQvStringGrid again(nullptr);
    again.LoadPrintSettings(first, "Print");
    const QString second = qvfuzz::WorkDir() + "/print2.ini";
    QFile::remove(second);
    again.SavePrintSettings(second, "Print");
    if (ReadBack(first) != ReadBack(second)) std::abort();
}

void ColumnStoreInput(TQvStringGrid& g, const QByteArray& Input) {
    const QString path = qvfuzz::WriteInput("cols.ini", reinterpret_cast<const uint8_t*>(Input.constData()),
                                            static_cast<size_t>(Input.size()));
    g.ColumnSize()->SetLocation(clIniFile);
    g.ColumnSize()->SetKey(path);
    g.ColumnSize()->SetSection("Grid");
    g.LoadColPositions();
    g.LoadColSizes();
    if (g.AllColCount() != 4) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const QByteArray input = qvfuzz::Bytes(data + 1, size - 1);
    TQvStringGrid g(nullptr);
    g.SetColCount(4);
    g.HideColumn(2);
    switch (data[0] & 3) {
    case 0:
        ColumnStatesInput(g, input);
        break;
    case 1:
        LookInput(g, input);
        break;
    case 2:
        PrintInput(g, input);
        break;
    default:
        ColumnStoreInput(g, input);
        break;
    }
    return 0;
}
