// Fuzz target: a BACnet EDE file as the client tables' import reads it, and the placement of every object
// it gives into small client tables: only kept kinds come out, and no row is filled past a table's end.
#include "FuzzSupport.h"
#include "tables/frame/TableCells.h"
#include "tables/network/UBACnet_Master_Tables.h"
#include "tables/network/UImportEDE_Reader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::vector<TBACnet_Var> objects = Read_EDE_Objects(bytes);
    for (const TBACnet_Var& v : objects)
        if (Get_ObjType_EDE(v.object_type).isEmpty()) std::abort();
    static TBACnetClientMode mode;
    static const TTableSheet sheet = BACnet_Master_Sheet(mode);
    TTableCellStore read(int(sheet.Grids[0].Columns.size()), 4);
    TTableCellStore write(int(sheet.Grids[1].Columns.size()), 4);
    read.SetCell(brAddress, 2, "1");
    read.SetCell(brPosition, 2, "2147483647");
    read.SetCell(brNumByte, 2, "2147483647");
    const TEDEPlacement p = Place_EDE_Objects(objects, "1", read, write);
    if (p.ReadRows > 3 || p.WriteRows > 4) std::abort();
    return 0;
}
