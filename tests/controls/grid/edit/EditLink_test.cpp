// An application's editor link in a custom cell, driven by real keys and clicks: F2 and a typed key open its
// control through the link's protocol, the leaving keys and the Want options, Tab with and without
// TabToNextAtEnd, a refused value, and the pop-up style's place, size and ends.
#include "EditorGrid.h"
#include "controls/grid/edit/EditLink.h"
#include "toolkit/controls/PopupForm.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <string>
#include <vector>

namespace editlinktest {
using namespace editorgrid;

// A link over a plain edit, noting the grid's calls in order.
class TEditControlLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    TEdit* Edit = nullptr;
    std::vector<std::string> Calls;
    TColor CellColor = clNone;

    TWinControl* GetEditControl() override { return Edit; }
    void CreateEditor(TWinControl* AParent) override {
        Calls.push_back("CreateEditor");
        if (!Edit) Edit = new TEdit(AParent);
        Edit->SetParent(AParent);
    }
    void DestroyEditor() override {
        Calls.push_back("DestroyEditor");
        delete Edit;
        Edit = nullptr;
    }
    void SetCellProps(TColor AColor, const TFont*) override {
        Calls.push_back("SetCellProps");
        CellColor = AColor;
    }
    void SetProperties() override { Calls.push_back("SetProperties"); }
    String GetEditorValue() override { return Edit ? Edit->Text() : String(); }
    void SetEditorValue(const String& Value) override {
        Calls.push_back("SetEditorValue");
        Edit->SetText(Value);
        Edit->SelectAll();
    }
};

// Columns 1 and 2 are custom cells of the grid's link.
struct LinkGrid : EditorGrid {
    TEditControlLink* link;
    LinkGrid() {
        link = new TEditControlLink(&form);
        grid->SetEditLink(link);
        grid->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
            if (c == 1 || c == 2) e = edCustom;
        };
        grid->OnGetEditorProp = [this](TObject*, int, int, TEditLink* l) {
            if (l == link) link->Calls.push_back("OnGetEditorProp");
        };
        grid->SetCells(1, 1, "abc");
        grid->SetCells(2, 1, "def");
        Go(1, 1);
    }
    bool Open() const { return link->Edit && link->Edit->Visible() && Focused() == link->Edit; }
};

TEST(EditLink, F2OrATypedKeyOpensTheControlThroughTheLinkInOrderAndEnterStores) {
    for (const bool typed : {false, true}) {
        SCOPED_TRACE(typed);
        LinkGrid f;
        if (typed)
            Type("q");
        else
            Key(Qt::Key_F2);
        QApplication::processEvents(); // the start character is posted
        ASSERT_TRUE(f.Open());
        EXPECT_EQ(f.link->Grid(), f.grid);
        EXPECT_EQ(f.link->EditCell(), TPoint(1, 1));
        EXPECT_EQ(f.link->Calls, (std::vector<std::string>{"CreateEditor", "SetCellProps", "SetProperties",
                                                           "OnGetEditorProp", "SetEditorValue"}));
        const TRect cell = f.grid->CellRect(1, 1);
        EXPECT_EQ(f.link->Edit->BoundsRect(), TRect(cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1));
        EXPECT_EQ(f.link->Edit->Text(), typed ? "q" : "abc");
        Type("r");
        Enter();
        EXPECT_EQ(f.grid->Cells(1, 1), typed ? "qr" : "r");
        EXPECT_FALSE(f.link->Edit->Visible());
        EXPECT_EQ(f.Focused(), f.grid);
        EXPECT_FALSE(f.grid->EditSession().EditMode);
    }
}

TEST(EditLink, LeavingKeysEndTheEditAndTheWantOptionsKeepThem) {
    struct Case {
        const char* name;
        int key;
        Qt::KeyboardModifiers mods;
        void (TEditLink::*want)(bool);
        bool ends;
        String stored;
        TPoint cell;
    };
    const Case cases[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier, nullptr, true, "x", {1, 1}},
        {"Enter wanted", Qt::Key_Return, Qt::NoModifier, &TEditLink::SetWantKeyReturn, false, "abc", {1, 1}},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, nullptr, true, "abc", {1, 1}},
        {"Escape wanted", Qt::Key_Escape, Qt::NoModifier, &TEditLink::SetWantKeyEscape, false, "abc", {1, 1}},
        {"Home", Qt::Key_Home, Qt::NoModifier, nullptr, false, "abc", {1, 1}},
        {"End", Qt::Key_End, Qt::NoModifier, nullptr, true, "x", {1, 1}},
        {"End wanted", Qt::Key_End, Qt::NoModifier, &TEditLink::SetWantKeyHomeEnd, false, "abc", {1, 1}},
        {"Down", Qt::Key_Down, Qt::NoModifier, nullptr, true, "x", {1, 2}},
        {"Down wanted", Qt::Key_Down, Qt::NoModifier, &TEditLink::SetWantKeyUpDown, false, "abc", {1, 1}},
        {"Right", Qt::Key_Right, Qt::NoModifier, nullptr, true, "x", {2, 1}},
        {"Right wanted",
         Qt::Key_Right,
         Qt::NoModifier,
         &TEditLink::SetWantKeyLeftRight,
         false,
         "abc",
         {1, 1}},
        {"Page Down", Qt::Key_PageDown, Qt::NoModifier, nullptr, true, "x", {1, 1}},
        {"Page Down wanted",
         Qt::Key_PageDown,
         Qt::NoModifier,
         &TEditLink::SetWantKeyPriorNext,
         false,
         "abc",
         {1, 1}},
        {"Alt+B", Qt::Key_B, Qt::AltModifier, nullptr, true, "x", {1, 1}},
        // Without TabToNextAtEnd Tab only ends the edit.
        {"Tab", Qt::Key_Tab, Qt::NoModifier, nullptr, true, "x", {1, 1}},
        {"Tab wanted", Qt::Key_Tab, Qt::NoModifier, &TEditLink::SetWantTabs, false, "abc", {1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkGrid f;
        // The grid keeps Tab, so that a control that wants it gets it.
        f.grid->SetOptions(f.grid->Options() | goTabs);
        if (c.want) (f.link->*c.want)(true);
        Key(Qt::Key_F2);
        Type("x");
        Key(c.key,
            c.key == Qt::Key_Return   ? "\r"
            : c.key == Qt::Key_Escape ? QString(QChar(27))
                                      : QString(),
            c.mods);
        QApplication::processEvents();
        // A kept key is the control's: a plain edit lets Tab move the focus on, but the edit goes on.
        EXPECT_EQ(f.link->Edit->Visible(), !c.ends);
        EXPECT_EQ(f.grid->EditSession().EditMode, !c.ends);
        EXPECT_EQ(f.grid->Cells(1, 1), c.stored);
        EXPECT_EQ(f.Cell(), c.cell);
        if (c.ends) EXPECT_EQ(f.Focused(), f.grid);
    }
}

TEST(EditLink, TabToNextAtEndStoresMovesAndOpensTheNextCellsEditor) {
    LinkGrid f;
    f.grid->Navigation()->SetTabToNextAtEnd(true);
    Key(Qt::Key_F2);
    Type("x");
    Key(Qt::Key_Tab);
    QApplication::processEvents(); // F2 is posted to the grid
    EXPECT_EQ(f.grid->Cells(1, 1), "x");
    EXPECT_EQ(f.Cell(), TPoint(2, 1));
    ASSERT_TRUE(f.Open());
    EXPECT_EQ(f.link->EditCell(), TPoint(2, 1));
    EXPECT_EQ(f.link->Edit->Text(), "def");
    Escape();
    EXPECT_EQ(f.grid->Cells(2, 1), "def");
}

TEST(EditLink, ARefusedValueOpensTheLinkAgainOnTheSameCell) {
    LinkGrid f;
    f.grid->OnCellValidate = [](TObject*, int, int, String& v, bool& valid) { valid = v != "bad"; };
    Key(Qt::Key_F2);
    Type("bad");
    Enter();
    QApplication::processEvents();
    EXPECT_EQ(f.Cell(), TPoint(1, 1));
    ASSERT_TRUE(f.Open());
    EXPECT_TRUE(f.grid->EditSession().LastValidation);
    Type("ok");
    Enter();
    EXPECT_EQ(f.grid->Cells(1, 1), "ok");
    EXPECT_FALSE(f.link->Edit->Visible());
}

TEST(EditLink, APopupOpensWhereAskedAndKeepsItsValueWhenLeftByKeyOrByAClickOutside) {
    struct Case {
        const char* name;
        int left, top;
        bool autoWidth;
        bool byClick;
    };
    const Case cases[] = {
        {"at the cell", -1, -1, false, false},
        {"one coordinate unset", 40, -1, true, true},
        {"at a point", 40, 50, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkGrid f;
        f.link->SetEditStyle(esPopup);
        f.link->SetPopupWidth(150);
        f.link->SetPopupHeight(60);
        f.link->SetPopupLeft(c.left);
        f.link->SetPopupTop(c.top);
        f.link->SetAutoPopupWidth(c.autoWidth);
        Key(Qt::Key_F2);
        QApplication::processEvents();
        TPopupForm* popup = f.link->PopupForm();
        ASSERT_NE(popup, nullptr);
        ASSERT_TRUE(popup->Visible());
        ASSERT_TRUE(f.Open());
        EXPECT_EQ(f.link->Edit->Parent(), popup);
        const TRect cell = f.grid->CellRect(1, 1);
        const TPoint at = c.left != -1 && c.top != -1 ? TPoint(c.left, c.top)
                                                      : f.grid->ClientToScreen(TPoint(cell.Left, cell.Top));
        const int width = c.autoWidth ? cell.Right - cell.Left : 150;
        EXPECT_EQ(popup->BoundsRect(), TRect(at.X, at.Y, at.X + width, at.Y + 60));
        Type("y");
        if (c.byClick) {
            // A press outside the pop-up reaches it (it holds the mouse) and ends the edit.
            QWidget* window = popup->Widget();
            const QPoint global = f.grid->Widget()->mapToGlobal(QPoint(400, 250));
            QMouseEvent press(QEvent::MouseButtonPress, window->mapFromGlobal(global), global, Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window, &press);
        } else {
            Enter();
        }
        QApplication::processEvents(); // the control goes once the key or click has been handled
        EXPECT_EQ(f.grid->Cells(1, 1), "y");
        EXPECT_FALSE(popup->Visible());
        EXPECT_EQ(f.link->Edit, nullptr);
        EXPECT_FALSE(f.grid->EditSession().EditMode);
        // The next opening reuses the link's own pop-up.
        Key(Qt::Key_F2);
        QApplication::processEvents();
        EXPECT_EQ(f.link->PopupForm(), popup);
        ASSERT_TRUE(f.Open());
        Escape();
        QApplication::processEvents();
        EXPECT_EQ(f.grid->Cells(1, 1), "y");
    }
}

TEST(EditLink, WithoutALinkACustomCellOpensNothingAndAFreedLinkIsLetGo) {
    LinkGrid f;
    delete f.link;
    EXPECT_EQ(f.grid->EditLink(), nullptr);
    Key(Qt::Key_F2);
    EXPECT_EQ(f.Focused(), f.grid);
    EXPECT_EQ(f.grid->Cells(1, 1), "abc");
}

} // namespace editlinktest
