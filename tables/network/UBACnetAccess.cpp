// The BACnet client access tables: the frame with the client sheet, the client type and its address
// column, and the read table's cell hint.
#include "tables/network/UBACnetAccess.h"

#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "tables/frame/ColumnGridCells.h"
#include "tables/network/UImportEDEFile.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/SysUtils.h"

TFBACnetAccess* FBACnetAccess = nullptr;

TFBACnetAccess::TFBACnetAccess(TComponent* AOwner)
    : TFTableWindow(AOwner, QStringLiteral("FBACnetAccess"), [this] {
          TTableSheet sheet = BACnet_Master_Sheet(Mode);
          sheet.FilePath = &File_BACnet_Master_Access;
          return sheet;
      }()) {
    TS_BACnet_Read = Page(0);
    TS_BACnet_Write = Page(1);
    ACG1 = Grid(0);
    ACG2 = Grid(1);
    // No row copy here: the EDE import takes the place (and the button) of Copy Row.
    Btn_Import_CSV = Btn_CopyRow;
    Btn_Import_CSV->SetName("Btn_Import_CSV");
    Btn_Import_CSV->OnClick = [this](TObject* Sender) { Btn_Import_CSVClick(Sender); };
    Btn_PasteRow->SetVisible(false);
    OD_EDE_File = new TOpenDialog(this);
    OD_EDE_File->SetName("OD_EDE_File");
    OD_EDE_File->SetFilter("BACnet EDE File (*.csv)|*.csv");
    OnCreate = [this](TObject* Sender) {
        FormCreate(Sender);
        OD_EDE_File->SetInitialDir(Dir_Import_EDE);
        SetClientWidth(Screen && Screen->Width() > 1270 ? 1305 : 1000);
    };
    ACG1->OnGridHint = [this](TObject*, int ARow, int ACol, String& hintstr) {
        hintstr = Str_Hint_Read(ARow, ACol);
    };
    ACG2->OnGridHint = [this](TObject*, int ARow, int ACol, String& hintstr) {
        hintstr = Str_Hint_Write(ARow, ACol);
    };
    ACG1->SetShowHint(true);
    // A double click on a header does not size the column here.
    ACG1->OnDblClickCell = nullptr;
    ACG2->OnDblClickCell = nullptr;
}

void TFBACnetAccess::Set_Lang() {
    TFTableWindow::Set_Lang();
    Btn_Import_CSV->SetCaption(Lang_Texts->Strings(2159));
    layoutAddressColumn();
}

void TFBACnetAccess::layoutAddressColumn() {
    const bool slave = Mode.App_BACnet_Type == 1;
    ACG1->Columns()->Items(brAddress)->SetHeader(Lang_Texts->Strings(slave ? 2110 : 2109));
    ACG2->Columns()->Items(bwAddress)->SetHeader(Lang_Texts->Strings(slave ? 2122 : 2121));
    for (TQvColumnGrid* grid : {ACG1, ACG2}) {
        if (Mode.App_BACnet_Type == 0 || Mode.App_BACnet_Type == 1)
            grid->UnHideColumn(brAddress);
        else
            grid->HideColumn(brAddress);
    }
}

void TFBACnetAccess::BeforeTableLoad() {
    Integer type = 0;
    if (!Read_BACnet_Master_Type(File_ParGen, type)) MessageDlg(Lang_Texts->Strings(2157), mtError, mbOK);
    Mode.SetType(type);
    layoutAddressColumn();
}

String TFBACnetAccess::Str_Hint_Read(int ARow, int ACol) const {
    // The hint belongs to the column displayed fifth: the Property column while the address is shown.
    if (ARow <= 0 || ACol != 5) return String();
    return BACnet_Read_Hint(ACG1->GetCellEx(brObject_Type, ARow), ACG1->GetCellEx(brProperty, ARow));
}

void TFBACnetAccess::Btn_Import_CSVClick(TObject*) {
    if (!FImportEDEFile) return;
    FImportEDEFile->App_BACnet_Type = Mode.App_BACnet_Type;
    if (!OD_EDE_File->Execute()) return;
    const String file = OD_EDE_File->FileName();
    String folder = ExtractFilePath(file);
    if (folder.size() > 1 && (folder.endsWith(u'/') || folder.endsWith(u'\\'))) folder.chop(1);
    Dir_Import_EDE = folder;
    OD_EDE_File->SetInitialDir(Dir_Import_EDE);
    if (!FileExists(file)) return;
    FImportEDEFile->EDE_File = file;
    if (FImportEDEFile->ShowModal() != mrOk) return;
    TColumnGridCells read(ACG1), write(ACG2);
    const TEDEPlacement placed = Place_EDE_Objects(
        FImportEDEFile->List_EDE_Var, FImportEDEFile->E_ID_IP->Text(), read, write, Mode.KeyColumn);
    Last_Import_Not_Placed = placed.NotPlaced;
    if (placed.NotPlaced > 0)
        MessageDlg(Lang_Texts->Strings(2222) + IntToStr(placed.NotPlaced), mtWarning, mbOK);
}
