// Stand-in for the in-place combo editor's item list; the in-place editing topic replaces it.
#include "controls/grid/QvGrid.h"

TStringList* TQvStringGrid::ComboStrings() {
    if (!FComboStandIn) FComboStandIn = std::make_unique<TStringList>();
    return FComboStandIn.get();
}

void TQvStringGrid::ClearComboString() {
    ComboStrings()->Clear();
}

void TQvStringGrid::AddComboString(const String& S) {
    ComboStrings()->Add(S);
}
