// Fuzz target: what another program drags onto a shown grid, dropped there through Qt's drag events: text,
// a list of files and addresses, rich text, "TQvStringGrid Cells" and a column. The first two bytes choose
// the grid's drag-and-drop settings and the cell the drop falls on; the rest is split into the bytes of the
// five formats at the first four bytes 0x1E.
#include "FuzzSupport.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/exchange/GridDropRules.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>

namespace {

TForm* DropForm() {
    static TForm* form = [] {
        auto* f = new TForm(nullptr); // lives for the whole run
        f->SetBounds(0, 0, 420, 260);
        f->Show();
        return f;
    }();
    return form;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const unsigned flags = data[0], place = data[1];
    const QList<QByteArray> parts = qvfuzz::Bytes(data + 2, size - 2).split('\x1e');
    const UINT formats[] = {CF_UNICODETEXT, CF_HDROP, CF_RTF(), QvGrid::GridCellsClipboardFormat,
                            GridDrop::ColumnFormat()};
    QMimeData mime;
    for (int i = 0; i < parts.size() && i < 5; ++i)
        mime.setData(ClipboardFormatMimeType(formats[i]), parts[i]);

    auto* grid = new TQvStringGrid(DropForm());
    grid->SetParent(DropForm());
    grid->SetBounds(0, 0, 400, 240);
    grid->SetColCount(5);
    grid->SetRowCount(6);
    grid->SetOptions(grid->Options() | goEditing | (flags & 1 ? goRowSelect : 0));
    grid->Navigation()->SetAllowClipboardRowGrow(true);
    TDragDropSettings* dd = grid->DragDropSettings();
    dd->SetOleEntireRows(flags & 2);
    dd->SetOleAppendRows(flags & 4);
    dd->SetOleInsertRows(flags & 8);
    dd->SetOleRemoveRows(flags & 16);
    dd->SetOleColumnReorder(flags & 32);
    dd->SetOleDropRTF(flags & 64);
    dd->SetOleDropTarget(true);
    TListBox* list = nullptr;
    if (flags & 128) {
        // A hidden column dragged from a column list.
        list = new TListBox(DropForm());
        list->Items()->Add("column");
        grid->HideColumn(place % 5);
        grid->OleColumnDragStart(place % 5, 0, list);
    }
    // Files are named to the application, which refuses them: nothing on this computer is read.
    grid->OnOleDropFile = [](TObject*, int, int, const String& name, bool& allow) {
        if (name.isEmpty()) std::abort();
        allow = false;
    };

    QWidget* w = grid->Widget();
    for (QWidget* child : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->acceptDrops()) w = child;
    const QPoint at(5 + (place & 15) * 25, 5 + (place >> 4) * 20);
    const Qt::DropActions allowed = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, allowed, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &enter);
    QDragMoveEvent move(at, allowed, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QDropEvent drop(at, allowed, &mime, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &drop);
    // Whatever was dropped reads out again.
    (void)grid->SelectedText();
    delete grid;
    delete list;
    return 0;
}
