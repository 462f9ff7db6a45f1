// The undo history of cell edits: recording, grouping and walking it back and forth.
#include "controls/grid/BaseGrid_UndoRedo.h"

TUndoRedoItem* TUndoRedoCollection::Add() {
    FItems.push_back(std::make_unique<TUndoRedoItem>());
    return FItems.back().get();
}

void TUndoRedoCollection::Delete(int i) {
    if (i < 0 || i >= Count()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(i));
    FItems.erase(FItems.begin() + i);
}

TQvGridUndoRedo::TQvGridUndoRedo(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TUndoRedoCollection>()) {}

TQvGridUndoRedo::~TQvGridUndoRedo() {
    DestroyComponents();
}

void TQvGridUndoRedo::DropUndone() {
    while (FItems->Count() > FLevel)
        FItems->Delete(FItems->Count() - 1);
}

void TQvGridUndoRedo::RegisterChange(int ACol, int ARow, const String& NewValue, const String& OldValue) {
    DropUndone();
    if (FMaxLevel > 0 && FItems->Count() >= FMaxLevel) FItems->Delete(0);
    TUndoRedoItem* item = FItems->Add();
    item->SetCol(ACol);
    item->SetRow(ARow);
    item->SetValue(NewValue);
    item->SetOrigValue(OldValue);
    FLevel = FItems->Count();
}

void TQvGridUndoRedo::RegisterCheckStateChange(int ACol, int ARow, int NewState, int OldState) {
    RegisterChange(ACol, ARow, String(), String());
    TUndoRedoItem* item = FItems->Items(FItems->Count() - 1);
    item->SetIsCheckState(true);
    item->SetCheckState(NewState);
    item->SetOrigCheckState(OldState);
}

void TQvGridUndoRedo::AddMarker(bool start) {
    DropUndone();
    TUndoRedoItem* item = FItems->Add();
    item->SetSequenceStart(start);
    item->SetSequenceStop(!start);
    FLevel = FItems->Count();
}

void TQvGridUndoRedo::StartSequence() {
    AddMarker(true);
}
void TQvGridUndoRedo::StopSequence() {
    AddMarker(false);
}

void TQvGridUndoRedo::UndoItem(const TUndoRedoItem& item) {
    if (item.IsCheckState()) {
        FGrid->SetCellCheckState(item.Col(), item.Row(), item.OrigCheckState());
        FGrid->SetCol(FGrid->DisplColIndex(item.Col()));
        FGrid->SetRow(item.Row());
        return;
    }
    if (OnUndo)
        OnUndo(this, FGrid, item.Col(), item.Row(), FGrid->GetCellEx(item.Col(), item.Row()),
               item.OrigValue());
    FGrid->SetCellEx(item.Col(), item.Row(), item.OrigValue());
    FGrid->SetCol(FGrid->DisplColIndex(item.Col()));
    FGrid->SetRow(item.Row());
}

void TQvGridUndoRedo::RedoItem(const TUndoRedoItem& item) {
    if (item.IsCheckState()) {
        FGrid->SetCellCheckState(item.Col(), item.Row(), item.CheckState());
        FGrid->SetCol(FGrid->DisplColIndex(item.Col()));
        FGrid->SetRow(item.Row());
        return;
    }
    if (OnRedo)
        OnRedo(this, FGrid, item.Col(), item.Row(), FGrid->GetCellEx(item.Col(), item.Row()), item.Value());
    FGrid->SetCellEx(item.Col(), item.Row(), item.Value());
    FGrid->SetCol(FGrid->DisplColIndex(item.Col()));
    FGrid->SetRow(item.Row());
}

void TQvGridUndoRedo::Undo() {
    if (!FGrid) return;
    // The start of a group still being recorded holds no change of its own.
    while (FLevel > 0 && FItems->Items(FLevel - 1)->SequenceStart())
        --FLevel;
    if (FLevel == 0) return;
    const TUndoRedoItem* top = FItems->Items(FLevel - 1);
    if (!top->SequenceStop()) {
        UndoItem(*top);
        FGrid->RepaintCell(FGrid->Col(), top->Row());
        --FLevel;
        return;
    }
    --FLevel;
    while (FLevel > 0 && !FItems->Items(FLevel - 1)->SequenceStart()) {
        const TUndoRedoItem* item = FItems->Items(FLevel - 1);
        if (!item->IsMarker()) UndoItem(*item);
        --FLevel;
    }
    // The group's start may have been trimmed away by MaxLevel.
    if (FLevel > 0) --FLevel;
    FGrid->Invalidate();
}

void TQvGridUndoRedo::Redo() {
    if (!FGrid) return;
    // The end of a group whose start was trimmed away holds no change of its own.
    while (FLevel < FItems->Count() && FItems->Items(FLevel)->SequenceStop())
        ++FLevel;
    if (FLevel >= FItems->Count()) return;
    const TUndoRedoItem* first = FItems->Items(FLevel);
    ++FLevel;
    if (!first->SequenceStart()) {
        RedoItem(*first);
        return;
    }
    while (FLevel < FItems->Count() && !FItems->Items(FLevel)->SequenceStop()) {
        const TUndoRedoItem* item = FItems->Items(FLevel);
        if (!item->IsMarker()) RedoItem(*item);
        ++FLevel;
    }
    // Past the stop marker; a group still open has none.
    if (FLevel < FItems->Count()) ++FLevel;
    FGrid->Invalidate();
}

void TQvGridUndoRedo::Reset() {
    FItems->Clear();
    FLevel = 0;
}
