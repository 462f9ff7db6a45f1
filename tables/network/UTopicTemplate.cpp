// The topic template dialog: captions by what is edited, the keyword list, the text's focus.
#include "tables/network/UTopicTemplate.h"

#include "controls/buttons/SbButton.h"
#include "controls/grid/QvGrid.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/Splitter.h"
#include "toolkit/stdctrls/StdCtrls.h"

TFTopicTemplate* FTopicTemplate = nullptr;

TFTopicTemplate::TFTopicTemplate(TComponent* AOwner) : TForm(AOwner) {
    LoadDesign(this, FormDesignPath("UTopicTemplate"));
    Bind(this, "P_Title", P_Title);
    Bind(this, "L_SW_Code", L_SW_Code);
    Bind(this, "L_SW_Desc", L_SW_Desc);
    Bind(this, "Panel1", Panel1);
    Bind(this, "RE_TopicTemplate", RE_TopicTemplate);
    Bind(this, "Splitter1", Splitter1);
    Bind(this, "P_Legend", P_Legend);
    Bind(this, "L_List_Keywords", L_List_Keywords);
    Bind(this, "QSG_Keywords", QSG_Keywords);
    Bind(this, "P_Button", P_Button);
    Bind(this, "Btn_OK", Btn_OK);
    Bind(this, "Btn_Cancel", Btn_Cancel);
    QSG_Keywords->SetColWidths(0, 200);
    QSG_Keywords->SetColWidths(1, 380);
    QSG_Keywords->SetOptions(QSG_Keywords->Options() | goEditing);
    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFTopicTemplate::~TFTopicTemplate() {
    SetDestroying();
    DestroyComponents();
}

void TFTopicTemplate::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientSize(635, 396);
    Set_Lang();
}

void TFTopicTemplate::Set_Lang() {
    SetCaption(Lang_Texts->Strings(2900));
    L_SW_Desc->SetCaption(Lang_Texts->Strings(2902));
    L_List_Keywords->SetCaption(Lang_Texts->Strings(2904));
    QSG_Keywords->SetCells(0, 0, Lang_Texts->Strings(2905));
    QSG_Keywords->SetCells(1, 0, Lang_Texts->Strings(2906));
    Btn_OK->SetCaption(Lang_Texts->Strings(2907));
    Btn_Cancel->SetCaption(Lang_Texts->Strings(2908));
}

void TFTopicTemplate::FormShow(TObject*) {
    SetCaption(Lang_Texts->Strings(TopicTemplate ? 2901 : 2900));
    L_SW_Desc->SetCaption(Lang_Texts->Strings(TopicTemplate ? 2903 : 2902));
    Laod_Keywords();
    if (RE_TopicTemplate->CanFocus()) RE_TopicTemplate->SetFocus();
}

void TFTopicTemplate::Laod_Keywords() {
    QSG_Keywords->SetRowCount(2);
    QSG_Keywords->SetCells(0, 1, String());
    QSG_Keywords->SetCells(1, 1, String());
    QSG_Keywords->GetCellProperties(1, 1)->SetReadOnly(true);
}
