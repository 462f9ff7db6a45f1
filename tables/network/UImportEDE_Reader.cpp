// Reading a BACnet EDE file: the header search, the sixteen fields of an object line, the kinds kept; and
// the placement of the chosen objects into the client tables.
#include "tables/network/UImportEDE_Reader.h"

#include "tables/frame/TableCells.h"
#include "tables/frame/TableNumber.h"
#include "tables/network/UBACnet_Master_Tables.h"
#include "toolkit/system/SysUtils.h"
#include "toolkit/system/TextCodec.h"

#include <QStringList>

namespace {

struct EDEKind {
    Integer Type;
    const char* ObjectType;
    const char* DataType;
    Integer NumByte;
};
const EDEKind edeKinds[] = {
    {0, "Analog Input", "Real", 4},
    {1, "Analog Output", "Real", 4},
    {2, "Analog Value", "Real", 4},
    {3, "Binary Input", "Enumerated", 1},
    {4, "Binary Output", "Enumerated", 1},
    {5, "Binary Value", "Enumerated", 1},
    {13, "Multi-State Input", "Unsigned Int", 4},
    {14, "Multi-State Output", "Unsigned Int", 4},
    {19, "Multi-State Value", "Unsigned Int", 4},
    {21, "Life Safety Point", "Enumerated", 2},
    {22, "Life Safety Zone", "Enumerated", 2},
    {23, "Accumulator", "Unsigned Int", 4},
    {45, "Integer Value", "Signed Int", 4},
    {46, "Large Analog Value", "Double", 8},
    {48, "Positive Integer Value", "Unsigned Int", 4},
};

static_assert(Integer(brAddress) == Integer(bwAddress) && Integer(brObject_Type) == Integer(bwObject_Type),
              "the key column has one index in both client tables");

const EDEKind* edeKind(Integer type) {
    for (const EDEKind& k : edeKinds)
        if (k.Type == type) return &k;
    return nullptr;
}

bool edeIsHeader(const String& line) {
    const String t = Trim(line);
    return t.startsWith(u'#') && Trim(t.mid(1)).startsWith(QLatin1String("mandatory"));
}

// Cuts the next field off the front of `rest`: the text before the next ";", trimmed; without a ";" the
// field is empty and nothing is passed.
String edeNextField(String& rest) {
    const qsizetype semi = rest.indexOf(u';');
    if (semi < 0) return String();
    const String field = Trim(rest.left(semi));
    rest = rest.mid(semi + 1);
    return field;
}

TBACnet_Var edeObject(const String& line) {
    String rest = line;
    String f[15];
    for (String& field : f)
        field = edeNextField(rest);
    TBACnet_Var v;
    v.keyname = f[0];
    v.device_obj_instance = Read_Table_Int(f[1]);
    v.object_name = f[2];
    v.object_type = Read_Table_Int(f[3]);
    v.object_instance = Read_Table_Int(f[4]);
    v.description = f[5];
    v.present_value_default = f[6];
    v.min_present_value = f[7];
    v.max_present_value = f[8];
    v.commandable = f[9].toUpper() == u"Y";
    v.support_COV = f[10].toUpper() == u"Y";
    v.hi_limit = f[11];
    v.low_limit = f[12];
    v.stete_text_reference = f[13];
    v.unit_code = f[14];
    String last = Trim(rest);
    if (last.endsWith(u';')) last.chop(1);
    v.vendor_specific_address = last;
    return v;
}

// Rows 1 .. end whose key cell is not blank: the next free row and the next free byte position.
struct EDEFreeSpace {
    Integer Row;
    qint64 Position; // wide: positions read from cells may lie near the integer limit
};
EDEFreeSpace edeFreeSpace(const ITableCells& cells, Integer keyCol, Integer positionCol, Integer numByteCol) {
    EDEFreeSpace s{0, 0};
    for (Integer r = 1; r <= cells.DataRowCount(); ++r) {
        if (Trim(cells.Cell(keyCol, r)).isEmpty()) {
            if (s.Row == 0) s.Row = r;
            continue;
        }
        const Integer position = Read_Table_Int(cells.Cell(positionCol, r));
        const Integer bytes = Read_Table_Int(cells.Cell(numByteCol, r));
        if (position >= 0 && bytes >= 0 && qint64(position) + bytes > s.Position)
            s.Position =
                Integer(std::min<qint64>(qint64(position) + bytes, std::numeric_limits<Integer>::max()));
    }
    if (s.Row == 0) s.Row = cells.DataRowCount() + 1; // no free row
    return s;
}

// The first row from `row` on whose key cell is blank; past the last row when there is none. Rows in use
// further down are skipped, never overwritten.
Integer edeNextFreeRow(const ITableCells& cells, Integer keyCol, Integer row) {
    while (row <= cells.DataRowCount() && !Trim(cells.Cell(keyCol, row)).isEmpty())
        ++row;
    return row;
}

} // namespace

String Get_ObjType_EDE(Integer val) {
    const EDEKind* k = edeKind(val);
    return k ? QLatin1String(k->ObjectType) : String();
}

String Get_DataType_EDE(Integer val) {
    const EDEKind* k = edeKind(val);
    return k ? QLatin1String(k->DataType) : QStringLiteral("Null");
}

Integer Get_NumByte_EDE(Integer val) {
    const EDEKind* k = edeKind(val);
    return k ? k->NumByte : 4;
}

std::vector<TBACnet_Var> Read_EDE_Lines(const QStringList& lines) {
    std::vector<TBACnet_Var> objects;
    // The seventh line is the usual place; else the last header line anywhere. A file shorter than seven
    // lines has no room for the header block and is a file without a header.
    qsizetype header = -1;
    if (lines.size() < 7) return objects;
    if (edeIsHeader(lines[6])) {
        header = 6;
    } else {
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (edeIsHeader(lines[i])) header = i;
    }
    if (header < 0) return objects;
    for (qsizetype i = header + 2; i < lines.size(); ++i) {
        if (Trim(lines[i]).isEmpty()) continue;
        TBACnet_Var v = edeObject(lines[i]);
        if (!edeKind(v.object_type)) continue;
        v.import = true;
        v.read = true;
        v.write = v.commandable;
        objects.push_back(std::move(v));
    }
    return objects;
}

std::vector<TBACnet_Var> Read_EDE_Objects(const QByteArray& bytes) {
    String text = DecodeText(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return Read_EDE_Lines(lines);
}

TEDEPlacement Place_EDE_Objects(const std::vector<TBACnet_Var>& objects, const String& address,
                                ITableCells& read, ITableCells& write, Integer keyColumn) {
    TEDEPlacement placed;
    EDEFreeSpace r = edeFreeSpace(read, keyColumn, brPosition, brNumByte);
    EDEFreeSpace w = edeFreeSpace(write, keyColumn, bwPosition, bwNumByte);
    for (const TBACnet_Var& v : objects) {
        if (!v.import) continue;
        const String mnemonic = v.object_name + " - " + v.description;
        const Integer bytes = Get_NumByte_EDE(v.object_type);
        if (v.read) {
            if (r.Row > read.DataRowCount()) {
                ++placed.NotPlaced;
            } else {
                const QStringList cells = {"Y",
                                           address,
                                           Get_ObjType_EDE(v.object_type),
                                           IntToStr(v.object_instance),
                                           "Present Value (85)",
                                           IntToStr(bytes),
                                           "N",
                                           "",
                                           "",
                                           "",
                                           "1000",
                                           "0",
                                           String::number(r.Position),
                                           "0",
                                           "N",
                                           "",
                                           mnemonic};
                for (Integer c = 0; c < cells.size() && c + 1 < read.ColumnCount(); ++c)
                    read.SetCell(c + 1, r.Row, cells[c]);
                r.Row = edeNextFreeRow(read, keyColumn, r.Row + 1);
                r.Position += bytes;
                ++placed.ReadRows;
            }
        }
        if (v.write) {
            if (w.Row > write.DataRowCount()) {
                ++placed.NotPlaced;
            } else {
                const QStringList cells = {"Y",
                                           address,
                                           Get_ObjType_EDE(v.object_type),
                                           Get_DataType_EDE(v.object_type),
                                           IntToStr(v.object_instance),
                                           "Present Value (85)",
                                           "0",
                                           IntToStr(bytes),
                                           "N",
                                           "",
                                           "",
                                           "",
                                           "N",
                                           "N",
                                           "1000",
                                           "0",
                                           String::number(w.Position),
                                           "0",
                                           "N",
                                           "",
                                           mnemonic};
                for (Integer c = 0; c < cells.size() && c + 1 < write.ColumnCount(); ++c)
                    write.SetCell(c + 1, w.Row, cells[c]);
                w.Row = edeNextFreeRow(write, keyColumn, w.Row + 1);
                w.Position += bytes;
                ++placed.WriteRows;
            }
        }
    }
    return placed;
}
