// The string grid's editor table: for each special editor kind, how its control is made, placed over the
// cell, filled with the cell's value and shown, and how the value is stored and the control hidden when
// the edit ends. It is the only place that maps an editor kind to its control; a kind joins with one entry.
#pragma once

#include "controls/grid/QvObj.h"
#include "toolkit/system/Types.h"

class TComponent;
class TFont;
class TQvStringGrid;
class TWinControl;

// The cell an editor opens over or closes on. Closing fills only the grid, the kind and the cell.
struct TEditorCell {
    TQvStringGrid* Grid = nullptr;
    TEditorType Kind = edNormal;
    int RealCol = 0;
    int Row = 0;
    // The cell's rectangle and the room inside its lines.
    TRect Rect{};
    int Width = 0;
    int Height = 0;
    // The colour and font the cell is painted in, and its edit text.
    TColor Color = clNone;
    const TFont* Font = nullptr;
    String Text;
};

// One control and its steps, shared by the kinds that open it.
struct TEditorEntry {
    // A new control for the grid, hidden; the grid keeps it for every later edit of the entry's kinds.
    // Without Make the steps get no control: the kind's control is the application's (an editor link).
    TWinControl* (*Make)(TQvStringGrid& Grid);
    // Opening, in this order, once the grid is in edit mode.
    void (*Place)(TWinControl* Control, const TEditorCell& Cell);
    void (*Fill)(TWinControl* Control, const TEditorCell& Cell);
    void (*Show)(TWinControl* Control, const TEditorCell& Cell);
    // Closing: the control's value goes into the cell (not when Escape cancelled the edit), then the
    // control goes.
    void (*Store)(TWinControl* Control, const TEditorCell& Cell);
    void (*Hide)(TWinControl* Control, const TEditorCell& Cell);
    // The open control is the grid's control over the cell (the one a refused value's balloon points at).
    bool OverCell;
    // Closing stores and hides only while the grid is still in edit mode.
    bool ClosesOnlyInEditMode;
};

// The entry of an editor kind; nullptr for a kind without a control of its own (the text kinds, the data
// check box, edNone and the kinds whose control does not exist yet), which opens nothing.
const TEditorEntry* FindEditorEntry(TEditorType Kind);

// The string grid an editor control is made for (its owner); an owner that is no string grid is a
// programming error (EInvalidGridOperation naming the editor).
TQvStringGrid* EditorOwnerGrid(TComponent* Owner, const char* Editor);

// The end of an edit by a leaving key the editor accepted: with goTabs a Tab moves on from the editor,
// every other key ends the edit as the grid ends it (and moves by the key). The key is spent.
void EndEditByKey(TQvStringGrid& Grid, Word& Key, TShiftState Shift);
// Escape: the edit ends and the cell keeps exactly its text (also one the editor cannot show).
void CancelEditByKey(TQvStringGrid& Grid, Word& Key, TShiftState Shift);

// Steps the entries share: the control hidden and disabled with the focus back on the grid, the character
// that opened the editor posted to it, and the whole number a cell text starts with.
void HideInCell(TWinControl* Control, const TEditorCell& Cell);
void PostStartEditChar(TWinControl* Control, const TEditorCell& Cell);
int LeadingSpinInt(const String& Text);
