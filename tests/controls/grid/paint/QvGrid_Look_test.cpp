// Looks, style presets, colour schemes, flat tones and the office theme adaptation of the string grid:
// the colours each writes and the order of the writes.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvObj.h"
#include "controls/styles/QvStyleIF_Notifier.h"
#include "toolkit/services/Registry.h"

#include <gtest/gtest.h>

TEST(QvGridLook, SettingTheCurrentLookChangesNothing) {
    TQvStringGrid g(nullptr);
    g.SetLook(glSoft);
    g.SetSelectionColor(clRed);
    g.SetGridLineColor(clGreen);
    g.SetLook(glSoft);
    EXPECT_EQ(g.SelectionColor(), clRed);
    EXPECT_EQ(g.GridLineColor(), clGreen);
}

TEST(QvGridLook, EachLookWritesItsColoursAndEndsWithTheCommonFrame) {
    struct Case {
        TGridLook look;
        TColor selection, active, gridLine, fixedFrom, fixedTo;
        TGridSelectionStyle selStyle;
        TQvStyle style; // tsCustom: the look keeps the style it found
    } cases[] = {
        {glStandard, clHighlight, clGray, clSilver, clBtnFace, clNone, ssDefault, tsCustom},
        {glClassic, clHighlight, clGray, clSilver, clBtnFace, clNone, ssDefault, tsCustom},
        {glListView, clHighlight, clGray, clSilver, 0xFFFFFF, clBtnFace, ssDefault, tsCustom},
        {glXP, 0xEACAB6, 0xEACAB6, clSilver, 0xFFFFFF, clBtnFace, ssDefault, tsCustom},
        {glVUR, 0xEACAB6, 0xEACAB6, clSilver, 0xFFFFFF, clSilver, ssDefault, tsCustom},
        {glVista, 0xEACAB6, 0xFDF8F1, 0xECECF0, 0xFFFFFF, 0xFFFFFF, ssVista, tsWindowsVista},
        {glWin7, 0xEACAB6, 0xFCEBDC, 0xECECF0, 0xFDFCFA, 0xFAF0E6, ssWin7, tsWindows7},
        {glOffice2007, 0x5EC1F1, 0x9DD8F9, 0xF1EDEB, 0xFBF9F6, 0xE8DBD2, ssOffice2007, tsOffice2007Luna},
    };
    for (const Case& c : cases) {
        TQvStringGrid g(nullptr);
        g.SetLook(glCustom);
        g.SetComponentStyle(tsCustom);
        g.SetScrollType(ssMetro);
        g.SetBorderColor(clRed);
        g.SetLook(c.look);
        const std::string name = GridLookName(c.look).toStdString();
        EXPECT_EQ(g.Look(), c.look) << name;
        EXPECT_EQ(g.SelectionColor(), c.selection) << name;
        EXPECT_EQ(g.ActiveCellColor(), c.active) << name;
        EXPECT_EQ(g.GridLineColor(), c.gridLine) << name;
        EXPECT_EQ(g.FixedGradientColors().From, c.fixedFrom) << name;
        EXPECT_EQ(g.FixedGradientColors().To, c.fixedTo) << name;
        EXPECT_EQ(g.SelectionStyle(), c.selStyle) << name;
        if (c.style != tsCustom) {
            EXPECT_EQ(g.ComponentStyle(), c.style) << name;
        }
        EXPECT_EQ(g.ScrollType(), ssNormal) << name;
        EXPECT_EQ(g.BorderColor(), TColor(0xB99D7F)) << name;
        EXPECT_EQ(g.BorderStyle(), bsSingle) << name;
    }
}

TEST(QvGridLook, LookNamesForTheFileAndTheQuickConfigPanel) {
    const std::tuple<TGridLook, const char*, const char*> cases[] = {
        {glStandard, "glStandard", "Standard"},
        {glSoft, "glSoft", "Soft"},
        {glClassic, "glClassic", "Classic"},
        {glVUR, "glVUR", "VUR"},
        {glXP, "glXP", "Windows XP"},
        {glListView, "glListView", "ListView"},
        {glVista, "glVista", "Windows Vista"},
        {glWin7, "glWin7", "Windows 7"},
        {glOffice2007, "glOffice2007", "Office2007"},
        {glCustom, "", ""},
    };
    for (auto [look, file, display] : cases) {
        EXPECT_EQ(GridLookName(look), file);
        EXPECT_EQ(GridLookDisplayName(look), display);
    }
}

TEST(QvGridStyle, Office2003ClassicKeepsTheSelectionOfTheLookItFinds) {
    TQvStringGrid onXP(nullptr);
    onXP.SetLook(glXP);
    onXP.SetStyle(gsOffice2003Classic);
    EXPECT_EQ(onXP.SelectionColor(), clHighlight);

    TQvStringGrid onStandard(nullptr);
    onStandard.SetLook(glStandard);
    onStandard.SetStyle(gsOffice2003Classic);
    EXPECT_EQ(onStandard.Look(), glXP);
    EXPECT_EQ(onStandard.SelectionColor(), TColor(0xEACAB6)); // from the look change
    // ControlLook's gradient is left at clNone; the base colours stay in the grid.
    EXPECT_EQ(onStandard.ControlLook()->FixedGradientFrom(), clNone);
    EXPECT_EQ(onStandard.FixedGradientColors().From, TColor(0xFFFFFF));
    EXPECT_EQ(onStandard.FixedGradientColors().To, TColor(0xCCD4D8));
}

TEST(QvGridStyle, SearchFooterEndsInTheFixedMirrorEndColourForEveryStyle) {
    for (int s = gsOffice2003Blue; s <= gsOffice2010Black; ++s) {
        const auto style = static_cast<TQvGridStyle>(s);
        if (style == gsCustom || style == gsTerminal) continue;
        TQvStringGrid g(nullptr);
        g.SetStyle(style);
        EXPECT_EQ(g.SearchFooter()->Color(), g.FixedGradientColors().From) << s;
        EXPECT_EQ(g.SearchFooter()->ColorTo(), g.FixedGradientColors().MirrorTo) << s;
    }
}

TEST(QvGridStyle, HoverDownAndSortHeaderColoursOfTheStyles) {
    TQvStringGrid luna(nullptr);
    luna.SetStyle(gsOffice2007Luna);
    EXPECT_EQ(luna.FixedGradientColors().HoverBorder, TColor(0xB79F87));
    EXPECT_EQ(luna.FixedGradientColors().DownMirrorTo, TColor(0xE4C19D));
    EXPECT_EQ(luna.SelectionStyle(), ssOffice2007);
    EXPECT_EQ(luna.SelectionColor(), TColor(0x5EC1F1));

    TQvStringGrid win7(nullptr);
    win7.SetStyle(gsWindows7);
    // The control look's hover colours win over the ones written first; its border stays.
    EXPECT_EQ(win7.FixedGradientColors().HoverFrom, TColor(0xFEFBF8));
    EXPECT_EQ(win7.FixedGradientColors().HoverMirrorTo, TColor(0xE8D2C1));
    EXPECT_EQ(win7.FixedGradientColors().HoverBorder, TColor(0xEEE8E3));
    EXPECT_EQ(win7.SortSettings()->HeaderMirrorColorTo(), TColor(0xF6ECD8));
    EXPECT_EQ(win7.ControlLook()->FixedGradientFrom(), clNone);
    EXPECT_EQ(win7.FixedGradientColors().MirrorFrom, TColor(0xF4E6DC));

    TQvStringGrid black(nullptr);
    black.SetStyle(gsOffice2010Black);
    EXPECT_EQ(black.SortSettings()->HeaderColor(), TColor(0xBABABA));
    EXPECT_EQ(black.GridFixedLineColor(), TColor(0x444444));
    EXPECT_EQ(black.FixedGradientColors().DownBorder, TColor(0x308AC2));
    EXPECT_EQ(black.SelectionStyle(), ssDefault);
    EXPECT_EQ(black.Look(), glOffice2007);
}

TEST(QvGridStyle, ComponentStyleLeavesTheMetroScrollBarsOnlyForTheCustomStyle) {
    TQvStringGrid g(nullptr);
    g.SetScrollType(ssMetro);
    g.SetComponentStyle(tsCustom);
    EXPECT_EQ(g.ScrollType(), ssMetro);
    EXPECT_EQ(g.ComponentStyle(), tsCustom);
    g.SetComponentStyle(tsOffice2003Olive);
    EXPECT_EQ(g.ScrollType(), ssNormal);
    EXPECT_EQ(g.ComponentStyle(), tsOffice2003Olive);
    EXPECT_EQ(g.FixedGradientColors().From, TColor(0xCFF0EA));
}

TEST(QvGridStyle, ColourSchemesWriteTheFixedCellsAndTheSearchFooter) {
    struct Case {
        TXPColorScheme scheme;
        TColor from, to, mirrorFrom, active, footerFrom, footerTo, lookFrom;
    } cases[] = {
        {xpBlue, 0xFCE1CB, 0xE0A57D, clNone, 0x94E6FB, 0xFCE1CB, 0xE0A57D, 0xFCE1CB},
        {xpGreen, 0xCFF0EA, 0x8CC0B1, clNone, 0x94E6FB, 0xCFF0EA, 0x8CC0B1, 0xCFF0EA},
        {xpGray, 0xECE2E1, 0xB39698, clNone, 0x94E6FB, 0xECE2E1, 0xB39698, 0xECE2E1},
        {vistaAero, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0x94E6FB, 0xECE2E1, 0xB39698, 0xFFFFFF},
        {xpNone, 0xFFFFFF, clBtnFace, clNone, 0xFFFFFF, 0xFFFFFF, 0xFFD9B3, clNone},
    };
    for (const Case& c : cases) {
        TQvStringGrid g(nullptr);
        g.SetTheme(c.scheme);
        EXPECT_EQ(g.FixedGradientColors().From, c.from) << c.scheme;
        EXPECT_EQ(g.FixedGradientColors().To, c.to) << c.scheme;
        EXPECT_EQ(g.FixedGradientColors().MirrorFrom, c.mirrorFrom) << c.scheme;
        EXPECT_EQ(g.ActiveCellColor(), c.active) << c.scheme;
        EXPECT_EQ(g.SearchFooter()->Color(), c.footerFrom) << c.scheme;
        EXPECT_EQ(g.SearchFooter()->ColorTo(), c.footerTo) << c.scheme;
        EXPECT_EQ(g.ControlLook()->FixedGradientFrom(), c.lookFrom) << c.scheme;
    }
}

TEST(QvGridTones, FlatToneLookTakesTheTonesAndTheMetroGlyphs) {
    TColorTones tones;
    tones.Background = {0xFFFFFF, 0xCCCCCC, 0x202020};
    tones.Foreground = {0x806040, 0x000000, 0xFFFFFF};
    tones.Selected = {0xD77800, 0xD77800, 0xFFFFFF};
    tones.Hover = {0xF0E0D0, 0, 0};
    TQvStringGrid g(nullptr);
    g.SetColorTones(tones);
    EXPECT_EQ(g.Look(), glClassic);
    EXPECT_TRUE(g.Flat());
    EXPECT_EQ(g.ScrollType(), ssMetro);
    EXPECT_EQ(g.FixedColor(), TColor(0x806040));
    EXPECT_EQ(g.FixedFont()->Color(), TColor(0xFFFFFF));
    EXPECT_EQ(g.Color(), TColor(0xFFFFFF));
    EXPECT_EQ(g.Font()->Color(), TColor(0x202020));
    EXPECT_EQ(g.SelectionColor(), TColor(0xD77800));
    EXPECT_EQ(g.SelectionTextColor(), TColor(0xFFFFFF));
    EXPECT_EQ(g.GridLineColor(), TColor(0xE6E6E6));
    EXPECT_EQ(g.GridFixedLineColor(), TColor(0x664D33)); // each channel 20 % darker
    EXPECT_EQ(g.BorderStyle(), bsNone);
    EXPECT_EQ(g.ControlLook()->ControlStyle(), csGlyph);
    EXPECT_TRUE(g.ControlLook()->FlatButton());
    EXPECT_EQ(g.ControlLook()->CheckedGlyph()->Width(), GridBitmap("metrocheckon")->Width());
    EXPECT_FALSE(g.ControlLook()->RadioOffGlyph()->Empty());
    EXPECT_EQ(g.SearchFooter()->ColorTo(), TColor(0x806040));
    EXPECT_EQ(g.FloatingFooter()->Color(), TColor(0x806040));
    EXPECT_EQ(g.CellNode()->NodeType(), cnFlat);
    EXPECT_EQ(g.Tones().Selected.BrushColor, TColor(0xD77800));
}

class QvGridThemeAdapt : public ::testing::Test {
protected:
    void SetUp() override { RegistryStore::Clear(); }
    void TearDown() override { RegistryStore::Clear(); }
};

TEST_F(QvGridThemeAdapt, FollowsTheOfficeThemeOnlyWhenItChanged) {
    RegistryStore::SetInteger(HKEY_CURRENT_USER, "Software\\Microsoft\\Office\\12.0\\Common", "Theme", 3);
    TQvStringGrid g(nullptr);
    g.SetAutoThemeAdapt(true);
    EXPECT_EQ(g.OldOfficeTheme(), ot2007Black);
    EXPECT_EQ(g.ComponentStyle(), tsOffice2007Obsidian);
    EXPECT_EQ(g.FixedGradientColors().From, TColor(0xF7F7F7));
    // The same theme again applies nothing.
    g.SetGridLineColor(clRed);
    g.ThemeAdapt();
    EXPECT_EQ(g.GridLineColor(), clRed);
    RegistryStore::SetInteger(HKEY_CURRENT_USER, "Software\\Microsoft\\Office\\12.0\\Common", "Theme", 2);
    g.ThemeAdapt();
    EXPECT_EQ(g.ComponentStyle(), tsOffice2007Silver);
    EXPECT_EQ(g.GridLineColor(), TColor(0xE5D7D0));
}

TEST_F(QvGridThemeAdapt, TheThemeChangeMessageAdaptsOnlyAnAdaptingGrid) {
    TQvStringGrid g(nullptr);
    RegistryStore::SetInteger(HKEY_CURRENT_USER, "Software\\Microsoft\\Office\\14.0\\Common", "Theme", 1);
    g.Perform(WM_OFFICETHEMECHANGED, 0, 0);
    EXPECT_EQ(g.OldOfficeTheme(), otUnknown);
    g.SetAutoThemeAdapt(true);
    EXPECT_EQ(g.ComponentStyle(), tsOffice2010Blue);
    RegistryStore::SetInteger(HKEY_CURRENT_USER, "Software\\Microsoft\\Office\\14.0\\Common", "Theme", 3);
    g.Perform(WM_OFFICETHEMECHANGED, 0, 0);
    EXPECT_EQ(g.ComponentStyle(), tsOffice2010Black);
    EXPECT_EQ(g.FixedGradientColors().From, TColor(0x6A6A6A));
}
