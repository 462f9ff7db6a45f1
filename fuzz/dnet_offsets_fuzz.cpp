// Fuzz target: the DeviceNet byte map's two files. The input is read as the slave list (each slave's byte
// lists as long as its counts, no more slaves than the list's rows, a shortened reading says why), and as
// the byte map of those slaves and of a fixed set; the check ends with a message or none, and the map
// written reads back into the same slaves and writes again the same.
#include "FuzzSupport.h"
#include "core/ULanguage.h"
#include "tables/fieldbus/UDNet_Tables.h"
#include "toolkit/services/XmlDoc.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void checkSlaves(const std::vector<TSlave_DN>& slaves) {
    for (const TSlave_DN& s : slaves)
        if (s.SL_ByteIN.size() != s.ByteIN || s.SL_ByteIN_M.size() != s.ByteIN ||
            s.SL_ByteOUT.size() != s.ByteOUT || s.SL_ByteOUT_M.size() != s.ByteOUT)
            std::abort();
}

QByteArray writeMap(const std::vector<TSlave_DN>& slaves) {
    TXMLDocument xml;
    Write_Offsets_DN(xml, slaves);
    return xml.SaveToBytes();
}

void checkMap(const TXMLDocument& doc, std::vector<TSlave_DN> slaves) {
    std::vector<TSlave_DN> fresh = slaves;
    const TTableLoad load = Read_Offsets_DN(doc, slaves);
    if (!load.Complete && load.Problem.isEmpty()) std::abort();
    checkSlaves(slaves);
    (void)Check_Offsets_DN(slaves);
    const QByteArray written = writeMap(slaves);
    TXMLDocument again;
    if (!again.LoadFromBytes(written) || !Read_Offsets_DN(again, fresh).Complete) std::abort();
    if (writeMap(fresh) != written) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<TSlave_DN> fixed = [] {
        Load_Default_Lang(); // the check's messages
        return std::vector<TSlave_DN>{TSlave_DN(5, 4, 2), TSlave_DN(63, 0, 3), TSlave_DN(5, 1, 0)};
    }();
    TXMLDocument doc;
    if (!doc.LoadFromBytes(qvfuzz::Bytes(data, size))) return 0;
    std::vector<TSlave_DN> slaves;
    std::vector<QStringList> texts;
    const TTableLoad load = Read_Slaves_DN(doc, slaves, &texts);
    if (!load.Complete && load.Problem.isEmpty()) std::abort();
    if (slaves.size() > size_t(DNet_Data_Rows) || texts.size() != slaves.size()) std::abort();
    checkSlaves(slaves);
    checkMap(doc, fixed);
    // Counts up to 65535 a slave are the slave list's right; the round trip of such maps only costs time.
    qsizetype bytes = 0;
    for (const TSlave_DN& s : slaves)
        bytes += s.ByteIN + s.ByteOUT;
    if (bytes <= 4096) checkMap(doc, slaves);
    return 0;
}
