#include "configurator/UStandInWindow.h"

#include "configurator/UComon.h"
#include "toolkit/stdctrls/StdCtrls.h"

TFStandInWindow::TFStandInWindow(TComponent* AOwner) : TForm(AOwner) {
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu);
    SetPosition(poScreenCenter);
    Font()->SetName("Verdana");
    SetClientSize(400, 120);
    L_SW_Code = new TLabel(this);
    L_SW_Code->SetName("L_SW_Code");
    L_SW_Code->SetParent(this);
    L_SW_Code->SetBounds(16, 8, 200, 24);
    L_SW_Code->Font()->SetSize(14);
    L_SW_Code->Font()->SetColor(clGray);
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
}

void TFStandInWindow::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
}
