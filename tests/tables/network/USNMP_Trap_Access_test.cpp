// The SNMP agent window as a person uses it: column N follows every tick of Enable and every row
// operation, so that it always numbers the rows as the MIB written from the saved file does; the page
// last used stays open at the next showing.
#include "TableWindowFixture.h"
#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "generators/USNMP_MIB.h"
#include "tables/network/USNMP_Trap_Access.h"
#include "tables/network/USNMP_Trap_Tables.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/stdctrls/ComCtrls.h"

using qvtables::ClickControl;

namespace {

QStringList columnN(TQvColumnGrid* grid, int rows) {
    QStringList n;
    for (int r = 1; r <= rows; ++r)
        n << grid->GetCellEx(0, r);
    return n;
}

void setReadRow(TQvColumnGrid* grid, int row, const QString& enable, const QString& description) {
    const QStringList cells = {enable, "public", "Int", "N",         "N",        "N",    "",
                               "0",    "0",      "16",  description, "10.0.0.1", "None", ""};
    for (int c = 1; c <= cells.size(); ++c)
        grid->SetCellEx(c, row, cells[c - 1]);
}

// The descriptions the MIB writer gives objects 1, 2, ... of the read section of the saved file.
QStringList mibReadObjects() {
    TXMLDocument xml;
    TMIB_Configuration mib;
    String error;
    if (!xml.LoadFromFile(File_SNMP_Trap) || !Parse_SNMP_Trap(xml, mib, error)) return {"unreadable"};
    return mib.Read_Descriptions;
}

// The description of the row column N numbers n, for n = 1, 2, ...
QStringList numberedDescriptions(TQvColumnGrid* grid) {
    QStringList d;
    for (int r = 1; r < grid->RowCount() && !grid->GetCellEx(strCommunity, r).trimmed().isEmpty(); ++r)
        if (!grid->GetCellEx(0, r).isEmpty()) {
            EXPECT_EQ(grid->GetCellEx(0, r).toInt(), d.size() + 1);
            d << grid->GetCellEx(strDescription, r);
        }
    return d;
}

TEST_F(TableWindowTest, SNMPAgentColumnNFollowsEnableAndEveryRowOperation) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* read = FSNMP_Trap_Access->ACG_SNMP_Read;
        setReadRow(read, 1, "Y", "one");
        setReadRow(read, 2, "Y", "two");
        setReadRow(read, 3, "Y", "three");
        // Unticking Enable of row 2 (the grid toggles the cell, then tells the window).
        read->SetCellEx(strEnable, 2, "N");
        read->OnCheckBoxClick(read, strEnable, 2, false);
        EXPECT_EQ(columnN(read, 5), (QStringList{"1", "", "2", "3", "4"}));
        // A tick elsewhere renumbers nothing.
        read->OnCheckBoxClick(read, strOnChange, 1, true);
        // Insert above row 1: the new, enabled row is counted at once.
        read->SetRow(1);
        ClickControl(FSNMP_Trap_Access->Btn_InsRow);
        EXPECT_EQ(columnN(read, 4), (QStringList{"1", "2", "", "3"}));
        // Delete the new row again.
        seam.AnswerMessage(mrYes);
        ClickControl(FSNMP_Trap_Access->Btn_DelRow);
        EXPECT_EQ(columnN(read, 4), (QStringList{"1", "", "2", "3"}));
        // Paste the disabled row over row 3: it is no longer counted.
        read->SetRow(2);
        ClickControl(FSNMP_Trap_Access->Btn_CopyRow);
        read->SetRow(3);
        seam.AnswerMessage(mrYes);
        ClickControl(FSNMP_Trap_Access->Btn_PasteRow);
        EXPECT_EQ(columnN(read, 4), (QStringList{"1", "", "", "2"}));
        read->SetCellEx(strDescription, 3, "three");
        EXPECT_EQ(numberedDescriptions(read), (QStringList{"one"}));
        ClickControl(FSNMP_Trap_Access->Btn_OK);
    });
    EXPECT_EQ(FSNMP_Trap_Access->ShowModal(), mrOk);
    EXPECT_EQ(mibReadObjects(), (QStringList{"one"}));
    EXPECT_EQ(seam.Messages().size(), 2);

    // A showing numbers what the file holds.
    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* read = FSNMP_Trap_Access->ACG_SNMP_Read;
        EXPECT_EQ(columnN(read, 4), (QStringList{"1", "", "", "2"}));
        read->SetCellEx(strEnable, 3, "Y");
        read->OnCheckBoxClick(read, strEnable, 3, true);
        EXPECT_EQ(numberedDescriptions(read), (QStringList{"one", "three"}));
        ClickControl(FSNMP_Trap_Access->Btn_OK);
    });
    EXPECT_EQ(FSNMP_Trap_Access->ShowModal(), mrOk);
    EXPECT_EQ(mibReadObjects(), (QStringList{"one", "three"}));
}

TEST_F(TableWindowTest, SNMPAgentWindowKeepsThePageLastUsed) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm*) {
        EXPECT_EQ(FSNMP_Trap_Access->PageControl1->ActivePageIndex(), 0);
        FSNMP_Trap_Access->PageControl1->SetActivePageIndex(1);
        // Rows copied on one page are pasted only there.
        FSNMP_Trap_Access->ACG_SNMP_Write->SetRow(1);
        ClickControl(FSNMP_Trap_Access->Btn_CopyRow);
        EXPECT_TRUE(FSNMP_Trap_Access->Do_Copy_In_Write());
        EXPECT_FALSE(FSNMP_Trap_Access->Do_Copy_In_Read());
        ClickControl(FSNMP_Trap_Access->Btn_Cancel);
    });
    FSNMP_Trap_Access->ShowModal();
    seam.AnswerModal([&](TCustomForm*) {
        EXPECT_EQ(FSNMP_Trap_Access->PageControl1->ActivePageIndex(), 1);
        EXPECT_FALSE(FSNMP_Trap_Access->Do_Copy_In_Write());
        ClickControl(FSNMP_Trap_Access->Btn_Cancel);
    });
    FSNMP_Trap_Access->ShowModal();
}

} // namespace
