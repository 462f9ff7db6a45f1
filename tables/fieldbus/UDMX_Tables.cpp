// The DMX default-value sheet and the channel count of the communication settings.
#include "tables/fieldbus/UDMX_Tables.h"

#include "core/UComon.h"
#include "core/UParGen_File.h"
#include "tables/fieldbus/FieldbusSheet.h"
#include "tables/frame/TableNumber.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>
#include <limits>

Integer DMX_Channel_Count(const String& parGenPath) {
    String text;
    if (!Read_ParGen_Element(parGenPath, QStringLiteral("DMX_Num_Channels"), text)) return DMX_Max_Channels;
    constexpr Integer unread = std::numeric_limits<Integer>::min();
    const Integer n = Read_Table_Int(Trim(text), unread);
    if (n == unread) return DMX_Max_Channels;
    // The grid needs a row, and the line has no more channels than 512.
    return std::clamp<Integer>(n, 1, DMX_Max_Channels);
}

TTableSheet DMX_Default_Values_Sheet() {
    TTableSheet s;
    s.FilePath = &File_DMX_Default_Values;
    s.ClientWidth = 475;
    s.ClientHeight = 337;
    s.Texts.Caption = 3200;
    s.Texts.Description = 3201;
    s.Texts.Buttons[0] = 3202;
    s.Texts.Buttons[1] = 3203;
    s.Texts.ButtonHints[0] = 3204;
    s.Texts.ButtonHints[1] = 3205;
    s.Texts.RowErrorPrefix = 3211;
    s.RowButtons = false;
    s.RootElement = QStringLiteral("DMX_Default_Values");
    s.VersionComment = QStringLiteral("SW_VERSION = 1.000");
    TTableGrid g = Fieldbus_Grid("ACG_DMX_Def_Val", "TS_DMX_Def_Val", 0, "", DMX_Max_Channels,
                                 Fieldbus_Columns({
                                     {3206, 100, Tint_White, edNormal, "", "", 0},
                                     {3207, 100, Tint_Cyan, edNormal, "Default_Value", "0", 3209},
                                     {3208, 250, clWindow, edNormal, "Mnemonic", "", 3210},
                                 }));
    g.Columns[size_t(dmDefault_Value)].Cleared = QStringLiteral("0");
    g.RowElement = QStringLiteral("Row");
    g.KeyColumn = -1;
    g.ShowRows = [] { return DMX_Channel_Count(File_ParGen); };
    g.CheckRow = [](const TTableRow& row) -> TRowFault {
        if (Fieldbus_Outside(row, dmDefault_Value, 0, 255)) return {3212, {}};
        return {};
    };
    s.Grids = {g};
    return s;
}
