// The table windows as a person uses them: filling rows, copying, pasting, deleting with the question,
// OK and reopening; the one message of the check; the questions before data would be lost; a file that
// did not read; the row buttons' refusals; the grid events.
#include "TableWindowFixture.h"
#include "controls/buttons/SbButton.h"
#include "controls/grid/QvCGrid.h"
#include "tables/network/UMQTT_Set_Topic.h"
#include "tables/network/UMQTT_Topic_Tables.h"
#include "tables/network/UModbus_TCP_Master_Set_Access.h"
#include "tables/network/USetAccess.h"
#include "tables/network/UTopicTemplate.h"
#include "toolkit/stdctrls/ComCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/StringList.h"

using qvtables::ClickCell;
using qvtables::ClickControl;
using qvtables::TypeIntoCell;
using qvtables::TypeKey;

namespace {

QStringList gridRow(TQvColumnGrid* grid, int row) {
    QStringList cells;
    for (int c = 1; c < grid->ColCount() + grid->NumHiddenColumns(); ++c)
        cells << grid->GetCellEx(c, row);
    return cells;
}

void setGridRow(TQvColumnGrid* grid, int row, const QStringList& cells) {
    for (int c = 1; c <= cells.size(); ++c)
        grid->SetCellEx(c, row, cells[c - 1]);
}

// The display column of a real column.
int displayCol(TQvColumnGrid* grid, int real) {
    for (int d = 0; d < grid->ColCount(); ++d)
        if (grid->RealColIndex(d) == real) return d;
    return -1;
}

const QStringList kPublishA = {"plant/a", "N", "0", "Int", "2", "10", "",  "", "$VALUE$",
                               "N",       "",  "N", "",    "",  "N",  "N", "A"};
const QStringList kEmptyPublish = QStringList(17, QString());

// A publish row as a person enters it: text typed, check boxes clicked, list cells picked.
struct MqttPublishEntry {
    const char *topic, *qos, *dataType, *dimension, *position, *templ, *mnemonic;
    bool retained, onChange;
};

void mqttEnterPublishRow(TQvColumnGrid* pub, int row, const MqttPublishEntry& e) {
    const auto pick = [pub, row](int col, const char* item) { pub->SetCellEx(col, row, item); };
    TypeIntoCell(pub, mpTopic, row, e.topic);
    if (e.retained) ClickCell(pub, mpRetained, row);
    pick(mpQoS, e.qos);
    pick(mpDataType, e.dataType);
    TypeIntoCell(pub, mpDimension, row, e.dimension);
    TypeIntoCell(pub, mpPosition, row, e.position);
    pick(mpTemplate, e.templ);
    if (e.onChange) ClickCell(pub, mpOnChange, row);
    TypeIntoCell(pub, mpMnemonic, row, e.mnemonic);
}

// The row as entered: boxes never clicked and the columns a showing leaves alone stay empty.
QStringList mqttEntered(const MqttPublishEntry& e) {
    QStringList row = kEmptyPublish;
    row[mpTopic - 1] = e.topic;
    row[mpRetained - 1] = e.retained ? "Y" : "";
    row[mpQoS - 1] = e.qos;
    row[mpDataType - 1] = e.dataType;
    row[mpDimension - 1] = e.dimension;
    row[mpPosition - 1] = e.position;
    row[mpTemplate - 1] = e.templ;
    row[mpOnChange - 1] = e.onChange ? "Y" : "";
    row[mpMnemonic - 1] = e.mnemonic;
    return row;
}

// The same row read back from the file: the columns that are not stored take their loading values.
QStringList mqttReloaded(const MqttPublishEntry& e) {
    QStringList row = mqttEntered(e);
    row[mpSwap - 1] = row[mpSwapWord - 1] = "N";
    return row;
}

TEST_F(TableWindowTest, APersonFillsCopiesPastesDeletesSavesAndReopens) {
    const MqttPublishEntry a = {"plant/a", "0", "Int", "2", "10", "$VALUE$", "A", false, false};
    const MqttPublishEntry b = {"plant/b", "1", "Float", "4", "20", "", "B", true, true};
    qvtest::ScriptedInteraction seam;
    Enable_Jump_Field = true;
    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* pub = FMQTT_Set_Topic->ACG_Pub;
        mqttEnterPublishRow(pub, 1, a);
        mqttEnterPublishRow(pub, 2, b);
        EXPECT_EQ(gridRow(pub, 1), mqttEntered(a));
        EXPECT_EQ(gridRow(pub, 2), mqttEntered(b));
        // Enter in the last column of row 2 goes on to the first column of row 3.
        pub->SetRow(2);
        pub->SetCol(pub->ColCount() - 1);
        TypeKey(pub, Qt::Key_Return, "\r");
        EXPECT_EQ(pub->Row(), 3);
        EXPECT_EQ(pub->Col(), 1);
        ClickCell(pub, mpTopic, 1);
        ClickControl(FMQTT_Set_Topic->Btn_CopyRow);
        EXPECT_TRUE(FMQTT_Set_Topic->Do_Copy_Pub());
        ClickCell(pub, mpTopic, 3);
        ClickControl(FMQTT_Set_Topic->Btn_PasteRow); // an empty row: no question
        EXPECT_EQ(gridRow(pub, 3), mqttEntered(a));
        seam.AnswerMessage(mrYes);
        ClickCell(pub, mpTopic, 2);
        ClickControl(FMQTT_Set_Topic->Btn_DelRow);
        EXPECT_EQ(gridRow(pub, 2), mqttEntered(a));
        EXPECT_EQ(gridRow(pub, 3), kEmptyPublish);
        EXPECT_EQ(pub->GetCellEx(0, 3), "3");
        ClickControl(FMQTT_Set_Topic->Btn_OK);
    });
    EXPECT_EQ(FMQTT_Set_Topic->ShowModal(), mrOk);
    EXPECT_EQ(seam.Messages(), QStringList{"Are you sure to delete the Row number 2"});

    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* pub = FMQTT_Set_Topic->ACG_Pub;
        EXPECT_EQ(gridRow(pub, 1), mqttReloaded(a));
        EXPECT_EQ(gridRow(pub, 2), mqttReloaded(a));
        EXPECT_EQ(gridRow(pub, 3), kEmptyPublish);
        // A new showing forgets the copy of the last one.
        EXPECT_FALSE(FMQTT_Set_Topic->Do_Copy_Pub());
        seam.AnswerMessage(mrOk);
        ClickCell(pub, mpTopic, 3);
        ClickControl(FMQTT_Set_Topic->Btn_PasteRow);
        EXPECT_EQ(gridRow(pub, 3), kEmptyPublish);
        ClickControl(FMQTT_Set_Topic->Btn_Cancel);
    });
    EXPECT_EQ(FMQTT_Set_Topic->ShowModal(), mrCancel);
    EXPECT_EQ(seam.Messages().last(), "Error!!! Copy a valid row before Paste it");
    EXPECT_EQ(seam.Pending(), 0);
    EXPECT_TRUE(FileBytes(File_MQTT_Set_Topic).contains("Topic=\"plant/a\""));
    EXPECT_FALSE(FileBytes(File_MQTT_Set_Topic).contains("plant/b"));
}

TEST_F(TableWindowTest, TheCheckShowsOneMessageAndOKWritesNothing) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm*) {
        setGridRow(FSetAccess->ACG_Modbus_Read, 1,
                   {"Y", "1", "Holding Register", "0", "125", "1000", "0", "1251", "0", "N", "N", "", "m"});
        seam.AnswerMessage(mrOk);
        ClickControl(FSetAccess->Btn_OK);
        EXPECT_EQ(FSetAccess->ModalResult(), mrNone);
        FSetAccess->ACG_Modbus_Read->SetCellEx(mrPosition, 1, "1250");
        ClickControl(FSetAccess->Btn_OK);
    });
    EXPECT_EQ(FSetAccess->ShowModal(), mrOk);
    EXPECT_EQ(seam.Messages(),
              QStringList{
                  "Error row 1!! [Modbus Read] Too many bytes to save starting from the Position indicate"});
    EXPECT_TRUE(FileBytes(File_ModbusM_SetAccess).contains("Position=\"1250\""));
}

TEST_F(TableWindowTest, OKAsksBeforeRowsBelowTheTableAreLeftOut) {
    qvtest::ScriptedInteraction seam;
    const QStringList rule = {"Y", "10.0.0.1", "502", "1", "Coil Status", "0", "8", "100",
                              "0", "0",        "0",   "N", "N",           "",  "r"};
    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* read = FModbus_TCP_Master_Set_Access->ACG_Modbus_Read;
        setGridRow(read, 1, rule);
        setGridRow(read, 3, rule);
        seam.AnswerMessage(mrNo);
        ClickControl(FModbus_TCP_Master_Set_Access->Btn_OK);
        EXPECT_EQ(FModbus_TCP_Master_Set_Access->ModalResult(), mrNone);
        EXPECT_FALSE(QFile::exists(File_ModbusTCPM_SetAccess));
        seam.AnswerMessage(mrYes);
        ClickControl(FModbus_TCP_Master_Set_Access->Btn_OK);
    });
    EXPECT_EQ(FModbus_TCP_Master_Set_Access->ShowModal(), mrOk);
    EXPECT_EQ(seam.Messages().size(), 2);
    EXPECT_EQ(seam.Messages().first(), Text(2404));
    EXPECT_EQ(FileBytes(File_ModbusTCPM_SetAccess).count("<row "), 1);
}

TEST_F(TableWindowTest, AFileThatDidNotReadIsReportedAndReplacedOnlyAfterAYes) {
    QString rows;
    for (int i = 0; i < 513; ++i)
        rows += "<row Enable='Y' Slave_ID='1' Type='Coil Status' Address='0' NPoint='1' PollTime='1' "
                "MaxError='0' "
                "Position='0' Bit='0' Mnemonic='m'/>";
    const struct {
        const char* name;
        QByteArray file;
        int rowsRead;
    } cases[] = {
        {"malformed", "<EtherNetIP_to_Modbus><Modbus_Read><row", 0},
        {"a required attribute missing",
         "<EtherNetIP_to_Modbus><Modbus_Read><row Enable='Y' Slave_ID='1' Type='Coil Status' Address='0' "
         "NPoint='1' "
         "PollTime='1' "
         "MaxError='0' Position='0' Bit='0' Mnemonic='m'/><row Enable='N' Type='Coil "
         "Status'/></Modbus_Read></EtherNetIP_to_Modbus>",
         1},
        {"more rows than the grid",
         ("<EtherNetIP_to_Modbus><Modbus_Read>" + rows + "</Modbus_Read></EtherNetIP_to_Modbus>").toUtf8(),
         512},
        // Well-formed, but no table of this window: it would read as an empty one.
        {"another table saved under this name", Fixture("KNX_SetAccess.xml"), 0},
        {"deep nesting under the right root",
         "<EtherNetIP_to_Modbus>" + QByteArray("<a>").repeated(200000) + QByteArray("</a>").repeated(200000) +
             "</EtherNetIP_to_Modbus>",
         0},
    };
    qvtest::ScriptedInteraction seam;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PutFile(File_ModbusM_SetAccess, c.file);
        seam.AnswerMessage(mrOk); // the report at the showing
        seam.AnswerModal([&](TCustomForm*) {
            EXPECT_FALSE(FSetAccess->LoadComplete());
            TQvColumnGrid* read = FSetAccess->ACG_Modbus_Read;
            EXPECT_EQ(read->GetCellEx(mrSlave_ID, 1), c.rowsRead ? "1" : "");
            EXPECT_EQ(read->GetCellEx(mrSlave_ID, 512), c.rowsRead == 512 ? "1" : "");
            seam.AnswerMessage(mrNo);
            ClickControl(FSetAccess->Btn_OK);
            EXPECT_EQ(FSetAccess->ModalResult(), mrNone);
            EXPECT_EQ(FileBytes(File_ModbusM_SetAccess), c.file);
            seam.AnswerMessage(mrYes);
            ClickControl(FSetAccess->Btn_OK);
        });
        EXPECT_EQ(FSetAccess->ShowModal(), mrOk);
        const QStringList shown = seam.Messages().mid(seam.Messages().size() - 3);
        EXPECT_TRUE(shown[0].startsWith(Text(1310) + File_ModbusM_SetAccess + "\r\n"))
            << shown[0].toStdString();
        // The file is named once, also when the reader's own words would name it again.
        EXPECT_EQ(shown[0].count(File_ModbusM_SetAccess), 1) << shown[0].toStdString();
        EXPECT_EQ(shown[1], Text(1311));
        EXPECT_EQ(shown[2], Text(1311));
        EXPECT_EQ(FileBytes(File_ModbusM_SetAccess).count("<row "), c.rowsRead);
    }
    EXPECT_EQ(seam.Pending(), 0);
}

TEST_F(TableWindowTest, ASaveThatFailsIsShownAndTheWindowStaysOpen) {
    qvtest::ScriptedInteraction seam;
    File_MQTT_Set_Topic = Dir_Project + "/missing/MQTT_Set_Topic.xml";
    seam.AnswerModal([&](TCustomForm*) {
        setGridRow(FMQTT_Set_Topic->ACG_Pub, 1, kPublishA);
        seam.AnswerMessage(mrOk);
        ClickControl(FMQTT_Set_Topic->Btn_OK);
        EXPECT_EQ(FMQTT_Set_Topic->ModalResult(), mrNone);
        EXPECT_EQ(FMQTT_Set_Topic->ACG_Pub->GetCellEx(1, 1), "plant/a");
    });
    EXPECT_EQ(FMQTT_Set_Topic->ShowModal(), mrCancel);
    EXPECT_EQ(seam.Messages().size(), 1);
    EXPECT_EQ(seam.Pending(), 0);
}

TEST_F(TableWindowTest, RowButtonsRefuseAndAskAsTheFrameSays) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* read = FSetAccess->ACG_Modbus_Read;
        TQvColumnGrid* write = FSetAccess->ACG_Modbus_Write;
        const QStringList rule = {"Y", "7", "Coil Status", "0", "8", "100", "0", "0", "0", "N", "N", "", "r"};
        setGridRow(read, 1, rule);
        read->SetRow(1);
        ClickControl(FSetAccess->Btn_CopyRow);
        // The copy belongs to the read grid: pasting on the write page is refused.
        FSetAccess->PageControl1->SetActivePageIndex(1);
        seam.AnswerMessage(mrOk);
        ClickControl(FSetAccess->Btn_PasteRow);
        EXPECT_EQ(gridRow(write, 1)[1], "");
        FSetAccess->PageControl1->SetActivePageIndex(0);
        // A used row asks first; No leaves it.
        read->SetRow(2);
        read->SetCellEx(mrMnemonic, 2, "mine");
        seam.AnswerMessage(mrNo);
        ClickControl(FSetAccess->Btn_PasteRow);
        EXPECT_EQ(read->GetCellEx(mrSlave_ID, 2), "");
        seam.AnswerMessage(mrYes);
        ClickControl(FSetAccess->Btn_PasteRow);
        EXPECT_EQ(gridRow(read, 2), rule);
        // A buffer of another table's width is refused.
        Copy_Row_Buffer->Add("extra");
        seam.AnswerMessage(mrOk);
        read->SetRow(4);
        ClickControl(FSetAccess->Btn_PasteRow);
        EXPECT_EQ(read->GetCellEx(mrSlave_ID, 4), "");
        // Insert puts "Y" into the new row's Enable; No to the delete question leaves the row.
        read->SetRow(1);
        ClickControl(FSetAccess->Btn_InsRow);
        EXPECT_EQ(read->GetCellEx(1, 1), "Y");
        EXPECT_EQ(read->GetCellEx(mrSlave_ID, 1), "");
        EXPECT_EQ(gridRow(read, 2), rule);
        seam.AnswerMessage(mrNo);
        ClickControl(FSetAccess->Btn_DelRow);
        EXPECT_EQ(gridRow(read, 2), rule);
        ClickControl(FSetAccess->Btn_Cancel);
    });
    FSetAccess->ShowModal();
    EXPECT_EQ(seam.Messages(),
              (QStringList{Text(1302), Text(1300), Text(1300), Text(1301), Text(1588) + "1"}));
    EXPECT_EQ(seam.Pending(), 0);
}

TEST_F(TableWindowTest, InsertOnTheSubscribePageLeavesTheNewRowEmpty) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* sub = FMQTT_Set_Topic->ACG_Sub;
        sub->SetCellEx(msTopic, 1, "t");
        FMQTT_Set_Topic->PageControl1->SetActivePageIndex(1);
        sub->SetRow(1);
        ClickControl(FMQTT_Set_Topic->Btn_InsRow);
        EXPECT_EQ(sub->GetCellEx(1, 1), "");
        EXPECT_EQ(sub->GetCellEx(1, 2), "t");
        EXPECT_EQ(FMQTT_Set_Topic->ACG_Pub->GetCellEx(1, 2), "");
        ClickControl(FMQTT_Set_Topic->Btn_Cancel);
    });
    FMQTT_Set_Topic->ShowModal();
}

TEST_F(TableWindowTest, GridEventsHintsRowSelectionAndTheTemplateDialog) {
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* read = FSetAccess->ACG_Modbus_Read;
        String hint = "proposed";
        read->OnGridHint(read, 0, 2, hint);
        EXPECT_EQ(hint, "Insert the Slave ID of Modbus Slave");
        hint = "proposed";
        read->OnGridHint(read, 3, 2, hint);
        EXPECT_EQ(hint, "proposed");
        read->OnClickCell(read, 6, 0);
        EXPECT_TRUE(read->IsSelected(3, 6));
        // The serial window remembers the item picked in a read rule's Topic column.
        read->OnComboChange(read, mrTopic, 3, 5, "topic");
        EXPECT_EQ(FSetAccess->ComboItem_Topic()[2], 5);
        ClickControl(FSetAccess->Btn_Cancel);
    });
    FSetAccess->ShowModal();

    // Enter moves on only in the TCP window's write grid.
    Enable_Jump_Field = true;
    seam.AnswerModal([&](TCustomForm*) {
        for (TQvColumnGrid* grid : {FModbus_TCP_Master_Set_Access->ACG_Modbus_Read,
                                    FModbus_TCP_Master_Set_Access->ACG_Modbus_Write}) {
            grid->SetCol(2);
            grid->SetRow(1);
            TypeKey(grid, Qt::Key_Return, "\r");
            EXPECT_EQ(grid->Col(), grid == FModbus_TCP_Master_Set_Access->ACG_Modbus_Read ? 2 : 3);
        }
        ClickControl(FModbus_TCP_Master_Set_Access->Btn_Cancel);
    });
    FModbus_TCP_Master_Set_Access->ShowModal();

    seam.AnswerModal([&](TCustomForm*) {
        TQvColumnGrid* pub = FMQTT_Set_Topic->ACG_Pub;
        // The hint of a column after hidden ones is found by its real index.
        String hint;
        pub->OnGridHint(pub, 0, displayCol(pub, mpTemplate), hint);
        EXPECT_EQ(hint, "Insert the Template");
        pub->OnClickCell(pub, 6, 0);
        EXPECT_FALSE(pub->IsSelected(3, 6));
        pub->SetCellEx(mpTemplate, 2, "$VALUE$");
        pub->SetRow(2);
        pub->SetCol(displayCol(pub, mpTemplate));
        seam.AnswerModal([](TCustomForm* f) {
            auto* dialog = static_cast<TFTopicTemplate*>(f);
            EXPECT_EQ(dialog->Caption(), "Set Template");
            EXPECT_EQ(dialog->RE_TopicTemplate->Text(), "$VALUE$");
            dialog->RE_TopicTemplate->SetText("{\"t\": $VALUE$}\r\nend");
            ClickControl(dialog->Btn_OK);
        });
        pub->OnDblClickCell(pub, 2, displayCol(pub, mpTemplate));
        EXPECT_EQ(pub->GetCellEx(mpTemplate, 2), "{\"t\": $VALUE$}\r\nend");
        seam.AnswerModal([](TCustomForm* f) {
            static_cast<TFTopicTemplate*>(f)->RE_TopicTemplate->SetText("changed");
            ClickControl(static_cast<TFTopicTemplate*>(f)->Btn_Cancel);
        });
        pub->OnDblClickCell(pub, 2, displayCol(pub, mpTemplate));
        EXPECT_EQ(pub->GetCellEx(mpTemplate, 2), "{\"t\": $VALUE$}\r\nend");
        // Elsewhere a double click opens nothing.
        pub->SetCol(1);
        pub->OnDblClickCell(pub, 2, 1);
        ClickControl(FMQTT_Set_Topic->Btn_Cancel);
    });
    FMQTT_Set_Topic->ShowModal();
    EXPECT_EQ(seam.Pending(), 0);
}

} // namespace
