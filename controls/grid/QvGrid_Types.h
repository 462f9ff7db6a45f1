// The grid unit's error and the enumerations that serve the grid as a whole and its settings objects.
#pragma once

#include "toolkit/system/Types.h"

// The ordinal values are stored with window designs: never reorder.
enum TGridExportState {
    esExportStart,
    esExportNewRow,
    esExportDone,
    esExportSelRow,
    esExportFail,
    esExportNextRow
};
enum TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };
enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };
enum TEditStyle { esInplace, esPopup };
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum THintShowLargeTextPos { hpCell, hpCursor };
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum TBalloonIcon { biNone, biInfo, biWarning, biError };
enum TFindParameter {
    fnMatchCase,
    fnMatchFull,
    fnMatchRegular,
    fnDirectionLeftRight,
    fnMatchStart,
    fnFindInCurrentRow,
    fnFindInCurrentCol,
    fnIncludeFixed,
    fnAutoGoto,
    fnIgnoreHTMLTags,
    fnBackward,
    fnIncludeHiddenColumns,
    fnFindInPresetCol,
    fnFindInPresetRow,
    fnSelectedCells,
    fnIncludeHiddenRows
};
using TFindParameters = unsigned;
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
enum TClipOperation { coCut, coCopy };
enum TDragScrollDirection { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirections = unsigned;
enum TScrollDirection { sdVertical, sdHorizontal };
enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };
// The grid's style presets, in the order of the shared TQvStyle.
enum TQvGridStyle {
    gsOffice2003Blue,
    gsOffice2003Silver,
    gsOffice2003Olive,
    gsOffice2003Classic,
    gsOffice2007Luna,
    gsOffice2007Obsidian,
    gsWindowsXP,
    gsWhidbey,
    gsCustom,
    gsOffice2007Silver,
    gsWindowsVista,
    gsWindows7,
    gsTerminal,
    gsOffice2010Blue,
    gsOffice2010Silver,
    gsOffice2010Black
};

// Settings objects and looks.
enum TControlStyle { csClassic, csFlat, csWinXP, csBorland, csVUR, csGlyph, csTheme };
enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };
enum TProgressStyle { psXP, psClassic };
enum TColumnSizeLocation { clRegistry, clIniFile };
enum TAutoSizeRows { arAll, arNormal, arFixed };
enum TGridLook {
    glStandard,
    glSoft,
    glClassic,
    glVUR,
    glXP,
    glListView,
    glVista,
    glWin7,
    glOffice2007,
    glCustom
};
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };

// The grid's own error: typed cell texts that do not parse, index errors, the grid's files.
class EQvGridError : public Exception {
public:
    using Exception::Exception;
};
