// The pluggable cell checker a string grid links to run corrections and error marks over its cells.
#pragma once

#include "toolkit/system/Classes.h"

// The base checker passes every text as it is; dictionary checkers and auto-correctors override it.
class TQvStringGridCheck : public TComponent {
public:
    explicit TQvStringGridCheck(TComponent* AOwner) : TComponent(AOwner) {}
    String ClassName() const override { return "TQvStringGridCheck"; }

    // Expected to wrap faulty words in the "e" tag.
    virtual String MarkError(int ACol, int ARow, const String& s) {
        (void)ACol, (void)ARow;
        return s;
    }
    virtual String Correct(int ACol, int ARow, const String& s) {
        (void)ACol, (void)ARow;
        return s;
    }
    virtual void StartCheck() {}
    virtual void StopCheck() {}

    bool GotoCell() const { return FGotoCell; }
    void SetGotoCell(bool v) { FGotoCell = v; }
    bool AutoCorrect() const { return FAutoCorrect; }
    void SetAutoCorrect(bool v) { FAutoCorrect = v; }
    bool AutoMarkError() const { return FAutoMarkError; }
    void SetAutoMarkError(bool v) { FAutoMarkError = v; }
    bool UseCorrect() const { return FUseCorrect; }
    void SetUseCorrect(bool v) { FUseCorrect = v; }
    bool UseMarkError() const { return FUseMarkError; }
    void SetUseMarkError(bool v) { FUseMarkError = v; }

private:
    bool FGotoCell = false;
    bool FAutoCorrect = false;
    bool FAutoMarkError = false;
    bool FUseCorrect = false;
    bool FUseMarkError = false;
};
