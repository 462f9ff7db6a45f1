// The canvas' shapes, pixels, clipping and copying.
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRegion>
#include <cstdlib>

namespace {
QPainter::CompositionMode canvasPenComposition(TPenMode mode) {
    switch (mode) {
    case pmNot:
        return QPainter::RasterOp_NotDestination;
    case pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case pmMerge:
        return QPainter::RasterOp_SourceOrDestination;
    case pmMask:
        return QPainter::RasterOp_SourceAndDestination;
    case pmCopy:
        break;
    }
    return QPainter::CompositionMode_SourceOver;
}

QPen canvasQPen(const TPen& pen) {
    if (pen.Style() == psClear) return QPen(Qt::NoPen);
    QPen p(ToQColor(pen.Color()));
    const int width = std::max(1, pen.Width());
    p.setWidth(width);
    // Wide pens of the platform have round ends and joins; thin ones are exact pixel runs.
    p.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
    p.setJoinStyle(width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    switch (pen.Style()) {
    case psDash:
        p.setStyle(Qt::DashLine);
        break;
    case psDot:
        p.setStyle(Qt::DotLine);
        break;
    case psDashDot:
        p.setStyle(Qt::DashDotLine);
        break;
    case psDashDotDot:
        p.setStyle(Qt::DashDotDotLine);
        break;
    default:
        break;
    }
    return p;
}

QBrush canvasQBrush(const TBrush& brush) {
    Qt::BrushStyle style = Qt::SolidPattern;
    switch (brush.Style()) {
    case bsClear:
        return QBrush(Qt::NoBrush);
    case bsHorizontal:
        style = Qt::HorPattern;
        break;
    case bsVertical:
        style = Qt::VerPattern;
        break;
    case bsFDiagonal:
        style = Qt::BDiagPattern;
        break;
    case bsBDiagonal:
        style = Qt::FDiagPattern;
        break;
    case bsCross:
        style = Qt::CrossPattern;
        break;
    case bsDiagCross:
        style = Qt::DiagCrossPattern;
        break;
    case bsSolid:
        break;
    }
    return QBrush(ToQColor(brush.Color()), style);
}

// The pixels of a thin line from a to b, the end pixel left out as the platform does.
std::vector<QPoint> canvasLinePixels(QPoint a, QPoint b) {
    std::vector<QPoint> pts;
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    int err = dx + dy;
    while (x != b.x() || y != b.y()) {
        pts.emplace_back(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    return pts;
}

QRect canvasNormalized(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}
} // namespace

TCanvas::TCanvas() {
    auto changed = [this](TObject*) { Changed(); };
    FFont.OnChange = changed;
    FPen.OnChange = changed;
    FBrush.OnChange = changed;
}

TCanvas::~TCanvas() = default;

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

TCanvasMapping TCanvasMapping::Metric(int pixelsPerInchX, int pixelsPerInchY) {
    TCanvasMapping m;
    m.ScaleX = pixelsPerInchX / 254.0;
    m.ScaleY = -pixelsPerInchY / 254.0;
    return m;
}

TPoint TCanvasMapping::LogicalToDevice(const TPoint& p) const {
    return TPoint(int(std::lround(OriginX + ScaleX * p.X)), int(std::lround(OriginY + ScaleY * p.Y)));
}

TPoint TCanvasMapping::DeviceToLogical(const TPoint& p) const {
    return TPoint(int(std::lround((p.X - OriginX) / ScaleX)), int(std::lround((p.Y - OriginY) / ScaleY)));
}

void TCanvas::Attach(QPainter* p) {
    FPainter = p;
    FMapping = TCanvasMapping::Pixels();
    const QTransform t = p ? p->worldTransform() : QTransform();
    const double base[6] = {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()};
    std::copy(std::begin(base), std::end(base), FBase);
}

void TCanvas::Detach() {
    if (FPainter && FPainter->isActive() && !(FMapping == TCanvasMapping::Pixels())) SetMapping({});
    FPainter = nullptr;
    FMapping = TCanvasMapping::Pixels();
}

void TCanvas::SetMapping(const TCanvasMapping& m) {
    if (m.ScaleX == 0 || m.ScaleY == 0) throw Exception("A canvas mapping cannot scale to nothing");
    FMapping = m;
    if (QPainter* p = Require()) {
        const QTransform base(FBase[0], FBase[1], FBase[2], FBase[3], FBase[4], FBase[5]);
        p->setWorldTransform(QTransform(m.ScaleX, 0, 0, m.ScaleY, m.OriginX, m.OriginY) * base);
    }
}

QPainter* TCanvas::Require() {
    if (!FPainter && OnRequirePainter) OnRequirePainter(this);
    if (FPainter && !FPainter->isActive()) return nullptr;
    return FPainter;
}

QPainter* TCanvas::PreparePainter(bool withPen, bool withBrush) {
    QPainter* p = Require();
    if (!p) return nullptr;
    // Each state change makes the paint engine recompute its state, even when nothing changes: grids
    // prepare the painter several times per cell.
    if (p->testRenderHint(QPainter::Antialiasing)) p->setRenderHint(QPainter::Antialiasing, false);
    p->setPen(withPen ? canvasQPen(FPen) : QPen(Qt::NoPen));
    p->setBrush(withBrush ? canvasQBrush(FBrush) : QBrush(Qt::NoBrush));
    const QPainter::CompositionMode mode =
        withPen ? canvasPenComposition(FPen.Mode()) : QPainter::CompositionMode_SourceOver;
    if (p->compositionMode() != mode) p->setCompositionMode(mode);
    return p;
}

const QImage* TCanvas::SurfaceImage() {
    QPainter* p = Require();
    if (!p || !p->device() || p->device()->devType() != QInternal::Image) return nullptr;
    return static_cast<const QImage*>(p->device());
}

void TCanvas::LineTo(int x, int y) {
    const QPoint from = FPenPos.toQPoint(), to(x, y);
    FPenPos = TPoint(x, y);
    if (FPen.Width() <= 1 && FPen.Style() == psSolid && FPen.Mode() == pmCopy &&
        (from.x() == to.x()) != (from.y() == to.y())) {
        // A straight line is the run of pixels up to the end point: one fill instead of a point each, and
        // no pen to hand the painter (grids draw two such lines a cell).
        QPainter* p = Require();
        if (!p) return;
        if (p->compositionMode() != QPainter::CompositionMode_SourceOver)
            p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        const int l = std::min(from.x(), to.x()), r = std::max(from.x(), to.x());
        const int t = std::min(from.y(), to.y()), b = std::max(from.y(), to.y());
        QRect run = from.y() == to.y() ? QRect(from.x() < to.x() ? l : l + 1, t, r - l, 1)
                                       : QRect(l, from.y() < to.y() ? t : t + 1, 1, b - t);
        p->fillRect(run, ToQColor(FPen.Color()));
        return;
    }
    QPainter* p = PreparePainter(true, false);
    if (!p || FPen.Style() == psClear) return;
    if (FPen.Width() <= 1 && FPen.Style() == psSolid) {
        const auto pts = canvasLinePixels(from, to);
        p->drawPoints(pts.data(), static_cast<int>(pts.size()));
    } else {
        p->drawLine(from, to);
    }
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    QPainter* p = PreparePainter(true, true);
    if (!p) return;
    const QRect r = canvasNormalized(x1, y1, x2, y2);
    if (r.isEmpty()) return;
    if (FBrush.Style() != bsClear) p->fillRect(r, p->brush());
    if (FPen.Style() == psClear) return;
    p->setBrush(Qt::NoBrush);
    const int w = std::max(1, FPen.Width());
    if (w == 1 || FPen.Style() == psInsideFrame) {
        // Keep the whole frame inside the rectangle.
        const double inset = w / 2.0;
        p->drawRect(QRectF(r.left() + inset, r.top() + inset, r.width() - w, r.height() - w));
    } else {
        p->drawRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, r.height() - 1));
    }
}

TRect TCanvas::Upright(const TRect& r) const {
    return FMapping.FlipsY() ? TRect(r.Left, r.Bottom, r.Right, r.Top) : r;
}

void TCanvas::FillRect(const TRect& given) {
    const TRect r = Upright(given);
    if (r.IsEmpty() || FBrush.Style() == bsClear) return;
    // The fill takes the brush directly: handing it to the painter first costs as much as a small fill.
    QPainter* p = Require();
    if (!p) return;
    if (p->compositionMode() != QPainter::CompositionMode_SourceOver)
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (FBrush.Style() == bsSolid)
        p->fillRect(r.toQRect(), ToQColor(FBrush.Color()));
    else
        p->fillRect(r.toQRect(), canvasQBrush(FBrush));
}

void TCanvas::FrameRect(const TRect& given) {
    const TRect r = Upright(given);
    QPainter* p = PreparePainter(false, true);
    if (!p || r.IsEmpty() || FBrush.Style() == bsClear) return;
    const QBrush b = p->brush();
    const QRect q = r.toQRect();
    p->fillRect(QRect(q.left(), q.top(), q.width(), 1), b);
    p->fillRect(QRect(q.left(), q.bottom(), q.width(), 1), b);
    p->fillRect(QRect(q.left(), q.top(), 1, q.height()), b);
    p->fillRect(QRect(q.right(), q.top(), 1, q.height()), b);
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    QPainter* p = PreparePainter(true, true);
    if (!p) return;
    const QRect r = canvasNormalized(x1, y1, x2, y2);
    if (r.isEmpty()) return;
    p->drawRoundedRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, r.height() - 1), x3 / 2.0,
                       y3 / 2.0);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    QPainter* p = PreparePainter(true, true);
    if (!p) return;
    const QRect r = canvasNormalized(x1, y1, x2, y2);
    if (r.isEmpty()) return;
    p->drawEllipse(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, r.height() - 1));
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    QPainter* p = PreparePainter(true, true);
    if (!p || points.empty()) return;
    QPolygon poly;
    for (const TPoint& pt : points)
        poly << pt.toQPoint();
    p->drawPolygon(poly, Qt::OddEvenFill);
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    if (points.empty()) return;
    const TPoint saved = FPenPos;
    MoveTo(points[0].X, points[0].Y);
    for (size_t i = 1; i < points.size(); ++i)
        LineTo(points[i].X, points[i].Y);
    FPenPos = saved;
}

TColor TCanvas::Pixels(int x, int y) {
    const QImage* img = SurfaceImage();
    if (!img) return clNone;
    const QPoint d = FPainter->deviceTransform().map(QPoint(x, y));
    if (!img->rect().contains(d)) return clNone;
    return FromQColor(img->pixelColor(d));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    QPainter* p = Require();
    if (!p) return;
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->fillRect(QRect(x, y, 1, 1), ToQColor(color));
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

TRect TCanvas::ClipRect() {
    QPainter* p = Require();
    if (!p || !p->device()) return TRect();
    // The device's area in the canvas's own coordinates. A widget painted into its window's backing store
    // (or grabbed) has the device transform carry its offset in that window, which is no part of the
    // widget's coordinates: only the world and view transforms (a mirrored grid, a scaled page) are undone
    // here.
    QRect surface(0, 0, p->device()->width(), p->device()->height());
    surface = p->combinedTransform().inverted().mapRect(surface);
    if (p->hasClipping()) surface = surface.intersected(p->clipBoundingRect().toAlignedRect());
    return TRect::fromQRect(surface);
}

void TCanvas::SetClipRect(const TRect& r) {
    if (QPainter* p = Require()) p->setClipRect(Upright(r).toQRect(), Qt::ReplaceClip);
}

void TCanvas::IntersectClipRect(const TRect& r) {
    if (QPainter* p = Require())
        p->setClipRect(Upright(r).toQRect(), p->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void TCanvas::ExcludeClipRect(const TRect& r) {
    QPainter* p = Require();
    if (!p || !p->device()) return;
    QRegion region = p->hasClipping() ? p->clipRegion()
                                      : QRegion(p->deviceTransform().inverted().mapRect(
                                            QRect(0, 0, p->device()->width(), p->device()->height())));
    p->setClipRegion(region.subtracted(QRegion(Upright(r).toQRect())), Qt::ReplaceClip);
}

void TCanvas::IntersectClipEllipse(const TRect& r) {
    QPainter* p = Require();
    if (!p) return;
    QPainterPath path;
    path.addEllipse(QRectF(Upright(r).toQRect()));
    p->setClipPath(path, p->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void TCanvas::IntersectClipRoundRect(const TRect& r, int cornerWidth, int cornerHeight) {
    QPainter* p = Require();
    if (!p) return;
    QPainterPath path;
    path.addRoundedRect(QRectF(Upright(r).toQRect()), cornerWidth / 2.0, cornerHeight / 2.0);
    p->setClipPath(path, p->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void TCanvas::ResetClip() {
    if (QPainter* p = Require()) p->setClipping(false);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect) {
    if (!source || dest.IsEmpty() || sourceRect.IsEmpty()) return;
    const QImage* src = source->SurfaceImage();
    if (!src) return;
    // Copy first: the source may be this very canvas.
    const QRect from = source->FPainter->deviceTransform().mapRect(sourceRect.toQRect());
    const QImage part = src->copy(from);
    QPainter* p = PreparePainter(false, false);
    if (!p) return;
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(dest.toQRect(), part);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
    if (graphic && !graphic->Empty()) graphic->Draw(this, Bounds(x, y, graphic->Width(), graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
    if (graphic && !graphic->Empty()) graphic->Draw(this, r);
}

void GradientFillCanvas(TCanvas* canvas, TColor startColor, TColor endColor, const TRect& rect,
                        TGradientDirection direction) {
    if (!canvas || rect.IsEmpty()) return;
    QPainter* p = canvas->PreparePainter(false, false);
    if (!p) return;
    const TColor a = ColorToRGB(startColor), b = ColorToRGB(endColor);
    const int steps = direction == gdVertical ? rect.Height() : rect.Width();
    for (int i = 0; i < steps; ++i) {
        auto mix = [&](int ca, int cb) { return steps > 1 ? ca + (cb - ca) * i / (steps - 1) : ca; };
        const QColor c(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
                       mix(GetBValue(a), GetBValue(b)));
        if (direction == gdVertical)
            p->fillRect(QRect(rect.Left, rect.Top + i, rect.Width(), 1), c);
        else
            p->fillRect(QRect(rect.Left + i, rect.Top, 1, rect.Height()), c);
    }
}
