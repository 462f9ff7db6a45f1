// Undo and redo of cell edits: a history of cell changes, grouped into steps, written back into a grid.
#pragma once

#include "toolkit/system/Classes.h"
#include "toolkit/system/Types.h"

#include <memory>
#include <vector>

// What the undo component needs of a grid. The base grid implements it; cell columns are real
// columns, the current cell takes display columns.
class IUndoRedoCells {
public:
    virtual ~IUndoRedoCells() = default;
    virtual String GetCellEx(int ACol, int ARow) = 0;
    virtual void SetCellEx(int ACol, int ARow, const String& Value) = 0;
    virtual int DisplColIndex(int ACol) = 0;
    virtual int Col() = 0;
    virtual void SetCol(int ACol) = 0;
    virtual void SetRow(int ARow) = 0;
    virtual void RepaintCell(int ACol, int ARow) = 0;
    virtual void Invalidate() = 0;
    // Puts back the state of a check box that keeps it outside the cell text (a TCheckBoxState value);
    // a grid without such boxes has nothing to put back.
    virtual void SetCellCheckState(int ACol, int ARow, int State) {
        (void)ACol;
        (void)ARow;
        (void)State;
    }
};

// One cell change, or a marker (Col = Row = -1) that opens or closes a group of changes.
class TUndoRedoItem : public TPersistent {
public:
    String ClassName() const override { return "TUndoRedoItem"; }
    int Row() const { return FRow; }
    void SetRow(int v) { FRow = v; }
    int Col() const { return FCol; }
    void SetCol(int v) { FCol = v; }
    String Value() const { return FValue; }
    void SetValue(const String& v) { FValue = v; }
    String OrigValue() const { return FOrigValue; }
    void SetOrigValue(const String& v) { FOrigValue = v; }
    bool SequenceStart() const { return FSequenceStart; }
    void SetSequenceStart(bool v) { FSequenceStart = v; }
    bool SequenceStop() const { return FSequenceStop; }
    void SetSequenceStop(bool v) { FSequenceStop = v; }
    bool IsMarker() const { return FSequenceStart || FSequenceStop; }
    // A check box state change instead of a text change.
    bool IsCheckState() const { return FIsCheckState; }
    void SetIsCheckState(bool v) { FIsCheckState = v; }
    int CheckState() const { return FCheckState; }
    void SetCheckState(int v) { FCheckState = v; }
    int OrigCheckState() const { return FOrigCheckState; }
    void SetOrigCheckState(int v) { FOrigCheckState = v; }

private:
    int FRow = -1;
    int FCol = -1;
    String FValue;     // the text after the change
    String FOrigValue; // the text before it
    bool FSequenceStart = false;
    bool FSequenceStop = false;
    bool FIsCheckState = false;
    int FCheckState = 0;
    int FOrigCheckState = 0;
};

// The history, oldest first.
class TUndoRedoCollection : public TObject {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TUndoRedoItem* Items(int i) const { return FItems.at(static_cast<size_t>(i)).get(); }
    TUndoRedoItem* Add();
    void Delete(int i);
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TUndoRedoItem>> FItems;
};

class TQvGridUndoRedo;
using TQvGridUndoRedoEvent = std::function<void(TQvGridUndoRedo* Sender, IUndoRedoCells* Grid, int Col,
                                                int Row, const String& OrigValue, const String& NewValue)>;

class TQvGridUndoRedo : public TComponent {
public:
    explicit TQvGridUndoRedo(TComponent* AOwner);
    ~TQvGridUndoRedo() override;
    String ClassName() const override { return "TQvGridUndoRedo"; }

    // Records one change. Steps that were undone and not redone are dropped first.
    virtual void RegisterChange(int ACol, int ARow, const String& NewValue, const String& OldValue);
    // Records a change of a check box whose state lives in the box, not in the cell text.
    virtual void RegisterCheckStateChange(int ACol, int ARow, int NewState, int OldState);
    virtual void StartSequence();
    virtual void StopSequence();

    void Undo();
    void Redo();
    void Reset();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < FItems->Count(); }

    TUndoRedoCollection* Items() const { return FItems.get(); }
    // The grid whose cells are written; the grid clears it when it goes.
    IUndoRedoCells* Grid() const { return FGrid; }
    void SetGrid(IUndoRedoCells* AGrid) { FGrid = AGrid; }
    int Level() const { return FLevel; }
    int MaxLevel() const { return FMaxLevel; }
    void SetMaxLevel(int v) { FMaxLevel = v; }

    TQvGridUndoRedoEvent OnUndo;
    TQvGridUndoRedoEvent OnRedo;

private:
    void DropUndone();
    void AddMarker(bool start);
    void UndoItem(const TUndoRedoItem& item);
    void RedoItem(const TUndoRedoItem& item);

    std::unique_ptr<TUndoRedoCollection> FItems;
    IUndoRedoCells* FGrid = nullptr;
    int FLevel = 0;
    int FMaxLevel = 0;
};
