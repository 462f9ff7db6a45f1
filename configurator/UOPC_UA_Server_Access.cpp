// The OPC UA server variable table: layout and texts, the type rule, loading, the data check, writing
// the table file, the row buttons and the grid events.
#include "configurator/UOPC_UA_Server_Access.h"

#include "configurator/USaveBincc.h"
#include "controls/buttons/SbButton.h"
#include "controls/grid/QvGrid.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/USave_Target.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

TFOPC_UA_Server_Access* FOPC_UA_Server_Access = nullptr;

namespace {

struct OpcColumn {
    int Header; // text number
    int Width;
    TColor Tint; // clNone: the fixed column
    bool Centre;
    const char* Attribute; // nullptr: not stored
};

const OpcColumn kOpcColumns[OPC_Col_Count] = {
    {1414, 40, clNone, false, nullptr},
    {1415, 50, TColor(0xB0D8FF), true, "Enable"},
    {1439, 120, TColor(0xFEFAE0), false, "NodeType"},
    {1416, 120, TColor(0xFEFAE0), false, "Type"},
    {1417, 70, TColor(0xA8FFA8), false, "Position"},
    {1431, 70, TColor(0xA8FFA8), false, "StartBit"},
    {1418, 70, TColor(0xA8FFA8), false, "Length"},
    {1419, 200, TColor(0xF4D6FC), false, "Name"},
    {1429, 70, TColor(0xF4D6FC), false, "ReadWrite"},
    {1432, 70, TColor(0xA8FFFF), true, "Swap"},
    {1433, 70, TColor(0xA8FFFF), true, "SwapWord"},
    {1434, 70, TColor(0xA8FFFF), true, "SwapAll"},
    {1420, 200, TColor(0xFFFFFF), false, "Mnemonic"},
};

const int kOpcCheckColumns[] = {OPC_Col_Enable, OPC_Col_Swap, OPC_Col_SwapWord, OPC_Col_SwapAll};

bool opcIsCheckColumn(int c) {
    return c == OPC_Col_Enable || c == OPC_Col_Swap || c == OPC_Col_SwapWord || c == OPC_Col_SwapAll;
}

struct OpcType {
    const char* Name;
    const char* Length;
    bool Fixed;
};

const OpcType kOpcTypes[] = {
    {"Boolean", "1", true},      {"Signed Byte", "1", true}, {"Byte", "1", true},   {"Int16", "2", true},
    {"UInt16", "2", true},       {"Int32", "4", true},       {"UInt32", "4", true}, {"Int64", "8", true},
    {"UInt64", "8", true},       {"Float", "4", true},       {"Double", "8", true}, {"String", "10", false},
    {"ByteString", "10", false},
};

String opcText(int n) {
    return Lang_Texts->Strings(n);
}

} // namespace

TFOPC_UA_Server_Access::TFOPC_UA_Server_Access(TComponent* AOwner) : TForm(AOwner) {
    LoadDesign(this, FormDesignPath("UOPC_UA_Server_Access"));
    Bind(this, "P_Title", P_Title);
    Bind(this, "L_SW_Code", L_SW_Code);
    Bind(this, "L_SW_Desc", L_SW_Desc);
    Bind(this, "P_Button", P_Button);
    Bind(this, "Btn_OK", Btn_OK);
    Bind(this, "Btn_Cancel", Btn_Cancel);
    Bind(this, "Btn_DelRow", Btn_DelRow);
    Bind(this, "Btn_InsRow", Btn_InsRow);
    Bind(this, "Btn_CopyRow", Btn_CopyRow);
    Bind(this, "Btn_PasteRow", Btn_PasteRow);
    Bind(this, "QSG", QSG);
    Bind(this, "XML1", XML1);

    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
    Btn_DelRow->OnClick = [this](TObject* s) { Btn_DelRowClick(s); };
    Btn_InsRow->OnClick = [this](TObject* s) { Btn_InsRowClick(s); };
    Btn_CopyRow->OnClick = [this](TObject* s) { Btn_CopyRowClick(s); };
    Btn_PasteRow->OnClick = [this](TObject* s) { Btn_PasteRowClick(s); };
    QSG->OnGetEditorType = [this](TObject* s, int c, int r, TEditorType& e) { QSGGetEditorType(s, c, r, e); };
    QSG->OnComboChange = [this](TObject* s, int c, int r, int i, const String& t) {
        QSGComboChange(s, c, r, i, t);
    };
    QSG->OnClickCell = [this](TObject* s, int r, int c) { QSGClickCell(s, r, c); };
    QSG->OnDblClickCell = [this](TObject* s, int r, int c) { QSGDblClickCell(s, r, c); };
    QSG->OnKeyPress = [this](TObject* s, QChar& k) { QSGKeyPress(s, k); };
}

TFOPC_UA_Server_Access::~TFOPC_UA_Server_Access() = default;

void TFOPC_UA_Server_Access::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientSize(1200, 337);
    NodeType = std::make_unique<TStringList>();
    VarType = std::make_unique<TStringList>();
    RWType = std::make_unique<TStringList>();
    StartBitType = std::make_unique<TStringList>();
    Set_Lang();
    Init_Table();
}

void TFOPC_UA_Server_Access::Set_Lang() {
    if (Lang_Texts->Count() == 0) return;
    SetCaption(opcText(1400));
    L_SW_Desc->SetCaption(opcText(1401));
    TSbButton* buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6; ++i) {
        buttons[i]->SetCaption(opcText(1402 + i));
        buttons[i]->SetHint(opcText(1408 + i));
    }
    if (QSG->ColCount() >= OPC_Col_Count) {
        for (int c = 0; c < OPC_Col_Count; ++c)
            QSG->SetCells(c, 0, opcText(kOpcColumns[c].Header));
        Grid_Fit_Header_Row(QSG);
    }
}

void TFOPC_UA_Server_Access::Init_Table() {
    QSG->Font()->SetName("Tahoma");
    QSG->Font()->SetSize(8);
    QSG->FixedFont()->Assign(QSG->Font());
    QSG->FixedFont()->SetStyle(fsBold);
    QSG->ActiveCellFont()->Assign(QSG->Font());
    QSG->ActiveCellFont()->SetStyle(fsBold);
    QSG->SetDefaultRowHeight(22);
    QSG->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect | goEditing);
    QSG->SetColCount(OPC_Col_Count);
    QSG->SetRowCount(OPC_UA_Data_Rows + 1);
    QSG->SetFixedCols(1);
    QSG->SetFixedRows(1);
    for (int c = 0; c < OPC_Col_Count; ++c) {
        QSG->SetCells(c, 0, opcText(kOpcColumns[c].Header));
        QSG->SetColWidths(c, kOpcColumns[c].Width);
    }
    Grid_Fit_Header_Row(QSG);
    for (int c : kOpcCheckColumns)
        QSG->AddCheckBoxColumn(c, false, false);
    for (int r = 1; r <= OPC_UA_Data_Rows; ++r) {
        QSG->SetCells(0, r, IntToStr(r));
        for (int c = 1; c < OPC_Col_Count; ++c) {
            QSG->SetColors(c, r, kOpcColumns[c].Tint);
            if (kOpcColumns[c].Centre) QSG->SetAlignments(c, r, taCenter);
        }
    }
    NodeType->Clear();
    NodeType->Add("Numeric");
    NodeType->Add("String");
    VarType->Clear();
    for (const OpcType& t : kOpcTypes)
        VarType->Add(QString::fromLatin1(t.Name));
    RWType->Clear();
    RWType->Add("Read Only");
    RWType->Add("Read/Write");
    StartBitType->Clear();
    for (int b = 0; b < 8; ++b)
        StartBitType->Add(IntToStr(b));
}

// Editing
// --------------------------------------------------------------------------------------------

void TFOPC_UA_Server_Access::QSGGetEditorType(TObject*, int ACol, int, TEditorType& AEditor) {
    TStringList* list = nullptr;
    switch (ACol) {
    case OPC_Col_NodeType:
        list = NodeType.get();
        break;
    case OPC_Col_Type:
        list = VarType.get();
        break;
    case OPC_Col_StartBit:
        list = StartBitType.get();
        break;
    case OPC_Col_ReadWrite:
        list = RWType.get();
        break;
    default:
        return;
    }
    AEditor = edComboList;
    QSG->ClearComboString();
    for (int i = 0; i < list->Count(); ++i)
        QSG->AddComboString(list->Strings(i));
}

void TFOPC_UA_Server_Access::QSGComboChange(TObject*, int ACol, int ARow, int, const String& ASelection) {
    if (ACol == OPC_Col_Type) VarSetLength(ASelection, ACol, ARow);
}

void TFOPC_UA_Server_Access::VarSetLength(const String& Type, int, int ARow) {
    for (const OpcType& t : kOpcTypes)
        if (Type == QLatin1String(t.Name)) {
            QSG->SetCellEx(OPC_Col_Length, ARow, QString::fromLatin1(t.Length));
            QSG->SetReadOnly(OPC_Col_Length, ARow, t.Fixed);
            break;
        }
    if (QSG->GetCellEx(OPC_Col_ReadWrite, ARow).isEmpty())
        QSG->SetCellEx(OPC_Col_ReadWrite, ARow, "Read/Write");
}

bool TFOPC_UA_Server_Access::Checked(int ACol, int ARow) {
    bool state = false;
    return QSG->GetCheckBoxState(ACol, ARow, state) && state;
}

// Showing and loading
// --------------------------------------------------------------------------------------------

void TFOPC_UA_Server_Access::Clear_Table() {
    const int columns = QSG->ColCount() + QSG->NumHiddenColumns();
    for (int r = 1; r <= OPC_UA_Data_Rows; ++r) {
        QSG->SetCellEx(0, r, IntToStr(r));
        for (int c = 1; c < columns; ++c) {
            // Boxes and read-only cells of an earlier showing or configuration never come back.
            if (opcIsCheckColumn(c))
                QSG->SetCheckBoxState(c, r, c == OPC_Col_Enable);
            else
                QSG->SetCellEx(c, r, String());
            QSG->SetReadOnly(c, r, false);
        }
    }
}

void TFOPC_UA_Server_Access::Load_Table() {
    XML1->SetActive(true);
    if (!XML1->LoadFromFile(File_OPC_UA_Server, Max_Table_File_Bytes, Max_OPC_UA_Text)) {
        // The message names the file already.
        Load_Problem = XML1->ErrorReason();
        return;
    }
    const TXMLNode table = XML1->DocumentElement().FindNode("OPC_UA_Server_Variables");
    if (table.IsNull()) {
        Load_Problem = opcText(Text_OPC_UA_No_Variables);
        return;
    }
    int r = 0, extra = 0;
    for (const TXMLNode& node : table.ChildNodes()) {
        if (node.NodeType() != ntElement || node.NodeName() != QLatin1String("row")) continue;
        if (r == OPC_UA_Data_Rows) {
            ++extra;
            continue;
        }
        ++r;
        auto text = [&node](const char* name) { return node.Attributes(QString::fromLatin1(name)); };
        QSG->SetCheckBoxState(OPC_Col_Enable, r, OPC_UA_Row_Enabled(node));
        QSG->SetCellEx(OPC_Col_NodeType, r, text("NodeType"));
        QSG->SetCellEx(OPC_Col_Type, r, text("Type"));
        VarSetLength(QSG->GetCellEx(OPC_Col_Type, r), OPC_Col_Type, r);
        QSG->SetCellEx(OPC_Col_Position, r, text("Position"));
        QSG->SetCellEx(OPC_Col_StartBit, r, text("StartBit"));
        QSG->SetCellEx(OPC_Col_Length, r, text("Length"));
        QSG->SetCellEx(OPC_Col_Name, r, text("Name"));
        QSG->SetCellEx(OPC_Col_ReadWrite, r, text("ReadWrite"));
        for (int c : {OPC_Col_Swap, OPC_Col_SwapWord, OPC_Col_SwapAll})
            QSG->SetCheckBoxState(c, r, node.Attributes(kOpcColumns[c].Attribute, "N") != QLatin1String("N"));
        QSG->SetCellEx(OPC_Col_Mnemonic, r, text("Mnemonic"));
    }
    if (extra > 0)
        Load_Problem =
            Format(opcText(Text_OPC_UA_Too_Many_Variables), {OPC_UA_Data_Rows + extra, OPC_UA_Data_Rows});
}

void TFOPC_UA_Server_Access::FormShow(TObject*) {
    Load_Problem.clear();
    Clear_Table();
    if (PathExists(File_OPC_UA_Server)) Load_Table();
    Do_Copy = false;
    if (!Load_Problem.isEmpty())
        MessageDlg(opcText(Text_Table_Not_Read) + File_OPC_UA_Server + "\r\n" + Load_Problem, mtError, mbOK);
}

// Row buttons and grid events
// --------------------------------------------------------------------------------------------

void TFOPC_UA_Server_Access::Btn_DelRowClick(TObject*) {
    const int row = QSG->GetRowEx();
    if (row < 1) return;
    if (MessageDlg(Format(opcText(1428), {row}), mtConfirmation, mbYes | mbNo) == mrYes)
        Grid_Del_Row(row, QSG, true);
}

void TFOPC_UA_Server_Access::Btn_InsRowClick(TObject*) {
    const int row = QSG->GetRowEx();
    if (row >= 1) Grid_Ins_Row(row, QSG, true);
}

void TFOPC_UA_Server_Access::Btn_CopyRowClick(TObject*) {
    const int row = QSG->GetRowEx();
    if (row < 1) return;
    Grid_Copy_Row(QSG, row);
    Do_Copy = true;
}

void TFOPC_UA_Server_Access::Btn_PasteRowClick(TObject*) {
    const int row = QSG->GetRowEx();
    if (row < 1) return;
    Grid_Paste_Row(QSG, row, Do_Copy);
    // The pasted length stays; its read-only state and the R/W default follow the pasted type.
    const String length = QSG->GetCellEx(OPC_Col_Length, row);
    VarSetLength(QSG->GetCellEx(OPC_Col_Type, row), OPC_Col_Type, row);
    QSG->SetCellEx(OPC_Col_Length, row, length);
}

void TFOPC_UA_Server_Access::QSGClickCell(TObject*, int ARow, int ACol) {
    if (ACol == 0 && ARow > 0) QSG->SelectRows(ARow, 1);
}

void TFOPC_UA_Server_Access::QSGDblClickCell(TObject*, int ARow, int ACol) {
    Grid_Auto_Size_Col(QSG, ARow, ACol);
}

void TFOPC_UA_Server_Access::QSGKeyPress(TObject*, QChar& Key) {
    Grid_Enter_Next_Cell(QSG, Key);
}

// Check and saving
// --------------------------------------------------------------------------------------------

bool TFOPC_UA_Server_Access::Controllo_dati() {
    for (int r = 1; r <= OPC_UA_Data_Rows; ++r) {
        if (Trim(QSG->GetCellEx(OPC_Col_Type, r)).isEmpty() || !Checked(OPC_Col_Enable, r)) continue;
        const Integer position = ParseCellInt(QSG->GetCellEx(OPC_Col_Position, r));
        if (position < 0 || position > OPC_UA_Max_Position) {
            MessageDlg(Format(opcText(1427), {r, OPC_UA_Max_Position}), mtError, mbOK);
            return false;
        }
    }
    return true;
}

bool TFOPC_UA_Server_Access::Save_Table(const String& fileName) {
    XML1->SetActive(true);
    XML1->Clear();
    TXMLNode root = XML1->AddChild("OPC_UA_Server");
    XML1->AppendComment("SW_VERSION = 1.003");
    TXMLNode variables = root.AddChild("OPC_UA_Server_Variables");
    // Every row with a type is kept: a row left empty in between does not end the table.
    for (int r = 1; r <= OPC_UA_Data_Rows; ++r) {
        if (Trim(QSG->GetCellEx(OPC_Col_Type, r)).isEmpty()) continue;
        TXMLNode row = variables.AddChild("row");
        for (int c = 1; c < OPC_Col_Count; ++c) {
            const String value = opcIsCheckColumn(c) ? (Checked(c, r) ? "Y" : "N") : QSG->GetCellEx(c, r);
            row.SetAttribute(QString::fromLatin1(kOpcColumns[c].Attribute), value);
        }
    }
    return XML1->SaveToFile(fileName);
}

int TFOPC_UA_Server_Access::First_Row_Without_Type() const {
    for (int r = 1; r <= OPC_UA_Data_Rows; ++r) {
        if (!Trim(QSG->GetCellEx(OPC_Col_Type, r)).isEmpty()) continue;
        for (int c = 1; c < OPC_Col_Count; ++c)
            if (!opcIsCheckColumn(c) && !Trim(QSG->GetCellEx(c, r)).isEmpty()) return r;
    }
    return 0;
}

void TFOPC_UA_Server_Access::Btn_OKClick(TObject*) {
    if (!Controllo_dati()) return;
    // A row is stored only with its type: a name or position typed without one would go unnoticed.
    if (const int row = First_Row_Without_Type();
        row > 0 && MessageDlg(Format(opcText(Text_OPC_UA_Row_Without_Type), {row}), mtConfirmation,
                              mbYes | mbNo) != mrYes)
        return;
    if (!Confirm_Save_Through_Link(File_OPC_UA_Server)) return;
    if (!Load_Problem.isEmpty() && FileExists(File_OPC_UA_Server) &&
        MessageDlg(opcText(Text_Overwrite_Unread_Table), mtConfirmation, mbYes | mbNo) != mrYes)
        return;
    if (!Save_Table(File_OPC_UA_Server)) {
        MessageDlg(XML1->ErrorText(), mtError, mbOK);
        return;
    }
    Load_Problem.clear();
    SetModalResult(mrOk);
}
