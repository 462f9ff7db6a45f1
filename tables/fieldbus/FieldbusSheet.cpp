// The fieldbus windows' shared sheet pieces.
#include "tables/fieldbus/FieldbusSheet.h"

#include "tables/frame/TableNumber.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/system/SysUtils.h"

std::vector<TTableColumn> Fieldbus_Columns(std::initializer_list<TFieldbusColumn> specs) {
    std::vector<TTableColumn> columns;
    for (const TFieldbusColumn& s : specs) {
        TTableColumn c;
        c.Header = s.Header;
        c.Width = s.Width;
        c.Tint = s.Tint;
        c.Editor = s.Editor;
        c.Attribute = QLatin1String(s.Attribute);
        c.Missing = c.Attribute.isEmpty() ? TTableMissing::Keep : TTableMissing::Default;
        c.Default = QLatin1String(s.Default);
        c.Hint = s.Hint;
        columns.push_back(c);
    }
    return columns;
}

TTableGrid Fieldbus_Grid(const char* name, const char* page, Integer pageCaption, const char* section,
                         Integer dataRows, std::vector<TTableColumn> columns) {
    TTableGrid g;
    g.Name = QLatin1String(name);
    g.Page = QLatin1String(page);
    g.PageCaption = pageCaption;
    g.Section = QLatin1String(section);
    g.DataRows = dataRows;
    g.Columns = std::move(columns);
    g.KeyColumn = 1;
    g.ShowsHints = true;
    g.ExtraOptions = goDrawFocusSelected;
    g.HoverRow = true;
    return g;
}

Integer Fieldbus_Number(const TTableRow& row, Integer col) {
    return Read_Table_Int(Trim(row.Text(col)));
}

bool Fieldbus_Outside(const TTableRow& row, Integer col, Integer low, Integer high) {
    const Integer n = Fieldbus_Number(row, col);
    return n < low || n > high;
}
