// The editors the string grid lays over a markup cell's EDIT, PASSWORD, MASK and COMBO controls
// (TControlEdit, TControlCombo), and over a fixed cell it lets the person edit in place (TGridTransEdit, a
// plain edit, and TGridTransCombo, a combo box).
#pragma once

#include "controls/editors/QsgCombo.h"
#include "toolkit/stdctrls/Mask.h"

class TQvStringGrid;

// Enter and Tab end the edit; the grid's exit handler writes the value into the control's tag.
class TControlEdit : public TMaskEdit {
public:
    using TMaskEdit::TMaskEdit;
    String ClassName() const override { return "TControlEdit"; }

protected:
    LRESULT DialogCode() const override;
    void KeyPress(QChar& Key) override;
};

class TControlCombo : public TQsgComboBox {
public:
    using TQsgComboBox::TQsgComboBox;
    String ClassName() const override { return "TControlCombo"; }

protected:
    LRESULT DialogCode() const override;
    void KeyPress(QChar& Key) override;
};

// The fixed cell a header editor writes back to, and that write: the person's text goes through the grid's
// validation first and is stored only when accepted.
struct TFixedCellTarget {
    explicit TFixedCellTarget(TComponent* Owner);
    // Validates and stores Text into the cell and hides Editor; false when validation refused it (the
    // editor stays, focused).
    bool Store(TWinControl& Editor, const String& Text) const;

    TQvStringGrid* Grid;
    int Col = -1; // real column
    int Row = -1;
};

// A fixed cell's editor on either toolkit base: it validates and stores the header text itself when the
// focus leaves; Enter does not end the edit.
template <class TBase> class TGridTransEditor : public TBase {
public:
    explicit TGridTransEditor(TComponent* AOwner) : TBase(AOwner), FTarget(AOwner) {
        TBase::SetVisible(false);
    }
    // false when validation refused the text (the editor stays, focused).
    bool StopEdit() { return FTarget.Store(*this, TBase::Text()); }
    void SetCell(int ACol, int ARow) {
        FTarget.Col = ACol;
        FTarget.Row = ARow;
    }

protected:
    void KeyPress(QChar& Key) override {
        if (Key == QChar('\r'))
            Key = QChar();
        else
            TBase::KeyPress(Key);
    }
    void DoExit() override {
        TBase::DoExit();
        if (TBase::Visible()) StopEdit();
    }

private:
    TFixedCellTarget FTarget;
};

class TGridTransEdit : public TGridTransEditor<TEdit> {
public:
    using TGridTransEditor::TGridTransEditor;
    String ClassName() const override { return "TGridTransEdit"; }
};

class TGridTransCombo : public TGridTransEditor<TComboBox> {
public:
    using TGridTransEditor::TGridTransEditor;
    String ClassName() const override { return "TGridTransCombo"; }
};
