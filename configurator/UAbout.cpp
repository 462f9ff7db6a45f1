// The about box.
#include "configurator/UAbout.h"

#include "configurator/UMakerSite.h"
#include "controls/buttons/SbButton.h"
#include "core/UComon.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/services/Shell.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"

TFAbout* FAbout = nullptr;

namespace {
const String kDocumentCode = QStringLiteral("PN83K17");
}

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner) {
    LoadDesign(this, FormDesignPath("UAbout"));
    Bind(this, "Image2", Image2);
    Bind(this, "Label1", Label1);
    Bind(this, "Label2", Label2);
    Bind(this, "Label6", Label6);
    Bind(this, "Label9", Label9);
    Bind(this, "Label3", Label3);
    Bind(this, "Label10", Label10);
    Bind(this, "Label8", Label8);
    Bind(this, "Label12", Label12);
    Bind(this, "Label4", Label4);
    Bind(this, "SbButton1", SbButton1);

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    Label4->OnClick = [this](TObject* Sender) { Label4Click(Sender); };
    Image2->OnClick = [this](TObject* Sender) { Label4Click(Sender); };
}

void TFAbout::FormShow(TObject*) {
    Label2->SetCaption(Product_SW_Desc);
    Label9->SetCaption(Product_SW_Code);
    Label10->SetCaption(Program_Version);
    Label12->SetCaption(kDocumentCode);
    SetClientSize(425, 148);
}

void TFAbout::Label4Click(TObject*) {
    const String page = Maker_Home_Page();
    if (!page.isEmpty()) OpenUrl(page);
}
