// The EtherNet/IP scanner connection table: the frame with the scanner's sheet and file, and the EDS
// import through the connection chooser.
#include "tables/network/UEtherNetIP_Master_Access.h"

#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "tables/frame/ColumnGridCells.h"
#include "tables/network/UEtherNetIP_EDS.h"
#include "tables/network/UEtherNetIP_Scanner_Tables.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/stdctrls/ExtCtrls.h"

TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access = nullptr;

namespace {
// Said when an import finds no free row: the table's rows all hold a slave or an import.
constexpr Integer kTextNoFreeRow = 4062;
} // namespace

TFEtherNetIP_Master_Access::TFEtherNetIP_Master_Access(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FEtherNetIP_Master_Access"), [] {
          TTableSheet sheet = EtherNetIP_Scanner_Sheet();
          sheet.FilePath = &File_EtherNetIP_Master_Rules;
          return sheet;
      }()) {
    ACG = Grid(0);
    LoadDesign(P_Button, FormDesignPath("UEtherNetIP_Master_Access"));
    Bind(P_Button, "Btn_Import_EDS", Btn_Import_EDS);
    Bind(P_Button, "OD_EDS", OD_EDS);
    Btn_Import_EDS->OnClick = [this](TObject* Sender) { Btn_Import_EDSClick(Sender); };
}

void TFEtherNetIP_Master_Access::Set_Lang() {
    TFTableWindow::Set_Lang();
    Btn_Import_EDS->SetCaption(Lang_Texts->Strings(4059));
    Btn_Import_EDS->SetHint(Lang_Texts->Strings(4060));
}

void TFEtherNetIP_Master_Access::Btn_Import_EDSClick(TObject*) {
    if (!FEtherNEtIP_EDS) return;
    TColumnGridCells cells(ACG);
    // Said before the person looks for a file and a connection that could not be placed.
    if (EtherNetIP_Free_Row(cells) == 0) {
        MessageDlg(Lang_Texts->Strings(kTextNoFreeRow), mtError, mbOK);
        return;
    }
    if (!OD_EDS->Execute()) return;
    FEtherNEtIP_EDS->EDS_FileName = OD_EDS->FileName();
    if (FEtherNEtIP_EDS->ShowModal() != mrOk) return;
    TQvColumnGrid* chosen = FEtherNEtIP_EDS->ACG;
    const int row = chosen->Row();
    if (row < 1 || row > int(FEtherNEtIP_EDS->List_Conn.size())) return;
    QStringList connection;
    for (int c = 0; c < chosen->ColCount(); ++c)
        connection << chosen->GetCellEx(c, row);
    Put_EDS_Connection(connection, cells, EtherNetIP_Free_Row(cells));
}
