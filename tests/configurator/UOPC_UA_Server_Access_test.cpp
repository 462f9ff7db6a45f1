// The OPC UA variable table window: set-up, the type rule, loading (hand-edited and broken files), the
// data check, writing, the row buttons, and a whole round from filling the table to the device images,
// the last also through the main window with real keys and clicks.
#include "ProgramFixture.h"
#include "TestSupport.h"
#include "configurator/PersonInput.h"
#include "configurator/UOPC_UA_Server_Access.h"
#include "configurator/UOpenConf.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "configurator/USaveBincc.h"
#include "controls/buttons/SbButton.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/edit/GridCombo.h"
#include "core/UComon.h"
#include "core/ULanguage.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/services/XmlDoc.h"
#include "toolkit/system/StringList.h"
#include "toolkit/system/SysUtils.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
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

// The platform's order of a double click: press, release, double click, release.
void opcDoubleClickCell(TQvStringGrid* grid, int col, int row) {
    qvtest::ClickCell(grid, col, row);
    const QPointF at = qvtest::CellCentre(grid, col, row);
    QWidget* w = qvtest::GridCells(grid);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(w, &dbl);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// A click makes the cell current, a second one opens its combo and a click on the drop button opens the
// list.
void opcOpenList(TQvStringGrid* grid, int col, int row) {
    QApplication::processEvents(); // the shown window becomes the active one
    qvtest::ClickCell(grid, col, row);
    qvtest::ClickCell(grid, col, row);
    TGridCombo* combo = grid->Combobox();
    ASSERT_TRUE(combo->Visible());
    ASSERT_EQ(QApplication::focusWidget(), combo->Widget());
    QWidget* w = combo->Widget();
    const QPointF at(combo->Width() - 6, combo->Height() / 2.0);
    // A list opened by a press ignores releases for a double-click interval, so that the release of that
    // press picks nothing; a person's next click comes later than that, a test's at once. The interval is
    // taken as none for this press, and the events below let the list's guard run out.
    const int interval = QApplication::doubleClickInterval();
    QApplication::setDoubleClickInterval(0);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::setDoubleClickInterval(interval);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
    QApplication::processEvents();
    ASSERT_TRUE(combo->DroppedDown());
}

// What a person does with a list cell, with the mouse: opens the list, moves down it to the item and
// clicks; Enter closes the combo and the cell keeps the choice.
void opcPickFromList(TCustomForm* form, TQvStringGrid* grid, int col, int row, const QString& item) {
    opcOpenList(grid, col, row);
    TGridCombo* combo = grid->Combobox();
    QAbstractItemView* view = static_cast<QComboBox*>(combo->Widget())->view();
    const int index = combo->Items()->IndexOf(item);
    ASSERT_GE(index, 0) << item.toStdString();
    const QPoint at = view->visualRect(view->model()->index(index, 0)).center();
    QWidget* port = view->viewport();
    QMouseEvent move(QEvent::MouseMove, at, port->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(port, &move);
    QMouseEvent press(QEvent::MouseButtonPress, at, port->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(port, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, port->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(port, &release);
    QApplication::processEvents(); // the close of the list is posted
    // The window system gives the activation back to the window once its list closed; offscreen it does not.
    if (QApplication::activeWindow() != form->Widget()) form->Widget()->activateWindow();
    QApplication::processEvents();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), item);
    qvtest::KeyToFocus(Qt::Key_Return, "\r");
    EXPECT_FALSE(combo->Visible());
    EXPECT_EQ(grid->Cells(col, row), item);
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
    void PickType(int row, const QString& type) { opcPickFromList(Form, G, OPC_Col_Type, row, type); }
    void OpenTypeList(int row) { opcOpenList(G, OPC_Col_Type, row); }
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

TEST_F(OpcUaTable, EveryHeaderShowsItsWholeTextAlsoInAnotherLanguage) {
    // Wrapped in its column's width, in the face the header is drawn with, each header fits its row.
    auto fits = [this](int c) {
        const QFontMetrics fm(G->FixedFont()->toQFont());
        const QRect laid =
            fm.boundingRect(QRect(0, 0, G->ColWidths(c) - 4, 1000), Qt::TextWordWrap, G->Cells(c, 0));
        return laid.height() <= G->RowHeights(0) - 4;
    };
    for (int c = 0; c < OPC_Col_Count; ++c)
        EXPECT_TRUE(fits(c)) << G->Cells(c, 0).toStdString();
    EXPECT_GE(G->RowHeights(0), 22);
    Lang_Texts->SetStrings(1433, "Scambia le parole del valore");
    Form->Set_Lang();
    EXPECT_TRUE(fits(OPC_Col_SwapWord)) << G->RowHeights(0);
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
        // Both in the interface language: the report names the file, the question is the table windows' own.
        EXPECT_TRUE(ui.Messages()[base].startsWith(Lang_Texts->Strings(Text_Table_Not_Read) +
                                                   File_OPC_UA_Server + "\r\n"))
            << c.name;
        EXPECT_EQ(ui.Messages()[base + 1], Lang_Texts->Strings(Text_Overwrite_Unread_Table)) << c.name;
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

TEST_F(OpcUaTable, TheReportOfAnUnreadFileNamesItOnceInTheInterfaceLanguage) {
    Lang_Texts->SetStrings(Text_Table_Not_Read, "Il file non si legge: ");
    Lang_Texts->SetStrings(Text_OPC_UA_No_Variables, "Nessun elemento delle variabili.");
    Lang_Texts->SetStrings(Text_OPC_UA_Too_Many_Variables, "%d variabili, la tabella ne mostra %d.");
    const struct Case {
        const char* name;
        QByteArray bytes;
        const char* detail; // empty: the reader's own words
    } cases[] = {
        {"not XML", "<OPC_UA_Server><OPC_UA_Server_Variables><row Type=\"Byte\"", ""},
        {"no variables element", "<OPC_UA_Server><Other/></OPC_UA_Server>",
         "Nessun elemento delle variabili."},
        {"too many rows", opcFile(QByteArray("<row Type=\"Byte\" Position=\"1\" />").repeated(252)),
         "252 variabili, la tabella ne mostra 250."},
    };
    for (const Case& c : cases) {
        opcWrite(File_OPC_UA_Server, c.bytes);
        const int base = ui.Messages().size();
        ui.AnswerMessage(mrOk);
        Show([this] { Form->SetModalResult(mrCancel); });
        ASSERT_EQ(ui.Messages().size(), base + 1) << c.name;
        const QString shown = ui.Messages()[base];
        EXPECT_EQ(shown.count(File_OPC_UA_Server), 1) << shown.toStdString();
        EXPECT_TRUE(shown.startsWith("Il file non si legge: " + File_OPC_UA_Server + "\r\n")) << c.name;
        if (*c.detail) {
            EXPECT_TRUE(shown.endsWith(c.detail)) << shown.toStdString();
        }
    }
}

TEST_F(OpcUaTable, ASaveThatFailsIsToldAndTheWindowStaysOpen) {
    File_OPC_UA_Server = Dir_Project + "/missing/OPC_UA_Server.xml";
    ui.AnswerMessage(mrOk);
    Show([this] {
        G->SetCellEx(OPC_Col_Type, 1, "Byte");
        G->SetCellEx(OPC_Col_Position, 1, "1");
        Form->Btn_OK->Click();
        EXPECT_EQ(Form->ModalResult(), mrNone);
        EXPECT_EQ(G->Cells(OPC_Col_Type, 1), "Byte");
    });
    ASSERT_EQ(ui.Messages().size(), 1);
    EXPECT_TRUE(ui.Messages()[0].contains(File_OPC_UA_Server));
    EXPECT_FALSE(QFile::exists(File_OPC_UA_Server));
}

TEST_F(OpcUaTable, GridEventsMoveOnSelectTheRowAndSizeTheColumn) {
    Enable_Jump_Field = Enable_Auto_Size = true;
    Show([this] {
        G->SetCellEx(OPC_Col_Name, 4, QString(80, 'W'));
        qvtest::ClickCell(G, OPC_Col_Position, 3);
        qvtest::TypeToFocus(G, Qt::Key_Return, "\r");
        EXPECT_EQ(G->Col(), OPC_Col_StartBit);
        EXPECT_EQ(G->Row(), 3);
        qvtest::ClickCell(G, 0, 5);
        EXPECT_TRUE(G->IsSelected(OPC_Col_Name, 5));
        const int width = G->ColWidths(OPC_Col_Name);
        opcDoubleClickCell(G, OPC_Col_Name, 2);
        EXPECT_EQ(G->ColWidths(OPC_Col_Name), width);
        opcDoubleClickCell(G, OPC_Col_Name, 0);
        EXPECT_GT(G->ColWidths(OPC_Col_Name), width);
        Form->SetModalResult(mrCancel);
    });
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

TEST_F(OpcUaTable, OkAsksBeforeLeavingOutARowWithDataButNoType) {
    // A person types a name and a position into row 3 and forgets its type.
    auto fill = [this] {
        G->SetCellEx(OPC_Col_Type, 1, "Byte");
        G->SetCellEx(OPC_Col_Position, 1, "1");
        qvtest::TypeIntoCell(G, OPC_Col_Name, 3, "Flow");
        qvtest::TypeIntoCell(G, OPC_Col_Position, 3, "20");
        EXPECT_EQ(G->Cells(OPC_Col_Name, 3), "Flow");
    };
    ui.AnswerMessage(mrNo);
    Show([&] {
        fill();
        Form->Btn_OK->Click();
        EXPECT_EQ(Form->ModalResult(), mrNone);
        Form->SetModalResult(mrCancel);
    });
    ASSERT_EQ(ui.Messages().size(), 1);
    EXPECT_EQ(ui.Messages()[0], Format(Lang_Texts->Strings(Text_OPC_UA_Row_Without_Type), {3}));
    EXPECT_FALSE(QFile::exists(File_OPC_UA_Server));

    ui.AnswerMessage(mrYes);
    EXPECT_EQ(Show([&] {
                  fill();
                  Form->Btn_OK->Click();
              }),
              mrOk);
    TXMLDocument back;
    ASSERT_TRUE(back.LoadFromFile(File_OPC_UA_Server));
    EXPECT_EQ(back.DocumentElement().FindNode("OPC_UA_Server_Variables").ChildCount(), 1);

    // Ticks and blanks alone are no data: nothing is asked.
    struct Case {
        const char* name;
        std::function<void()> change;
    } quiet[] = {
        {"a Swap tick", [this] { G->SetCheckBoxState(OPC_Col_Swap, 2, true); }},
        {"an Enable untick", [this] { G->SetCheckBoxState(OPC_Col_Enable, 2, false); }},
        {"blanks", [this] { G->SetCellEx(OPC_Col_Name, 2, "   "); }},
    };
    for (const Case& c : quiet) {
        const int base = ui.Messages().size();
        EXPECT_EQ(Show([&] {
                      c.change();
                      Form->Btn_OK->Click();
                  }),
                  mrOk)
            << c.name;
        EXPECT_EQ(ui.Messages().size(), base) << c.name;
    }
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

TEST_F(OpcUaTable, EscapeInTheTypeListLeavesTheRowAsItWasAndF4OrAltDownOpenIt) {
    opcWrite(File_OPC_UA_Server,
             opcFile("<row Type=\"Double\" Position=\"1\" Length=\"3\" ReadWrite=\"Read Only\" />"));
    const struct Case {
        int row;
        int key;
        Qt::KeyboardModifiers mods;
        const char* type;
        const char* length;
        const char* access;
    } cases[] = {{2, Qt::Key_F2, Qt::NoModifier, "", "", ""},
                 {1, Qt::Key_F2, Qt::NoModifier, "Double", "3", "Read Only"},
                 {2, Qt::Key_F4, Qt::NoModifier, "", "", ""},
                 {1, Qt::Key_Down, Qt::AltModifier, "Double", "3", "Read Only"}};
    Show([&] {
        QApplication::processEvents();
        for (const Case& c : cases) {
            qvtest::ClickCell(G, OPC_Col_Type, c.row);
            qvtest::KeyToFocus(c.key, QString(), c.mods);
            TGridCombo* combo = G->Combobox();
            ASSERT_TRUE(combo->Visible()) << c.row << " " << c.key;
            // F4 and Alt+Down drop the list at once; F2 opens the editor only.
            EXPECT_EQ(combo->DroppedDown(), c.key != Qt::Key_F2) << c.row << " " << c.key;
            if (combo->DroppedDown()) qvtest::KeyToFocus(Qt::Key_Escape, QString(QChar(27)));
            qvtest::KeyToFocus(Qt::Key_Down); // another type, and its length, while browsing
            EXPECT_NE(G->Cells(OPC_Col_Length, c.row), c.length) << c.row << " " << c.key;
            qvtest::KeyToFocus(Qt::Key_Escape, QString(QChar(27)));
            EXPECT_FALSE(combo->Visible()) << c.row << " " << c.key;
            EXPECT_EQ(G->Cells(OPC_Col_Type, c.row), c.type) << c.row << " " << c.key;
            EXPECT_EQ(G->Cells(OPC_Col_Length, c.row), c.length) << c.row << " " << c.key;
            EXPECT_EQ(G->Cells(OPC_Col_ReadWrite, c.row), c.access) << c.row << " " << c.key;
            EXPECT_EQ(G->ReadOnly(OPC_Col_Length, c.row), c.row == 1) << c.row << " " << c.key;
        }
        // Nothing was left in a row without a type: OK asks nothing and saves.
        Form->Btn_OK->Click();
    });
    EXPECT_TRUE(ui.Messages().isEmpty());
    EXPECT_TRUE(opcRead(File_OPC_UA_Server).contains("Length=\"3\""));
}

TEST_F(OpcUaTable, AMaximisedWindowKeepsItsButtonsOnTheScreenAndReopensAtItsNormalSize) {
    const QRect work = QApplication::primaryScreen()->availableGeometry();
    auto onScreen = [&work](TControl* c) {
        const QRect r(c->Widget()->mapToGlobal(QPoint(0, 0)), c->Widget()->size());
        return work.contains(r);
    };
    QSize normal;
    Show([&] {
        normal = Form->Widget()->size();
        // The window manager maximises the window, as a person's click on its title bar asks.
        Form->Widget()->setWindowState(Qt::WindowMaximized);
        QApplication::processEvents();
        EXPECT_TRUE(Form->Widget()->isMaximized());
        EXPECT_EQ(Form->WindowState(), wsMaximized);
        EXPECT_TRUE(onScreen(Form->Btn_OK));
        EXPECT_TRUE(onScreen(Form->Btn_Cancel));
        EXPECT_TRUE(onScreen(Form->Btn_PasteRow));
        EXPECT_GT(Form->QSG->Height(), normal.height() - 150);
        Form->SetModalResult(mrCancel); // closed while maximised
    });
    Show([&] {
        EXPECT_FALSE(Form->Widget()->isMaximized());
        EXPECT_EQ(Form->WindowState(), wsNormal);
        EXPECT_EQ(Form->Widget()->size(), normal);
        // The title bar lies on the work area, where the window can be taken.
        EXPECT_GE(Form->Widget()->frameGeometry().top(), work.top());
        EXPECT_GE(Form->Widget()->frameGeometry().left(), work.left());
        EXPECT_TRUE(onScreen(Form->Btn_OK));
        Form->SetModalResult(mrCancel);
    });
}

TEST_F(OpcUaTable, GrabShowsTheTable) {
    Show([this] {
        PickType(1, "Int32");
        G->SetCellEx(OPC_Col_Name, 1, "Counter");
        const QImage image = Form->Grab();
        image.save(QDir::tempPath() + "/qv-opcua.png");
        EXPECT_EQ(image.width(), Form->ClientWidth());
        // Each column's tint, in a row well down the table: the whole grid is painted, not only its top.
        const TColor tints[] = {0xB0D8FF, 0xFEFAE0, 0xFEFAE0, 0xA8FFA8, 0xA8FFA8, 0xA8FFA8,
                                0xF4D6FC, 0xF4D6FC, 0xA8FFFF, 0xA8FFFF, 0xA8FFFF, 0xFFFFFF};
        for (int c = 1; c < OPC_Col_Count; ++c) {
            const TRect cell = G->CellRect(c, 7);
            if (cell.IsEmpty() || cell.Right > G->ClientWidth()) continue;
            const TPoint origin = G->ClientOrigin();
            const QPoint at =
                Form->Widget()->mapFromGlobal(QPoint(origin.X + cell.Left + 3, origin.Y + cell.Top + 3));
            EXPECT_EQ(image.pixelColor(at), ToQColor(tints[c - 1])) << c;
        }

        // The type combo of the next row open over its cell, with its list of types dropped.
        OpenTypeList(2);
        TGridCombo* combo = G->Combobox();
        QWidget* list = static_cast<QComboBox*>(combo->Widget())->view()->window();
        const TRect cell = G->CellRect(OPC_Col_Type, 2);
        const QPoint cellAt = qvtest::GridCells(G)->mapTo(Form->Widget(), QPoint(cell.Left, cell.Top));
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
        if (qEnvironmentVariableIsSet("QV_SAVE_GRABS"))
            open.save(qEnvironmentVariable("QV_SAVE_GRABS") + "/opcua_open_type_combo.png");
        qvtest::KeyToFocus(Qt::Key_Escape, QString(QChar(27)));
        qvtest::KeyToFocus(Qt::Key_Escape, QString(QChar(27)));
        EXPECT_FALSE(combo->Visible());
        EXPECT_EQ(G->Cells(OPC_Col_Type, 2), "");
        Form->SetModalResult(mrCancel);
    });
}

// The same round from the main window: a configuration is opened, its OPC UA step shows the table.
class OpcUaFromMainWindow : public qvtest::ProgramTest {
protected:
    // The configuration "Plant" opened through the main window's Open step.
    void OpenPlant(qvtest::ScriptedInteraction& seam) {
        QDir().mkpath(Dir_Projects + "/Plant");
        seam.AnswerModal([](TCustomForm* f) {
            static_cast<TFOpenConf*>(f)->Name_Conf = "Plant";
            f->SetModalResult(mrOk);
        });
        FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->FindComponent("Btn_Open"));
        ASSERT_EQ(File_OPC_UA_Server, Dir_Projects + "/Plant/OPC_UA_Server.xml");
    }
};

TEST_F(OpcUaFromMainWindow, StepOfAnOpenConfigurationWritesItsTableFile) {
    Start();
    qvtest::ScriptedInteraction seam;
    OpenPlant(seam);
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

TEST_F(OpcUaFromMainWindow, APersonFillsTheTableThroughTheWindowAndTheImagesCarryIt) {
    Start();
    qvtest::ScriptedInteraction seam;
    OpenPlant(seam);

    seam.AnswerModal([](TCustomForm* f) {
        auto* w = static_cast<TFOPC_UA_Server_Access*>(f);
        TQvStringGrid* g = w->QSG;
        const auto pick = [w, g](int col, int row, const QString& item) {
            opcPickFromList(w, g, col, row, item);
        };
        pick(OPC_Col_Type, 1, "Int32");
        pick(OPC_Col_NodeType, 1, "Numeric");
        pick(OPC_Col_StartBit, 1, "0");
        qvtest::TypeIntoCell(g, OPC_Col_Position, 1, "10");
        qvtest::TypeIntoCell(g, OPC_Col_Name, 1, "Counter");
        qvtest::ClickCell(g, OPC_Col_Swap, 1);

        pick(OPC_Col_Type, 2, "String");
        pick(OPC_Col_NodeType, 2, "String");
        pick(OPC_Col_ReadWrite, 2, "Read Only");
        qvtest::TypeIntoCell(g, OPC_Col_Position, 2, "20");
        qvtest::TypeIntoCell(g, OPC_Col_Length, 2, "16");
        qvtest::TypeIntoCell(g, OPC_Col_Name, 2, "Label");
        qvtest::ClickCell(g, OPC_Col_Enable, 2);
        qvtest::ClickCell(g, OPC_Col_SwapAll, 2);
        qvtest::TypeIntoCell(g, OPC_Col_Mnemonic, 2, "shown text");
        qvtest::ClickControl(w->Btn_OK);
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_OPC_UA_Server_Access);
    EXPECT_EQ(seam.History().back().formClass, "TFOPC_UA_Server_Access");
    EXPECT_EQ(QString::fromUtf8(opcRead(File_OPC_UA_Server)),
              QString::fromUtf8(opcRead(kOpcData + "filled_expected.xml")));

    // Shown again, the window holds the same rows.
    seam.AnswerModal([](TCustomForm* f) {
        TQvStringGrid* g = static_cast<TFOPC_UA_Server_Access*>(f)->QSG;
        const QStringList row1 = {"Numeric", "Int32", "10", "0", "4", "Counter", "Read/Write"};
        const QStringList row2 = {"String", "String", "20", "", "16", "Label", "Read Only"};
        for (int c = OPC_Col_NodeType; c <= OPC_Col_ReadWrite; ++c) {
            EXPECT_EQ(g->Cells(c, 1), row1[c - OPC_Col_NodeType]) << c;
            EXPECT_EQ(g->Cells(c, 2), row2[c - OPC_Col_NodeType]) << c;
        }
        EXPECT_EQ(g->Cells(OPC_Col_Mnemonic, 2), "shown text");
        EXPECT_TRUE(g->ReadOnly(OPC_Col_Length, 1));
        EXPECT_FALSE(g->ReadOnly(OPC_Col_Length, 2));
        // Row 3 is an empty row: only its Enable box is ticked.
        const std::vector<std::pair<int, int>> ticked = {
            {OPC_Col_Enable, 1}, {OPC_Col_Swap, 1}, {OPC_Col_SwapAll, 2}, {OPC_Col_Enable, 3}};
        for (int c : {OPC_Col_Enable, OPC_Col_Swap, OPC_Col_SwapWord, OPC_Col_SwapAll})
            for (int r : {1, 2, 3}) {
                bool state = false;
                EXPECT_TRUE(g->GetCheckBoxState(c, r, state));
                EXPECT_EQ(state, std::count(ticked.begin(), ticked.end(), std::pair(c, r)) == 1)
                    << c << "," << r;
            }
        EXPECT_EQ(g->Cells(OPC_Col_Type, 3), "");
        qvtest::ClickControl(static_cast<TFOPC_UA_Server_Access*>(f)->Btn_Cancel);
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_OPC_UA_Server_Access);

    // The images built from the file carry the enabled variable (row 2 is not enabled).
    String error;
    ASSERT_TRUE(Build_And_Write_Images(error)) << error.toStdString();
    ASSERT_EQ(OPC_UA_Server_Rec.Num_Var, 1);
    const TOPC_UA_Var& v = OPC_UA_Server_Rec.Variables[0];
    EXPECT_EQ(v.Name, "Counter");
    EXPECT_EQ(v.Position, 10);
    EXPECT_EQ(v.Length, 4);
    EXPECT_EQ(v.VarType, Get_OPC_UA_Var_Type("Int32"));
    EXPECT_TRUE(v.Options & OPC_UA_Opt_Swap);
    const QByteArray bank2 = opcRead(Dir_Projects + "/Plant/bin/bank2.bin");
    EXPECT_TRUE(bank2.contains("Counter"));
    EXPECT_FALSE(bank2.contains("Label"));
    EXPECT_EQ(seam.Messages(), QStringList());
}
