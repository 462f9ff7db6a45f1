// The state of a string grid's in-place editing, owned by the grid and handed to its editors.
#pragma once

#include "controls/grid/QvObj.h"
#include "toolkit/system/ScopedValue.h"
#include "toolkit/system/Types.h"

#include <vector>

class TControl;

// One grid's edit under way: which editor kind and control are open for which cell, the cell text from
// before the edit and the one its validation settled on, and the marks that keep the focus, selection and
// validation messages an opening or closing editor causes from starting another round. The grid's editing
// engine, its keys and its mouse read and set the state; an editor reads it and changes it only through
// the operations.
class TGridEditSession {
public:
    // What the editors do
    // ----------------------------------------------------------------------------------------
    // Escape in a special editor: it closes without storing anything into the cell.
    void Cancel() { EditCancelled = true; }
    // Whether the close under way was cancelled; the mark is used up.
    bool TakeCancelled() {
        const bool cancelled = EditCancelled;
        EditCancelled = false;
        return cancelled;
    }
    // A special editor's leaving key was refused by validation (the combo clears the mark at its next key
    // up).
    void RefuseAdvance() { NoAutoAdvance = true; }
    void AllowAdvance() { NoAutoAdvance = false; }
    // The edit is over: no editor counts as open and nothing waits for validation (the focus left the grid).
    void End() {
        Editing = false;
        EditMode = false;
    }
    // Nothing waits for validation any more; the editor stays open.
    void DropPendingValidation() { Editing = false; }
    // An editor writes its text into the cell before it validates it: validation waits for the scope.
    [[nodiscard]] ScopedValue<bool> HoldValidation() { return ScopedValue<bool>(Validating, true); }
    // After a refused value the grid keeps the text from before the edit.
    void RestoreOldCellText(const String& Text) { OldCellText = Text; }
    // The text editor does not report its text as typed while its contents are being filled.
    void SetEditChangeMuted(bool Muted) { NoEditChange = Muted; }
    void ClearStartEditChar() { StartEditChar = QChar(); }
    // The caret of an editor a click opened went to the clicked place.
    void ClearOpenedByClick() { OpenedByClick = false; }

    // The edit under way
    // ----------------------------------------------------------------------------------------
    // The editor kind of the cell being edited, set when editing starts.
    TEditorType EditControl = edNormal;
    // An editor (text or special) is open or being opened; cleared when its value has been taken.
    bool EditMode = false;
    // An edit is pending validation.
    bool Editing = false;
    // The open editor is a special editor, and its end has not been announced yet.
    bool SpecialEditor = false;
    bool EditActive = false;
    // The special control over the cell (none for the text editor).
    TControl* EditCtrl = nullptr;
    // The character typed on the cell that opened the editor, handed to the editor.
    QChar StartEditChar;
    // The cell text fetched when a cell is selected or the editor opened.
    String EditText;
    // The combo item chosen when the cell's text is none of the items; -1 for none.
    int ComboIdx = -1;
    // A spin button painted in the cell was clicked: the spin editor opens with that step made.
    bool SpinUpClick = false;
    bool SpinDnClick = false;
    // A click opened the editor: its caret goes where the click was.
    bool OpenedByClick = false;
    // Set when an editor opens, cleared by a click on the grid.
    bool Entered = false;
    // A text editor is about to be shown.
    bool ShowEditProcess = false;
    // See Cancel and RefuseAdvance.
    bool EditCancelled = false;
    bool NoAutoAdvance = false;

    // Values from before the edit and after its validation
    // ----------------------------------------------------------------------------------------
    // The cell whose old value is kept (display column).
    int OldCol = -1;
    int OldRow = -1;
    String OldCellText;
    String OldCellTextWide;
    bool OldModifiedValue = false;
    bool ModifiedFlag = false;
    // The text validation settled on.
    String NewCellText;
    // The cell text when editing began (OriginalCellValue), put back by Escape.
    String CellCache;
    // The last validation as the special editors see it.
    bool LastValidation = true;

    // Marks against re-entrance and the grid's own editing switch
    // ----------------------------------------------------------------------------------------
    bool Validating = false;
    // A special editor is being closed: the grid ignores the focus loss.
    bool BlockKill = false;
    // DoneInplaceEdit runs: the grid's focus-enter handling is skipped.
    bool BlockFocus = false;
    // The edit text is being fetched: the text editor does not fire OnEditChange.
    bool NoEditChange = false;
    // The change guard of a move that asked the change events itself (the Enter move).
    bool DisableChange = false;
    // The grid dropped goEditing on a cell it may not edit; navigation counts editing as on.
    bool EditDisable = false;
    // The grid switched goEditing itself: the repaint that follows is skipped once.
    bool EditChange = false;
    // Where the Enter move started.
    int AECol = -1;
    int AERow = -1;
    // The edited row's texts and read-only marks when a special editor opened, for Escape to put back.
    struct RowBefore {
        int Row = -1;
        std::vector<String> Texts;
        std::vector<bool> ReadOnly;
    };
    RowBefore EditRowBefore;
};
