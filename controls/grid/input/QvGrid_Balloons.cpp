// The string grid's balloons (the text of the cell under the mouse, with the cell's own balloon and
// OnCellBalloon over it) and its notifications: the balloon tips' request and a date picker's change.
#include "controls/grid/QvGrid.h"
#include "controls/grid/input/BalloonText.h"
#include "controls/grid/input/InputEvents.h"
#include "controls/markup/QsgHTMLE.h"

#include "toolkit/controls/HintWindow.h"
#include "toolkit/system/DateUtils.h"

#include <algorithm>

namespace {

// The widest a balloon is laid out.
constexpr int kBalloonMaxWidth = 300;
// The title and icon the tips start with, before the first request sets its own.
constexpr int kBalloonToolIcon = 3;
constexpr const char* kBalloonToolTitle = "ToolTipText";
constexpr int kBalloonToolTitleMax = 255;

// A picker's value as the date-time number; 0 when it has no date (year, month or day 0) or names none.
TDateTime PickerDateTime(const SYSTEMTIME& st) {
    if (st.wYear == 0 || st.wMonth == 0 || st.wDay == 0) return 0;
    TDateTime date = 0, time = 0;
    if (!TryDateFromParts(st.wYear, st.wMonth, st.wDay, date)) return 0;
    if (!TryTimeFromParts(st.wHour, st.wMinute, st.wSecond, time)) time = 0;
    const TDateTime ms = std::min<int>(st.wMilliseconds, 999) / 86400000.0;
    return date + (date < 0 ? -(time + ms) : time + ms);
}

} // namespace

void TQvStringGrid::BalloonInit() {
    if (FHToolTip) return;
    FHToolTip = std::make_unique<TBalloonTips>(this);
    AddBalloonTool(kBalloonToolIcon, kBalloonToolTitle);
    FHToolTip->SetDelays(FBalloon->InitialDelay(), FBalloon->ReshowDelay(), FBalloon->AutoHideDelay());
    if (FBalloon->Transparency() > 0) FHToolTip->SetAlpha(255 - FBalloon->Transparency());
}

void TQvStringGrid::BalloonDone() {
    FHToolTip.reset();
    FLastBalloonPos = TPoint(-1, -1);
}

void TQvStringGrid::AddBalloonTool(int Icon, const String& Title) {
    if (!FHToolTip) return;
    FHToolTip->SetTitle(Title.left(kBalloonToolTitleMax), Icon >= TTI_NONE && Icon <= TTI_ERROR ? Icon : 0);
}

void TQvStringGrid::WMNotify(TMessage& Message) {
    auto* header = reinterpret_cast<NMHDR*>(Message.LParam);
    const int code = header ? header->code : 0;
    switch (code) {
    case DTN_DATETIMECHANGE:
        if (OnDateTimeChange)
            OnDateTimeChange(this, Col(), Row(),
                             PickerDateTime(reinterpret_cast<NMDATETIMECHANGE*>(header)->st));
        TBaseGrid::Dispatch(Message);
        return;
    case TTN_GETDISPINFOW:
        if (FBalloon->Enable() && FHToolTip && header->hwndFrom == FHToolTip.get())
            FillBalloonRequest(*reinterpret_cast<NMTTDISPINFOW*>(header));
        return;
    case TTN_SHOW:
    case TTN_POP:
        return;
    default:
        TBaseGrid::Dispatch(Message);
    }
}

void TQvStringGrid::FillBalloonRequest(NMTTDISPINFOW& Info) {
    const TPoint at = ScreenToClient(GetCursorPos());
    int c = -1, r = -1;
    MouseToCell(at.X, at.Y, c, r);
    const bool valid = c >= 0 && r >= 0 && c < ColCount() && r < RowCount();
    int rc = -1;
    String text;
    if (valid) {
        const TPoint base = BaseCell(c, r);
        c = base.X;
        r = base.Y;
        rc = RealColIndex(c);
        const String stored = Cells(rc, r);
        switch (CellTextKind(stored, EnableHTML())) {
        case ctkHTML:
            text = StripMarkup(stored);
            break;
        case ctkRTF:
            text = RichCellPlainText(stored);
            break;
        case ctkWide:
            text = DecodeWideCellText(stored);
            break;
        default:
            text = stored;
        }
    } else {
        c = r = -1;
    }
    text = BalloonCellText(text);
    String title = QStringLiteral(" ");
    int icon = biInfo;
    String cellTitle, cellText;
    TBalloonIcon cellIcon = biNone;
    if (valid && IsBalloon(rc, r, cellTitle, cellText, cellIcon)) {
        title = cellTitle;
        text = cellText;
        icon = cellIcon;
    }
    if (OnCellBalloon) OnCellBalloon(this, rc, r, title, text, icon);
    FLastBalloonPos = TPoint(c, r);
    // What the hooks made longer is cut to the buffer the tips read.
    text = CutWithEllipsis(text, kToolTipBufferSize);
    const auto* units = reinterpret_cast<const char16_t*>(text.utf16());
    std::copy_n(units, text.size(), FToolTipBuffer.begin());
    FToolTipBuffer[size_t(text.size())] = 0;
    Info.lpszText = FToolTipBuffer.data();
    FHToolTip->SetMaxTipWidth(kBalloonMaxWidth);
    FHToolTip->SetTipColors(FBalloon->BackgroundColor(), FBalloon->TextColor());
    FHToolTip->SetTitle(CutWithEllipsis(title, kBalloonTitleMax),
                        std::clamp(icon, int(TTI_NONE), int(TTI_ERROR)));
}

// A balloon shown for another cell is taken down; the tips bring the new cell's after a rest.
void TQvStringGrid::WithdrawCellBalloon(const MoveEvent& m) {
    if (!FBalloon->Enable() || !FHToolTip || FLastBalloonPos == TPoint(-1, -1)) return;
    const TPoint under = m.Valid ? BaseCell(m.Col, m.Row) : TPoint(-1, -1);
    if (under == FLastBalloonPos) return;
    FHToolTip->Pop();
    FLastBalloonPos = TPoint(-1, -1);
}
