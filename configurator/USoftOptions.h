// The options dialog: the interface language, the four user options, and the version check that the main
// window's timer also uses.
#pragma once

#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/controls/Forms.h"

#include <array>
#include <memory>

class TLabel;
class TCheckBox;
class TPageControl;
class TTabSheet;
class TSbButton;
class TStringList;
class THttpClient;

// A version text ("VER. 1.004", "1.003") as a number, major * 1000 + minor (1004, 1003); -1 when the text
// after the first blank does not begin with "<major>.<three digits>".
int Conv_Version(const String& Ver_str);
// Whether `answer`, the maker's reply to the version query, names a version newer than this program's.
bool Is_Newer_Version(const String& answer);
// The path of the version query on the maker's web server.
String Version_Query_Path();
// The largest answer to the version query that is read: a version text, far from this size.
constexpr qint64 Max_Version_Answer_Bytes = 64 * 1024;

class TFSoftOptions : public TForm {
public:
    explicit TFSoftOptions(TComponent* AOwner);
    ~TFSoftOptions() override;
    String ClassName() const override { return "TFSoftOptions"; }

    // How long the version query waits for the maker's server before it counts as no news.
    int Version_Timeout_Ms = 10000;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;
    TPageControl* PC_Options = nullptr;
    TTabSheet* TS_Language = nullptr;
    TTabSheet* TS_Con_Options = nullptr;
    TTabSheet* TS_Soft_Settings = nullptr;
    TLabel* L_Sel_Lang = nullptr;
    // The flags and their names, one Tab stop: the arrows move between the slots, Space or Enter chooses.
    TPanel* P_Flags = nullptr;
    TShape* Sh_Flag_Focus = nullptr;
    std::array<TImage*, 6> I_L{}; // I_L1 .. I_L6
    std::array<TLabel*, 6> L_L{}; // L_L1 .. L_L6
    TLabel* L_Page_Lang = nullptr;
    TSbButton* Btn_Prev = nullptr;
    TSbButton* Btn_Next = nullptr;
    TCheckBox* CB_En_Con = nullptr;
    TCheckBox* CB_Update = nullptr;
    TSbButton* Btn_Check_Update = nullptr;
    TLinkLabel* LL_Check_Update = nullptr;
    TCheckBox* CB_Soft_Set_Jump_Table = nullptr;
    TCheckBox* CB_DoubleClick_Auto_Size = nullptr;

    // The language file names ("<language>.lng"), sorted ignoring case.
    std::unique_ptr<TStringList> SL_Languages;
    // The language page shown, from 1.
    int Show_Page = 1;
    // The language chosen in the dialog; committed by OK.
    String Language_In_Use;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Create_Lang_List();
    void Update_Lang_Page(int Num_Page);
    void Btn_NextClick(TObject* Sender);
    void LangClick(TObject* Sender);
    void CB_En_ConClick(TObject* Sender);
    void Update_CheckBox();
    void Btn_Check_UpdateClick(TObject* Sender);
    void LL_Check_UpdateLinkClick(TObject* Sender, const String& Link, TSysLinkType LinkType);
    void Btn_OKClick(TObject* Sender);
    // Asks the maker's web server for the newest version: true when it is newer than this program. Any
    // failure (no host built in, no connection, an error status, no answer in Version_Timeout_Ms, an answer
    // larger than Max_Version_Answer_Bytes) is no news. The windows keep painting while it waits.
    bool Check_Version();
    void Set_Lang();

private:
    int Pages() const;
    void FlagsKeyDown(Word& Key);
    void ShowFlagFocus(bool on);
    // The slot (0 .. 5) the keyboard is on in the flags.
    int FFlagSlot = 0;
    // The texts on screen belong to another language than the one saved (a change not yet committed).
    bool FTextsChanged = false;
    std::unique_ptr<THttpClient> FOwnHttp;
};

extern TFSoftOptions* FSoftOptions;

// Puts the default flag picture into the language folder when it is missing there.
void Install_Default_Flag(const String& languageFolder);
