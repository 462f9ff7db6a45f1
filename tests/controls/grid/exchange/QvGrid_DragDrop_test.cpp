// Drag and drop on shown grids: Qt's drag-enter, move and drop events with MIME data sent to a grid's
// cells, and drags started by real mouse presses and moves, run by a test runner that hands them to the
// other grid as the desktop would.
#include "controls/grid/QvGrid.h"
#include "controls/grid/exchange/GridDropRules.h"
#include "controls/grid/overlays/GridOverlays.h"
#include "toolkit/controls/DragDrop.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFile>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <memory>

// Two shown 5 x 8 grids side by side, one fixed row and column each, cells "c:r"; both take drops.
struct DragGrids : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 900, 320);
        left = MakeGrid(0);
        right = MakeGrid(440);
        form->Show();
        QApplication::processEvents();
    }
    void TearDown() override {
        SetDragRunner({});
        form.reset();
    }
    TQvStringGrid* MakeGrid(int x) {
        auto* g = new TQvStringGrid(form.get());
        g->SetParent(form.get());
        g->SetBounds(x, 0, 420, 300);
        g->SetColCount(5);
        g->SetRowCount(8);
        g->SetOptions(g->Options() | goEditing);
        for (int c = 0; c < 5; ++c)
            for (int r = 0; r < 8; ++r)
                g->SetCells(c, r, QString("%1:%2").arg(c).arg(r));
        g->DragDropSettings()->SetOleDropTarget(true);
        return g;
    }

    // The widget that shows a grid's cells: its one direct child that is no scroll bar.
    static QWidget* Cells(TQvStringGrid* g) {
        for (QWidget* w : g->Widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!qobject_cast<QScrollBar*>(w)) return w;
        return g->Widget();
    }
    static QPoint Center(TQvStringGrid* g, int c, int r) {
        const TRect rc = g->CellRect(c, r);
        return QPoint((rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
    }

    struct Delivered {
        Qt::DropAction over = Qt::IgnoreAction;
        bool overTaken = false;
        Qt::DropAction dropped = Qt::IgnoreAction;
    };
    // One drag over a grid's cells as the desktop delivers it: enter, move, then a drop or a leave.
    static Delivered Deliver(TQvStringGrid* g, const QMimeData* mime, QPoint at,
                             Qt::DropActions allowed = Qt::CopyAction | Qt::MoveAction,
                             Qt::KeyboardModifiers mods = Qt::NoModifier, bool drop = true) {
        QWidget* w = Cells(g);
        Delivered d;
        QDragEnterEvent enter(at, allowed, mime, Qt::LeftButton, mods);
        QApplication::sendEvent(w, &enter);
        QDragMoveEvent move(at, allowed, mime, Qt::LeftButton, mods);
        QApplication::sendEvent(w, &move);
        d.over = move.dropAction();
        d.overTaken = move.isAccepted();
        if (!drop) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(w, &leave);
            return d;
        }
        // The desktop drops only where the last move was taken.
        if (!d.overTaken) return d;
        QDropEvent dropEvent(at, allowed, mime, Qt::NoButton, mods);
        QApplication::sendEvent(w, &dropEvent);
        d.dropped = dropEvent.isAccepted() ? dropEvent.dropAction() : Qt::IgnoreAction;
        return d;
    }
    static std::unique_ptr<QMimeData> Mime(const TClipData& data) {
        return std::unique_ptr<QMimeData>(data.ToMimeData());
    }
    static std::unique_ptr<QMimeData> TextMime(const QString& text) {
        auto mime = std::make_unique<QMimeData>();
        mime->setText(text);
        return mime;
    }

    // Real mouse events on a grid's cells.
    static void Mouse(TQvStringGrid* g, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
        QWidget* w = Cells(g);
        QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    // Presses at a point and moves the held mouse by (dx, dy); a drag the move starts runs inside it.
    static void PressAndDrag(TQvStringGrid* g, QPoint at, int dx, int dy) {
        Mouse(g, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        Mouse(g, QEvent::MouseMove, at + QPoint(dx, dy), Qt::NoButton, Qt::LeftButton);
    }
    static void Release(TQvStringGrid* g, QPoint at) {
        Mouse(g, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }

    std::unique_ptr<TForm> form;
    TQvStringGrid* left = nullptr;
    TQvStringGrid* right = nullptr;
};

TEST_F(DragGrids, TheGridTakesWhatItsSettingsAllowWithTheEffectOfTheKeys) {
    TClipData cells;
    cells.SetData(QvGrid::GridCellsClipboardFormat, QByteArray("not cells"));
    struct Case {
        const char* name;
        std::function<std::unique_ptr<QMimeData>()> mime;
        std::function<void(TDragDropSettings*)> settings;
        int col, row;
        Qt::DropActions allowed;
        Qt::KeyboardModifiers mods;
        Qt::DropAction over;
    } cases[] = {
        {"text moves",
         [] { return TextMime("x"); },
         {},
         2,
         3,
         Qt::CopyAction | Qt::MoveAction,
         Qt::NoModifier,
         Qt::MoveAction},
        {"Ctrl copies",
         [] { return TextMime("x"); },
         {},
         2,
         3,
         Qt::CopyAction | Qt::MoveAction,
         Qt::ControlModifier,
         Qt::CopyAction},
        {"a source that only copies",
         [] { return TextMime("x"); },
         {},
         2,
         3,
         Qt::CopyAction,
         Qt::NoModifier,
         Qt::CopyAction},
        {"text refused", [] { return TextMime("x"); },
         [](TDragDropSettings* d) { d->SetOleAcceptText(false); }, 2, 3, Qt::CopyAction | Qt::MoveAction,
         Qt::NoModifier, Qt::IgnoreAction},
        {"text over the header",
         [] { return TextMime("x"); },
         {},
         2,
         0,
         Qt::CopyAction | Qt::MoveAction,
         Qt::NoModifier,
         Qt::IgnoreAction},
        {"cells whatever is refused", [&] { return Mime(cells); },
         [](TDragDropSettings* d) {
             d->SetOleAcceptText(false);
             d->SetOleAcceptFiles(false);
             d->SetOleAcceptURLs(false);
         },
         2, 3, Qt::CopyAction | Qt::MoveAction, Qt::NoModifier, Qt::MoveAction},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TDragDropSettings* dd = right->DragDropSettings();
        dd->SetOleAcceptText(true);
        dd->SetOleAcceptFiles(true);
        dd->SetOleAcceptURLs(true);
        if (k.settings) k.settings(dd);
        const std::unique_ptr<QMimeData> mime = k.mime();
        const Delivered d = Deliver(right, mime.get(), Center(right, k.col, k.row), k.allowed, k.mods, false);
        EXPECT_EQ(d.over, k.over);
        EXPECT_EQ(d.overTaken, k.over != Qt::IgnoreAction);
    }
}

TEST_F(DragGrids, DroppedTextPastesAtTheCellAndSelectsIt) {
    std::vector<TGridRect> dropped;
    right->OnOleDropped = [&](TObject*, const TGridRect& r) { dropped.push_back(r); };
    const auto mime = TextMime("a\tb\r\nc\td");
    const Delivered d = Deliver(right, mime.get(), Center(right, 2, 3));
    EXPECT_EQ(d.dropped, Qt::MoveAction);
    EXPECT_EQ(right->Cells(2, 3), "a");
    EXPECT_EQ(right->Cells(3, 4), "d");
    EXPECT_EQ(right->Selection(), (TGridRect{2, 3, 3, 4}));
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped[0], (TGridRect{2, 3, 3, 4}));
}

TEST_F(DragGrids, ARefusedTextDropTakesNothingAndKeepsTheSelection) {
    right->SetSelection(TGridRect{1, 1, 1, 1});
    std::vector<TGridRect> dropped;
    right->OnOleDrop = [](TObject*, int, int, const String&, bool& allow) { allow = false; };
    right->OnOleDropped = [&](TObject*, const TGridRect& r) { dropped.push_back(r); };
    const auto mime = TextMime("new");
    const Delivered d = Deliver(right, mime.get(), Center(right, 2, 3));
    // A source that moves must not lose what was not taken.
    EXPECT_EQ(d.dropped, Qt::IgnoreAction);
    EXPECT_EQ(right->Cells(2, 3), "2:3");
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped[0], (TGridRect{1, 1, 1, 1}));
}

TEST_F(DragGrids, TextBelowTheLastRowAppendsRowsWithTheArrowThere) {
    TDragDropSettings* dd = right->DragDropSettings();
    dd->SetOleEntireRows(true);
    dd->SetOleAppendRows(true);
    dd->SetOleInsertRows(true);
    const TRect last = right->CellRect(1, 7);
    const QPoint below(last.Left + 5, last.Bottom + 20);
    const auto mime = TextMime("x\r\ny");
    const Qt::DropActions allowed = Qt::CopyAction | Qt::MoveAction;
    QWidget* w = Cells(right);
    QDragEnterEvent enter(below, allowed, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &enter);
    QDragMoveEvent move(below, allowed, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    // While the drag rests there, the left arrow marks the bottom of the last row.
    TArrowWindow* arrow = right->MoveArrow(arrLeft);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_TRUE(arrow->Visible());
    EXPECT_EQ(arrow->Top(), right->ClientToScreen(TPoint(0, last.Bottom)).Y);
    QDropEvent drop(below, allowed, mime.get(), Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &drop);
    Delivered d;
    d.dropped = drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    EXPECT_EQ(d.dropped, Qt::MoveAction);
    EXPECT_EQ(right->RowCount(), 10);
    EXPECT_EQ(right->Cells(1, 7), "1:7");
    EXPECT_EQ(right->Cells(1, 8), "x");
    EXPECT_EQ(right->Cells(1, 9), "y");
    EXPECT_FALSE(right->MoveArrow(arrLeft)->Visible());
}

TEST_F(DragGrids, OneDroppedDelimitedFileLoadsAfterBothEventsAllowIt) {
    QTemporaryDir dir;
    const QString csv = dir.filePath("Data.CSV"), other = dir.filePath("notes.txt");
    for (const QString& path : {csv, other}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("p,q\r\nr,s\r\n");
    }
    struct Case {
        const char* name;
        QStringList files;
        bool fileAllowed, dropAllowed;
        bool loads;
    } cases[] = {
        {"one file", {csv}, true, true, true},
        {"two files", {csv, other}, true, true, false},
        {"refused by the file event", {csv}, false, true, false},
        {"refused by the drop event", {csv}, true, false, false},
        {"not a delimited file", {other}, true, true, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        for (int c = 0; c < 5; ++c)
            right->SetCells(c, 1, "old");
        QStringList named;
        right->OnOleDropFile = [&](TObject*, int, int, const String& name, bool& allow) {
            named << name;
            allow = k.fileAllowed;
        };
        right->OnOleDrop = [&](TObject*, int row, int col, const String&, bool& allow) {
            EXPECT_EQ(row, -1);
            EXPECT_EQ(col, -1);
            allow = k.dropAllowed;
        };
        TClipData data;
        data.SetFiles(k.files);
        const auto mime = Mime(data);
        Deliver(right, mime.get(), Center(right, 2, 3));
        EXPECT_EQ(right->Cells(1, 1) == "s", k.loads);
        EXPECT_EQ(named.size(), k.files.size() == 1 ? 1 : 0);
    }
}

TEST_F(DragGrids, AColumnLandsOnAHeaderOrAfterTheLastColumn) {
    right->DragDropSettings()->SetOleColumnReorder(true);
    std::vector<std::pair<int, int>> over;
    right->OnOleDragOver = [&](TObject*, int row, int col, bool&) { over.emplace_back(col, row); };
    TClipData column;
    column.SetData(GridDrop::ColumnFormat(), GridDrop::ColumnBytes(1));
    const auto mime = Mime(column);
    const TRect lastHeader = right->CellRect(4, 0);
    struct Case {
        const char* name;
        QPoint at;
        std::pair<int, int> target;
        bool taken;
    } cases[] = {
        {"a normal row", Center(right, 2, 3), {2, 3}, false},
        {"right of the last column", QPoint(lastHeader.Right + 10, 40), {5, 0}, true},
        {"a header", Center(right, 3, 0), {3, 0}, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        over.clear();
        const Delivered d =
            Deliver(right, mime.get(), k.at, Qt::CopyAction | Qt::MoveAction, Qt::NoModifier, false);
        ASSERT_FALSE(over.empty());
        EXPECT_EQ(over.back(), k.target);
        EXPECT_EQ(d.overTaken, k.taken);
        EXPECT_EQ(right->MoveArrow(arrDown)->Visible(), false);
    }
    // Dropped on the header of column 3, column 1 goes there.
    const Delivered d = Deliver(right, mime.get(), Center(right, 3, 0));
    EXPECT_EQ(d.dropped, Qt::MoveAction);
    EXPECT_EQ(right->Cells(3, 2), "1:2");
    EXPECT_EQ(right->Cells(1, 2), "2:2");
}

TEST_F(DragGrids, AHiddenColumnFromAColumnListIsShownWhereItIsDropped) {
    auto* list = new TListBox(form.get());
    list->SetParent(form.get());
    list->Items()->Add("first");
    list->Items()->Add("column 2");
    right->HideColumn(2);
    ASSERT_EQ(right->ColCount(), 4);
    right->OleColumnDragStart(2, 1, list);
    std::vector<int> dropCols;
    right->OnOleDropCol = [&](TObject*, int, int, int ACol) { dropCols.push_back(ACol); };
    TClipData column;
    column.SetData(GridDrop::ColumnFormat(), GridDrop::ColumnBytes(2));
    const auto mime = Mime(column);
    Deliver(right, mime.get(), Center(right, 1, 0));
    EXPECT_EQ(right->ColCount(), 5);
    EXPECT_EQ(right->Cells(1, 3), "2:3");
    EXPECT_EQ(right->Cells(2, 3), "1:3");
    ASSERT_EQ(list->Items()->Count(), 1);
    EXPECT_EQ(list->Items()->Strings(0), "first");
    EXPECT_EQ(dropCols, std::vector<int>{1});
}

TEST_F(DragGrids, APressDraggedBeyondThreePixelsDragsTheSelection) {
    left->DragDropSettings()->SetOleDropSource(true);
    left->Navigation()->SetAllowFmtClipboard(true);
    int runs = 0;
    TClipData carried;
    SetDragRunner([&](TControl* source, const TClipData& data, int okEffects) {
        ++runs;
        EXPECT_EQ(source, left);
        EXPECT_EQ(okEffects, DROPEFFECT_COPY | DROPEFFECT_MOVE);
        carried = data;
        return int(DROPEFFECT_NONE);
    });
    std::vector<std::pair<int, int>> started;
    left->OnOleDragStart = [&](TObject*, int row, int col) { started.emplace_back(col, row); };
    int stopped = 0;
    left->OnOleDragStop = [&](TObject*, int) { ++stopped; };
    left->SetSelection(TGridRect{1, 2, 2, 3});
    const QPoint at = Center(left, 1, 2);
    PressAndDrag(left, at, 3, -3);
    EXPECT_EQ(runs, 0);
    // A press inside the selection keeps it for a drag; released without one, it selects its cell.
    EXPECT_EQ(left->Selection(), (TGridRect{1, 2, 2, 3}));
    Release(left, at);
    EXPECT_EQ(left->Selection(), (TGridRect{1, 2, 1, 2}));
    left->SetSelection(TGridRect{1, 2, 2, 3});
    PressAndDrag(left, at, 0, 4);
    ASSERT_EQ(runs, 1);
    EXPECT_EQ(carried.Text(), "1:2\t2:2\r\n1:3\t2:3");
    EXPECT_TRUE(carried.HasFormat(QvGrid::GridCellsClipboardFormat));
    EXPECT_EQ(started, (std::vector<std::pair<int, int>>{{1, 2}}));
    // Cancelled (Escape, or nothing took it): the cells stay and no stop is told.
    EXPECT_EQ(left->Cells(1, 2), "1:2");
    EXPECT_EQ(stopped, 0);
    // The press ended inside the drag: moving on selects nothing and starts nothing.
    Mouse(left, QEvent::MouseMove, Center(left, 3, 5), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(left->Selection(), (TGridRect{1, 2, 2, 3}));
}

TEST_F(DragGrids, CellsWithTheirColoursGoToTheOtherGrid) {
    left->DragDropSettings()->SetOleDropSource(true);
    left->Navigation()->SetAllowFmtClipboard(true);
    left->SetColors(1, 2, clRed);
    struct Case {
        const char* name;
        Qt::KeyboardModifiers mods;
        bool copyAlways;
        bool sourceKept;
        int effect;
    } cases[] = {
        {"moved", Qt::NoModifier, false, false, DROPEFFECT_MOVE},
        {"copied with Ctrl", Qt::ControlModifier, false, true, DROPEFFECT_COPY},
        {"moved but the grid always copies", Qt::NoModifier, true, true, DROPEFFECT_MOVE},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        left->SetCells(1, 2, "1:2");
        left->SetCells(2, 2, "2:2");
        right->SetCells(2, 4, "");
        right->SetColors(2, 4, clNone);
        left->DragDropSettings()->SetOleCopyAlways(k.copyAlways);
        SetDragRunner([&](TControl*, const TClipData& data, int okEffects) {
            const auto mime = Mime(data);
            const Qt::DropActions allowed = okEffects & DROPEFFECT_MOVE ? Qt::CopyAction | Qt::MoveAction
                                                                        : Qt::DropActions(Qt::CopyAction);
            const Delivered d = Deliver(right, mime.get(), Center(right, 2, 4), allowed, k.mods);
            return d.dropped == Qt::MoveAction   ? int(DROPEFFECT_MOVE)
                   : d.dropped == Qt::CopyAction ? int(DROPEFFECT_COPY)
                                                 : int(DROPEFFECT_NONE);
        });
        std::vector<int> stops;
        left->OnOleDragStop = [&](TObject*, int effect) { stops.push_back(effect); };
        left->SetSelection(TGridRect{1, 2, 2, 2});
        PressAndDrag(left, Center(left, 1, 2), 10, 0);
        EXPECT_EQ(right->Cells(2, 4), "1:2");
        EXPECT_EQ(right->Cells(3, 4), "2:2");
        EXPECT_EQ(right->Colors(2, 4), clRed);
        EXPECT_EQ(left->Cells(1, 2), k.sourceKept ? "1:2" : "");
        EXPECT_EQ(stops, std::vector<int>{k.effect});
    }
}

TEST_F(DragGrids, RowsDraggedUpWithinTheGridMoveThere) {
    left->SetOptions(left->Options() | goRowSelect);
    TDragDropSettings* dd = left->DragDropSettings();
    dd->SetOleDropSource(true);
    dd->SetOleRemoveRows(true);
    dd->SetOleInsertRows(true);
    SetDragRunner([&](TControl*, const TClipData& data, int) {
        const auto mime = Mime(data);
        const Delivered d = Deliver(left, mime.get(), Center(left, 1, 2));
        return d.dropped == Qt::MoveAction ? int(DROPEFFECT_MOVE) : int(DROPEFFECT_NONE);
    });
    left->SetSelection(TGridRect{1, 5, 4, 5});
    PressAndDrag(left, Center(left, 2, 5), 0, -10);
    EXPECT_EQ(left->RowCount(), 8);
    const QString expected[] = {"1:0", "1:1", "1:5", "1:2", "1:3", "1:4", "1:6", "1:7"};
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(left->Cells(1, r), expected[r]) << r;
}

TEST_F(DragGrids, AHeaderDraggedWithColumnDragsReordersTheColumns) {
    TDragDropSettings* dd = left->DragDropSettings();
    dd->SetOleDropSource(true);
    dd->SetOleColumnDragDrop(true);
    dd->SetOleColumnReorder(true);
    QByteArray column;
    SetDragRunner([&](TControl*, const TClipData& data, int) {
        column = data.Data(GridDrop::ColumnFormat());
        const auto mime = Mime(data);
        const Delivered d = Deliver(left, mime.get(), Center(left, 3, 0));
        return d.dropped == Qt::MoveAction ? int(DROPEFFECT_MOVE) : int(DROPEFFECT_NONE);
    });
    PressAndDrag(left, Center(left, 1, 0), 10, 0);
    EXPECT_EQ(GridDrop::ColumnOfBytes(column), 1);
    EXPECT_EQ(left->Cells(3, 4), "1:4");
    EXPECT_EQ(left->Cells(1, 4), "2:4");
    EXPECT_EQ(left->Cells(2, 4), "3:4");
}
