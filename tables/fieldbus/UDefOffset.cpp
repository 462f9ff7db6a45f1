// The DeviceNet byte map: the slave list read at each showing, the byte grids of the chosen slave, the
// check of the output positions and the writing of the map.
#include "tables/fieldbus/UDefOffset.h"

#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "core/USave_Target.h"
#include "tables/frame/TableFile.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/stdctrls/ComCtrls.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/Splitter.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

TFDefOffset* FDefOffset = nullptr;

namespace {

// The frame's texts: a file that did not read whole, and the question before OK replaces it.
constexpr Integer kDefOffsetNotRead = 1310;
constexpr Integer kDefOffsetOverwrite = 1311;
constexpr TGridOptions kDefOffsetOptions =
    goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect | goDrawFocusSelected;

void defOffsetGrid(TQvColumnGrid* grid, std::initializer_list<int> widths, int fixedCols) {
    grid->SetDefaultRowHeight(22);
    grid->SetColCount(int(widths.size()));
    grid->SetRowCount(2);
    grid->SetFixedCols(fixedCols);
    grid->SetFixedRows(1);
    // With no data row the header row stays a header.
    grid->SetFixedRowAlways(true);
    grid->FixedFont()->SetName("Tahoma");
    grid->FixedFont()->SetHeight(-11);
    grid->FixedFont()->SetStyle(TFontStyles(fsBold));
    grid->Font()->SetName("Tahoma");
    grid->Font()->SetHeight(-11);
    int c = 0;
    for (int width : widths) {
        TGridColumnItem* item = grid->Columns()->Items(c);
        item->SetWidth(width);
        item->Font()->SetName("Tahoma");
        item->Font()->SetHeight(-11);
        item->SetColor(clWindow);
        if (c < fixedCols) item->SetFixed(true);
        ++c;
    }
}

// The grid with `rows` data rows; the rows keep whatever text was there before.
void defOffsetRows(TQvColumnGrid* grid, qsizetype rows) {
    grid->SetRowCount(int(rows) + 1);
    if (rows > 0) grid->SetFixedRows(1);
}

void defOffsetShowBytes(TQvColumnGrid* grid, const QStringList& offsets, const QStringList& mnemonics) {
    grid->BeginUpdate();
    defOffsetRows(grid, offsets.size());
    for (qsizetype j = 0; j < offsets.size(); ++j) {
        const int r = int(j) + 1;
        grid->SetCellEx(dbByte, r, IntToStr(Integer(j)));
        grid->SetCellEx(dbOffset, r, offsets[j]);
        grid->SetCellEx(dbMnemonic, r, j < mnemonics.size() ? mnemonics[j] : String());
    }
    grid->EndUpdate();
}

void defOffsetTakeBytes(TQvColumnGrid* grid, QStringList& offsets, QStringList& mnemonics) {
    for (int r = 1; r < grid->RowCount() && r - 1 < offsets.size(); ++r) {
        offsets[r - 1] = grid->GetCellEx(dbOffset, r);
        mnemonics[r - 1] = grid->GetCellEx(dbMnemonic, r);
    }
}

} // namespace

TFDefOffset::TFDefOffset(TComponent* AOwner) : TForm(AOwner) {
    LoadDesign(this, FormDesignPath("UDefOffset"));
    Bind(this, "P_Title", P_Title);
    Bind(this, "L_SW_Code", L_SW_Code);
    Bind(this, "L_SW_Desc", L_SW_Desc);
    Bind(this, "P_Slaves", P_Slaves);
    Bind(this, "Label1", Label1);
    Bind(this, "ACG_DN_Slaves", ACG_DN_Slaves);
    Bind(this, "Splitter1", Splitter1);
    Bind(this, "P_Bytes", P_Bytes);
    Bind(this, "Label2", Label2);
    Bind(this, "Label3", Label3);
    Bind(this, "PageControl1", PageControl1);
    Bind(this, "TS_ByteIN", TS_ByteIN);
    Bind(this, "ACG_ByteIN", ACG_ByteIN);
    Bind(this, "TS_ByteOUT", TS_ByteOUT);
    Bind(this, "ACG_ByteOUT", ACG_ByteOUT);
    Bind(this, "P_Button", P_Button);
    Bind(this, "Btn_OK", Btn_OK);
    Bind(this, "Btn_Cancel", Btn_Cancel);
    Bind(this, "XML1", XML1);

    defOffsetGrid(ACG_DN_Slaves, {100, 100, 100, 160}, 0);
    ACG_DN_Slaves->SetOptions(kDefOffsetOptions);
    for (int c = dsID; c <= dsMnemonic; ++c)
        ACG_DN_Slaves->Columns()->Items(c)->SetReadOnly(true);
    for (TQvColumnGrid* grid : {ACG_ByteIN, ACG_ByteOUT}) {
        defOffsetGrid(grid, {60, 90, 300}, 1);
        grid->SetOptions(kDefOffsetOptions | goEditing);
        grid->Columns()->Items(dbOffset)->SetEditor(edComboList);
    }

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    ACG_DN_Slaves->OnClick = [this](TObject* Sender) { ACG_DN_SlavesClick(Sender); };
    Btn_OK->OnClick = [this](TObject* Sender) { bitbtn1Click(Sender); };
}

TFDefOffset::~TFDefOffset() {
    SetDestroying();
    DestroyComponents();
}

void TFDefOffset::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientSize(482, 610);
    Set_Lang();
}

void TFDefOffset::Set_Lang() {
    auto t = [](Integer n) { return Lang_Texts->Strings(n); };
    SetCaption(t(3100));
    L_SW_Desc->SetCaption(t(3101));
    Btn_OK->SetCaption(t(3102));
    Btn_Cancel->SetCaption(t(3103));
    Btn_OK->SetHint(t(3104));
    Btn_Cancel->SetHint(t(3105));
    TS_ByteIN->SetCaption(t(3106));
    TS_ByteOUT->SetCaption(t(3107));
    Label1->SetCaption(t(3108));
    Label2->SetCaption(t(3109));
    Label3->SetCaption(t(3110));
    for (int c = dsID; c <= dsMnemonic; ++c)
        ACG_DN_Slaves->Columns()->Items(c)->SetHeader(t(3111 + c));
    for (int c = dbByte; c <= dbMnemonic; ++c) {
        ACG_ByteIN->Columns()->Items(c)->SetHeader(t(3115 + c));
        ACG_ByteOUT->Columns()->Items(c)->SetHeader(t(3118 + c));
    }
}

void TFDefOffset::FormShow(TObject*) {
    List_Slaves_DN.clear();
    QStringList positions{QStringLiteral("None")};
    for (Integer p = 0; p < MAX_BYTE_IN; ++p)
        positions << IntToStr(p);
    for (TQvColumnGrid* grid : {ACG_ByteIN, ACG_ByteOUT})
        SetStringsFromList(*grid->Columns()->Items(dbOffset)->ComboItems(), positions);
    Slave_Before_Select = -1;
    FProblems.clear();
    FLoadComplete = true;
    Load_Slave_DN();
    Load_Offset_Slave_DN();
    Select_First();
    PageControl1->SetActivePageIndex(0);
    for (const String& problem : FProblems)
        MessageDlg(problem, mtError, mbOK);
}

void TFDefOffset::noteProblem(const String& path, const String& problem) {
    FLoadComplete = false;
    FProblems << Lang_Texts->Strings(kDefOffsetNotRead) + path + "\r\n" + problem;
}

bool TFDefOffset::loadFile(const String& path) {
    if (XML1->LoadFromFile(path, Max_Table_Window_File_Bytes, Max_Table_Window_Text)) return true;
    noteProblem(path, XML1->ErrorReason());
    return false;
}

void TFDefOffset::Load_Slave_DN() {
    // While the list is rebuilt no row change may show a slave.
    FSwitching = true;
    ACG_DN_Slaves->SetRowCount(1);
    List_Slaves_DN.clear();
    std::vector<QStringList> texts;
    if (PathExists(File_DNETM_Net) && loadFile(File_DNETM_Net)) {
        const TTableLoad load = Read_Slaves_DN(*XML1, List_Slaves_DN, &texts);
        if (!load.Complete) noteProblem(File_DNETM_Net, load.Problem);
    }
    ACG_DN_Slaves->BeginUpdate();
    defOffsetRows(ACG_DN_Slaves, qsizetype(texts.size()));
    for (size_t i = 0; i < texts.size(); ++i)
        for (int c = dsID; c <= dsMnemonic; ++c)
            ACG_DN_Slaves->SetCellEx(c, int(i) + 1, texts[i][c]);
    ACG_DN_Slaves->EndUpdate();
    FSwitching = false;
}

void TFDefOffset::Load_Offset_Slave_DN() {
    if (!PathExists(File_DNETM_DefOff) || !loadFile(File_DNETM_DefOff)) return;
    const TTableLoad load = Read_Offsets_DN(*XML1, List_Slaves_DN);
    if (!load.Complete) noteProblem(File_DNETM_DefOff, load.Problem);
}

void TFDefOffset::Select_First() {
    if (List_Slaves_DN.empty()) {
        Update_Slave_DN();
        return;
    }
    FSwitching = true;
    ACG_DN_Slaves->SetRow(1);
    FSwitching = false;
    ACG_DN_SlavesClick(ACG_DN_Slaves);
}

void TFDefOffset::ACG_DN_SlavesClick(TObject*) {
    // Showing a slave moves the selection, which calls back here.
    if (FSwitching) return;
    struct Switching {
        bool& flag;
        explicit Switching(bool& f) : flag(f) { flag = true; }
        ~Switching() { flag = false; }
    } switching(FSwitching);
    if (Slave_Before_Select >= 0) Save_Data_ByteIN_ByteOUT();
    const int row = ACG_DN_Slaves->Row();
    if (row < 1 || row > int(List_Slaves_DN.size())) return;
    ACG_DN_Slaves->SelectRows(row, 1);
    Slave_Before_Select = row - 1;
    Update_Slave_DN();
}

void TFDefOffset::Update_Slave_DN() {
    if (Slave_Before_Select < 0 || Slave_Before_Select >= Integer(List_Slaves_DN.size())) {
        defOffsetRows(ACG_ByteIN, 0);
        defOffsetRows(ACG_ByteOUT, 0);
        return;
    }
    const TSlave_DN& slave = List_Slaves_DN[size_t(Slave_Before_Select)];
    defOffsetShowBytes(ACG_ByteIN, slave.SL_ByteIN, slave.SL_ByteIN_M);
    defOffsetShowBytes(ACG_ByteOUT, slave.SL_ByteOUT, slave.SL_ByteOUT_M);
}

void TFDefOffset::Save_Data_ByteIN_ByteOUT() {
    if (Slave_Before_Select < 0 || Slave_Before_Select >= Integer(List_Slaves_DN.size())) return;
    TSlave_DN& slave = List_Slaves_DN[size_t(Slave_Before_Select)];
    defOffsetTakeBytes(ACG_ByteIN, slave.SL_ByteIN, slave.SL_ByteIN_M);
    defOffsetTakeBytes(ACG_ByteOUT, slave.SL_ByteOUT, slave.SL_ByteOUT_M);
}

bool TFDefOffset::Check_Data() {
    const String fault = Check_Offsets_DN(List_Slaves_DN);
    if (fault.isEmpty()) return true;
    MessageDlg(fault, mtError, mbOK);
    return false;
}

bool TFDefOffset::Save_Offset_Slave_DN() {
    Write_Offsets_DN(*XML1, List_Slaves_DN);
    if (XML1->SaveToFile(File_DNETM_DefOff)) return true;
    MessageDlg(XML1->ErrorText(), mtError, mbOK);
    return false;
}

void TFDefOffset::bitbtn1Click(TObject*) {
    Save_Data_ByteIN_ByteOUT();
    if (!Check_Data()) return;
    if (!Confirm_Save_Through_Link(File_DNETM_DefOff)) return;
    if (!FLoadComplete && FileExists(File_DNETM_DefOff) &&
        MessageDlg(Lang_Texts->Strings(kDefOffsetOverwrite), mtConfirmation, mbYesNo) != mrYes)
        return;
    if (!Save_Offset_Slave_DN()) return;
    FLoadComplete = true;
    SetModalResult(mrOk);
}
