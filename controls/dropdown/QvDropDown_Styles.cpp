// The component style and selection colour tables of the dropdown edits.
#include "controls/dropdown/QvDropDown_Styles.h"

#include "controls/dropdown/QvDropDown_Appearance.h"
#include "controls/dropdown/QvDropDown_ButtonAppearance.h"
#include "controls/dropdown/QvItemSelector.h"

#include <cstddef>

namespace {

constexpr TColor N = clNone;

const TSelectionColors kSelection[] = {
    {0xD7FFFD, 0x58D4FC, 0xC3D9DF, 0x8DD7D3, 0xCAF8FF, 0xF4FEFF, 0x58D4FC, 0xB3F1FC}, // scOffice2007
    {0xFDF8F1, 0xFCEFD5, 0xFCEDCB, 0xFDDE99, 0xFDF5E7, 0xFDFBF6, N, N},               // scWindowsVista
    {0xFCEBDC, 0xFCDBC1, 0xE0C5AE, 0xCEA27D, 0xFDEADB, 0xFDF4EB, N, N},               // scWindows7
};

constexpr TBarStyleColors bar(TColor color, TColor to, TColor font, TColor border) {
    return {color, to, font, border};
}

const TDropDownStyleColors kStyles[] = {
    {tsOffice2003Blue, 0xFFFFFF, N, false, 0, bar(0xFCE1CB, 0xE0A57D, 0, 0),
     bar(0xFCE1CB, 0xE0A57D, 0, 0x962D00)},
    {tsOffice2003Silver, 0xFFFFFF, N, false, 0, bar(0xECE2E1, 0xB39698, 0, 0x947C7C),
     bar(0xECE2E1, 0xB39698, 0, 0x947C7C)},
    {tsOffice2003Olive, 0xFFFFFF, N, true, N, bar(0xCFF0EA, 0x8CC0B1, 0, 0x588060),
     bar(0xCFF0EA, 0x8CC0B1, 0, 0x588060)},
    {tsOffice2003Classic, 0xF2F2F2, 0xF2F2F2, true, N, bar(0x808080, 0x808080, 0xFFFFFF, 0x808080),
     bar(0x808080, 0x808080, 0xFFFFFF, 0x808080)},
    {tsOffice2007Luna, 0xF3E5DA, 0xF0DED0, true, N, bar(0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF),
     bar(0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF)},
    {tsOffice2007Obsidian, 0xFFFFFF, N, true, N, bar(0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C),
     bar(0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C)},
    {tsWindowsXP, 0xFFFFFF, N, false, 0, bar(0xFFFFFF, clBtnFace, 0, 0x808080),
     bar(0xFFFFFF, clBtnFace, 0, 0x808080)},
    {tsWhidbey, 0xF5F9FA, 0xF5F9FA, true, N, bar(0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00),
     bar(0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00)},
    {tsOffice2007Silver, 0xF8F4F1, 0xF0E8E3, true, N, bar(0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F),
     bar(0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F)},
    // The footer runs its gradient the other way round.
    {tsWindowsVista, 0xFFFFFF, 0xFFFFFF, true, 0x979797, bar(0xFFFDF9, 0xFFFAF0, 0, 0xFCF2DA),
     bar(0xFFFAF0, 0xFFFDF9, 0, 0xFCF2DA)},
    {tsWindows7, 0xFFFFFF, 0xFFFFFF, true, 0x979797, bar(0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8),
     bar(0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8)},
    {tsTerminal, 0xFFFFFF, 0xFFFFFF, true, 0x808080, bar(clBtnFace, clBtnFace, 0, N),
     bar(clBtnFace, clBtnFace, 0, N)},
    {tsOffice2010Blue, 0xFFFFFF, 0xF1EFED, true, 0xEDEDEC, bar(0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F),
     bar(0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F)},
    {tsOffice2010Silver, 0xFFFFFF, 0xF1EFED, true, 0xEDEDEC, bar(0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8),
     bar(0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8)},
    {tsOffice2010Black, 0xFFFFFF, 0xF1EFED, true, 0xEDEDEC, bar(0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D),
     bar(0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D)},
};

// The two shared sets of hot, down, disabled and checked colours.
#define QV_SET_A                                                                                             \
    0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3,      \
        0x45667B
#define QV_SET_B 0x8AE3FD, N, 0x58CAF1, 0x6CD0FF, N, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE, N, 0x4FA0CE

const TButtonStyleColors kButtons[] = {
    {tsOffice2003Blue, 0xFCE1CB, 0xE0A57D, N, QV_SET_A},
    {tsOffice2003Silver, 0xECE2E1, 0xB39698, N, QV_SET_A},
    {tsOffice2003Olive, 0xCFF0EA, 0x8CC0B1, N, QV_SET_A},
    {tsOffice2003Classic, 0xFFFFFF, 0xC9D1D5, N, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080,
     0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFDDC4, N, QV_SET_A},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, N, QV_SET_A},
    {tsWindowsXP, 0xFFFFFF, clBtnFace, N, 0xEFD3C6, 0xEFD3C6, clHighlight, TColor(0xFF000003),
     TColor(0xFF000003), clHighlight, 0xB6B6B6, 0xB6B6B6, 0xB9D8DC, 0xB9D8DC, 0},
    {tsWhidbey, 0xFFFFFF, 0xDFEDF0, N, QV_SET_A},
    {tsOffice2007Silver, 0xF9F8F8, 0xE4E2DF, N, QV_SET_A},
    // The checked border's high byte is kept as it stands: it is no colour flag.
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A,
     0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7, TColor(0x0FEDF9AB)},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D,
     0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D},
    {tsTerminal, clBtnFace, clBtnFace, N, 0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080,
     clBtnFace, clBtnFace, clBtnFace, clBtnFace, clHighlight},
    {tsOffice2010Blue, 0xFDF6EF, 0xF0DAC7, 0xC7B29F, QV_SET_B},
    {tsOffice2010Silver, 0xFFFFFF, 0xEDE5E0, 0xD2CDC8, QV_SET_B},
    {tsOffice2010Black, 0xBFBFBF, 0x919191, 0xD7D7D6, QV_SET_B},
};

#undef QV_SET_A
#undef QV_SET_B

// The Office 2003 and Whidbey items, and the Office 2007 ones with their inner lines and corners.
#define QV_ITEMS_2003 0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE
#define QV_ITEMS_2010 0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2

const TItemAppearanceStyleColors kItemLooks[] = {
    {tsOffice2003Blue, QV_ITEMS_2003, N, N, N, 0},
    {tsOffice2003Silver, QV_ITEMS_2003, N, N, N, 0},
    {tsOffice2003Olive, QV_ITEMS_2003, N, N, N, 0},
    {tsWhidbey, QV_ITEMS_2003, N, N, N, 0},
    {tsOffice2007Luna, QV_ITEMS_2003, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, 0},
    {tsOffice2007Obsidian, QV_ITEMS_2003, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, 0},
    {tsOffice2007Silver, QV_ITEMS_2003, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, 0},
    {tsOffice2003Classic, 0xD2BDB6, 0xD2BDB6, N, N, 0xB59285, 0xB59285, N, N, 0x808080, N, N, N, 0},
    {tsWindowsXP, 0xEFD3C6, 0xEFD3C6, N, N, clHighlight, N, N, N, clHighlight, N, N, N, clHighlightText},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, N, N, 0xFEF9F0, 0xFDF0D7, N, N, 0xFEDF9A, 0xFDFBF6, 0xFDF5E7,
     0xFCEDCB, 0},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, N, N, 0xFCEBDC, 0xFCDBC1, N, N, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE,
     0},
    {tsTerminal, 0xC0C0C0, 0xC0C0C0, N, N, clHighlight, N, N, N, 0x808080, N, N, N, clHighlightText},
    {tsOffice2010Blue, QV_ITEMS_2010, N, N, N, 0},
    {tsOffice2010Silver, QV_ITEMS_2010, N, N, N, 0},
    {tsOffice2010Black, QV_ITEMS_2010, N, N, N, 0},
};

#undef QV_ITEMS_2003
#undef QV_ITEMS_2010

template <class T, std::size_t n> const T* findStyle(const T (&table)[n], TQvStyle style) {
    for (const T& row : table)
        if (row.Style == style) return &row;
    return nullptr;
}

} // namespace

const TSelectionColors* SelectionColorsOf(TSelectionColorStyle Style) {
    switch (Style) {
    case scOffice2007:
        return &kSelection[0];
    case scWindowsVista:
        return &kSelection[1];
    case scWindows7:
        return &kSelection[2];
    case scCustom:
        break;
    }
    return nullptr;
}

const TDropDownStyleColors* DropDownStyleColorsOf(TQvStyle Style) {
    return findStyle(kStyles, Style);
}

const TButtonStyleColors* ButtonStyleColorsOf(TQvStyle Style) {
    return findStyle(kButtons, Style);
}

void ApplyBarStyle(TBarAppearance& Bar, const TBarStyleColors& Colors) {
    Bar.SetColor(Colors.Color);
    Bar.SetColorTo(Colors.ColorTo);
    Bar.SetBorderColor(Colors.BorderColor);
    Bar.Font()->SetColor(Colors.FontColor);
}

void ApplyButtonStyle(TQvButtonAppearance& A, const TButtonStyleColors& C) {
    A.SetColor(C.Color);
    A.SetColorTo(C.ColorTo);
    A.SetBorderColor(C.BorderColor);
    A.SetColorHot(C.ColorHot);
    A.SetColorHotTo(C.ColorHotTo);
    A.SetBorderColorHot(C.BorderColorHot);
    A.SetColorDown(C.ColorDown);
    A.SetColorDownTo(C.ColorDownTo);
    A.SetBorderColorDown(C.BorderColorDown);
    A.SetColorDisabled(C.ColorDisabled);
    A.SetColorDisabledTo(C.ColorDisabledTo);
    A.SetColorChecked(C.ColorChecked);
    A.SetColorCheckedTo(C.ColorCheckedTo);
    A.SetBorderColorChecked(C.BorderColorChecked);
}

const TItemAppearanceStyleColors* ItemAppearanceStyleColorsOf(TQvStyle Style) {
    return findStyle(kItemLooks, Style);
}

void ApplyItemAppearanceStyle(TItemAppearance& A, const TItemAppearanceStyleColors& C) {
    A.BorderColorHot = clNone;
    A.BorderColorSelected = clNone;
    A.ColorHotText = 0;
    A.ColorHot = C.ColorHot;
    A.ColorHotTo = C.ColorHotTo;
    A.ColorMirrorHot = C.ColorMirrorHot;
    A.ColorMirrorHotTo = C.ColorMirrorHotTo;
    A.ColorSelected = C.ColorSelected;
    A.ColorSelectedTo = C.ColorSelectedTo;
    A.ColorMirrorSelected = C.ColorMirrorSelected;
    A.ColorMirrorSelectedTo = C.ColorMirrorSelectedTo;
    A.BorderColor = C.BorderColor;
    A.BorderColorTop = C.BorderColorTop;
    A.BorderColorBottom = C.BorderColorBottom;
    A.EdgeColor = C.EdgeColor;
    A.ColorSelectedText = C.ColorSelectedText;
}
