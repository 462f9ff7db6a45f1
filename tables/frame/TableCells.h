// The narrow view of a table grid that the frame's reader, writer, checks and row rules work on, and a
// plain store of cells behind the same view for tests and the fuzz target.
#pragma once

#include "toolkit/system/Types.h"

#include <QStringList>
#include <vector>

struct TTableGrid;

class ITableCells {
public:
    virtual ~ITableCells() = default;
    // Data rows 1 .. DataRowCount(); row 0 is the header.
    virtual Integer DataRowCount() const = 0;
    // Every column, hidden ones included; column 0 holds the row numbers.
    virtual Integer ColumnCount() const = 0;
    // By real column index (hidden columns counted).
    virtual String Cell(Integer col, Integer row) const = 0;
    virtual void SetCell(Integer col, Integer row, const String& text) = 0;
    virtual bool ColumnShown(Integer col) const = 0;
};

class TTableCellStore : public ITableCells {
public:
    TTableCellStore(Integer columns, Integer dataRows);
    // Sized and shown as the sheet's grid has it.
    explicit TTableCellStore(const TTableGrid& grid);
    Integer DataRowCount() const override { return FRows; }
    Integer ColumnCount() const override { return FColumns; }
    String Cell(Integer col, Integer row) const override;
    void SetCell(Integer col, Integer row, const String& text) override;
    bool ColumnShown(Integer col) const override;
    void SetColumnShown(Integer col, bool shown);
    // The row's cells 1 .. last as one list (tests compare rows with it).
    QStringList Row(Integer row) const;
    void SetRow(Integer row, const QStringList& cells);

private:
    Integer FColumns, FRows;
    std::vector<String> FCells; // (FRows + 1) x FColumns
    std::vector<bool> FShown;
};
