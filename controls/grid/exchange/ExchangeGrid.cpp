// The exchange view's save range, its plain defaults over the data seam, the cell store's view and the
// files the formats read and write.
#include "controls/grid/exchange/ExchangeGrid.h"

#include "controls/grid/BaseGrid.h"
#include "controls/grid/QvGrid_Graphic.h"
#include "controls/grid/QvUtil.h"
#include "controls/grid/data/GridCellStore.h"
#include "toolkit/system/Streams.h"

#include <algorithm>

String ExchangeGrid::SavedText(int Col, int Row) {
    return Cells().Text(Col, RealRow(Row));
}

void ExchangeGrid::LoadText(int Col, int Row, const String& Value) {
    Cells().SetText(Col, RealRow(Row), Value);
}

TAlignment ExchangeGrid::Alignment(int Col, int Row) {
    const TCellProperties* props = Cells().Properties(Col, RealRow(Row));
    return props ? props->Alignment() : taLeftJustify;
}

ExchangeCellLook ExchangeGrid::Look(int Col, int Row, bool) {
    ExchangeCellLook look;
    if (const TCellProperties* props = Cells().Properties(Col, RealRow(Row))) {
        look.Background = props->BrushColor();
        look.FontColor = props->FontColor();
        look.FontSize = props->FontSize();
        look.FontStyle = props->FontStyle();
        look.FontName = props->FontName();
        look.Alignment = props->Alignment();
        look.VAlignment = props->VAlignment();
        look.WordWrap = props->WordWrap();
    }
    return look;
}

const TCellGraphic* ExchangeGrid::Graphic(int Col, int Row) {
    const TCellProperties* props = Cells().Properties(Col, RealRow(Row));
    return props ? dynamic_cast<const TCellGraphic*>(props->GraphicObject()) : nullptr;
}

void ExchangeGrid::Progress(int Percent) {
    if (Percent == FLastProgress) return;
    FLastProgress = Percent;
    FileProgress(Percent);
}

int ExchangeGrid::SaveStartCol() {
    const ExchangeLayout l = Layout();
    return l.SaveFixedCells || l.SaveFixedCols ? 0 : l.FixedCols;
}

int ExchangeGrid::SaveStartRow() {
    const ExchangeLayout l = Layout();
    return l.SaveFixedCells || l.SaveFixedRows ? 0 : l.FixedRows;
}

int ExchangeGrid::SaveEndCol() {
    const ExchangeLayout l = Layout();
    return l.SaveFixedCells || l.SaveFixedCols ? ColCount() - 1 : ColCount() - l.FixedRightCols - 1;
}

int ExchangeGrid::SaveEndRow() {
    const ExchangeLayout l = Layout();
    return l.SaveFixedCells || l.SaveFixedRows ? RowCount() - 1 : RowCount() - l.FixedFooters - 1;
}

std::vector<int> ExchangeGrid::WriteColumns(int First, int Last) {
    std::vector<int> cols;
    if (Layout().SaveHiddenCells) {
        for (int c = First; c <= Last + HiddenColCount(); ++c)
            cols.push_back(c);
    } else {
        for (int c = First; c <= Last; ++c)
            cols.push_back(RealColumn(c));
    }
    return cols;
}

int ExchangeGrid::LoadColumn(int StartCol, int K) {
    const int c = StartCol + K;
    return Layout().SaveHiddenCells ? c : RealColumn(c);
}

int ExchangeGrid::ColCountFor(int StartCol, int Fields) {
    const int needed = StartCol + Fields;
    return Layout().SaveHiddenCells ? needed - HiddenColCount() : needed;
}

IGridCells& StoreExchange::Cells() {
    return FStore;
}

void StoreExchange::SetSize(int Cols, int Rows) {
    FStore.SetShownSize(Cols, Rows);
}

void CheckExchangeSize(const String& Source, qint64 Cols, qint64 Rows) {
    if (Cols > kExchangeMaxColumns)
        throw EQvGridError(QStringLiteral("%1 needs %2 columns; a file may bring at most %3")
                               .arg(Source)
                               .arg(Cols)
                               .arg(kExchangeMaxColumns));
    if (Cols * Rows > kExchangeMaxCells)
        throw EQvGridError(QStringLiteral("%1 needs %2 cells; a file may bring at most %3")
                               .arg(Source)
                               .arg(Cols * Rows)
                               .arg(kExchangeMaxCells));
}

QByteArray ReadExchangeFile(const String& FileName) {
    QByteArray bytes;
    String error;
    TReadFault fault = TReadFault::None;
    if (!ReadWholeFile(FileName, bytes, &error, kExchangeMaxFileBytes, &fault))
        throw EFOpenError(ReadFaultText(FileName, fault, error, kExchangeMaxFileBytes));
    return bytes;
}

void WriteExchangeFile(const String& FileName, const QByteArray& Bytes) {
    String error;
    if (!SaveFileAtomically(FileName, Bytes, &error))
        throw EQvGridError(
            QStringLiteral("Cannot Create file %1: %2; the file is as it was").arg(FileName, error));
}

String DecodeExchangeText(const QByteArray& Bytes, bool Oem) {
    const bool marked =
        Bytes.startsWith("\xEF\xBB\xBF") || Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF");
    if (!Oem || marked) return DecodeTextDetect(Bytes);
    String text = String::fromLatin1(Bytes);
    OemToString(text);
    return text;
}

QByteArray EncodeExchangeText(const String& Text, TTextEncoding Encoding, bool Oem) {
    if (!Oem) return EncodeText(Text, Encoding);
    String oem = Text;
    StringToOem(oem);
    return oem.toLatin1();
}

QStringList CellTextLines(const String& Text) {
    String t = Text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.split(QLatin1Char('\n'));
}

int CellTextWidth(const String& Text, bool MultiLine) {
    if (!MultiLine) return static_cast<int>(Text.size());
    int widest = 0;
    for (const String& line : CellTextLines(Text))
        widest = std::max(widest, static_cast<int>(line.size()));
    return widest;
}
