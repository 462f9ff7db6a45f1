// The EDS connection chooser: the file read at each showing, the connections in the grid, the close by
// timer when there is none.
#include "tables/network/UEtherNetIP_EDS.h"

#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/Streams.h"
#include "toolkit/system/SysUtils.h"

TFEtherNEtIP_EDS* FEtherNEtIP_EDS = nullptr;

namespace {

struct EDSConnectionColumn {
    Integer Header;
    Integer Width;
};
const EDSConnectionColumn edsConnectionColumns[] = {
    {4106, 100}, {4107, 200}, {4108, 100}, {4109, 110}, {4110, 120},
    {4111, 110}, {4112, 120}, {4113, 125}, {4114, 125},
};

} // namespace

TFEtherNEtIP_EDS::TFEtherNEtIP_EDS(TComponent* AOwner) : TForm(AOwner) {
    LoadDesign(this, FormDesignPath("UEtherNetIP_EDS"));
    Bind(this, "P_Title", P_Title);
    Bind(this, "L_SW_Code", L_SW_Code);
    Bind(this, "L_SW_Desc", L_SW_Desc);
    Bind(this, "P_Button", P_Button);
    Bind(this, "Btn_OK", Btn_OK);
    Bind(this, "Btn_Cancel", Btn_Cancel);
    Bind(this, "ACG", ACG);
    Bind(this, "TClose", TClose);
    ACG->SetDefaultRowHeight(22);
    ACG->SetColCount(int(std::size(edsConnectionColumns)));
    ACG->SetRowCount(2);
    ACG->SetFixedCols(0);
    ACG->SetFixedRows(1);
    // A chooser: whole rows are selected, nothing is edited.
    ACG->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRowSelect | goColSizing);
    ACG->SetShowHint(true);
    ACG->FixedFont()->SetName("Tahoma");
    ACG->FixedFont()->SetHeight(-11);
    ACG->FixedFont()->SetStyle(TFontStyles(fsBold));
    for (int c = 0; c < int(std::size(edsConnectionColumns)); ++c) {
        TGridColumnItem* item = ACG->Columns()->Items(c);
        item->SetWidth(edsConnectionColumns[c].Width);
        item->SetColor(clWhite);
        item->SetReadOnly(true);
    }
    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    TClose->OnTimer = [this](TObject* Sender) { TCloseTimer(Sender); };
}

TFEtherNEtIP_EDS::~TFEtherNEtIP_EDS() {
    SetDestroying();
    DestroyComponents();
}

void TFEtherNEtIP_EDS::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientSize(1150, 337);
    Set_Lang();
}

void TFEtherNEtIP_EDS::Set_Lang() {
    auto t = [](Integer n) { return Lang_Texts->Strings(n); };
    SetCaption(t(4100));
    L_SW_Desc->SetCaption(t(4101));
    Btn_OK->SetCaption(t(4102));
    Btn_Cancel->SetCaption(t(4103));
    Btn_OK->SetHint(t(4104));
    Btn_Cancel->SetHint(t(4105));
    for (int c = 0; c < int(std::size(edsConnectionColumns)); ++c)
        ACG->Columns()->Items(c)->SetHeader(t(edsConnectionColumns[c].Header));
}

void TFEtherNEtIP_EDS::FormShow(TObject*) {
    TClose->SetEnabled(false);
    List_Conn.clear();
    if (FileExists(EDS_FileName)) {
        QByteArray bytes;
        String error;
        TReadFault fault = TReadFault::None;
        if (ReadWholeFile(EDS_FileName, bytes, &error, Max_EDS_File_Bytes, &fault))
            List_Conn = Read_EDS_Connections(bytes);
        else
            MessageDlg(ReadFaultText(EDS_FileName, fault, error, Max_EDS_File_Bytes), mtError, mbOK);
    }
    ShowDatainGrid();
}

void TFEtherNEtIP_EDS::DecodeConnStr(const String& ConnStr) {
    ::DecodeConnStr(ConnStr, List_Conn);
}

void TFEtherNEtIP_EDS::ShowDatainGrid() {
    ACG->SetRowCount(2);
    for (int c = 0; c < ACG->ColCount() + ACG->NumHiddenColumns(); ++c)
        ACG->SetCellEx(c, 1, String());
    if (List_Conn.empty()) {
        // Closing from inside the showing would not end the modal run: the timer closes right after.
        TClose->SetEnabled(true);
        return;
    }
    ACG->SetRowCount(int(List_Conn.size()) + 1);
    for (size_t i = 0; i < List_Conn.size(); ++i) {
        const QStringList cells = EDS_Connection_Row(List_Conn[i], int(i) + 1);
        for (int c = 0; c < cells.size(); ++c)
            ACG->SetCellEx(c, int(i) + 1, cells[c]);
    }
    ACG->SetRow(1);
}

void TFEtherNEtIP_EDS::TCloseTimer(TObject*) {
    TClose->SetEnabled(false);
    // Closed by the person before the tick: nothing left to say.
    if (!Visible()) return;
    MessageDlg(Lang_Texts->Strings(4115), mtError, mbOK);
    SetModalResult(mrCancel);
}
