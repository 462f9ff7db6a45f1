// Fuzz target: an EtherNet/IP EDS file as the connection chooser reads it, and the input as one entry
// text and as one path. Records are numbered in order, header kinds have three bits, a path never holds
// more than its bound, and every connection, put into a scanner row as the import puts it, passes the
// scanner table's tests.
#include "FuzzSupport.h"
#include "tables/frame/TableCheck.h"
#include "tables/frame/TableFile.h"
#include "tables/network/UEtherNetIP_EDS_Reader.h"
#include "tables/network/UEtherNetIP_Scanner_Tables.h"
#include "toolkit/system/SysUtils.h"

#include <cstdint>
#include <cstdlib>

namespace {

void checkConnections(const std::vector<TConnData>& list) {
    static const TTableSheet sheet = EtherNetIP_Scanner_Sheet();
    for (size_t i = 0; i < list.size(); ++i) {
        const TConnData& c = list[i];
        if (c.ConnIndex != Integer(i) + 1 || c.DimHeaderOT > 7 || c.DimHeaderTO > 7 || c.NumClass != 0)
            std::abort();
        // The chooser's row of the connection, as the import reads it.
        const QStringList shown = EDS_Connection_Row(c, int(i) + 1);
        TTableCellStore cells(sheet.Grids[0]);
        Clear_Table_Grid(sheet.Grids[0], cells);
        cells.SetRow(1, {"Y", "10.0.0.1", "0", "1", "0", "1", "100", "", "", "", "", "", "", ""});
        if (EtherNetIP_Free_Row(cells) != 2) std::abort();
        Put_EDS_Connection(shown, cells, 1);
        if (Find_Table_Fault(sheet, {&cells})) std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = qvfuzz::Bytes(data, size);
    checkConnections(Read_EDS_Connections(bytes));
    const String text = QString::fromLatin1(bytes);
    std::vector<TConnData> one;
    DecodeConnStr(text, one);
    if (one.size() > 1) std::abort();
    checkConnections(one);
    if (EDS_Path_Bytes(text).size() > size_t(Max_EDS_Path_Bytes)) std::abort();
    return 0;
}
