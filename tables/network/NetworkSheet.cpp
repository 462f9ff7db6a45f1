// The shared pieces of the SNMP, KNX and EtherNet/IP table sheets.
#include "tables/network/NetworkSheet.h"

#include "toolkit/system/SysUtils.h"

std::vector<TTableColumn> Network_Columns(std::initializer_list<TNetworkColumn> specs) {
    std::vector<TTableColumn> columns;
    for (const TNetworkColumn& s : specs) {
        TTableColumn c;
        c.Header = s.Header;
        c.Width = s.Width;
        c.Editor = s.Editor;
        c.Tint = s.Tint;
        c.Items = s.Items;
        c.Attribute = QLatin1String(s.Attribute);
        c.Missing = c.Attribute.isEmpty() ? TTableMissing::Keep : s.Missing;
        c.Default = QLatin1String(s.Default);
        c.Hint = s.Hint;
        c.MaxLength = s.MaxLength;
        columns.push_back(c);
    }
    return columns;
}

QStringList Network_Number_Items(Integer count) {
    QStringList items;
    for (Integer i = 0; i < count; ++i)
        items << IntToStr(i);
    return items;
}
