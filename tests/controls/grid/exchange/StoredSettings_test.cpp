// Settings a grid keeps outside itself: the column-state text (its format from tables, damaged texts that
// change nothing), column widths and positions in an INI file and in the registry, the look file and the
// print settings, each read back into a fresh grid.
#include "controls/grid/QvGrid.h"
#include "controls/grid/exchange/ColumnStates.h"
#include "controls/grid/exchange/GridLookFile.h"
#include "controls/grid/options/GridOptions.h"
#include "toolkit/graphics/ColorNames.h"
#include "toolkit/system/IniFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void MakeStoredColumns(TQvStringGrid& g, std::initializer_list<int> Widths) {
    g.SetFixedCols(0);
    g.SetColCount(static_cast<int>(Widths.size()));
    g.SetRowCount(2);
    int c = 0;
    for (const int w : Widths) {
        g.SetColWidths(c, w);
        g.SetCells(c, 1, QStringLiteral("c%1").arg(c));
        ++c;
    }
}

QStringList StoredRowTexts(TQvStringGrid& g, int Row) {
    QStringList out;
    for (int c = 0; c < g.ColCount(); ++c)
        out << g.Cells(c, Row);
    return out;
}

void WriteSettingsFile(const QString& Path, const QByteArray& Bytes) {
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(Bytes);
}

} // namespace

TEST(ColumnStatesText, FormatsAndParsesTheFourFields) {
    ColumnStates s{3, {64, 80, 40}, {0, 1, 2}, {true, true, true}};
    EXPECT_EQ(FormatColumnStates(s), "3#64,80,40#0,1,2#1,1,1");
    const auto back = ParseColumnStates("3#64,80,40#2,-1,0#1,0,1", 100);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Count, 3);
    EXPECT_EQ(back->Widths, (std::vector<int>{64, 80, 40}));
    // -1 is passed over and the column left out follows.
    EXPECT_EQ(back->Order, (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(back->Visible, (std::vector<bool>{true, false, true}));
    EXPECT_FALSE(ParseColumnStates("", 100));
    EXPECT_FALSE(ParseColumnStates("3,64,80", 100));
}

TEST(ColumnStatesText, RefusesDamagedTextsWhole) {
    struct Case {
        const char* Text;
        bool Conversion; // EConvertError, else EListError
    };
    const Case cases[] = {
        {"x#64#0#1", true},         {"2#64,a#0,1#1,1", true},       {"0#64#0#1", false},
        {"99999#64#0#1", false},    {"3#64,80#0,1,2#1,1,1", false}, {"2#64,80#0,0#1,1", false},
        {"2#64,80#0,5#1,1", false}, {"2#64,80#0,1#1", false},       {"2#64,80#0,1#0,0", false},
        {"2#64,-3#0,1#1,1", false}, {"2#64,80#0,1#1,2", false},     {"2#1,2#0,1#1,1#9", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        if (c.Conversion)
            EXPECT_THROW(ParseColumnStates(c.Text, 4096), EConvertError);
        else
            EXPECT_THROW(ParseColumnStates(c.Text, 4096), EListError);
    }
}

TEST(QvGridStoredSettings, ColumnStatesRoundTripHiddenAndMovedColumns) {
    TQvStringGrid g(nullptr);
    MakeStoredColumns(g, {64, 80, 40});
    EXPECT_EQ(g.ColumnStatesToString(), "3#64,80,40#0,1,2#1,1,1");

    TQvStringGrid h(nullptr);
    MakeStoredColumns(h, {30, 31, 32, 33});
    h.HideColumn(1);
    const String hidden = h.ColumnStatesToString();
    EXPECT_TRUE(hidden.startsWith("4#30,32,33,"));
    EXPECT_TRUE(hidden.endsWith("#1,0,1,1"));
    TQvStringGrid fresh(nullptr);
    MakeStoredColumns(fresh, {64, 64, 64, 64});
    fresh.StringToColumnStates(hidden);
    EXPECT_TRUE(fresh.IsHiddenColumn(1));
    EXPECT_EQ(fresh.ColCount(), 3);
    EXPECT_EQ(fresh.ColWidths(0), 30);
    EXPECT_EQ(fresh.ColWidths(1), 32);
    EXPECT_EQ(fresh.ColWidths(2), 33);

    // A moved column: the order list travels and the cells stand in the same order afterwards.
    TQvStringGrid m(nullptr);
    MakeStoredColumns(m, {20, 21, 22});
    m.MoveColumn(0, 2);
    const QStringList moved = StoredRowTexts(m, 1);
    const String text = m.ColumnStatesToString();
    TQvStringGrid n(nullptr);
    MakeStoredColumns(n, {64, 64, 64});
    n.StringToColumnStates(text);
    EXPECT_EQ(StoredRowTexts(n, 1), moved);
    EXPECT_EQ(n.ColumnStatesToString(), text);
}

TEST(QvGridStoredSettings, DamagedOrEmptyColumnStatesChangeNothing) {
    TQvStringGrid g(nullptr);
    MakeStoredColumns(g, {40, 50, 60});
    g.HideColumn(2);
    const String before = g.ColumnStatesToString();
    g.StringToColumnStates("");
    g.StringToColumnStates("no fields here");
    EXPECT_THROW(g.StringToColumnStates("3#40,50#0,1,2#1,1,1"), EListError);
    EXPECT_THROW(g.StringToColumnStates("3#40,5x,60#0,1,2#1,1,1"), EConvertError);
    EXPECT_EQ(g.ColumnStatesToString(), before);
}

TEST(QvGridStoredSettings, ColumnSizesAndPositionsInIniFileAndRegistry) {
    QTemporaryDir dir;
    for (const TColumnSizeLocation location : {clIniFile, clRegistry}) {
        SCOPED_TRACE(location);
        const String key =
            location == clIniFile ? dir.filePath("cols.ini") : QStringLiteral("Software\\QvTest\\Cols");
        auto configure = [&](TQvStringGrid& g) {
            g.ColumnSize()->SetLocation(location);
            g.ColumnSize()->SetKey(key);
            g.ColumnSize()->SetSection("Grid");
        };
        TQvStringGrid g(nullptr);
        MakeStoredColumns(g, {25, 35, 45});
        configure(g);
        g.MoveColumn(2, 0);
        g.SaveColSizes();
        g.SaveColPositions();

        TQvStringGrid h(nullptr);
        MakeStoredColumns(h, {64, 64, 64});
        configure(h);
        // Positions first: the widths are stored by display column.
        h.LoadColPositions();
        h.LoadColSizes();
        EXPECT_EQ(StoredRowTexts(h, 1), StoredRowTexts(g, 1));
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(h.ColWidths(c), g.ColWidths(c));

        // Without "Pos0" the order is left as it is.
        TQvStringGrid none(nullptr);
        MakeStoredColumns(none, {64, 64, 64});
        none.ColumnSize()->SetLocation(location);
        none.ColumnSize()->SetKey(key);
        none.ColumnSize()->SetSection("Other");
        none.LoadColPositions();
        EXPECT_EQ(StoredRowTexts(none, 1), (QStringList{"c0", "c1", "c2"}));
    }
}

TEST(QvGridStoredSettings, DamagedStoredPositionsAndWidthsAreRefused) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("bad.ini");
    WriteSettingsFile(ini, "[Grid]\r\nPos0=1\r\nPos1=1\r\nPos2=0\r\nCol0=50\r\nCol1=-7\r\nCol2=9\r\n");
    TQvStringGrid g(nullptr);
    MakeStoredColumns(g, {10, 11, 12});
    g.ColumnSize()->SetLocation(clIniFile);
    g.ColumnSize()->SetKey(ini);
    g.ColumnSize()->SetSection("Grid");
    g.LoadColPositions();
    g.LoadColSizes();
    EXPECT_EQ(StoredRowTexts(g, 1), (QStringList{"c0", "c1", "c2"}));
    EXPECT_EQ(g.ColWidths(0), 10);
    EXPECT_EQ(g.ColWidths(2), 12);
}

TEST(GridLookFileText, ValueForms) {
    const GridLookFile f =
        GridLookFile::Parse("Balloon.BackgroundColor=clInfoBk\r\nLook=GLXP\nnoequals\nLook=glSoft\n");
    EXPECT_EQ(f.Value("Balloon.BackGroundColor"), "clInfoBk");
    EXPECT_EQ(f.Value("look"), "GLXP");
    EXPECT_EQ(f.Value("missing"), "");
    EXPECT_EQ(GridLookFile::ReadName("GLXP", {"glStandard", "glSoft", "glClassic", "glVUR", "glXP"}, 0), 4);
    EXPECT_EQ(GridLookFile::ReadName("glNothing", {"glStandard", "glSoft"}, 1), 1);
    EXPECT_EQ(GridLookFile::ReadColor(""), clNone);
    EXPECT_EQ(GridLookFile::ReadColor("$00112233"), 0x112233);
    EXPECT_EQ(GridLookFile::ColorText(0x0A0B0C), "$000A0B0C");
    EXPECT_EQ(GridLookFile::ColorText(clWindow), "clWindow");
    EXPECT_THROW(GridLookFile::ReadColor("clNoSuch"), EConvertError);
    EXPECT_EQ(GridLookFile::ReadFontStyle("fsItalic,xfsStrikeOut"), TFontStyles(fsItalic | fsStrikeOut));
    EXPECT_EQ(GridLookFile::FontStyleText(fsBold | fsUnderline), "fsBold,fsUnderline");
    EXPECT_TRUE(GridLookFile::ReadBool("True"));
    EXPECT_FALSE(GridLookFile::ReadBool("yes"));
    EXPECT_THROW(GridLookFile::ReadInt("K", "", 0, 10), EConvertError);
    EXPECT_THROW(GridLookFile::ReadInt("K", "11", 0, 10), EConvertError);
}

TEST(QvGridStoredSettings, LookFileRoundTripAndDamagedFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("look.txt");
    TQvStringGrid g(nullptr);
    g.SetLook(glOffice2007);
    g.SetSelectionColor(0x123456);
    g.SetHintColor(clInfoBk);
    g.Balloon()->SetBackgroundColor(0x00FF10);
    g.Balloon()->SetTransparency(120);
    g.Bands()->SetActive(true);
    g.ControlLook()->SetControlStyle(csFlat);
    g.BackGround()->SetDisplay(bdGradientVert);
    g.FixedFont()->SetStyle(fsBold | fsStrikeOut);
    g.FixedFont()->SetSize(13);
    g.FixedFont()->SetName("Courier");
    g.SaveVisualProps(path);

    TQvStringGrid h(nullptr);
    h.FixedFont()->SetStyle(fsItalic);
    h.LoadVisualProps(path);
    EXPECT_EQ(h.Look(), glOffice2007);
    EXPECT_EQ(h.SelectionColor(), 0x123456);
    EXPECT_EQ(h.HintColor(), clInfoBk);
    EXPECT_EQ(h.Balloon()->BackgroundColor(), 0x00FF10);
    EXPECT_EQ(h.Balloon()->Transparency(), 120);
    EXPECT_TRUE(h.Bands()->Active());
    EXPECT_EQ(h.ControlLook()->ControlStyle(), csFlat);
    EXPECT_EQ(h.BackGround()->Display(), bdGradientVert);
    EXPECT_EQ(h.FixedFont()->Style(), TFontStyles(fsBold | fsStrikeOut));
    EXPECT_EQ(h.FixedFont()->Size(), 13);
    EXPECT_EQ(h.FixedFont()->Name(), "Courier");

    // An unknown look name keeps the look; a bad integer anywhere changes nothing at all.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray text = f.readAll();
    f.close();
    QByteArray unknown = text;
    unknown.replace("Look=glOffice2007", "Look=glNothing");
    WriteSettingsFile(path, unknown);
    TQvStringGrid k(nullptr);
    k.SetLook(glWin7);
    k.LoadVisualProps(path);
    EXPECT_EQ(k.Look(), glWin7);
    QByteArray bad = text;
    bad.replace("Balloon.Transparency=120", "Balloon.Transparency=lots");
    WriteSettingsFile(path, bad);
    TQvStringGrid b(nullptr);
    const TColor selection = b.SelectionColor();
    EXPECT_THROW(b.LoadVisualProps(path), EConvertError);
    EXPECT_EQ(b.SelectionColor(), selection);

    try {
        b.LoadVisualProps(dir.filePath("missing.txt"));
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot open file " + dir.filePath("missing.txt"));
    }
    EXPECT_THROW(b.SaveVisualProps(dir.filePath("no/such/dir/look.txt")), Exception);
}

TEST(QvGridStoredSettings, PrintSettingsRoundTripDefaultsAndNoWriteOnLoad) {
    QTemporaryDir dir;
    const QString path = dir.filePath("print.ini");
    TQvStringGrid g(nullptr);
    TPrintSettings* p = g.PrintSettings();
    p->SetColumnSpacing(7);
    p->SetCentered(false);
    p->SetRepeatFixedRows(true);
    p->SetBorders(pbDouble);
    p->SetBorderColor(0x102030);
    p->SetDate(ppBottomRight);
    p->SetTitleText("Table");
    p->SetLeftSize(250);
    p->SetFitToPage(fpShrink);
    p->Font()->SetStyle(fsItalic);
    p->HeaderFont()->SetName("Courier");
    p->SetOrientation(poLandscape);
    p->TitleLines()->SetText("first\r\nsecond");
    p->SetPrintGraphics(true);
    g.SavePrintSettings(path, "Print");

    TQvStringGrid h(nullptr);
    h.PrintSettings()->Font()->SetStyle(fsBold);
    h.LoadPrintSettings(path, "Print");
    const TPrintSettings* q = h.PrintSettings();
    EXPECT_EQ(q->ColumnSpacing(), 7);
    EXPECT_FALSE(q->Centered());
    EXPECT_TRUE(q->RepeatFixedRows());
    EXPECT_EQ(q->Borders(), pbDouble);
    EXPECT_EQ(q->BorderColor(), 0x102030);
    EXPECT_EQ(q->Date(), ppBottomRight);
    EXPECT_EQ(q->TitleText(), "Table");
    EXPECT_EQ(q->LeftSize(), 250);
    EXPECT_EQ(q->FitToPage(), fpShrink);
    // The style read is the style, not added to the one the grid had.
    EXPECT_EQ(q->Font()->Style(), TFontStyles(fsItalic));
    EXPECT_EQ(q->HeaderFont()->Name(), "Courier");
    EXPECT_EQ(q->Orientation(), poLandscape);
    EXPECT_EQ(q->TitleLines()->Count(), 2);
    EXPECT_EQ(q->TitleLines()->Strings(1), "second");
    EXPECT_TRUE(q->PrintGraphics());

    // An empty section gives the defaults, and loading leaves the file as it was.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    TQvStringGrid e(nullptr);
    e.LoadPrintSettings(path, "Empty");
    EXPECT_TRUE(e.PrintSettings()->Centered());
    EXPECT_EQ(e.PrintSettings()->RowSpacing(), 20);
    EXPECT_EQ(e.PrintSettings()->HeaderSize(), 100);
    EXPECT_EQ(e.PrintSettings()->FooterFont()->Name(), "Arial");
    EXPECT_EQ(e.PrintSettings()->FooterFont()->Size(), 10);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    f.close();

    // Out-of-range enumerations keep the value, positions become none; a non-number changes nothing.
    WriteSettingsFile(
        path, "[P]\r\nBorders=42\r\nDate=9\r\nRowSpacing=3\r\n[Bad]\r\nRowSpacing=3\r\nFontSize=x\r\n");
    TQvStringGrid r(nullptr);
    r.PrintSettings()->SetBorders(pbAround);
    r.PrintSettings()->SetDate(ppTopLeft);
    r.LoadPrintSettings(path, "P");
    EXPECT_EQ(r.PrintSettings()->Borders(), pbAround);
    EXPECT_EQ(r.PrintSettings()->Date(), ppNone);
    EXPECT_EQ(r.PrintSettings()->RowSpacing(), 3);
    r.PrintSettings()->SetRowSpacing(5);
    EXPECT_THROW(r.LoadPrintSettings(path, "Bad"), EConvertError);
    EXPECT_EQ(r.PrintSettings()->RowSpacing(), 5);
}
