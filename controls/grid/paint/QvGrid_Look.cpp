// The grid's whole-appearance switches: looks, style presets, colour schemes, flat tones and the office
// theme adaptation. The order of the writes matters: a style first changes the look, and a look change
// may run a style.
#include "controls/grid/QvGrid.h"
#include "controls/grid/QvObj.h"
#include "controls/grid/paint/CellLooks.h"

namespace {

struct GridLookNameRow {
    TGridLook Look;
    const char* FileName;
    const char* DisplayName;
};

constexpr GridLookNameRow kGridLookNames[] = {
    {glStandard, "glStandard", "Standard"},
    {glSoft, "glSoft", "Soft"},
    {glClassic, "glClassic", "Classic"},
    {glVUR, "glVUR", "VUR"},
    {glXP, "glXP", "Windows XP"},
    {glListView, "glListView", "ListView"},
    {glVista, "glVista", "Windows Vista"},
    {glWin7, "glWin7", "Windows 7"},
    {glOffice2007, "glOffice2007", "Office2007"},
};

// Marks a colour the preset does not write.
constexpr TColor kPresetKeeps = clDefault;

// One row of the style presets: fixed base colours, active cell, search footer, grid lines and selection.
struct GridStylePreset {
    TQvGridStyle Style;
    int Look; // a TGridLook, or -1 to leave the look as it is
    TColor From, To, MirrorFrom, MirrorTo;
    bool LookGradientNone; // ControlLook's From / To become clNone instead of the base
    TColor Active, ActiveTo;
    TColor FooterFrom, FooterTo;
    TColor GridLine, FixedLine;
    TColor Selection, SelectionTo, SelectionText;
};

constexpr GridStylePreset kGridStylePresets[] = {
    {gsOffice2003Blue, glXP, 0xFCE1CB, 0xE0A57D, clNone, clNone, false, 0x94E6FB, 0x1595EE, 0xFCE1CB,
     0xE0A57D, clSilver, clGray, 0x94E6FB, 0x1595EE, 0x000000},
    {gsOffice2003Silver, glXP, 0xECE2E1, 0xB39698, clNone, clNone, false, 0x94E6FB, 0x1595EE, 0xECE2E1,
     0xB39698, clSilver, clGray, 0x94E6FB, 0x1595EE, 0x000000},
    {gsOffice2003Olive, glXP, 0xCFF0EA, 0x8CC0B1, clNone, clNone, false, 0x94E6FB, 0x1595EE, 0xCFF0EA,
     0x8CC0B1, clSilver, clGray, 0x94E6FB, 0x1595EE, 0x000000},
    {gsOffice2003Classic, glXP, 0xFFFFFF, 0xCCD4D8, clNone, clNone, true, 0xD8D5D4, 0xD8D5D4, 0xFFFFFF,
     0xD8D5D4, clSilver, clGray, kPresetKeeps, kPresetKeeps, kPresetKeeps},
    {gsOffice2007Luna, glOffice2007, 0xFBF9F6, 0xE8DBD2, clNone, clNone, false, 0x9DD8F9, 0x5EC1F1, 0xFFEFE3,
     0xFFD2AF, 0xF1EDEB, 0xD1BBA4, 0x5EC1F1, kPresetKeeps, 0x000000},
    {gsOffice2007Obsidian, glOffice2007, 0xF7F7F7, 0xDEDEDE, clNone, clNone, false, 0x9DD8F9, 0x5EC1F1,
     0xF2F1F0, 0xC9C2BD, 0xE5D7D0, clGray, 0x5EC1F1, kPresetKeeps, 0x000000},
    {gsWindowsXP, glXP, clBtnFace, clBtnFace, clNone, clNone, true, clBtnFace, clBtnFace, clBtnFace,
     clBtnFace, clSilver, clGray, kPresetKeeps, kPresetKeeps, kPresetKeeps},
    {gsWhidbey, -1, 0xFFFFFF, clBtnFace, clNone, clNone, true, 0x94E6FB, 0x1595EE, 0xEBEEEF, 0x7E9898,
     clSilver, clGray, kPresetKeeps, kPresetKeeps, kPresetKeeps},
    {gsOffice2007Silver, glOffice2007, 0xF3F3F1, 0xCAC9C8, kPresetKeeps, kPresetKeeps, false, 0x99CCFF,
     0x699CFF, 0xEEEEEE, 0xC1C1C1, 0xE5D7D0, clGray, 0x95C7F5, kPresetKeeps, 0x000000},
    {gsWindowsVista, glVista, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, true, 0xFDF8F1, 0xFCEFD5, kPresetKeeps,
     kPresetKeeps, 0xECECF0, 0xD4D2D1, 0xEACAB6, kPresetKeeps, 0x000000},
    {gsWindows7, glWin7, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, true, 0xFCEBDC, 0xFCDBC1, kPresetKeeps,
     kPresetKeeps, 0xECECF0, 0xD4D2D1, 0xEACAB6, kPresetKeeps, 0x000000},
    {gsOffice2010Blue, glOffice2007, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, true, 0x5BD5FF, 0x71EFFF,
     kPresetKeeps, kPresetKeeps, clSilver, 0xC7B0A0, 0xFFDBB7, kPresetKeeps, 0x000000},
    {gsOffice2010Silver, glOffice2007, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, true, 0x5BD5FF, 0x71EFFF,
     kPresetKeeps, kPresetKeeps, clSilver, 0xBAB5B1, 0xFFDBB7, kPresetKeeps, 0x000000},
    {gsOffice2010Black, glOffice2007, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, true, 0x5BD5FF, 0x71EFFF,
     kPresetKeeps, kPresetKeeps, clSilver, 0x444444, 0xFFDBB7, kPresetKeeps, 0x000000},
};

// Hover and down colours: From, To, MirrorFrom, MirrorTo, Border.
struct PresetStateColors {
    TColor From, To, MirrorFrom, MirrorTo, Border;
};

void applyPresetHover(TControlLook* look, const PresetStateColors& c) {
    look->SetFixedGradientHoverFrom(c.From);
    look->SetFixedGradientHoverTo(c.To);
    look->SetFixedGradientHoverMirrorFrom(c.MirrorFrom);
    look->SetFixedGradientHoverMirrorTo(c.MirrorTo);
    if (c.Border != kPresetKeeps) look->SetFixedGradientHoverBorder(c.Border);
}

void applyPresetDown(TControlLook* look, const PresetStateColors& c) {
    look->SetFixedGradientDownFrom(c.From);
    look->SetFixedGradientDownTo(c.To);
    look->SetFixedGradientDownMirrorFrom(c.MirrorFrom);
    look->SetFixedGradientDownMirrorTo(c.MirrorTo);
    look->SetFixedGradientDownBorder(c.Border);
}

void applyPresetSortHeader(TSortSettings* sort, TColor from, TColor to, TColor mirrorFrom, TColor mirrorTo) {
    sort->SetHeaderColor(from);
    sort->SetHeaderColorTo(to);
    sort->SetHeaderMirrorColor(mirrorFrom);
    sort->SetHeaderMirrorColorTo(mirrorTo);
}

} // namespace

String GridLookName(TGridLook Look) {
    for (const auto& n : kGridLookNames)
        if (n.Look == Look) return QString::fromLatin1(n.FileName);
    return String();
}

String GridLookDisplayName(TGridLook Look) {
    for (const auto& n : kGridLookNames)
        if (n.Look == Look) return QString::fromLatin1(n.DisplayName);
    return String();
}

void TQvStringGrid::SetLook(TGridLook Value) {
    if (Value == FLook) return;
    FLook = Value;
    TControlLook* look = FControlLook.get();
    if (Value != glCustom) {
        look->SetFixedGradientMirrorFrom(clNone);
        look->SetFixedGradientMirrorTo(clNone);
        look->SetFixedGradientFrom(clNone);
        look->SetFixedGradientTo(clNone);
        FFixedGradient.From = FFixedGradient.To = clNone;
        FFixedGradient.MirrorFrom = FFixedGradient.MirrorTo = clNone;
        FSortSettings->SetHeaderColor(clNone);
    }
    switch (Value) {
    case glVista:
        SetStyle(gsWindowsVista);
        FStyle = tsWindowsVista;
        SetSelectionStyle(ssVista);
        break;
    case glWin7:
        SetStyle(gsWindows7);
        FStyle = tsWindows7;
        SetSelectionStyle(ssWin7);
        break;
    case glOffice2007:
        SetStyle(gsOffice2007Luna);
        FStyle = tsOffice2007Luna;
        SetSelectionStyle(ssOffice2007);
        break;
    case glCustom:
        break;
    default: {
        SetSelectionStyle(ssDefault);
        if (IsLoading()) break;
        const bool plain = Value == glStandard || Value == glSoft || Value == glClassic;
        if (plain) {
            SetFixedColor(clBtnFace);
            look->SetFixedGradientFrom(clBtnFace);
            look->SetFixedGradientTo(clNone);
        } else {
            look->SetFixedGradientFrom(0xFFFFFF);
            look->SetFixedGradientTo(clBtnFace);
        }
        SetGridFixedLineColor(clGray);
        look->SetFixedGradientMirrorFrom(clNone);
        look->SetFixedGradientMirrorTo(clNone);
        FFixedGradient.MirrorFrom = FFixedGradient.MirrorTo = clNone;
        SetGridLineColor(clSilver);
        if (Value == glVUR || Value == glXP) {
            SetActiveCellColor(0xEACAB6);
            SetActiveCellColorTo(clNone);
            SetSelectionColor(0xEACAB6);
            SetSelectionColorTo(clNone);
            SetSelectionTextColor(0x000000);
            FSearchFooter->SetColor(FFixedGradient.From);
            FSearchFooter->SetColorTo(FFixedGradient.To);
            look->SetFixedGradientFrom(0xFFFFFF);
            look->SetFixedGradientTo(Value == glXP ? clBtnFace : clSilver);
            applyPresetHover(look, {0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF, kPresetKeeps});
            look->SetFixedGradientDownFrom(0x868788);
            look->SetFixedGradientDownTo(0x737C7E);
            look->SetFixedGradientDownMirrorFrom(0x737C7E);
            look->SetFixedGradientDownMirrorTo(0x627376);
        } else {
            SetActiveCellColor(clGray);
            SetActiveCellColorTo(clNone);
            SetSelectionColor(clHighlight);
            SetSelectionTextColor(clHighlightText);
            FSearchFooter->SetColor(clBtnFace);
            FSearchFooter->SetColorTo(clBtnFace);
        }
        break;
    }
    }
    SetScrollType(ssNormal);
    SetBorderStyle(bsSingle);
    SetBorderColor(0xB99D7F);
    Invalidate();
}

void TQvStringGrid::SetStyle(TQvGridStyle AStyle) {
    TControlLook* look = FControlLook.get();
    SetSelectionColor(clHighlight);
    SetSelectionColorTo(clNone);
    SetSelectionTextColor(clHighlightText);
    SetSelectionStyle(ssDefault);
    applyPresetSortHeader(FSortSettings.get(), clNone, clNone, clNone, clNone);
    look->Init();

    if (AStyle == gsTerminal) SetLook(glStandard);
    const GridStylePreset* preset = nullptr;
    for (const auto& p : kGridStylePresets)
        if (p.Style == AStyle) preset = &p;
    if (preset) {
        if (preset->Look >= 0) SetLook(static_cast<TGridLook>(preset->Look));
        SetActiveCellColor(preset->Active);
        SetActiveCellColorTo(preset->ActiveTo);
        FFixedGradient.From = preset->From;
        FFixedGradient.To = preset->To;
        if (preset->MirrorFrom != kPresetKeeps) FFixedGradient.MirrorFrom = preset->MirrorFrom;
        if (preset->MirrorTo != kPresetKeeps) FFixedGradient.MirrorTo = preset->MirrorTo;
        if (!preset->LookGradientNone) {
            look->SetFixedGradientFrom(preset->From);
            look->SetFixedGradientTo(preset->To);
        }
        if (preset->FooterFrom != kPresetKeeps) {
            FSearchFooter->SetColor(preset->FooterFrom);
            FSearchFooter->SetColorTo(preset->FooterTo);
        }
        SetGridLineColor(preset->GridLine);
        SetGridFixedLineColor(preset->FixedLine);
        if (preset->Selection != kPresetKeeps) SetSelectionColor(preset->Selection);
        if (preset->SelectionTo != kPresetKeeps) SetSelectionColorTo(preset->SelectionTo);
        if (preset->SelectionText != kPresetKeeps) SetSelectionTextColor(preset->SelectionText);

        switch (AStyle) {
        case gsOffice2007Luna:
            applyPresetHover(look, {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87});
            applyPresetDown(look, {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D});
            SetSelectionStyle(ssOffice2007);
            break;
        case gsWindowsVista:
            applyPresetHover(look, {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993});
            applyPresetDown(look, {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F});
            applyPresetSortHeader(FSortSettings.get(), 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8);
            SetSelectionStyle(ssVista);
            break;
        case gsWindows7:
            FFixedGradient.HoverFrom = 0xFDF8F3;
            FFixedGradient.HoverTo = 0xF9F3EF;
            FFixedGradient.HoverMirrorFrom = FFixedGradient.HoverMirrorTo = clNone;
            FFixedGradient.HoverBorder = 0xEEE8E3;
            applyPresetHover(look, {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, kPresetKeeps});
            applyPresetDown(look, {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA});
            applyPresetSortHeader(FSortSettings.get(), 0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8);
            SetSelectionStyle(ssWin7);
            break;
        case gsOffice2010Blue:
        case gsOffice2010Silver:
        case gsOffice2010Black: {
            FFixedGradient.HoverFrom = FFixedGradient.HoverTo = clNone;
            FFixedGradient.HoverMirrorFrom = FFixedGradient.HoverMirrorTo = clNone;
            FFixedGradient.HoverBorder = clNone;
            applyPresetHover(look, {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8});
            applyPresetDown(look, {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2});
            const TColor header = AStyle == gsOffice2010Blue     ? 0xD6CEC7
                                  : AStyle == gsOffice2010Silver ? 0xAAAAAA
                                                                 : 0xBABABA;
            applyPresetSortHeader(FSortSettings.get(), header, header, header, header);
            SetSelectionStyle(ssDefault);
            break;
        }
        default:
            break;
        }
        if (preset->LookGradientNone) {
            look->SetFixedGradientFrom(clNone);
            look->SetFixedGradientTo(clNone);
        }
        if (AStyle == gsWindowsXP) SetLook(glXP);
    }
    if (AStyle != gsCustom && AStyle != gsTerminal) {
        FSearchFooter->SetColor(FFixedGradient.From);
        FSearchFooter->SetColorTo(FFixedGradient.MirrorTo);
    }
    Invalidate();
}

void TQvStringGrid::SetComponentStyle(TQvStyle AStyle) {
    FStyle = AStyle;
    SetStyle(static_cast<TQvGridStyle>(AStyle));
    // The look change inside SetStyle names its own base style (Luna for every 2007 and 2010 style);
    // the style asked for is the one the grid and its editors keep.
    FStyle = AStyle;
    // The drop-down editors take the style through their own SetComponentStyle once the grid owns them.
    if (AStyle != tsCustom && ScrollType() == ssMetro) SetScrollType(ssNormal);
}

void TQvStringGrid::SetTheme(TXPColorScheme AScheme) {
    TColor from = 0xFFFFFF, to = clBtnFace, mirrorFrom = clNone, mirrorTo = clNone;
    TColor footerFrom = 0xFFFFFF, footerTo = 0xFFD9B3;
    bool scheme = true;
    switch (AScheme) {
    case xpBlue:
        from = 0xFCE1CB, to = 0xE0A57D;
        break;
    case xpGreen:
        from = 0xCFF0EA, to = 0x8CC0B1;
        break;
    case xpGray:
        from = 0xECE2E1, to = 0xB39698;
        break;
    case vistaAero:
        from = to = 0xFFFFFF;
        mirrorFrom = 0xFAF8F7, mirrorTo = 0xF4F2F1;
        break;
    default:
        scheme = false;
        break;
    }
    FFixedGradient.From = from;
    FFixedGradient.To = to;
    FFixedGradient.MirrorFrom = mirrorFrom;
    FFixedGradient.MirrorTo = mirrorTo;
    // The colours are written without the setters: a scheme asks for no repaint.
    if (scheme) {
        FActiveCellColor = 0x94E6FB;
        FActiveCellColorTo = 0x1595EE;
        FControlLook->SetFixedGradientFrom(from);
        FControlLook->SetFixedGradientTo(to);
        footerFrom = AScheme == vistaAero ? 0xECE2E1 : from;
        footerTo = AScheme == vistaAero ? 0xB39698 : to;
    } else {
        FActiveCellColor = 0xFFFFFF;
        FActiveCellColorTo = 0xFFD9B3;
        FControlLook->SetFixedGradientFrom(clNone);
        FControlLook->SetFixedGradientTo(clNone);
    }
    FSearchFooter->SetColor(footerFrom);
    FSearchFooter->SetColorTo(footerTo);
}

void TQvStringGrid::SetColorTones(const TColorTones& ATones) {
    FTones = ATones;
    SetLook(glClassic);
    SetFlat(true);
    SetScrollType(ssMetro);
    SetFixedColor(ATones.Foreground.BrushColor);
    FFixedFont->SetColor(ATones.Foreground.TextColor);
    FFixedFont->SetName(DefaultUIFontName());
    Font()->SetName(DefaultUIFontName());
    SetColor(ATones.Background.BrushColor);
    Font()->SetColor(ATones.Background.TextColor);
    SetSelectionColor(ATones.Selected.BrushColor);
    SetSelectionTextColor(ATones.Selected.TextColor);
    SetSelectionColorTo(clNone);
    SetGridLineColor(0xE6E6E6);
    SetGridFixedLineColor(BrightenColor(ATones.Foreground.BrushColor, -20));
    SetBorderStyle(bsNone);
    FControlLook->SetControlStyle(csGlyph);
    static constexpr std::pair<const char*, void (TControlLook::*)(const TBitmap*)> glyphs[] = {
        {"metrocheckon", &TControlLook::SetCheckedGlyph},
        {"metrocheckoff", &TControlLook::SetUnCheckedGlyph},
        {"metroradiooff", &TControlLook::SetRadioOffGlyph},
        {"metroradioon", &TControlLook::SetRadioOnGlyph},
    };
    for (const auto& [name, setter] : glyphs)
        if (TBitmap* bmp = GridBitmap(QString::fromLatin1(name))) (FControlLook.get()->*setter)(bmp);
    // The in-place editors and drop-downs take the tones through their own SetColorTones once the grid
    // owns them.
    FControlLook->SetFlatButton(true);
    FFloatingFooter->SetColor(ATones.Foreground.BrushColor);
    FSearchFooter->SetColor(ATones.Foreground.BrushColor);
    FSearchFooter->SetColorTo(ATones.Foreground.BrushColor);
    FCellNode->SetNodeType(cnFlat);
}

void TQvStringGrid::ThemeAdapt() {
    if (IsDesigning()) return;
    const TOfficeTheme theme = DetectOfficeTheme();
    if (theme == FOldOfficeTheme) return;
    if (theme != otUnknown) SetComponentStyle(PresetStyleOfOfficeTheme(theme));
    FOldOfficeTheme = theme;
}
