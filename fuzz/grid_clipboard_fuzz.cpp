// Fuzz target: what another program puts on the clipboard, pasted into a grid by Ctrl+V: plain text, rich
// text and "TQvStringGrid Cells", with the smart paste over a selection. The input is split into the bytes
// of the three formats at the first two bytes 0x1E; its first byte chooses the settings.
#include "FuzzSupport.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/services/Clipboard.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qvfuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const unsigned flags = data[0];
    const QList<QByteArray> parts = qvfuzz::Bytes(data + 1, size - 1).split('\x1e');
    TClipData clip;
    if (!parts.isEmpty()) clip.SetText(QString::fromUtf8(parts[0]));
    if (parts.size() > 1) clip.SetData(CF_RTF(), parts[1]);
    if (parts.size() > 2) clip.SetData(QvGrid::GridCellsClipboardFormat, parts[2]);
    Clipboard()->SetData(clip);

    TQvStringGrid grid(nullptr);
    grid.SetColCount(6);
    grid.SetRowCount(6);
    grid.SetOptions(grid.Options() | goEditing);
    TNavigation* nav = grid.Navigation();
    nav->SetAllowRTFClipboard(flags & 1);
    nav->SetAllowFmtClipboard(flags & 2);
    nav->SetAllowSmartClipboard(flags & 4);
    nav->SetAllowClipboardColGrow(flags & 8);
    nav->SetAllowClipboardRowGrow(flags & 16);
    nav->SetClipboardPasteAction(flags & 32 ? paInsert : paReplace);
    grid.SetExcelClipboardFormat(flags & 64);
    grid.SetSelection(flags & 128 ? TGridRect{1, 1, 3, 4} : TGridRect{2, 2, 2, 5});
    try {
        grid.PasteSelectionFromClipboard();
    } catch (const EQvGridError&) {
        return 0;
    }
    // What was pasted copies out again and reads back.
    grid.SetSelection(TGridRect{1, 1, grid.ColCount() - 1, grid.RowCount() - 1});
    grid.CopySelectionToClipboard();
    grid.PasteSelectionFromClipboard();
    return 0;
}
