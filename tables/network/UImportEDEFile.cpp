// The EDE selection window: the file read at each showing, the marks kept in step with the check boxes,
// the device's address checked on OK.
#include "tables/network/UImportEDEFile.h"

#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "tables/frame/TableNumber.h"
#include "tables/frame/TableSheet.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/Streams.h"
#include "toolkit/system/SysUtils.h"

TFImportEDEFile* FImportEDEFile = nullptr;

namespace {

struct EDEListColumn {
    Integer Header;
    Integer Width;
    TEditorType Editor;
    TColor Tint;
    bool ReadOnly;
};
const EDEListColumn edeListColumns[] = {
    {2204, 32, edNormal, Tint_White, true},        {2205, 50, edDataCheckBox, Tint_Green, false},
    {2206, 40, edDataCheckBox, Tint_Green, false}, {2207, 40, edDataCheckBox, Tint_Green, false},
    {2208, 150, edNormal, Tint_Cyan, true},        {2209, 85, edNormal, Tint_Cyan, true},
    {2210, 60, edNormal, Tint_Cyan, true},         {2211, 150, edNormal, Tint_Cyan, true},
    {2212, 90, edDataCheckBox, Tint_Cyan, true},
};

String edeYesNo(bool b) {
    return b ? QStringLiteral("Y") : QStringLiteral("N");
}

} // namespace

TFImportEDEFile::TFImportEDEFile(TComponent* AOwner) : TForm(AOwner) {
    LoadDesign(this, FormDesignPath("UImportEDEFile"));
    Bind(this, "P_Title", P_Title);
    Bind(this, "L_SW_Code", L_SW_Code);
    Bind(this, "L_SW_Desc", L_SW_Desc);
    Bind(this, "P_ID_IP", P_ID_IP);
    Bind(this, "LID_IP", LID_IP);
    Bind(this, "E_ID_IP", E_ID_IP);
    Bind(this, "ACG", ACG);
    Bind(this, "P_Button", P_Button);
    Bind(this, "Btn_OK", Btn_OK);
    Bind(this, "Btn_Cancel", Btn_Cancel);
    Bind(this, "Btn_Select_All", Btn_Select_All);
    Bind(this, "Btn_Unselect_All", Btn_Unselect_All);
    ACG->SetDefaultRowHeight(22);
    ACG->SetColCount(int(std::size(edeListColumns)));
    ACG->SetRowCount(2);
    ACG->SetFixedCols(1);
    ACG->SetFixedRows(1);
    ACG->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect |
                    goColSizing | goEditing);
    for (int c = 0; c < int(std::size(edeListColumns)); ++c) {
        const EDEListColumn& spec = edeListColumns[c];
        TGridColumnItem* item = ACG->Columns()->Items(c);
        item->SetWidth(spec.Width);
        if (c == 0) {
            item->SetFixed(true);
            continue;
        }
        item->SetEditor(spec.Editor);
        item->SetColor(spec.Tint);
        item->SetReadOnly(spec.ReadOnly);
        if (spec.Editor == edDataCheckBox) item->SetAlignment(taCenter);
        item->SetCheckTrue("Y");
        item->SetCheckFalse("N");
    }
    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    ACG->OnCheckBoxClick = [this](TObject* Sender, int ACol, int ARow, bool State) {
        ACGCheckBoxClick(Sender, ACol, ARow, State);
    };
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    Btn_Select_All->OnClick = [this](TObject* Sender) { Btn_Select_AllClick(Sender); };
    Btn_Unselect_All->OnClick = [this](TObject* Sender) { Btn_Unselect_AllClick(Sender); };
}

TFImportEDEFile::~TFImportEDEFile() {
    SetDestroying();
    DestroyComponents();
}

void TFImportEDEFile::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientSize(863, 337);
    Set_Lang();
}

void TFImportEDEFile::Set_Lang() {
    auto t = [](Integer n) { return Lang_Texts->Strings(n); };
    SetCaption(t(2200));
    L_SW_Desc->SetCaption(t(2201));
    Btn_OK->SetCaption(t(2202));
    Btn_Cancel->SetCaption(t(2203));
    for (int c = 0; c < int(std::size(edeListColumns)); ++c)
        ACG->Columns()->Items(c)->SetHeader(t(edeListColumns[c].Header));
    LID_IP->SetCaption(t(2215));
    Btn_Select_All->SetCaption(t(2220));
    Btn_Unselect_All->SetCaption(t(2221));
}

void TFImportEDEFile::FormShow(TObject*) {
    if (E_ID_IP->CanFocus()) E_ID_IP->SetFocus();
    Cancel_EDE_List_Vars();
    Load_EDE_File();
    Show_Data_in_Grid();
}

bool TFImportEDEFile::Load_EDE_File() {
    QByteArray bytes;
    String error;
    TReadFault fault = TReadFault::None;
    if (!ReadWholeFile(EDE_File, bytes, &error, Max_EDE_File_Bytes, &fault)) {
        MessageDlg(ReadFaultText(EDE_File, fault, error, Max_EDE_File_Bytes), mtError, mbOK);
        return false;
    }
    List_EDE_Var = Read_EDE_Objects(bytes);
    return true;
}

void TFImportEDEFile::Show_Data_in_Grid() {
    const int rows = int(List_EDE_Var.size());
    ACG->SetRowCount(rows == 0 ? 2 : rows + 1);
    for (int c = 1; c < ACG->ColCount(); ++c)
        ACG->SetCellEx(c, 1, String());
    ACG->SetCellEx(0, 1, "1");
    for (int i = 0; i < rows; ++i) {
        const TBACnet_Var& v = List_EDE_Var[size_t(i)];
        const QStringList cells = {IntToStr(i + 1),
                                   edeYesNo(v.import),
                                   edeYesNo(v.read),
                                   edeYesNo(v.write),
                                   v.object_name,
                                   IntToStr(v.object_type),
                                   IntToStr(v.object_instance),
                                   v.description,
                                   edeYesNo(v.commandable)};
        for (int c = 0; c < cells.size(); ++c)
            ACG->SetCellEx(c, i + 1, cells[c]);
    }
}

void TFImportEDEFile::ACGCheckBoxClick(TObject*, int ACol, int ARow, bool State) {
    if (ARow < 1 || ARow > int(List_EDE_Var.size())) return;
    TBACnet_Var& v = List_EDE_Var[size_t(ARow - 1)];
    if (ACol == 1) v.import = State;
    if (ACol == 2) v.read = State;
    if (ACol != 3) return;
    if (v.commandable) {
        v.write = State;
        return;
    }
    v.write = false;
    ACG->SetCellEx(3, ARow, "N");
    MessageDlg(Lang_Texts->Strings(2213) + IntToStr(ARow) + Lang_Texts->Strings(2214), mtError, mbOK);
}

void TFImportEDEFile::setImportAll(bool import) {
    for (size_t i = 0; i < List_EDE_Var.size(); ++i) {
        List_EDE_Var[i].import = import;
        ACG->SetCellEx(1, int(i) + 1, edeYesNo(import));
    }
}

void TFImportEDEFile::Btn_Select_AllClick(TObject*) {
    setImportAll(true);
}

void TFImportEDEFile::Btn_Unselect_AllClick(TObject*) {
    setImportAll(false);
}

void TFImportEDEFile::Btn_OKClick(TObject*) {
    const String address = E_ID_IP->Text();
    Integer message = 0;
    if (App_BACnet_Type == 0) {
        Byte b1, b2, b3, b4;
        if (IP_To_Bytes(address, b1, b2, b3, b4)) message = 2216;
    } else if (App_BACnet_Type == 1) {
        const Integer id = Read_Table_Int(address);
        if (id < 0 || id > 254) message = 2217;
    }
    if (message) {
        MessageDlg(Lang_Texts->Strings(message), mtError, mbOK);
        return;
    }
    SetModalResult(mrOk);
}
