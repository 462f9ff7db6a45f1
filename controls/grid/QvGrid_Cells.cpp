// The string grid's cell content: typed values, cell looks, headers, highlights, cell checks and fills.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvGridCheck.h"
#include "controls/markup/QsgHTMLE.h"
#include "toolkit/system/DateUtils.h"
#include "toolkit/system/SysUtils.h"

#include <cstdlib>

namespace {

// Integer texts of a cell: blanks around, "" and "-" are 0, "$", "x" and "0x" start hexadecimal.
int CellTextToInt(const String& Text) {
    String s = Text.trimmed();
    if (s.isEmpty() || s == QStringLiteral("-")) return 0;
    int sign = 0;
    if (s.startsWith(QLatin1Char('-')) || s.startsWith(QLatin1Char('+'))) sign = 1;
    if (s.size() > sign + 1 && (s[sign] == QLatin1Char('x') || s[sign] == QLatin1Char('X')))
        s.replace(sign, 1, QStringLiteral("$"));
    Integer v = 0;
    if (!TryStrToInt(s, v)) throw EQvGridError("Cell does not contain integer value");
    return v;
}

double CellTextToFloat(const String& Text) {
    double v = 0;
    if (!CellTextToNumber(Text, v)) throw EQvGridError("Cell does not contain a float value");
    return v;
}

// Only the four characters that would break the markup; accented characters stay as they are.
String EscapeMarkupChars(const String& Text) {
    String s = Text;
    s.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    s.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    s.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    s.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    return s;
}

String UnescapeMarkupChars(const String& Text) {
    String s = Text;
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return s;
}

} // namespace

// Typed values
// --------------------------------------------------------------------------------------------

int TQvStringGrid::Ints(int ACol, int ARow) {
    return CellTextToInt(StrippedCells(ACol, ARow));
}

void TQvStringGrid::SetInts(int ACol, int ARow, int Value) {
    SetCells(ACol, ARow, IntToStr(Value));
    if (FNumHiddenColumns > 0) RepaintCell(DisplColIndex(ACol), ARow);
}

int TQvStringGrid::AllInts(int ACol, int ARow) {
    return CellTextToInt(AllCells(ACol, ARow));
}

void TQvStringGrid::SetAllInts(int ACol, int ARow, int Value) {
    SetAllCells(ACol, ARow, IntToStr(Value));
}

double TQvStringGrid::Floats(int ACol, int ARow) {
    return CellTextToFloat(StrippedCells(ACol, ARow));
}

void TQvStringGrid::SetFloats(int ACol, int ARow, double Value) {
    bool isFloat = true;
    String fmt = FFloatFormat;
    GetFloatFormat(ACol, ARow, isFloat, fmt);
    SetCells(ACol, ARow, Format(fmt, {Value}));
}

double TQvStringGrid::AllFloats(int ACol, int ARow) {
    return CellTextToFloat(AllCells(ACol, ARow));
}

void TQvStringGrid::SetAllFloats(int ACol, int ARow, double Value) {
    SetAllCells(ACol, ARow, Format(FFloatFormat, {Value}));
}

TDateTime TQvStringGrid::Dates(int ACol, int ARow) {
    const String s = Cells(ACol, ARow);
    TDateTime v = 0;
    if (!TryStrToDate(s.trimmed(), v) && !ParseLocaleDateTime(s.trimmed(), v))
        throw EConvertError("'" + s + "' is not a valid date");
    return v;
}

void TQvStringGrid::SetDates(int ACol, int ARow, TDateTime Value) {
    SetCells(ACol, ARow, Value > 0 || FShowNullDates ? DateToStr(Value) : String());
}

TDateTime TQvStringGrid::Times(int ACol, int ARow) {
    const String s = Cells(ACol, ARow);
    TDateTime v = 0;
    if (!TryStrToTime(s.trimmed(), v)) throw EConvertError("'" + s + "' is not a valid time");
    return v;
}

void TQvStringGrid::SetTimes(int ACol, int ARow, TDateTime Value) {
    SetCells(ACol, ARow, TimeToStr(Value));
}

// Rows hidden by the row-hiding operations are not stored among the displayed rows; until those exist
// every real row is its display row.
void TQvStringGrid::SetAllCells(int ACol, int ARow, const String& Value) {
    if (ACol < 0 || ARow < 0) return;
    // A hidden row keeps its texts in its stored copy until it is shown again.
    if (TGridItem* item = HiddenRowItem(ARow)) {
        TStringList* items = item->Items();
        while (items->Count() <= ACol)
            items->Add(String());
        items->SetStrings(ACol, Value);
        return;
    }
    ARow = DisplRowIndex(ARow);
    if (ARow >= RowCount()) return;
    SetCells(ACol, ARow, Value);
    const int dc = DisplColIndex(ACol);
    if (dc != ACol) RepaintCell(dc, ARow);
}

String TQvStringGrid::StrippedCells(int ACol, int ARow) {
    return StripMarkup(Cells(ACol, ARow));
}

int TQvStringGrid::LinesInCell(int ACol, int ARow) {
    return LineCount(Cells(ACol, ARow), true);
}

int TQvStringGrid::PrintColWidth(int ACol) const {
    if (ACol < 0 || ACol >= static_cast<int>(FMaxWidths.size()))
        throw EQvGridError("Columns is not in valid range");
    return FMaxWidths[static_cast<size_t>(ACol)];
}

int TQvStringGrid::PrintColOffset(int ACol) const {
    if (ACol < 0 || ACol >= static_cast<int>(FIndents.size()))
        throw EQvGridError("Columns is not in valid range");
    return FIndents[static_cast<size_t>(ACol)];
}

void TQvStringGrid::SetPrintColMetrics(int ACol, int Width, int Offset) {
    if (ACol < 0 || ACol >= static_cast<int>(FMaxWidths.size()))
        throw EQvGridError("Columns is not in valid range");
    FMaxWidths[static_cast<size_t>(ACol)] = Width;
    FIndents[static_cast<size_t>(ACol)] = Offset;
}

// Cell looks
// --------------------------------------------------------------------------------------------

#define QV_CELL_LOOK(Type, Name, Field, Default)                                                             \
    Type TQvStringGrid::Name(int ACol, int ARow) const {                                                     \
        const TCellProperties* p = PropsAt(ACol, ARow);                                                      \
        return p ? p->Field() : Default;                                                                     \
    }                                                                                                        \
    void TQvStringGrid::Set##Name(int ACol, int ARow, Type Value) {                                          \
        TCellProperties* p = GetCellProperties(ACol, ARow);                                                  \
        if (!p) return;                                                                                      \
        p->Set##Field(Value);                                                                                \
        if (FUpdateCount == 0) RepaintCell(DisplColIndex(ACol), ARow);                                       \
    }

QV_CELL_LOOK(TColor, Colors, BrushColor, clNone)
QV_CELL_LOOK(TColor, ColorsTo, BrushColorTo, clNone)
QV_CELL_LOOK(TColor, FontColors, FontColor, clNone)
QV_CELL_LOOK(TFontStyles, FontStyles, FontStyle, TFontStyles(0))
QV_CELL_LOOK(int, FontSizes, FontSize, 0)
QV_CELL_LOOK(TAlignment, Alignments, Alignment, taLeftJustify)
QV_CELL_LOOK(bool, ReadOnly, ReadOnly, false)

#undef QV_CELL_LOOK

String TQvStringGrid::FontNames(int ACol, int ARow) const {
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p ? p->FontName() : String();
}

void TQvStringGrid::SetFontNames(int ACol, int ARow, const String& Value) {
    TCellProperties* p = GetCellProperties(ACol, ARow);
    if (!p) return;
    p->SetFontName(Value);
    if (FUpdateCount == 0) RepaintCell(DisplColIndex(ACol), ARow);
}

// "No colour" resets the one setting; cells without properties need none made for it, and a cell's
// check box, graphic, font and flags stay.
void TQvStringGrid::SetRowColor(int ARow, TColor Value) {
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (Value == clNone) {
            if (TCellProperties* p = PropsAt(c, ARow)) p->SetBrushColor(clNone);
        } else if (TCellProperties* p = GetCellProperties(c, ARow)) {
            p->SetBrushColor(Value);
        }
    }
    InvalidateRow(ARow);
}

void TQvStringGrid::SetRowColorTo(int ARow, TColor Value) {
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (Value == clNone) {
            if (TCellProperties* p = PropsAt(c, ARow)) p->SetBrushColorTo(clNone);
        } else if (TCellProperties* p = GetCellProperties(c, ARow)) {
            p->SetBrushColorTo(Value);
        }
    }
    InvalidateRow(ARow);
}

void TQvStringGrid::SetRowFontColor(int ARow, TColor Value) {
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (Value == clNone) {
            if (TCellProperties* p = PropsAt(c, ARow)) p->SetFontColor(clNone);
        } else if (TCellProperties* p = GetCellProperties(c, ARow)) {
            p->SetFontColor(Value);
        }
    }
    InvalidateRow(ARow);
}

// Headers
// --------------------------------------------------------------------------------------------

void TQvStringGrid::ShowColumnHeaders() {
    if (FixedRows() <= 0) return;
    for (int k = 0; k < FColumnHeaders->Count() && k < TotalColCount(); ++k)
        SetCells(k, 0, EscapedNewlineToCR(FColumnHeaders->Strings(k)));
}

void TQvStringGrid::ClearColumnHeaders() {
    for (int k = 0; k < ColCount(); ++k)
        SetCells(k, 0, String());
}

void TQvStringGrid::ShowRowHeaders() {
    if (FixedCols() <= 0) return;
    for (int k = 0; k < FRowHeaders->Count() && k < RowCount(); ++k)
        SetCells(0, k, EscapedNewlineToCR(FRowHeaders->Strings(k)));
}

void TQvStringGrid::ClearRowHeaders() {
    for (int k = 0; k < RowCount(); ++k)
        SetCells(0, k, String());
}

// Highlights and error marks
// --------------------------------------------------------------------------------------------

String TQvStringGrid::HilightText(bool DoCase, const String& S, const String& Text) {
    String r;
    InsertHilightTags(S, Text, QStringLiteral("hi"), r, DoCase);
    return r;
}

String TQvStringGrid::UnHilightText(const String& S) {
    String r;
    RemoveHilightTags(S, QStringLiteral("hi"), r);
    return r;
}

String TQvStringGrid::MarkText(bool DoCase, const String& S, const String& Text) {
    String r;
    InsertHilightTags(S, Text, QStringLiteral("e"), r, DoCase);
    return r;
}

String TQvStringGrid::UnMarkText(const String& S) {
    String r;
    RemoveHilightTags(S, QStringLiteral("e"), r);
    return r;
}

namespace {

struct QvTagAction {
    const char* Tag;
    bool Insert;
    bool DoCase;
    String Search;
};

void ApplyTagToRect(TQvStringGrid* g, int c1, int r1, int c2, int r2, const QvTagAction& a) {
    const String tag = QString::fromLatin1(a.Tag);
    for (int r = r1; r <= r2; ++r)
        for (int c = c1; c <= c2; ++c) {
            if (g->IsMergedNonBaseCell(c, r)) continue;
            const String text = g->OnGetDisplText ? g->GetCellEx(c, r) : g->GridCells(c, r);
            String res;
            if (a.Insert)
                InsertHilightTags(EscapeMarkupChars(text), EscapeMarkupChars(a.Search), tag, res, a.DoCase);
            else {
                // Tags come off before the entities turn back: a search text can match inside an entity,
                // which the reverse order would leave escaped.
                RemoveHilightTags(text, tag, res);
                res = UnescapeMarkupChars(res);
            }
            g->SetCellEx(c, r, res);
        }
}

} // namespace

#define QV_TAG_RECT(c1, r1, c2, r2, ...) ApplyTagToRect(this, c1, r1, c2, r2, QvTagAction{__VA_ARGS__})

void TQvStringGrid::HilightInCell(bool DoCase, int ACol, int ARow, const String& HiText) {
    QV_TAG_RECT(ACol, ARow, ACol, ARow, "hi", true, DoCase, HiText);
}
void TQvStringGrid::UnHilightInCell(int ACol, int ARow) {
    QV_TAG_RECT(ACol, ARow, ACol, ARow, "hi", false, false, String());
}
void TQvStringGrid::MarkInCell(bool DoCase, int ACol, int ARow, const String& HiText) {
    QV_TAG_RECT(ACol, ARow, ACol, ARow, "e", true, DoCase, HiText);
}
void TQvStringGrid::UnMarkInCell(int ACol, int ARow) {
    QV_TAG_RECT(ACol, ARow, ACol, ARow, "e", false, false, String());
}

// Fixed rows and footers are left out unless DoFixed; columns likewise with the fixed right columns.
void TQvStringGrid::HilightInCol(bool DoFixed, bool DoCase, int ACol, const String& HiText) {
    const int r1 = DoFixed ? 0 : FixedRows(), r2 = DoFixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
    QV_TAG_RECT(ACol, r1, ACol, r2, "hi", true, DoCase, HiText);
}
void TQvStringGrid::UnHilightInCol(bool DoFixed, int ACol) {
    const int r1 = DoFixed ? 0 : FixedRows(), r2 = DoFixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
    QV_TAG_RECT(ACol, r1, ACol, r2, "hi", false, false, String());
}
void TQvStringGrid::MarkInCol(bool DoFixed, bool DoCase, int ACol, const String& HiText) {
    const int r1 = DoFixed ? 0 : FixedRows(), r2 = DoFixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
    QV_TAG_RECT(ACol, r1, ACol, r2, "e", true, DoCase, HiText);
}
void TQvStringGrid::UnMarkInCol(bool DoFixed, int ACol) {
    const int r1 = DoFixed ? 0 : FixedRows(), r2 = DoFixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
    QV_TAG_RECT(ACol, r1, ACol, r2, "e", false, false, String());
}

// Inserting covers the visible columns; removing also reaches the hidden ones so that no tag is left.
void TQvStringGrid::HilightInRow(bool DoFixed, bool DoCase, int ARow, const String& HiText) {
    const int c1 = DoFixed ? 0 : FixedCols(),
              c2 = DoFixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    QV_TAG_RECT(c1, ARow, c2, ARow, "hi", true, DoCase, HiText);
}
void TQvStringGrid::UnHilightInRow(bool DoFixed, int ARow) {
    const int c1 = DoFixed ? 0 : FixedCols(),
              c2 = DoFixed ? AllColCount() - 1 : AllColCount() - FFixedRightCols - 1;
    QV_TAG_RECT(c1, ARow, c2, ARow, "hi", false, false, String());
}
void TQvStringGrid::MarkInRow(bool DoFixed, bool DoCase, int ARow, const String& HiText) {
    const int c1 = DoFixed ? 0 : FixedCols(),
              c2 = DoFixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    QV_TAG_RECT(c1, ARow, c2, ARow, "e", true, DoCase, HiText);
}
void TQvStringGrid::UnMarkInRow(bool DoFixed, int ARow) {
    const int c1 = DoFixed ? 0 : FixedCols(),
              c2 = DoFixed ? AllColCount() - 1 : AllColCount() - FFixedRightCols - 1;
    QV_TAG_RECT(c1, ARow, c2, ARow, "e", false, false, String());
}

void TQvStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const String& HiText) {
    const int r1 = DoFixed ? 0 : FixedRows(), r2 = DoFixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
    const int c1 = DoFixed ? 0 : FixedCols(),
              c2 = DoFixed ? ColCount() - 1 : AllColCount() - FFixedRightCols - 1;
    QV_TAG_RECT(c1, r1, c2, r2, "hi", true, DoCase, HiText);
}
void TQvStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const String& HiText) {
    const int r1 = DoFixed ? 0 : FixedRows(), r2 = DoFixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
    const int c1 = DoFixed ? 0 : FixedCols(),
              c2 = DoFixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    QV_TAG_RECT(c1, r1, c2, r2, "e", true, DoCase, HiText);
}
void TQvStringGrid::UnHilightInGrid(bool DoFixed) {
    const int r1 = DoFixed ? 0 : FixedRows(), r2 = DoFixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
    const int c1 = DoFixed ? 0 : FixedCols(),
              c2 = DoFixed ? AllColCount() - 1 : AllColCount() - FFixedRightCols - 1;
    QV_TAG_RECT(c1, r1, c2, r2, "hi", false, false, String());
}
void TQvStringGrid::UnMarkInGrid(bool DoFixed) {
    const int r1 = DoFixed ? 0 : FixedRows(), r2 = DoFixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
    const int c1 = DoFixed ? 0 : FixedCols(),
              c2 = DoFixed ? AllColCount() - 1 : AllColCount() - FFixedRightCols - 1;
    QV_TAG_RECT(c1, r1, c2, r2, "e", false, false, String());
}

#undef QV_TAG_RECT

// Cell checks
// --------------------------------------------------------------------------------------------

void TQvStringGrid::SetCellChecker(TQvStringGridCheck* Value) {
    if (FCellChecker == Value) return;
    if (FCellChecker) FCellChecker->RemoveFreeNotification(this);
    FCellChecker = Value;
    if (FCellChecker) FCellChecker->FreeNotification(this);
}

// A checker that corrects and marks marks the corrected text, so the correction is never thrown away.
bool TQvStringGrid::CheckCell(int ACol, int ARow) {
    if (!FCellChecker) return true;
    const String tested = UnMarkText(GetCellEx(ACol, ARow));
    if (FCellChecker->GotoCell()) GotoCell(ACol, ARow);
    String result = tested;
    if (FCellChecker->UseCorrect()) result = FCellChecker->Correct(ACol, ARow, result);
    if (FCellChecker->UseMarkError()) result = FCellChecker->MarkError(ACol, ARow, result);
    SetCellEx(ACol, ARow, result);
    return result == tested;
}

bool TQvStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow) {
    if (!FCellChecker) return true;
    FCellChecker->StartCheck();
    const int row = Row(), col = Col();
    bool ok = true;
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c)
            if (!CheckCell(c, r)) ok = false;
    FCellChecker->StopCheck();
    if (FCellChecker->GotoCell()) {
        SetRow(row);
        SetCol(col);
    }
    return ok;
}

bool TQvStringGrid::CheckCol(bool DoFixed, int ACol) {
    return DoFixed ? CheckCells(ACol, 0, ACol, RowCount() - 1)
                   : CheckCells(ACol, FixedRows(), ACol, RowCount() - FFixedFooters - 1);
}

bool TQvStringGrid::CheckRow(bool DoFixed, int ARow) {
    return DoFixed ? CheckCells(0, ARow, ColCount() - 1, ARow)
                   : CheckCells(FixedCols(), ARow, ColCount() - FFixedRightCols - 1, ARow);
}

bool TQvStringGrid::CheckGrid(bool DoFixed) {
    return DoFixed ? CheckCells(0, 0, ColCount() - 1, RowCount() - 1)
                   : CheckCells(FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1,
                                RowCount() - FFixedFooters - 1);
}

// Fills
// --------------------------------------------------------------------------------------------

namespace {

template <typename F> void FillGridRect(TQvStringGrid* g, bool DoFixed, int footers, int rightCols, F text) {
    const int r1 = DoFixed ? 0 : g->FixedRows(),
              r2 = DoFixed ? g->RowCount() - 1 : g->RowCount() - footers - 1;
    const int c1 = DoFixed ? 0 : g->FixedCols(),
              c2 = DoFixed ? g->ColCount() - 1 : g->ColCount() - rightCols - 1;
    for (int r = r1; r <= r2; ++r)
        for (int c = c1; c <= c2; ++c)
            text(c, r);
    g->AllCellsChanged();
}

} // namespace

void TQvStringGrid::TextFill(bool DoFixed, const String& Txt) {
    FillGridRect(this, DoFixed, FFixedFooters, FFixedRightCols, [&](int c, int r) { SetCellEx(c, r, Txt); });
}

// The toolkit's Format checks every directive against its argument and raises EConvertError for a
// mismatch or a missing argument, so the format text can not reach past the column and the row. The first
// cell is formatted before anything is written, so a faulty format leaves the grid as it was.
void TQvStringGrid::FormatFill(bool DoFixed, const String& Fmt) {
    (void)Format(Fmt, {0, 0});
    FillGridRect(this, DoFixed, FFixedFooters, FFixedRightCols, [&](int c, int r) {
        SetCellEx(c, r, Format(Fmt, {c, r}));
    });
}

void TQvStringGrid::RandomFill(bool DoFixed, int Rnd) {
    FillGridRect(this, DoFixed, FFixedFooters, FFixedRightCols,
                 [&](int c, int r) { SetInts(c, r, Rnd > 0 ? std::rand() % Rnd : 0); });
}

void TQvStringGrid::LinearFill(bool DoFixed) {
    FillGridRect(this, DoFixed, FFixedFooters, FFixedRightCols,
                 [&](int c, int r) { SetCellEx(c, r, IntToStr(c) + ":" + IntToStr(r)); });
}

void TQvStringGrid::GotoCell(int ACol, int ARow) {
    SetRow(ARow);
    SetCol(ACol);
}

void TQvStringGrid::FocusCell(int ACol, int ARow) {
    SetSelection(TGridRect{ACol, ARow, ACol, ARow});
}

void TQvStringGrid::MoveCurrentCell(int ACol, int ARow) {
    TCustomGrid::FocusCell(ACol, ARow, true);
}

void TQvStringGrid::EditCell(int ACol, int ARow) {
    if (CanFocus()) SetFocus();
    GotoCell(ACol, ARow);
    ShowInplaceEdit();
}
