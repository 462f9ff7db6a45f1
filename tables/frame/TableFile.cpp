// Clearing, reading and writing the XML table file of a table window.
#include "tables/frame/TableFile.h"

#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/SysUtils.h"

namespace {

class ElementAttributes : public ITableRowAttributes {
public:
    explicit ElementAttributes(const TXMLNode& element) : FElement(element) {}
    bool Has(const String& name) const override { return FElement.HasAttribute(name); }
    String Value(const String& name) const override { return FElement.Attributes(name); }

private:
    const TXMLNode& FElement;
};

// Fills one data row from its element; false (with the reason) when a required attribute is missing,
// which ends the whole reading there.
bool readTableRow(const TTableGrid& grid, const TXMLNode& element, ITableCells& cells, Integer row,
                  String& problem) {
    for (Integer c = 1; c < Integer(grid.Columns.size()); ++c) {
        const TTableColumn& column = grid.Columns[size_t(c)];
        if (column.Attribute.isEmpty()) {
            if (column.SetOnLoad) cells.SetCell(c, row, column.Default);
            continue;
        }
        if (element.HasAttribute(column.Attribute)) {
            const String value = element.Attributes(column.Attribute);
            if (column.FromAttribute)
                column.FromAttribute(cells, row, value);
            else
                cells.SetCell(c, row, value);
            continue;
        }
        switch (column.Missing) {
        case TTableMissing::Required:
            problem = QStringLiteral("Row %1 of \"%2\" has no attribute \"%3\".")
                          .arg(row)
                          .arg(element.ParentNode().NodeName(), column.Attribute);
            return false;
        case TTableMissing::Default:
            cells.SetCell(c, row, column.Default);
            break;
        case TTableMissing::Keep:
            break;
        }
    }
    if (grid.ReadRow) grid.ReadRow(ElementAttributes(element), cells, row);
    return true;
}

} // namespace

void Clear_Table_Grid(const TTableGrid& grid, ITableCells& cells) {
    const Integer columns = cells.ColumnCount();
    std::vector<String> cleared(size_t(std::max<Integer>(columns, 0)));
    for (Integer c = 1; c < columns; ++c)
        if (c == grid.EnableColumn)
            cleared[size_t(c)] = QStringLiteral("Y");
        else if (c < Integer(grid.Columns.size()))
            cleared[size_t(c)] = grid.Columns[size_t(c)].Cleared;
    for (Integer r = 1; r <= cells.DataRowCount(); ++r) {
        cells.SetCell(0, r, IntToStr(r));
        for (Integer c = 1; c < columns; ++c)
            cells.SetCell(c, r, cleared[size_t(c)]);
    }
}

Integer Table_End_Row(const TTableGrid& grid, const ITableCells& cells) {
    const Integer n = cells.DataRowCount();
    const Integer key = grid.Key();
    if (key < 0) return n + 1;
    for (Integer r = 1; r <= n; ++r) {
        const String text = cells.Cell(key, r);
        if ((grid.KeyTrimmed ? Trim(text) : text).isEmpty()) return r;
    }
    return n + 1;
}

bool Table_Has_Rows_After_End(const TTableGrid& grid, const ITableCells& cells) {
    const Integer columns = std::min<Integer>(cells.ColumnCount(), Integer(grid.Columns.size()));
    for (Integer r = Table_End_Row(grid, cells); r <= cells.DataRowCount(); ++r)
        for (Integer c = 1; c < columns; ++c)
            if (grid.Columns[size_t(c)].Editor != edDataCheckBox && !Trim(cells.Cell(c, r)).isEmpty())
                return true;
    return false;
}

TTableLoad Load_Table_Document(const TXMLDocument& xml, const TTableSheet& sheet,
                               const std::vector<ITableCells*>& cells) {
    TTableLoad load;
    const TXMLNode root = xml.DocumentElement();
    if (root.IsNull()) {
        load.Complete = false;
        load.Problem = QStringLiteral("The file holds no table.");
        return load;
    }
    // Another table saved under this name would read as an empty one, which OK would then write over it.
    if (!sheet.RootElement.isEmpty() && root.NodeName() != sheet.RootElement) {
        load.Complete = false;
        load.Problem = QStringLiteral("The file holds no \"%1\" table, but \"%2\".")
                           .arg(sheet.RootElement, root.NodeName());
        return load;
    }
    for (size_t g = 0; g < sheet.Grids.size() && g < cells.size(); ++g) {
        const TTableGrid& grid = sheet.Grids[g];
        const TXMLNode parent = grid.Section.isEmpty() ? root : root.FindNode(grid.Section);
        load.Rows.push_back(0);
        if (parent.IsNull()) {
            load.Complete = false;
            if (load.Problem.isEmpty())
                load.Problem = QStringLiteral("The file holds no \"%1\" section.").arg(grid.Section);
            continue;
        }
        Integer row = 0, extra = 0;
        for (const TXMLNode& child : parent.ChildNodes()) {
            if (child.NodeType() != ntElement || child.NodeName() != grid.RowElement) continue;
            if (row >= cells[g]->DataRowCount()) {
                ++extra;
                continue;
            }
            ++row;
            String problem;
            if (!readTableRow(grid, child, *cells[g], row, problem)) {
                load.Complete = false;
                load.Problem = problem;
                return load;
            }
            load.Rows.back() = row;
        }
        if (extra > 0) {
            load.Complete = false;
            load.Problem =
                QStringLiteral("\"%1\" holds %2 rows more than the table's %3; they were not read.")
                    .arg(parent.NodeName())
                    .arg(extra)
                    .arg(cells[g]->DataRowCount());
        }
    }
    return load;
}

TTableLoad Load_Table_File(const String& path, const TTableSheet& sheet,
                           const std::vector<ITableCells*>& cells) {
    if (!FileExists(path)) return TTableLoad();
    TXMLDocument xml;
    if (!xml.LoadFromFile(path, Max_Table_Window_File_Bytes, Max_Table_Window_Text)) {
        TTableLoad load;
        load.Complete = false;
        load.Problem = xml.ErrorReason();
        return load;
    }
    return Load_Table_Document(xml, sheet, cells);
}

void Write_Table_Document(TXMLDocument& xml, const TTableSheet& sheet,
                          const std::vector<const ITableCells*>& cells) {
    xml.SetActive(true);
    xml.Clear();
    TXMLNode root = xml.AddChild(sheet.RootElement);
    if (!sheet.VersionComment.isEmpty()) xml.AppendComment(sheet.VersionComment);
    for (size_t g = 0; g < sheet.Grids.size() && g < cells.size(); ++g) {
        const TTableGrid& grid = sheet.Grids[g];
        const ITableCells& grid_cells = *cells[g];
        TXMLNode parent = grid.Section.isEmpty() ? root : root.AddChild(grid.Section);
        const Integer end = Table_End_Row(grid, grid_cells);
        for (Integer r = 1; r < end; ++r) {
            TXMLNode row = parent.AddChild(grid.RowElement);
            for (Integer c = 1; c < Integer(grid.Columns.size()); ++c) {
                const TTableColumn& column = grid.Columns[size_t(c)];
                if (column.Attribute.isEmpty()) continue;
                row.SetAttribute(column.Attribute, column.ToAttribute ? column.ToAttribute(grid_cells, r)
                                                                      : grid_cells.Cell(c, r));
            }
        }
    }
}

bool Save_Table_File(const String& path, const TTableSheet& sheet,
                     const std::vector<const ITableCells*>& cells, String& error) {
    TXMLDocument xml;
    Write_Table_Document(xml, sheet, cells);
    if (xml.SaveToFile(path)) return true;
    error = xml.ErrorText();
    return false;
}
