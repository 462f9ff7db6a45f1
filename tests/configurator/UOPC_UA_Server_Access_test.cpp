// The OPC UA variable table window: set-up, the type rule, loading (hand-edited and broken files), the
// data check, writing, the row buttons, and a whole round from filling the table to the device images.
#include "ProgramFixture.h"
#include "TestSupport.h"
#include "configurator/UComon.h"
#include "configurator/ULanguage.h"
#include "configurator/UOPC_UA_Server_Access.h"
#include "configurator/UOpenConf.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "configurator/USaveBincc.h"
#include "controls/buttons/SbButton.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/edit/GridCombo.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {
const QString kOpcData = QString(QV_TEST_DATA_DIR) + "/opcua/";

QByteArray opcRead(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void opcWrite(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray opcFile(const QByteArray& rows) {
    return "<OPC_UA_Server><OPC_UA_Server_Variables>" + rows +
           "</OPC_UA_Server_Variables></OPC_UA_Server><!--SW_VERSION = 1.003-->";
}
} // namespace

class OpcUaTable : public ::testing::Test {
protected:
    void SetUp() override {
        Reset_Program_State();
        Load_Default_Lang();
        Create_Shared_Lists();
        Dir = qvtest::TempDir();
        SetExeDirOverride(Dir);
        Dir_Project = Dir + "/PROJECTS/Line";
        ASSERT_TRUE(ForceDirectories(Dir_Project));
        Set_Table_File_Paths();
        SW_Code = Product_SW_Code;
        Form = new TFOPC_UA_Server_Access(Application);
        Form->AfterConstruction();
        G = Form->QSG;
    }
    void TearDown() override {
        delete Form;
        Free_Shared_Lists();
        SetExeDirOverride("");
        Reset_Program_State();
    }
    // Shows the window as the main window does, running `script` inside, and answers the messages given.
    int Show(std::function<void()> script) {
        ui.AnswerModal([script](TCustomForm*) { script(); });
        return Form->ShowModal();
    }
    bool Box(int col, int row) {
        bool state = false;
        EXPECT_TRUE(G->GetCheckBoxState(col, row, state)) << col << "," << row;
        return state;
    }
    // What the person does with the Type combo, with the mouse: a click makes the cell current, a second
    // one opens its combo, a click on the drop button opens the list and a click on the type picks it;
    // Enter closes the combo and the cell keeps the choice.
    void PickType(int row, const QString& type) {
        OpenTypeList(row);
        TGridCombo* combo = G->Combobox();
        QAbstractItemView* view = static_cast<QComboBox*>(combo->Widget())->view();
        const int index = combo->Items()->IndexOf(type);
        ASSERT_GE(index, 0) << type.toStdString();
        // The pointer goes down the list to the type, then clicks.
        const QPoint item = view->visualRect(view->model()->index(index, 0)).center();
        QMouseEvent move(QEvent::MouseMove, item, view->viewport()->mapToGlobal(item), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        ClickAt(view->viewport(), item);
        QApplication::processEvents(); // the close of the list is posted
        // The window system gives the activation back to the window once its list closed.
        if (QApplication::activeWindow() != Form->Widget()) Form->Widget()->activateWindow();
        QApplication::processEvents();
        EXPECT_FALSE(combo->DroppedDown());
        EXPECT_EQ(combo->Text(), type);
        PressKey(Qt::Key_Return, "\r");
        EXPECT_FALSE(combo->Visible());
        EXPECT_EQ(G->Cells(OPC_Col_Type, row), type);
    }
    void OpenTypeList(int row) {
        QApplication::processEvents(); // the shown window becomes the active one
        const TRect r = G->CellRect(OPC_Col_Type, row);
        const QPoint centre((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        ClickAt(GridCells(), centre);
        ClickAt(GridCells(), centre);
        TGridCombo* combo = G->Combobox();
        ASSERT_TRUE(combo->Visible());
        ASSERT_EQ(QApplication::focusWidget(), combo->Widget());
        ClickAt(combo->Widget(), QPoint(combo->Width() - 6, combo->Height() / 2));
        ASSERT_TRUE(combo->DroppedDown());
    }
    // The widget that shows the cells (client coordinates of the grid): its one direct child that is no
    // scroll bar.
    QWidget* GridCells() const {
        for (QWidget* w : G->Widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QScrollBar*>(w)) return w;
        return G->Widget();
    }
    static void ClickAt(QWidget* w, QPoint at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(w, &release);
    }
    // A key goes where the platform sends it: to an open list, else to the widget with the focus.
    static void PressKey(int key, const QString& text = QString()) {
        QWidget* popup = QApplication::activePopupWidget();
        QWidget* w =
            popup ? (popup->focusWidget() ? popup->focusWidget() : popup) : QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &press);
        if (QWidget* now = QApplication::focusWidget()) w = now;
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &release);
    }
    qvtest::ScriptedInteraction ui;
    QString Dir;
    TFOPC_UA_Server_Access* Form = nullptr;
    TQvStringGrid* G = nullptr;
};

TEST_F(OpcUaTable, TableHasItsColumnsHeadersTintsAndLists) {
    EXPECT_EQ(G->ColCount(), 13);
    EXPECT_EQ(G->RowCount(), 251);
    const char* headers[] = {"N",    "Enable", "Node Type", "Type",      "Position", "Start Bit", "Length",
                             "Name", "R/W",    "Swap",      "Swap Word", "Swap All", "Mnemonic"};
    const int widths[] = {40, 50, 120, 120, 70, 70, 70, 200, 70, 70, 70, 70, 200};
    for (int c = 0; c < 13; ++c) {
        EXPECT_EQ(G->Cells(c, 0), headers[c]) << c;
        EXPECT_EQ(G->ColWidths(c), widths[c]) << c;
    }
    EXPECT_EQ(G->Colors(1, 250), TColor(0xB0D8FF));
    EXPECT_EQ(G->Colors(7, 1), TColor(0xF4D6FC));
    EXPECT_EQ(G->Alignments(10, 5), taCenter);
    EXPECT_EQ(G->Cells(0, 250), "250");
    EXPECT_EQ(Form->VarType->Count(), 13);
    const std::pair<int, const char*> lists[] = {{OPC_Col_NodeType, "Numeric\nString"},
                                                 {OPC_Col_StartBit, "0\n1\n2\n3\n4\n5\n6\n7"},
                                                 {OPC_Col_ReadWrite, "Read Only\nRead/Write"}};
    for (auto [col, items] : lists) {
        TEditorType kind = edNormal;
        Form->QSGGetEditorType(G, col, 1, kind);
        EXPECT_EQ(kind, edComboList) << col;
        EXPECT_EQ(G->ComboItems()->Text().trimmed().replace("\r\n", "\n"), items) << col;
    }
    TEditorType plain = edNormal;
    Form->QSGGetEditorType(G, OPC_Col_Name, 1, plain);
    EXPECT_EQ(plain, edNormal);
}

TEST_F(OpcUaTable, LanguageChangeReachesCaptionsHintsAndHeaders) {
    Lang_Texts->SetStrings(1400, "Variabili");
    Lang_Texts->SetStrings(1404, "Cancella");
    Lang_Texts->SetStrings(1413, "Incolla la riga");
    Lang_Texts->SetStrings(1419, "Nome");
    Form->Set_Lang();
    EXPECT_EQ(Form->Caption(), "Variabili");
    EXPECT_EQ(Form->Btn_DelRow->Caption(), "Cancella");
    EXPECT_EQ(Form->Btn_PasteRow->Hint(), "Incolla la riga");
    EXPECT_EQ(G->Cells(OPC_Col_Name, 0), "Nome");
    Load_Default_Lang();
}

TEST_F(OpcUaTable, TypeDecidesLengthAndItsReadOnlyStateAndFillsAnEmptyAccess) {
    struct Case {
        const char* type;
        const char* length;
        bool readOnly;
    } cases[] = {{"Int32", "4", true},    {"Boolean", "1", true},      {"Double", "8", true},
                 {"String", "10", false}, {"ByteString", "10", false}, {"int32", "7", true},
                 {"", "7", true}};
    for (const Case& c : cases) {
        G->SetCellEx(OPC_Col_Length, 3, "7");
        G->SetReadOnly(OPC_Col_Length, 3, true);
        G->SetCellEx(OPC_Col_ReadWrite, 3, "");
        Form->VarSetLength(c.type, OPC_Col_Type, 3);
        EXPECT_EQ(G->Cells(OPC_Col_Length, 3), c.length) << c.type;
        EXPECT_EQ(G->ReadOnly(OPC_Col_Length, 3), c.readOnly) << c.type;
        EXPECT_EQ(G->Cells(OPC_Col_ReadWrite, 3), "Read/Write") << c.type;
    }
    G->SetCellEx(OPC_Col_ReadWrite, 3, "Read Only");
    Form->VarSetLength("Int16", OPC_Col_Type, 3);
    EXPECT_EQ(G->Cells(OPC_Col_ReadWrite, 3), "Read Only");
}

TEST_F(OpcUaTable, HandEditedFileLoadsWithTheAttributeRules) {
    opcWrite(File_OPC_UA_Server, opcRead(kOpcData + "hand_edited.xml"));
    EXPECT_EQ(Show([this] { Form->SetModalResult(mrCancel); }), mrCancel);
    EXPECT_TRUE(ui.Messages().isEmpty());
    // Row 1: no Enable (ticked), a Double with the file's length kept read-only, no R/W, "y" ticks Swap.
    EXPECT_TRUE(Box(OPC_Col_Enable, 1));
    EXPECT_EQ(G->Cells(OPC_Col_Length, 1), "3");
    EXPECT_TRUE(G->ReadOnly(OPC_Col_Length, 1));
    EXPECT_EQ(G->Cells(OPC_Col_ReadWrite, 1), "");
    EXPECT_TRUE(Box(OPC_Col_Swap, 1));
    EXPECT_FALSE(Box(OPC_Col_SwapWord, 1));
    // Row 2 (the comment took no row): " Y " ticks Enable; an empty SwapAll is not "N".
    EXPECT_EQ(G->Cells(OPC_Col_Name, 2), "padded Y");
    EXPECT_TRUE(Box(OPC_Col_Enable, 2));
    EXPECT_TRUE(Box(OPC_Col_SwapAll, 2));
    EXPECT_EQ(G->Cells(OPC_Col_Length, 2), "");
    // Row 3: "y" is not "Y"; row 4 is the disabled row after the foreign element.
    EXPECT_FALSE(Box(OPC_Col_Enable, 3));
    EXPECT_EQ(G->Cells(OPC_Col_Name, 4), "disabled, out of range");
    EXPECT_EQ(G->Cells(OPC_Col_Name, 5), "");
    EXPECT_TRUE(Box(OPC_Col_Enable, 5));
    EXPECT_TRUE(Form->Controllo_dati());

    // The image builder takes the same rows as enabled.
    String error;
    ASSERT_TRUE(Load_OPC_UA_Variables(0x80000, error)) << error.toStdString();
    ASSERT_EQ(OPC_UA_Server_Rec.Num_Var, 2);
    EXPECT_EQ(OPC_UA_Server_Rec.Variables[0].Name, "no Enable, short Double");
    EXPECT_EQ(OPC_UA_Server_Rec.Variables[1].Name, "padded Y");
}

TEST_F(OpcUaTable, ShowingAgainForgetsTicksAndLocksOfTheLastShowing) {
    Show([this] {
        G->SetCheckBoxState(OPC_Col_Swap, 4, true);
        G->SetCheckBoxState(OPC_Col_Enable, 4, false);
        G->SetReadOnly(OPC_Col_Length, 4, true);
        G->SetCellEx(OPC_Col_Name, 4, "cancelled");
        Form->SetModalResult(mrCancel);
    });
    Show([this] { Form->SetModalResult(mrCancel); });
    EXPECT_FALSE(Box(OPC_Col_Swap, 4));
    EXPECT_TRUE(Box(OPC_Col_Enable, 4));
    EXPECT_FALSE(G->ReadOnly(OPC_Col_Length, 4));
    EXPECT_EQ(G->Cells(OPC_Col_Name, 4), "");
    EXPECT_FALSE(Form->Do_Copy);
}

TEST_F(OpcUaTable, UnreadableFilesAreToldAndOnlyReplacedAfterAsking) {
    struct Case {
        const char* name;
        QByteArray bytes;
        int rowsLoaded;
    } cases[] = {
        {"not XML", "<OPC_UA_Server><OPC_UA_Server_Variables><row Type=\"Byte\"", 0},
        {"no variables element", "<OPC_UA_Server><Other/></OPC_UA_Server>", 0},
        {"too many rows",
         opcFile(QByteArray("<row Type=\"Byte\" Position=\"1\" Name=\"v\" />").repeated(260)), 250},
    };
    for (const Case& c : cases) {
        opcWrite(File_OPC_UA_Server, c.bytes);
        const int base = ui.Messages().size();
        ui.AnswerMessage(mrOk); // the report when the window opens
        ui.AnswerMessage(mrNo); // keep the file
        Show([this] {
            Form->Btn_OK->Click();
            Form->SetModalResult(mrCancel);
        });
        ASSERT_EQ(ui.Messages().size(), base + 2) << c.name;
        EXPECT_TRUE(ui.Messages()[base].contains(File_OPC_UA_Server)) << c.name;
        EXPECT_EQ(opcRead(File_OPC_UA_Server), c.bytes) << c.name;
        EXPECT_EQ(G->Cells(OPC_Col_Type, 250), c.rowsLoaded ? "Byte" : "") << c.name;
        EXPECT_EQ(G->Cells(OPC_Col_Type, 1), c.rowsLoaded ? "Byte" : "") << c.name;

        ui.AnswerMessage(mrOk);
        ui.AnswerMessage(mrYes); // replace it
        EXPECT_EQ(Show([this] { Form->Btn_OK->Click(); }), mrOk) << c.name;
        EXPECT_NE(opcRead(File_OPC_UA_Server), c.bytes) << c.name;
        TXMLDocument back;
        ASSERT_TRUE(back.LoadFromFile(File_OPC_UA_Server)) << c.name;
        EXPECT_EQ(back.DocumentElement().FindNode("OPC_UA_Server_Variables").ChildCount(), c.rowsLoaded)
            << c.name;
        QFile::remove(File_OPC_UA_Server);
    }
}

TEST_F(OpcUaTable, DataCheckCases) {
    struct Case {
        const char* type;
        bool enabled;
        const char* position;
        bool passes;
    } cases[] = {
        {"Byte", true, "2000", false}, {"Byte", true, "1999", true}, {"Byte", true, "0", true},
        {"Byte", true, "$10", true},   {"Byte", true, "0x10", true}, {"Byte", true, "", false},
        {"Byte", true, "-1", false},   {"Byte", true, "16 ", false}, {"Byte", true, " 16", true},
        {"Byte", false, "2000", true}, {"  ", true, "2000", true},   {"", true, "abc", true},
    };
    for (const Case& c : cases) {
        G->SetCellEx(OPC_Col_Type, 3, c.type);
        G->SetCheckBoxState(OPC_Col_Enable, 3, c.enabled);
        G->SetCellEx(OPC_Col_Position, 3, c.position);
        if (!c.passes) ui.AnswerMessage(mrOk);
        const int before = ui.Messages().size();
        EXPECT_EQ(Form->Controllo_dati(), c.passes) << c.type << "/" << c.position;
        if (!c.passes) {
            ASSERT_EQ(ui.Messages().size(), before + 1);
            EXPECT_EQ(ui.Messages().last(), "Error row 3!! Position Must be Between 0 and 1999");
        }
    }
}

TEST_F(OpcUaTable, SavingKeepsEveryRowWithATypeInOrder) {
    Show([this] {
        for (int r : {1, 2, 4}) {
            G->SetCellEx(OPC_Col_Type, r, "Byte");
            G->SetCellEx(OPC_Col_Position, r, IntToStr(r));
            G->SetCellEx(OPC_Col_Name, r, QStringLiteral("v%1").arg(r));
        }
        G->SetCheckBoxState(OPC_Col_Enable, 2, false);
        G->SetCellEx(OPC_Col_Position, 2, "5000"); // disabled: not checked, saved as it stands
        Form->Btn_OK->Click();
    });
    TXMLDocument back;
    ASSERT_TRUE(back.LoadFromFile(File_OPC_UA_Server));
    ASSERT_EQ(back.ChildNodes().Count(), 2);
    EXPECT_EQ(back.ChildNodes()[1].NodeValue(), "SW_VERSION = 1.003");
    const TXMLNodeList rows = back.DocumentElement().FindNode("OPC_UA_Server_Variables").ChildNodes();
    ASSERT_EQ(rows.Count(), 3);
    EXPECT_EQ(rows[1].Attributes("Enable"), "N");
    EXPECT_EQ(rows[1].Attributes("Position"), "5000");
    EXPECT_EQ(rows[2].Attributes("Name"), "v4");
    QStringList names;
    for (int i = 0; i < rows[0].AttributeCount(); ++i)
        names << rows[0].AttributeName(i);
    EXPECT_EQ(names.join(','),
              "Enable,NodeType,Type,Position,StartBit,Length,Name,ReadWrite,Swap,SwapWord,SwapAll,Mnemonic");
}

TEST_F(OpcUaTable, RowButtonsWorkOnTheCurrentRow) {
    ui.AnswerMessage(mrOk);
    ui.AnswerMessage(mrNo);
    ui.AnswerMessage(mrYes);
    Show([this] {
        Form->Btn_PasteRow->Click(); // nothing copied in this showing
        PickType(1, "String");
        G->SetCellEx(OPC_Col_Length, 1, "20");
        G->SetCellEx(OPC_Col_Name, 1, "text");
        G->SetRow(1);
        Form->Btn_CopyRow->Click();
        EXPECT_TRUE(Form->Do_Copy);
        G->SetRow(2);
        Form->Btn_PasteRow->Click();
        EXPECT_EQ(G->Cells(OPC_Col_Length, 2), "20");
        EXPECT_FALSE(G->ReadOnly(OPC_Col_Length, 2));
        EXPECT_EQ(G->Cells(OPC_Col_ReadWrite, 2), "Read/Write");
        G->SetRow(1);
        Form->Btn_InsRow->Click();
        EXPECT_EQ(G->Cells(OPC_Col_Name, 1), "");
        EXPECT_TRUE(Box(OPC_Col_Enable, 1));
        EXPECT_EQ(G->Cells(OPC_Col_Name, 3), "text");
        Form->Btn_DelRow->Click(); // answered No
        EXPECT_EQ(G->Cells(OPC_Col_Name, 2), "text");
        Form->Btn_DelRow->Click(); // answered Yes
        EXPECT_EQ(G->Cells(OPC_Col_Name, 1), "text");
        Form->SetModalResult(mrCancel);
    });
    EXPECT_EQ(ui.Messages(),
              QStringList({Lang_Texts->Strings(1302), "Are you sure to delete the Row number 1",
                           "Are you sure to delete the Row number 1"}));
}

TEST_F(OpcUaTable, FilledTableIsWrittenReadBackAndCarriedIntoTheDeviceImages) {
    EXPECT_EQ(Show([this] {
                  PickType(1, "Int32");
                  G->SetCellEx(OPC_Col_NodeType, 1, "Numeric");
                  G->SetCellEx(OPC_Col_Position, 1, "10");
                  G->SetCellEx(OPC_Col_StartBit, 1, "0");
                  G->SetCellEx(OPC_Col_Name, 1, "Counter");
                  G->ToggleCheckBox(OPC_Col_Swap, 1);
                  PickType(2, "String");
                  G->SetCellEx(OPC_Col_NodeType, 2, "String");
                  G->SetCellEx(OPC_Col_Position, 2, "20");
                  G->SetCellEx(OPC_Col_Length, 2, "16");
                  G->SetCellEx(OPC_Col_Name, 2, "Label");
                  G->SetCellEx(OPC_Col_ReadWrite, 2, "Read Only");
                  G->SetCellEx(OPC_Col_Mnemonic, 2, "shown text");
                  G->ToggleCheckBox(OPC_Col_Enable, 2);
                  G->ToggleCheckBox(OPC_Col_SwapAll, 2);
                  Form->Btn_OK->Click();
              }),
              mrOk);
    EXPECT_EQ(opcRead(File_OPC_UA_Server), opcRead(kOpcData + "filled_expected.xml"));

    Show([this] { Form->SetModalResult(mrCancel); });
    EXPECT_EQ(G->Cells(OPC_Col_Type, 1), "Int32");
    EXPECT_EQ(G->Cells(OPC_Col_Type, 2), "String");
    EXPECT_EQ(G->Cells(OPC_Col_Name, 1), "Counter");
    EXPECT_TRUE(G->ReadOnly(OPC_Col_Length, 1));
    EXPECT_TRUE(Box(OPC_Col_Swap, 1));
    EXPECT_FALSE(Box(OPC_Col_Enable, 2));
    EXPECT_EQ(G->Cells(OPC_Col_Length, 2), "16");
    EXPECT_FALSE(G->ReadOnly(OPC_Col_Length, 2));
    EXPECT_TRUE(Box(OPC_Col_SwapAll, 2));
    EXPECT_TRUE(ui.Messages().isEmpty());

    String error;
    ASSERT_TRUE(Build_Bin_Files(error)) << error.toStdString();
    ASSERT_EQ(OPC_UA_Server_Rec.Num_Var, 1); // row 2 is not enabled
    const TOPC_UA_Var& v = OPC_UA_Server_Rec.Variables[0];
    EXPECT_EQ(v.Name, "Counter");
    EXPECT_EQ(v.Position, 10);
    EXPECT_EQ(v.Length, 4);
    EXPECT_EQ(v.VarType, Get_OPC_UA_Var_Type("Int32"));
    EXPECT_TRUE(v.Options & OPC_UA_Opt_Swap);
    EXPECT_TRUE(v.Options & OPC_UA_Opt_ReadWrite);
}

TEST_F(OpcUaTable, GrabShowsTheTable) {
    Show([this] {
        PickType(1, "Int32");
        G->SetCellEx(OPC_Col_Name, 1, "Counter");
        const QImage image = Form->Grab();
        image.save("/tmp/h21_opcua.png");
        EXPECT_EQ(image.width(), Form->ClientWidth());
        EXPECT_FALSE(image.isNull());

        // The type combo of the next row open over its cell, with its list of types dropped.
        OpenTypeList(2);
        TGridCombo* combo = G->Combobox();
        QWidget* list = static_cast<QComboBox*>(combo->Widget())->view()->window();
        const TRect cell = G->CellRect(OPC_Col_Type, 2);
        const QPoint cellAt = GridCells()->mapTo(Form->Widget(), QPoint(cell.Left, cell.Top));
        const QPoint comboAt = combo->Widget()->mapTo(Form->Widget(), QPoint(0, 0));
        EXPECT_EQ(comboAt, cellAt);
        EXPECT_EQ(combo->Width(), cell.Width() - 1);
        const QPoint listAt = Form->Widget()->mapFromGlobal(list->geometry().topLeft());
        EXPECT_NEAR(listAt.x(), cellAt.x(), 2);
        EXPECT_GE(listAt.y(), cellAt.y());
        EXPECT_EQ(combo->Items()->Count(), 13);
        QImage open = Form->Grab();
        QPainter painter(&open);
        painter.drawImage(listAt, list->grab().toImage());
        painter.end();
        if (qEnvironmentVariableIsSet("QV_SAVE_GRABS")) open.save("/tmp/opcua_open_type_combo.png");
        PressKey(Qt::Key_Escape, QString(QChar(27)));
        PressKey(Qt::Key_Escape, QString(QChar(27)));
        EXPECT_FALSE(combo->Visible());
        EXPECT_EQ(G->Cells(OPC_Col_Type, 2), "");
        Form->SetModalResult(mrCancel);
    });
}

// The same round from the main window: a configuration is opened, its OPC UA step shows the table.
class OpcUaFromMainWindow : public qvtest::ProgramTest {};

TEST_F(OpcUaFromMainWindow, StepOfAnOpenConfigurationWritesItsTableFile) {
    Start();
    qvtest::ScriptedInteraction seam;
    QDir().mkpath(Dir_Projects + "/Plant");
    seam.AnswerModal([](TCustomForm* f) {
        static_cast<TFOpenConf*>(f)->Name_Conf = "Plant";
        f->SetModalResult(mrOk);
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->FindComponent("Btn_Open"));
    ASSERT_EQ(File_OPC_UA_Server, Dir_Projects + "/Plant/OPC_UA_Server.xml");
    seam.AnswerModal([](TCustomForm* f) {
        auto* w = static_cast<TFOPC_UA_Server_Access*>(f);
        w->QSG->SetCellEx(OPC_Col_Type, 1, "Byte");
        w->QSGComboChange(w->QSG, OPC_Col_Type, 1, 2, "Byte");
        w->QSG->SetCellEx(OPC_Col_Position, 1, "7");
        w->QSG->SetCellEx(OPC_Col_Name, 1, "Status");
        w->Btn_OK->Click();
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_OPC_UA_Server_Access);
    EXPECT_EQ(seam.History().back().formClass, "TFOPC_UA_Server_Access");
    EXPECT_EQ(opcRead(File_OPC_UA_Server),
              QByteArray("<OPC_UA_Server>\r\n"
                         "  <OPC_UA_Server_Variables>\r\n"
                         "    <row Enable=\"Y\" NodeType=\"\" Type=\"Byte\" Position=\"7\" StartBit=\"\" "
                         "Length=\"1\" Name=\"Status\" ReadWrite=\"Read/Write\" Swap=\"N\" SwapWord=\"N\" "
                         "SwapAll=\"N\" Mnemonic=\"\" />\r\n"
                         "  </OPC_UA_Server_Variables>\r\n"
                         "</OPC_UA_Server>\r\n"
                         "<!--SW_VERSION = 1.003-->\r\n"));
}
