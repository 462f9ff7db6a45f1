// The grid as the exchange formats see it: its cells through the data seam, the range the writers write,
// the texts as the grid saves and loads them, the sizing the readers ask for, and the files they use.
#pragma once

#include "controls/grid/QvGrid_Types.h"
#include "controls/grid/QvObj.h"
#include "controls/grid/data/GridCells.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/system/TextCodec.h"

#include <QByteArray>
#include <vector>

class GridCellStore;
class TCellGraphic;
class TImageList;

// The grid's fixed parts and save switches, which decide where the writers start and end.
struct ExchangeLayout {
    int FixedCols = 0;
    int FixedRows = 0;
    int FixedRightCols = 0;
    int FixedFooters = 0;
    bool SaveFixedCells = true;
    bool SaveFixedRows = false;
    bool SaveFixedCols = false;
    bool SaveHiddenCells = false;
    bool Multilinecells = false;
};

// A cell's look as a styled export writes it; clNone where the cell sets no colour.
struct ExchangeCellLook {
    TColor Background = clNone;
    TColor FontColor = clNone;
    int FontSize = 0;
    TFontStyles FontStyle = 0;
    String FontName;
    TAlignment Alignment = taLeftJustify;
    TVAlignment VAlignment = vtaTop;
    bool WordWrap = false;
};

// Columns are real indexes and rows shown indexes, as the grid's Cells take them; hidden rows are in no
// format. Readers size the grid once they know what the file holds, so a refused file changes nothing.
class ExchangeGrid {
public:
    virtual ~ExchangeGrid() = default;

    virtual IGridCells& Cells() = 0;
    virtual ExchangeLayout Layout() const = 0;
    // Sets the shown column and row counts (new ones at the end, empty).
    virtual void SetSize(int Cols, int Rows) = 0;

    // The text a writer takes for a cell and the way a reader stores one: the grid applies its save and
    // load hooks; the plain view takes the stored text.
    virtual String SavedText(int Col, int Row);
    virtual void LoadText(int Col, int Row, const String& Value);
    virtual TAlignment Alignment(int Col, int Row);
    // Header cells are those of the fixed row a table export writes as its head.
    virtual ExchangeCellLook Look(int Col, int Row, bool Header);
    virtual const TCellGraphic* Graphic(int Col, int Row);
    virtual TImageList* Images(int, int) { return nullptr; }

    virtual void ExportNotification(TGridExportState, int) {}
    virtual void ImportNotification(TGridImportState, int) {}
    // After a load: the grid recalculates what depends on its cells.
    virtual void CellsChanged() {}
    // The percentage of a file operation, reported only when it changes.
    void Progress(int Percent);
    void ResetProgress() { FLastProgress = -1; }

    int ColCount() { return Cells().DisplayColumnCount(); }
    int RowCount() { return Cells().DisplayRowCount(); }
    int HiddenColCount() { return Cells().ColumnCount() - Cells().DisplayColumnCount(); }
    int RealRow(int Row) { return Cells().RealRow(Row); }
    int RealColumn(int Col) { return Cells().RealColumn(Col); }

    // The save range: shown rows, shown columns before the hidden ones are added.
    int SaveStartCol();
    int SaveStartRow();
    int SaveEndCol();
    int SaveEndRow();
    // The real columns a writer writes, in order: the shown columns First .. Last, or with SaveHiddenCells
    // the real columns from First on, the hidden ones included.
    std::vector<int> WriteColumns(int First, int Last);
    std::vector<int> SaveColumns() { return WriteColumns(SaveStartCol(), SaveEndCol()); }
    // The real column of the K-th field a reader stores from column StartCol on (shown numbering without
    // SaveHiddenCells, real with it), and the shown column count that makes room for it.
    int LoadColumn(int StartCol, int K);
    int ColCountFor(int StartCol, int Fields);

protected:
    virtual void FileProgress(int) {}

private:
    int FLastProgress = -1;
};

// The exchange view of a cell store without a window: tests, fuzz targets and benchmarks use it.
class StoreExchange : public ExchangeGrid {
public:
    explicit StoreExchange(GridCellStore& Store, ExchangeLayout Layout = {})
        : FStore(Store), FLayout(Layout) {}
    IGridCells& Cells() override;
    ExchangeLayout Layout() const override { return FLayout; }
    void SetLayout(const ExchangeLayout& Value) { FLayout = Value; }
    void SetSize(int Cols, int Rows) override;

private:
    GridCellStore& FStore;
    ExchangeLayout FLayout;
};

// What the readers accept: a file larger than this, a file that needs more columns than this, or one
// that would make the grid hold more cells than this is refused whole.
constexpr qint64 kExchangeMaxFileBytes = 256LL * 1024 * 1024;
constexpr int kExchangeMaxColumns = 4096;
constexpr qint64 kExchangeMaxCells = 32LL * 1024 * 1024;

// Raises EQvGridError when a load would need more columns or cells than a file may bring.
void CheckExchangeSize(const String& Source, qint64 Cols, qint64 Rows);

// The bytes of a file the readers take, within the size limit; raises EFOpenError naming the file and why.
QByteArray ReadExchangeFile(const String& FileName);
// Replaces the file only with a whole new one; raises EQvGridError naming the file and the system's
// reason when that fails (the old file stays as it was).
void WriteExchangeFile(const String& FileName, const QByteArray& Bytes);
// The text of a file the readers take: a byte-order mark decides; without one an OEM file is code page 437,
// any other UTF-8 when it is valid UTF-8, else the Western code page.
String DecodeExchangeText(const QByteArray& Bytes, bool Oem);
// The bytes of a written text: with Oem in code page 437 without a mark (characters it lacks become "?"),
// else in Encoding.
QByteArray EncodeExchangeText(const String& Text, TTextEncoding Encoding, bool Oem);
// The lines of a cell text (CR LF, CR and LF each end a line).
QStringList CellTextLines(const String& Text);
// The widest line of a cell text, or with MultiLine off the length of the whole text.
int CellTextWidth(const String& Text, bool MultiLine);
