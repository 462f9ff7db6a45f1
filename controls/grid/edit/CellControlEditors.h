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

// A fixed cell's editors: they validate and store the header text themselves when the focus leaves; Enter
// does not end the edit.
class TGridTransEdit : public TEdit {
public:
    explicit TGridTransEdit(TComponent* AOwner);
    String ClassName() const override { return "TGridTransEdit"; }
    // Validates and stores the text into the cell; false when validation refused it (the editor stays,
    // focused).
    bool StopEdit();
    // The fixed cell being edited (real column).
    void SetCell(int ACol, int ARow) {
        FCol = ACol;
        FRow = ARow;
    }

protected:
    void KeyPress(QChar& Key) override;
    void DoExit() override;

private:
    int FRow = -1;
    int FCol = -1;
    TQvStringGrid* FGrid;
};

class TGridTransCombo : public TComboBox {
public:
    explicit TGridTransCombo(TComponent* AOwner);
    String ClassName() const override { return "TGridTransCombo"; }
    bool StopEdit();
    void SetCell(int ACol, int ARow) {
        FCol = ACol;
        FRow = ARow;
    }

protected:
    void KeyPress(QChar& Key) override;
    void DoExit() override;

private:
    int FRow = -1;
    int FCol = -1;
    TQvStringGrid* FGrid;
};
