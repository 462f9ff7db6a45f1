// The BACnet client access tables: the frame with the client sheet, the client type and its address
// column, and the read table's cell hint.
#include "tables/network/UBACnetAccess.h"

#include "configurator/UComon.h"
#include "configurator/ULanguage.h"
#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "toolkit/controls/Dialogs.h"

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
    // No row copy here; the EDE import takes the place of Copy Row once it is built.
    Btn_CopyRow->SetVisible(false);
    Btn_PasteRow->SetVisible(false);
    OnCreate = [this](TObject* Sender) {
        FormCreate(Sender);
        SetClientWidth(Screen && Screen->Width() > 1270 ? 1305 : 1000);
    };
    ACG1->OnGridHint = [this](TObject*, int ARow, int ACol, String& hintstr) {
        hintstr = Str_Hint_Read(ARow, ACol);
    };
    ACG2->OnGridHint = [this](TObject*, int ARow, int ACol, String& hintstr) {
        hintstr = Str_Hint_Write(ARow, ACol);
    };
    ACG1->SetShowHint(true);
}

void TFBACnetAccess::Set_Lang() {
    TFTableWindow::Set_Lang();
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
