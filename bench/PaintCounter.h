// Counts the paint events a benchmark's steps cause in a widget and its children.
#pragma once

#include <QApplication>
#include <QPaintEvent>
#include <QWidget>

#include <cstdio>

// Counts the paint events of a widget and its children, so a run shows what each step repainted.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* target) : FTarget(target) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    int Count() const { return FCount; }
    double Area() const { return FArea; }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            if (w == FTarget || FTarget->isAncestorOf(w)) {
                ++FCount;
                const QRect r = static_cast<QPaintEvent*>(e)->region().boundingRect();
                FArea += double(r.width()) * r.height();
                if (qEnvironmentVariableIsSet("QV_BENCH_PAINTS"))
                    std::fprintf(stderr, "paint %s %d,%d %dx%d\n", w->metaObject()->className(), r.x(), r.y(),
                                 r.width(), r.height());
            }
        }
        return false;
    }

private:
    QWidget* FTarget;
    int FCount = 0;
    double FArea = 0;
};
