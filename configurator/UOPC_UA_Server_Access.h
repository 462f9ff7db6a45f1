// TFOPC_UA_Server_Access: the table of OPC UA server variables of the open configuration, each row
// mapping a piece of the converter's internal byte array; loads, checks and writes "OPC_UA_Server.xml".
#pragma once

#include "controls/grid/QvObj.h"
#include "toolkit/controls/Forms.h"

#include <memory>

class TLabel;
class TPanel;
class TSbButton;
class TQvStringGrid;
class TStringList;
class TXMLDocument;

// Column numbers of the table.
enum TOPC_UA_Column {
    OPC_Col_N,
    OPC_Col_Enable,
    OPC_Col_NodeType,
    OPC_Col_Type,
    OPC_Col_Position,
    OPC_Col_StartBit,
    OPC_Col_Length,
    OPC_Col_Name,
    OPC_Col_ReadWrite,
    OPC_Col_Swap,
    OPC_Col_SwapWord,
    OPC_Col_SwapAll,
    OPC_Col_Mnemonic,
    OPC_Col_Count
};
constexpr int OPC_UA_Data_Rows = 250;
// Positions in the internal byte array run from 0 to this bound.
constexpr int OPC_UA_Max_Position = 1999;
// Longest attribute text the table file may hold.
constexpr qsizetype Max_OPC_UA_Text = 4096;
// The question before OK leaves out a row that holds data but no type (formatted with that row).
constexpr int Text_OPC_UA_Row_Without_Type = 1441;
// Why a file could not be taken whole: no variables element; more variables than rows (with both counts).
constexpr int Text_OPC_UA_No_Variables = 1442;
constexpr int Text_OPC_UA_Too_Many_Variables = 1443;

class TFOPC_UA_Server_Access : public TForm {
public:
    explicit TFOPC_UA_Server_Access(TComponent* AOwner);
    ~TFOPC_UA_Server_Access() override;
    String ClassName() const override { return "TFOPC_UA_Server_Access"; }

    void FormCreate(TObject* Sender);
    void Set_Lang();
    void Init_Table();
    // Clears the table (every box reset, every cell editable) and loads the file; a file that does not
    // read is told by a message, and OK then asks before replacing it.
    void FormShow(TObject* Sender);
    void QSGGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
    void QSGComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex, const String& ASelection);
    // Length and its read-only state follow a known type; an empty R/W cell becomes "Read/Write".
    void VarSetLength(const String& Type, int ACol, int ARow);
    void Btn_DelRowClick(TObject* Sender);
    void Btn_InsRowClick(TObject* Sender);
    void Btn_CopyRowClick(TObject* Sender);
    void Btn_PasteRowClick(TObject* Sender);
    void QSGClickCell(TObject* Sender, int ARow, int ACol);
    void QSGDblClickCell(TObject* Sender, int ARow, int ACol);
    void QSGKeyPress(TObject* Sender, QChar& Key);
    // True when every enabled row with a type has a position in range; else the first failure's message.
    bool Controllo_dati();
    // The first row without a type that holds text in another column (a row the file will not keep); 0: none.
    int First_Row_Without_Type() const;
    void Btn_OKClick(TObject* Sender);
    // The table as the file stores it (rows with a type, in order); false with the library's error.
    bool Save_Table(const String& fileName);

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;
    TSbButton* Btn_DelRow = nullptr;
    TSbButton* Btn_InsRow = nullptr;
    TSbButton* Btn_CopyRow = nullptr;
    TSbButton* Btn_PasteRow = nullptr;
    TQvStringGrid* QSG = nullptr;
    TXMLDocument* XML1 = nullptr;
    std::unique_ptr<TStringList> NodeType;
    std::unique_ptr<TStringList> VarType;
    std::unique_ptr<TStringList> RWType;
    std::unique_ptr<TStringList> StartBitType;
    bool Do_Copy = false;
    // Why the file shown last could not be taken whole (empty when it could).
    String Load_Problem;

private:
    void Clear_Table();
    void Load_Table();
    bool Checked(int ACol, int ARow);
};

extern TFOPC_UA_Server_Access* FOPC_UA_Server_Access;
