// The DeviceNet byte map ("DNETM_DefOff.xml"): for each slave of the saved slave list and each of its input
// and output bytes, the position in the internal array ("None" for none) and a mnemonic. Slaves are matched
// to the file by their place in the list.
#pragma once

#include "tables/fieldbus/UDNet_Tables.h"
#include "toolkit/controls/Forms.h"

#include <vector>

class TLabel;
class TPanel;
class TPageControl;
class TQvColumnGrid;
class TSbButton;
class TSplitter;
class TTabSheet;
class TXMLDocument;

// Columns of the slave grid (no row-number column) and of the two byte grids.
enum TDNetSlaveColumn : Integer { dsID = 0, dsNB_IN, dsNB_OUT, dsMnemonic };
enum TDNetByteColumn : Integer { dbByte = 0, dbOffset, dbMnemonic };

class TFDefOffset : public TForm {
public:
    explicit TFDefOffset(TComponent* AOwner);
    ~TFDefOffset() override;
    String ClassName() const override { return "TFDefOffset"; }

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Set_Lang();
    // The slave-list file into the slave grid and List_Slaves_DN, every byte at "None".
    void Load_Slave_DN();
    // The byte-map file into the slaves.
    void Load_Offset_Slave_DN();
    // Shows the first slave, or empties the byte grids when there is none.
    void Select_First();
    // The slave grid's current row changed (by click or key): the shown slave keeps what was entered for
    // it, and the current one is shown.
    void ACG_DN_SlavesClick(TObject* Sender);
    void Update_Slave_DN();
    // The byte grids into the slave they show.
    void Save_Data_ByteIN_ByteOUT();
    // True when no output position is used twice or lies beyond the array; else the message was shown.
    bool Check_Data();
    bool Save_Offset_Slave_DN();
    void bitbtn1Click(TObject* Sender);

    // False after a showing that could not read a file whole: OK then asks before replacing the map.
    bool LoadComplete() const { return FLoadComplete; }

    std::vector<TSlave_DN> List_Slaves_DN;
    // The slave the byte grids show (its index in List_Slaves_DN), -1 for none.
    Integer Slave_Before_Select = -1;
    static constexpr Integer MAX_BYTE_IN = DNet_Max_Byte;
    static constexpr Integer MAX_BYTE_OUT = DNet_Max_Byte;

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Slaves = nullptr;
    TLabel* Label1 = nullptr;
    TQvColumnGrid* ACG_DN_Slaves = nullptr;
    TSplitter* Splitter1 = nullptr;
    TPanel* P_Bytes = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TS_ByteIN = nullptr;
    TQvColumnGrid* ACG_ByteIN = nullptr;
    TTabSheet* TS_ByteOUT = nullptr;
    TQvColumnGrid* ACG_ByteOUT = nullptr;
    TPanel* P_Button = nullptr;
    TSbButton* Btn_OK = nullptr;
    TSbButton* Btn_Cancel = nullptr;
    TXMLDocument* XML1 = nullptr;

private:
    // Reads a file of the map into XML1; false (the problem noted) when it is there but does not read.
    bool loadFile(const String& path);
    void noteProblem(const String& path, const String& problem);

    QStringList FProblems;
    bool FLoadComplete = true;
    bool FSwitching = false;
};

extern TFDefOffset* FDefOffset;
