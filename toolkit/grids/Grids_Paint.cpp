// Painting the grid: one DrawCell per visible cell, the default cell look, grid lines, border, repaints.
#include "toolkit/controls/ControlsBridge.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/grids/Grids_Axis.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {
struct GridSlot {
    int index;
    int pos;
};

// The cells of one axis that reach into the client area, fixed ones first, with their start positions.
std::vector<GridSlot> VisibleSlots(const TCustomGrid::Axis& a) {
    std::vector<GridSlot> out;
    int p = 0;
    for (int i = 0; i < a.fixed && p < a.extent; ++i) {
        out.push_back({i, p});
        p += a.Size(i) + a.fixedLine;
    }
    p = a.fixedBoundary;
    for (int i = a.first; i < a.count && p < a.extent; ++i) {
        out.push_back({i, p});
        p += a.Size(i) + a.line;
    }
    return out;
}

int SlotsEnd(const TCustomGrid::Axis& a, const std::vector<GridSlot>& cells) {
    if (cells.empty()) return 0;
    const GridSlot& s = cells.back();
    return s.pos + a.Size(s.index) + a.LineAfter(s.index);
}

UINT GridMouseMessage(QEvent::Type type, Qt::MouseButton button) {
    if (type == QEvent::MouseMove) return WM_MOUSEMOVE;
    UINT base = button == Qt::RightButton    ? WM_RBUTTONDOWN
                : button == Qt::MiddleButton ? WM_MBUTTONDOWN
                                             : WM_LBUTTONDOWN;
    if (type == QEvent::MouseButtonPress) return base;
    return type == QEvent::MouseButtonRelease ? base + 1 : base + 2;
}
} // namespace

void TCustomGrid::Paint() {
    TCanvas* canvas = Canvas();
    QPainter* p = canvas->Painter();
    if (!p) return;
    Axis h = HorzAxis();
    Axis v = VertAxis();
    std::vector<GridSlot> cols = VisibleSlots(h);
    std::vector<GridSlot> rows = VisibleSlots(v);
    TRect clip = canvas->ClipRect();
    bool active = IsActiveControl();
    bool editorShown = FEditorMode && FInplaceEdit && FInplaceEdit->Visible();
    TGridRect sel = Selection();
    const QColor fixedLine = ToQColor(clBlack);
    const QColor normalLine = ToQColor(clSilver);

    for (const GridSlot& rs : rows) {
        int rh = v.Size(rs.index);
        int lineH = v.LineAfter(rs.index);
        if (rs.pos >= clip.Bottom || rs.pos + rh + lineH <= clip.Top) continue;
        for (const GridSlot& cs : cols) {
            int cw = h.Size(cs.index);
            int lineW = h.LineAfter(cs.index);
            if (cs.pos >= clip.Right || cs.pos + cw + lineW <= clip.Left) continue;
            TRect where(cs.pos, rs.pos, cs.pos + cw, rs.pos + rh);
            bool fixed = cs.index < FFixedCols || rs.index < FFixedRows;
            TGridDrawState state = 0;
            if (fixed) {
                state |= gdFixed;
                if ((FOptions & goFixedHotTrack) && FHotCell == TGridCoord{cs.index, rs.index})
                    state |= gdHotTrack;
                if (FPressedCell == TGridCoord{cs.index, rs.index}) state |= gdPressed;
            } else {
                if (active && cs.index == FCurrent.X && rs.index == FCurrent.Y) state |= gdFocused;
                if (sel.Contains(cs.index, rs.index)) state |= gdSelected;
                if ((FOptions & goRowSelect) && rs.index == FCurrent.Y) state |= gdRowSelected;
            }
            if (FDefaultDrawing) {
                canvas->SetFont(Font());
                bool drawSelected =
                    (state & gdSelected) &&
                    (!(state & gdFocused) || (FOptions & (goDrawFocusSelected | goRowSelect)));
                if (fixed)
                    canvas->Brush()->SetColor(FFixedColor);
                else if (drawSelected) {
                    canvas->Brush()->SetColor(clHighlight);
                    canvas->Font()->SetColor(clHighlightText);
                } else
                    canvas->Brush()->SetColor(Color());
                canvas->Brush()->SetStyle(bsSolid);
                canvas->FillRect(where);
            }
            bool underEditor = editorShown && cs.index == FCurrent.X && rs.index == FCurrent.Y;
            if (!underEditor) DrawCell(cs.index, rs.index, where, state);
            if (FDefaultDrawing) {
                if (fixed &&
                    (FOptions & (goFixedVertLine | goFixedHorzLine)) == (goFixedVertLine | goFixedHorzLine) &&
                    !where.IsEmpty()) {
                    // A raised inner edge gives the fixed cells their button look.
                    QRect q = where.toQRect();
                    p->fillRect(QRect(q.left(), q.top(), q.width(), 1), ToQColor(clBtnHighlight));
                    p->fillRect(QRect(q.left(), q.top(), 1, q.height()), ToQColor(clBtnHighlight));
                    p->fillRect(QRect(q.left(), q.bottom(), q.width(), 1), ToQColor(clBtnShadow));
                    p->fillRect(QRect(q.right(), q.top(), 1, q.height()), ToQColor(clBtnShadow));
                }
                if ((state & gdFocused) && !(FOptions & goRowSelect) && !underEditor) {
                    p->save();
                    p->setPen(QPen(ToQColor(clBlack), 1, Qt::DotLine));
                    p->setBrush(Qt::NoBrush);
                    p->drawRect(where.toQRect().adjusted(0, 0, -1, -1));
                    p->restore();
                }
            }
            // The lines after the cell: fixed ones where either side of the cell is fixed.
            const QColor& lineColor = fixed ? fixedLine : normalLine;
            if (lineW > 0) p->fillRect(QRect(where.Right, where.Top, lineW, rh + lineH), lineColor);
            if (lineH > 0) p->fillRect(QRect(where.Left, where.Bottom, cw, lineH), lineColor);
        }
    }
    // What no cell covers takes the grid's colour.
    int endX = SlotsEnd(h, cols);
    int endY = SlotsEnd(v, rows);
    QColor back = ToQColor(Color());
    if (endX < h.extent) p->fillRect(QRect(endX, 0, h.extent - endX, v.extent), back);
    if (endY < v.extent) p->fillRect(QRect(0, endY, std::min(endX, h.extent), v.extent - endY), back);

    // Feedback while a line or a column/row is dragged.
    if (FGridState == gsColSizing || FGridState == gsRowSizing) {
        p->save();
        p->setPen(QPen(ToQColor(clBlack), 1, Qt::DotLine));
        if (FGridState == gsColSizing)
            p->drawLine(FSizingPos, 0, FSizingPos, v.extent);
        else
            p->drawLine(0, FSizingPos, h.extent, FSizingPos);
        p->restore();
    } else if ((FGridState == gsColMoving || FGridState == gsRowMoving) && FMovePos != FMoveIndex &&
               FMovePos >= 0) {
        bool horz = FGridState == gsColMoving;
        const Axis& a = horz ? h : v;
        int at = a.Pos(FMovePos);
        if (at >= 0) {
            // The mark stands on the side where the moved column (row) will land.
            if (FMovePos > FMoveIndex) at += a.Size(FMovePos);
            QColor mark = ToQColor(clHighlight);
            if (horz)
                p->fillRect(QRect(at - 1, 0, 3, v.extent), mark);
            else
                p->fillRect(QRect(0, at - 1, h.extent, 3), mark);
        }
    }
}

void TCustomGrid::DrawBorder(TCanvas* ACanvas, const TRect& ARect) {
    // A sunken edge, two pixels deep, as the platform draws a grid with a single border.
    QPainter* p = ACanvas->Painter();
    if (!p) return;
    QRect r = ARect.toQRect();
    auto edge = [p](QRect q, TColor topLeft, TColor bottomRight) {
        p->fillRect(QRect(q.left(), q.top(), q.width(), 1), ToQColor(topLeft));
        p->fillRect(QRect(q.left(), q.top(), 1, q.height()), ToQColor(topLeft));
        p->fillRect(QRect(q.left(), q.bottom(), q.width(), 1), ToQColor(bottomRight));
        p->fillRect(QRect(q.right(), q.top(), 1, q.height()), ToQColor(bottomRight));
    };
    edge(r, clBtnShadow, clBtnHighlight);
    edge(r.adjusted(1, 1, -1, -1), cl3DDkShadow, clBtnFace);
}

void TCustomGrid::PaintClientArea(QWidget* client, QEvent* e) {
    QPainter painter(client);
    TCanvas* canvas = Canvas();
    canvas->Attach(&painter);
    // A cell drawing handler that throws must not leave the canvas on a painter that is gone.
    struct DetachGridCanvas {
        TCanvas* c;
        ~DetachGridCanvas() { c->Detach(); }
    } detach{canvas};
    canvas->SetFont(Font());
    canvas->Brush()->SetColor(Color());
    // A partial paint (a scroll exposes a strip) draws only the cells that reach into it.
    const QRect exposed = static_cast<QPaintEvent*>(e)->rect();
    if (exposed != client->rect()) painter.setClipRect(exposed);
    if (PaintsMirrored()) SetPaintOrientation(canvas, true);
    Paint();
}

void TCustomGrid::SetPaintOrientation(TCanvas* ACanvas, bool Mirrored) const {
    QPainter* p =
        ACanvas && ACanvas == const_cast<TCustomGrid*>(this)->Canvas() ? ACanvas->Painter() : nullptr;
    if (!p) return;
    p->setWorldTransform(Mirrored ? QTransform(-1, 0, 0, 1, ClientWidth(), 0) : QTransform());
}

void TCustomGrid::SetPaintMirroredBox(TCanvas* ACanvas, int Left, int Right) const {
    QPainter* p =
        ACanvas && ACanvas == const_cast<TCustomGrid*>(this)->Canvas() ? ACanvas->Painter() : nullptr;
    if (!p) return;
    p->setWorldTransform(QTransform::fromTranslate(ClientWidth() - Left - Right, 0));
}

bool TCustomGrid::HandleQtEvent(QWidget* w, QEvent* e) {
    if (w == FClient && FClient) {
        switch (e->type()) {
        case QEvent::Paint: {
            TMessage m;
            m.Msg = WM_PAINT;
            m.Event = e;
            WndProc(m);
            return !m.PassToNative;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            // Mouse positions are client coordinates, inside the border, as on the platform.
            auto* me = static_cast<QMouseEvent*>(e);
            QPoint pos = me->position().toPoint();
            if (PaintsMirrored()) pos.setX(FClient->width() - 1 - pos.x());
            TMessage m;
            m.Msg = GridMouseMessage(e->type(), me->button());
            m.WParam = qvdetail::MouseKeys(me->modifiers(), me->buttons());
            m.LParam = MAKELPARAM(pos.x(), pos.y());
            m.Event = e;
            WndProc(m);
            return !m.PassToNative;
        }
        default:
            return TCustomControl::HandleQtEvent(w, e);
        }
    }
    if (w == Widget() && Widget()) {
        if (e->type() == QEvent::Paint) {
            QPainter painter(Widget());
            TRect all(0, 0, Width(), Height());
            painter.fillRect(all.toQRect(), ToQColor(clBtnFace));
            if (FBorderStyle == bsSingle) {
                TCanvas frame;
                frame.Attach(&painter);
                DrawBorder(&frame, all);
                frame.Detach();
            }
            return true;
        }
        // The border and the corner between the bars take no mouse input.
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease ||
            e->type() == QEvent::MouseButtonDblClick || e->type() == QEvent::MouseMove)
            return false;
    }
    return TCustomControl::HandleQtEvent(w, e);
}

void TCustomGrid::Dispatch(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        if (FClient && m.Event && m.Event->type() == QEvent::Paint) {
            PaintClientArea(FClient, m.Event);
            return;
        }
        break;
    case WM_HSCROLL:
        WMHScroll(m);
        return;
    case WM_VSCROLL:
        WMVScroll(m);
        return;
    case WM_CANCELMODE:
        FGridState = gsNormal;
        FPressedCell = TGridCoord{-1, -1};
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(m);
}

// Repaint requests ------------------------------------------------------------------------------------------

void TCustomGrid::Invalidate() {
    ++FRepaintStamp;
    if (FClient) FClient->update();
    TCustomControl::Invalidate();
}

void TCustomGrid::InvalidateCells() {
    if (!FClient || !FClient->isVisible()) {
        Invalidate();
        return;
    }
    ++FRepaintStamp;
    FClient->update();
}

void TCustomGrid::InvalidateGridRect(const TGridRect& r) {
    ++FRepaintStamp;
    if (!FClient) return;
    TRect box = BoxRect(r.Left, r.Top, r.Right, r.Bottom);
    if (box.IsEmpty()) return;
    // The lines after the cells belong to them.
    box.Right += FGridLineWidth;
    box.Bottom += FGridLineWidth;
    FClient->update(box.toQRect());
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
    InvalidateGridRect(TGridRect{ACol, ARow, ACol, ARow});
}
void TCustomGrid::InvalidateRow(int ARow) {
    InvalidateGridRect(TGridRect{0, ARow, FColCount - 1, ARow});
}
void TCustomGrid::InvalidateCol(int ACol) {
    InvalidateGridRect(TGridRect{ACol, 0, ACol, FRowCount - 1});
}

void TCustomGrid::FontChanged() {
    TCustomControl::FontChanged();
    Invalidate();
}
