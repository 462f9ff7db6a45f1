// The open-configuration dialog: the list of configuration folders and the preselection of the open one.
#include "configurator/UOpenConf.h"

#include "controls/buttons/SbButton.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>

TFOpenConf* FOpenConf = nullptr;

TFOpenConf::TFOpenConf(TComponent* AOwner) : TForm(AOwner), SL(std::make_unique<TStringList>()) {
    LoadDesign(this, FormDesignPath("UOpenConf"));
    Bind(this, "P_Title", P_Title);
    Bind(this, "L_SW_Code", L_SW_Code);
    Bind(this, "L_SW_Desc", L_SW_Desc);
    Bind(this, "Label1", Label1);
    Bind(this, "ListBox1", ListBox1);
    Bind(this, "P_Button", P_Button);
    Bind(this, "Btn_OK", Btn_OK);
    Bind(this, "Btn_Cancel", Btn_Cancel);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    ListBox1->OnClick = [this](TObject* Sender) { ListBox1Click(Sender); };
}

TFOpenConf::~TFOpenConf() {
    SetDestroying();
    DestroyComponents();
}

void TFOpenConf::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientSize(377, 351);
    Set_Lang();
}

void TFOpenConf::Load_Existing_Configuration() {
    SL->Clear();
    QStringList names;
    for (const TSearchRec& r : FindFolders(Dir_Projects, "*", true))
        names << r.Name;
    // The file system's own order differs between systems; the person looks for a name.
    std::stable_sort(names.begin(), names.end(),
                     [](const String& a, const String& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    SetStringsFromList(*SL, names);
}

int TFOpenConf::Search_Open_Conf(const String& name) const {
    for (int i = 0; i < SL->Count(); ++i)
        if (SL->Strings(i).compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void TFOpenConf::FormShow(TObject*) {
    Load_Existing_Configuration();
    ListBox1->Items()->Assign(SL.get());
    String open;
    const String prefix = Dir_Projects + PathDelim;
    if (!Dir_Project.isEmpty() && Dir_Project.startsWith(prefix)) open = Dir_Project.mid(prefix.size());
    int index = Search_Open_Conf(open);
    if (index < 0 && SL->Count() > 0) index = 0;
    ListBox1->SetItemIndex(index);
    Name_Conf = index >= 0 ? SL->Strings(index) : String();
}

void TFOpenConf::ListBox1Click(TObject*) {
    const int index = ListBox1->ItemIndex();
    if (index >= 0 && index < ListBox1->Count()) Name_Conf = ListBox1->Items()->Strings(index);
}

void TFOpenConf::Set_Lang() {
    SetCaption(Lang_Texts->Strings(200));
    L_SW_Desc->SetCaption(Lang_Texts->Strings(201));
    Label1->SetCaption(Lang_Texts->Strings(202));
    Btn_OK->SetCaption(Lang_Texts->Strings(203));
    Btn_Cancel->SetCaption(Lang_Texts->Strings(204));
    ListBox1->SetHint(Lang_Texts->Strings(205));
    Btn_OK->SetHint(Lang_Texts->Strings(206));
    Btn_Cancel->SetHint(Lang_Texts->Strings(207));
}
