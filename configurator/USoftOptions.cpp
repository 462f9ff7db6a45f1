// The options dialog: language pages, the language change, the four options and the version check.
#include "configurator/USoftOptions.h"

#include "configurator/UMakerSite.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "controls/buttons/SbButton.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/services/HttpClient.h"
#include "toolkit/services/Shell.h"
#include "toolkit/stdctrls/ComCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/RegularExpressions.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

#include <algorithm>

TFSoftOptions* FSoftOptions = nullptr;

namespace {
constexpr int kFlagsPerPage = 6;
const String kDefaultFlag = QStringLiteral("DefaultFlag.bmp");
const String kShippedDefaultFlag = QStringLiteral(":/flags/DefaultFlag.bmp");

// Attributes a language file may have: a folder or a read-only file is not offered.
constexpr int kLanguageFileAttributes = faHidden | faSysFile | faArchive | faNormal;
} // namespace

int Conv_Version(const String& Ver_str) {
    const int blank = Ver_str.indexOf(u' ');
    const String t = (blank < 0 ? Ver_str : Ver_str.mid(blank + 1)).trimmed();
    // The major part is read as a whole number, so 10.000 comes after 9.999.
    static const TRegEx version(QStringLiteral("^([0-9]{1,6})\\.([0-9]{3})"));
    const QStringList m = version.Match(t);
    if (m.isEmpty()) return -1;
    return m[1].toInt() * 1000 + m[2].toInt();
}

bool Is_Newer_Version(const String& answer) {
    const String a = answer.trimmed();
    if (a.isEmpty() || a.toUpper() == QLatin1String("VER. 0.000")) return false;
    const int own = Conv_Version(Program_Version);
    const int theirs = Conv_Version(a);
    return own != -1 && theirs != -1 && theirs > own;
}

String Version_Query_Path() {
    return "/home/download/GetversionSW.asp?nomesw=" + Product_SW_Code_Check;
}

void Install_Default_Flag(const String& languageFolder) {
    if (languageFolder.isEmpty() || !DirectoryExists(languageFolder)) return;
    const String target = languageFolder + PathDelim + kDefaultFlag;
    // A flag the person put there stays; the copy may be replaced by the person's own picture.
    CopyFile(kShippedDefaultFlag, target, true);
}

TFSoftOptions::TFSoftOptions(TComponent* AOwner)
    : TForm(AOwner), SL_Languages(std::make_unique<TStringList>()) {
    LoadDesign(this, FormDesignPath("USoftOptions"));
    Bind(this, "P_Title", P_Title);
    Bind(this, "L_SW_Code", L_SW_Code);
    Bind(this, "L_SW_Desc", L_SW_Desc);
    Bind(this, "P_Button", P_Button);
    Bind(this, "Btn_OK", Btn_OK);
    Bind(this, "Btn_Cancel", Btn_Cancel);
    Bind(this, "PC_Options", PC_Options);
    Bind(this, "TS_Language", TS_Language);
    Bind(this, "TS_Con_Options", TS_Con_Options);
    Bind(this, "TS_Soft_Settings", TS_Soft_Settings);
    Bind(this, "L_Sel_Lang", L_Sel_Lang);
    Bind(this, "P_Flags", P_Flags);
    Bind(this, "Sh_Flag_Focus", Sh_Flag_Focus);
    for (int k = 0; k < kFlagsPerPage; ++k) {
        I_L[size_t(k)] = Bind<TImage>(this, QString("I_L%1").arg(k + 1).toUtf8().constData());
        L_L[size_t(k)] = Bind<TLabel>(this, QString("L_L%1").arg(k + 1).toUtf8().constData());
    }
    Bind(this, "L_Page_Lang", L_Page_Lang);
    Bind(this, "Btn_Prev", Btn_Prev);
    Bind(this, "Btn_Next", Btn_Next);
    Bind(this, "CB_En_Con", CB_En_Con);
    Bind(this, "CB_Update", CB_Update);
    Bind(this, "Btn_Check_Update", Btn_Check_Update);
    Bind(this, "LL_Check_Update", LL_Check_Update);
    Bind(this, "CB_Soft_Set_Jump_Table", CB_Soft_Set_Jump_Table);
    Bind(this, "CB_DoubleClick_Auto_Size", CB_DoubleClick_Auto_Size);

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
    Btn_Prev->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };
    Btn_Next->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };
    for (int k = 0; k < kFlagsPerPage; ++k) {
        I_L[size_t(k)]->OnClick = [this](TObject* Sender) { LangClick(Sender); };
        L_L[size_t(k)]->OnClick = [this](TObject* Sender) { LangClick(Sender); };
    }
    P_Flags->OnEnter = [this](TObject*) { ShowFlagFocus(true); };
    P_Flags->OnExit = [this](TObject*) { ShowFlagFocus(false); };
    P_Flags->OnKeyDown = [this](TObject*, Word& Key, TShiftState) { FlagsKeyDown(Key); };
    for (TCheckBox* box : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        box->OnClick = [this](TObject* Sender) { CB_En_ConClick(Sender); };
    Btn_Check_Update->OnClick = [this](TObject* Sender) { Btn_Check_UpdateClick(Sender); };
    LL_Check_Update->OnLinkClick = [this](TObject* Sender, const String& Link, TSysLinkType LinkType) {
        LL_Check_UpdateLinkClick(Sender, Link, LinkType);
    };
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
}

TFSoftOptions::~TFSoftOptions() {
    SetDestroying();
    DestroyComponents();
}

void TFSoftOptions::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    TS_Con_Options->SetTabVisible(true);
    Install_Default_Flag(Dir_Language);
    Install_English_Lang(Dir_Language);
    Set_Lang();
}

void TFSoftOptions::FormShow(TObject*) {
    Language_In_Use = Language;
    FTextsChanged = false;
    Create_Lang_List();
    CB_En_Con->SetChecked(Enable_Internet);
    CB_Update->SetChecked(Enable_Update);
    CB_Soft_Set_Jump_Table->SetChecked(Enable_Jump_Field);
    CB_DoubleClick_Auto_Size->SetChecked(Enable_Auto_Size);
    Update_CheckBox();
    LL_Check_Update->SetVisible(false);
    PC_Options->SetActivePage(TS_Language);
}

void TFSoftOptions::FormClose(TObject*, TCloseAction&) {
    if (ModalResult() == mrOk || !FTextsChanged) return;
    // Closed without OK after a language change: the saved language's texts come back, so that what every
    // window shows matches what the next start will show.
    String saved = Language;
    Load_Lang(Dir_Language, saved);
    FTextsChanged = false;
    if (FQuenvarroweFirmWare)
        FQuenvarroweFirmWare->Change_Language();
    else
        Set_Lang();
}

int TFSoftOptions::Pages() const {
    return (SL_Languages->Count() + kFlagsPerPage - 1) / kFlagsPerPage;
}

void TFSoftOptions::Create_Lang_List() {
    SL_Languages->Clear();
    QStringList names;
    for (const TSearchRec& r : FindFiles(Dir_Language, "*.lng", faAnyFile))
        if ((r.Attr & ~kLanguageFileAttributes) == 0) names << r.Name;
    std::stable_sort(names.begin(), names.end(),
                     [](const String& a, const String& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    SetStringsFromList(*SL_Languages, names);
    Show_Page = 1;
    Update_Lang_Page(1);
}

void TFSoftOptions::Update_Lang_Page(int Num_Page) {
    const int pages = Pages();
    L_Sel_Lang->SetCaption(Lang_Texts->Strings(304) + Language_In_Use);
    L_Page_Lang->SetCaption(Lang_Texts->Strings(305) + String::number(Num_Page) + Lang_Texts->Strings(306) +
                            String::number(pages));
    Btn_Prev->SetVisible(Num_Page != 1);
    Btn_Next->SetVisible(Num_Page != pages);
    const int first = (Num_Page - 1) * kFlagsPerPage;
    const int shown = std::min(SL_Languages->Count() - first, kFlagsPerPage);
    for (int k = 0; k < kFlagsPerPage; ++k) {
        const bool used = k < shown;
        I_L[size_t(k)]->SetVisible(used);
        L_L[size_t(k)]->SetVisible(used);
        if (!used) continue;
        const String file = SL_Languages->Strings(first + k);
        const String name = file.left(file.size() - 4);
        L_L[size_t(k)]->SetCaption(name);
        String flag = Dir_Language + PathDelim + name + ".bmp";
        if (!FileExists(flag)) flag = Dir_Language + PathDelim + kDefaultFlag;
        TImage* image = I_L[size_t(k)];
        image->Picture()->SetGraphic(nullptr);
        bool loaded = false;
        if (FileExists(flag)) {
            try {
                image->Picture()->LoadFromFile(flag);
                loaded = true;
            } catch (const Exception&) {
                // A picture that does not read shows nothing, like a missing one.
            }
        }
        image->SetVisible(loaded);
    }
    // A page without languages has nothing to choose by keyboard.
    P_Flags->SetTabStop(shown > 0);
    FFlagSlot = std::clamp(FFlagSlot, 0, std::max(0, shown - 1));
    ShowFlagFocus(ActiveControl() == P_Flags);
}

void TFSoftOptions::ShowFlagFocus(bool on) {
    const int left = FFlagSlot < 3 ? 4 : 236;
    const int top = 1 + (FFlagSlot % 3) * 54;
    Sh_Flag_Focus->SetBounds(left, top, Sh_Flag_Focus->Width(), Sh_Flag_Focus->Height());
    Sh_Flag_Focus->SetVisible(on && L_L[size_t(FFlagSlot)]->Visible());
}

void TFSoftOptions::FlagsKeyDown(Word& Key) {
    int shown = 0;
    while (shown < kFlagsPerPage && L_L[size_t(shown)]->Visible())
        ++shown;
    if (shown == 0) return;
    switch (Key) {
    // Up and down go through the slots in their order; left and right go across the two columns where the
    // other column has a slot in that row.
    case VK_UP:
        FFlagSlot = std::max(0, FFlagSlot - 1);
        break;
    case VK_DOWN:
        FFlagSlot = std::min(shown - 1, FFlagSlot + 1);
        break;
    case VK_LEFT:
        FFlagSlot = FFlagSlot >= 3 ? FFlagSlot - 3 : std::max(0, FFlagSlot - 1);
        break;
    case VK_RIGHT:
        FFlagSlot = FFlagSlot + 3 < shown ? FFlagSlot + 3 : std::min(shown - 1, FFlagSlot + 1);
        break;
    case VK_SPACE:
    case VK_RETURN:
        Key = 0;
        LangClick(L_L[size_t(std::min(FFlagSlot, shown - 1))]);
        return;
    default:
        return;
    }
    Key = 0;
    ShowFlagFocus(true);
}

void TFSoftOptions::Btn_NextClick(TObject* Sender) {
    auto* pressed = dynamic_cast<TWinControl*>(Sender);
    const bool hadFocus = pressed && ActiveControl() == pressed;
    if (Sender == Btn_Next) {
        if (Pages() >= Show_Page + 1) ++Show_Page;
    } else if (Show_Page - 1 > 0)
        --Show_Page;
    Update_Lang_Page(Show_Page);
    // The button pressed by keyboard may have gone with its page: the focus goes to the other paging
    // button, not on to Cancel, where the next Enter would close the dialog.
    if (hadFocus && !pressed->Visible()) {
        TWinControl* other = pressed == Btn_Next ? static_cast<TWinControl*>(Btn_Prev) : Btn_Next;
        if (other->CanFocus())
            other->SetFocus();
        else if (P_Flags->CanFocus())
            P_Flags->SetFocus();
    }
}

void TFSoftOptions::LangClick(TObject* Sender) {
    int slot = -1;
    for (int k = 0; k < kFlagsPerPage; ++k)
        if (Sender == I_L[size_t(k)] || Sender == L_L[size_t(k)]) slot = k;
    const int index = (Show_Page - 1) * kFlagsPerPage + slot;
    if (slot < 0 || index >= SL_Languages->Count()) return;
    const String file = SL_Languages->Strings(index);
    const String chosen = file.left(file.size() - 4);
    const String question = Lang_Texts->Strings(316) + Language_In_Use + Lang_Texts->Strings(317) + chosen +
                            Lang_Texts->Strings(318);
    if (MessageDlg(question, mtConfirmation, mbYes | mbNo) != mrYes) return;
    // The focus frame marks the flag chosen, also one chosen by a click, and the keys go on from there.
    FFlagSlot = slot;
    Language_In_Use = chosen;
    // The texts change now; the language itself is committed only by OK.
    String loading = chosen;
    Load_Lang(Dir_Language, loading);
    FTextsChanged = Language_In_Use != Language;
    if (FQuenvarroweFirmWare)
        FQuenvarroweFirmWare->Change_Language();
    else
        Set_Lang();
    // Set_Lang put the first page's label back; the page shown keeps its own, in the new language.
    Update_Lang_Page(Show_Page);
    if (ActiveControl() != P_Flags && P_Flags->CanFocus()) P_Flags->SetFocus();
    ShowFlagFocus(ActiveControl() == P_Flags);
}

void TFSoftOptions::CB_En_ConClick(TObject*) {
    Update_CheckBox();
}

void TFSoftOptions::Update_CheckBox() {
    CB_Update->SetEnabled(CB_En_Con->Checked());
    Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::Btn_Check_UpdateClick(TObject*) {
    if (Check_Version())
        LL_Check_Update->SetCaption(
            QStringLiteral("<a href=\"%1\">%2</a>").arg(Maker_Download_Page(), Lang_Texts->Strings(314)));
    else
        LL_Check_Update->SetCaption(Lang_Texts->Strings(315));
    LL_Check_Update->SetVisible(true);
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TObject*, const String& Link, TSysLinkType) {
    OpenUrl(Link);
}

void TFSoftOptions::Btn_OKClick(TObject*) {
    Language = Language_In_Use;
    Enable_Internet = CB_En_Con->Checked();
    Enable_Update = CB_Update->Checked();
    if (FQuenvarroweFirmWare)
        FQuenvarroweFirmWare->Timer_Update->SetEnabled(Enable_Internet && Enable_Update);
    Enable_Jump_Field = CB_Soft_Set_Jump_Table->Checked();
    Enable_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
    FTextsChanged = false;
    SetModalResult(mrOk);
}

bool TFSoftOptions::Check_Version() {
    const String host = Maker_Host();
    if (host.isEmpty()) return false;
    THttpClient* http = FQuenvarroweFirmWare ? FQuenvarroweFirmWare->HTTP1 : nullptr;
    if (!http) {
        if (!FOwnHttp) FOwnHttp = std::make_unique<THttpClient>(nullptr);
        http = FOwnHttp.get();
    }
    const THttpHeaders headers = {{"User-Agent", Http_User_Agent}, {"Accept", Http_Accept}};
    // Input waits meanwhile; the busy cursor says why.
    const TCursor previous = Screen->Cursor();
    Screen->SetCursor(crHourGlass);
    const THttpResult answer = http->Get("http://" + host + Version_Query_Path(), headers, Version_Timeout_Ms,
                                         Max_Version_Answer_Bytes);
    Screen->SetCursor(previous);
    return answer.Ok && Is_Newer_Version(answer.Body);
}

void TFSoftOptions::Set_Lang() {
    auto text = [](int n) { return Lang_Texts->Strings(n); };
    SetCaption(text(300));
    L_SW_Desc->SetCaption(text(301));
    TS_Language->SetCaption(text(302));
    TS_Con_Options->SetCaption(text(303));
    TS_Soft_Settings->SetCaption(text(319));
    L_Sel_Lang->SetCaption(text(304));
    L_Page_Lang->SetCaption(text(305) + "1" + text(306) + "1");
    Btn_Prev->SetCaption(text(307));
    Btn_Next->SetCaption(text(308));
    CB_En_Con->SetCaption(text(309));
    CB_Update->SetCaption(text(310));
    Btn_Check_Update->SetCaption(text(311));
    Btn_OK->SetCaption(text(312));
    Btn_Cancel->SetCaption(text(313));
    CB_Soft_Set_Jump_Table->SetCaption(text(320));
    CB_DoubleClick_Auto_Size->SetCaption(text(321));
}
