// What the table tests share: a sheet with a plain cell store per grid, cleared as a showing clears it,
// and the fixture table files.
#pragma once

#include "TestSupport.h"
#include "core/ULanguage.h"
#include "tables/frame/TableCheck.h"
#include "tables/frame/TableFile.h"
#include "toolkit/services/XmlDoc.h"

#include <QFile>
#include <gtest/gtest.h>
#include <memory>

namespace qvtables {

inline QByteArray FixtureBytes(const QString& name) {
    QFile f(QStringLiteral(QV_TEST_DATA_DIR "/tables/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The sheet's grids as plain cell stores, cleared and with the sheet's column visibility.
struct SheetCells {
    explicit SheetCells(TTableSheet s) : sheet(std::move(s)) {
        if (Num_Lang_Texts == 0) Load_Default_Lang();
        for (const TTableGrid& g : sheet.Grids) {
            stores.push_back(std::make_unique<TTableCellStore>(g));
            Clear_Table_Grid(g, *stores.back());
        }
    }
    std::vector<ITableCells*> Cells() {
        std::vector<ITableCells*> v;
        for (auto& s : stores)
            v.push_back(s.get());
        return v;
    }
    std::vector<const ITableCells*> ConstCells() const {
        std::vector<const ITableCells*> v;
        for (auto& s : stores)
            v.push_back(s.get());
        return v;
    }
    TTableLoad Load(const QByteArray& bytes) {
        TXMLDocument xml;
        if (!xml.LoadFromBytes(bytes)) return {false, xml.ErrorText()};
        return Load_Table_Document(xml, sheet, Cells());
    }
    QByteArray Write() const {
        TXMLDocument xml;
        Write_Table_Document(xml, sheet, ConstCells());
        return xml.SaveToBytes();
    }
    TTableCellStore& operator[](size_t grid) { return *stores[grid]; }
    // The check's message as the window shows it; empty when every row passes.
    QString FaultText() const {
        const TTableFault fault = Find_Table_Fault(sheet, ConstCells());
        return fault ? Table_Fault_Text(sheet, fault) : QString();
    }

    TTableSheet sheet;
    std::vector<std::unique_ptr<TTableCellStore>> stores;
};

inline QString T(int n) {
    if (Num_Lang_Texts == 0) Load_Default_Lang();
    return Lang_Texts->Strings(n);
}

} // namespace qvtables
