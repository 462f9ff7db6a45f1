// Sorting 100,000 x 10: the string grid's sort by one column (a text column) and by two (a text column with
// many ties, then a number column), each beside Qt's QSortFilterProxyModel over a QStandardItemModel
// (target: 5x faster) and beside the floor, a bare std::stable_sort of the same 100,000 keys with the same
// comparison (target: within 2x); and a header click that sorts a shown grid of 100,000 rows, beside a
// QTableView's header click, with the paints it takes.
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

// Column 1 names (scattered), column 2 one of 100 groups, column 3 a number; the rest filler.
String CellText(int c, int r) {
    const qint64 n = r; // the scattering products pass the range of int
    switch (c) {
    case 1:
        return QStringLiteral("Name %1").arg((n * 7919) % 100003, 6, 10, QLatin1Char('0'));
    case 2:
        return QStringLiteral("Group %1").arg((n * 37) % 100, 2, 10, QLatin1Char('0'));
    case 3:
        return QString::number(double((n * 104729) % 99991) / 10.0);
    default:
        return QString::number((r + c) % 1000);
    }
}

std::unique_ptr<TQvStringGrid> FilledGrid(TWinControl* Parent = nullptr) {
    auto g = std::make_unique<TQvStringGrid>(nullptr);
    if (Parent) g->SetParent(Parent);
    g->SetColCount(kCols);
    g->SetRowCount(kRows + 1);
    for (int r = 1; r <= kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            g->SetGridCells(c, r, CellText(c, r));
    return g;
}

std::unique_ptr<QStandardItemModel> FilledModel() {
    auto m = std::make_unique<QStandardItemModel>(kRows, kCols);
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            m->setItem(r, c, new QStandardItem(CellText(c, r + 1)));
    return m;
}

// The proxy's two-column order: the group, then the number.
class TwoColumnProxy : public QSortFilterProxyModel {
protected:
    bool lessThan(const QModelIndex& a, const QModelIndex& b) const override {
        const QAbstractItemModel* m = sourceModel();
        const QString ga = m->index(a.row(), 2).data().toString(),
                      gb = m->index(b.row(), 2).data().toString();
        if (ga != gb) return ga < gb;
        return m->index(a.row(), 3).data().toDouble() < m->index(b.row(), 3).data().toDouble();
    }
};

// Ours: the grid sorted from its unsorted order (put back untimed before each run).
double SortGridOnce(TQvStringGrid& g, bool TwoColumns) {
    g.QUnSort();
    return benchpairs::TimeMs([&] {
        if (TwoColumns) {
            g.SortIndexes()->Clear();
            g.SortIndexes()->AddIndex(2, true);
            g.SortIndexes()->AddIndex(3, true);
            g.QSortIndexed();
        } else {
            g.Sort(1, sdAscending);
        }
    });
}

// 0: one column, 1: two columns; beside the proxy.
void BM_Sort_BesideProxy(benchmark::State& state) {
    const bool two = state.range(0) == 1;
    auto grid = FilledGrid();
    auto model = FilledModel();
    benchpairs::RunPairs(
        state, 5, two ? "sorting 100,000 x 10 by two columns" : "sorting 100,000 x 10 by one column",
        "QSortFilterProxyModel", 0.2, [&] { return SortGridOnce(*grid, two); },
        [&] {
            std::unique_ptr<QSortFilterProxyModel> proxy =
                two ? std::make_unique<TwoColumnProxy>() : std::make_unique<QSortFilterProxyModel>();
            proxy->setSourceModel(model.get());
            return benchpairs::TimeMs([&] { proxy->sort(two ? 2 : 1); });
        });
}

// 0: one column, 1: two columns; beside std::stable_sort of the same keys with the same comparison.
void BM_Sort_BesideStableSort(benchmark::State& state) {
    const bool two = state.range(0) == 1;
    auto grid = FilledGrid();
    struct Key {
        QString Text;
        double Number;
    };
    std::vector<Key> keys;
    keys.reserve(kRows);
    for (int r = 1; r <= kRows; ++r)
        keys.push_back({CellText(two ? 2 : 1, r), CellText(3, r).toDouble()});
    benchpairs::RunPairs(
        state, 7, two ? "sorting 100,000 rows by two columns" : "sorting 100,000 rows by one column",
        "std::stable_sort of the keys", 2.0, [&] { return SortGridOnce(*grid, two); },
        [&] {
            std::vector<Key> copy = keys;
            return benchpairs::TimeMs([&] {
                std::stable_sort(copy.begin(), copy.end(), [two](const Key& a, const Key& b) {
                    const int c = QString::compare(a.Text, b.Text, Qt::CaseSensitive);
                    if (c != 0 || !two) return c < 0;
                    return a.Number < b.Number;
                });
            });
        });
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++Paints;
        return false;
    }
};

void Click(QWidget* w, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// A click on the header of a shown grid of 100,000 rows until it has painted, beside a QTableView over a
// QStandardItemModel sorting on its header click.
void BM_HeaderClickSort_Paired(benchmark::State& state) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 800, 600);
    auto grid = FilledGrid(&form);
    grid->SetBounds(0, 0, 780, 580);
    grid->SortSettings()->SetShow(true);
    form.Show();
    QApplication::processEvents();
    QWidget* cells = grid->Widget();
    for (QWidget* w : grid->Widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QScrollBar*>(w)) cells = w;
    PaintCounter ourPaints;
    cells->installEventFilter(&ourPaints);
    const TRect h = grid->CellRect(1, 0);
    const QPoint at((h.Left + h.Right) / 2 - 10, (h.Top + h.Bottom) / 2);

    auto model = FilledModel();
    QTableView view;
    view.setModel(model.get());
    view.setSortingEnabled(true);
    view.resize(780, 580);
    view.show();
    QApplication::processEvents();
    PaintCounter theirPaints;
    view.viewport()->installEventFilter(&theirPaints);
    QHeaderView* header = view.horizontalHeader();
    const QPoint sectionAt(header->sectionViewportPosition(1) + header->sectionSize(1) / 2,
                           header->height() / 2);

    std::vector<double> paints;
    benchpairs::RunPairs(
        state, 5, "a header click sorting 100,000 rows, painted", "QTableView", 0.2,
        [&] {
            grid->QUnSort();
            grid->SortSettings()->SetColumn(-1);
            QApplication::processEvents();
            ourPaints.Paints = 0;
            const double ms = benchpairs::TimeMs([&] {
                Click(cells, at);
                QApplication::processEvents();
            });
            paints.push_back(ourPaints.Paints);
            return ms;
        },
        [&] {
            view.sortByColumn(0, Qt::AscendingOrder);
            QApplication::processEvents();
            theirPaints.Paints = 0;
            return benchpairs::TimeMs([&] {
                Click(header->viewport(), sectionAt);
                QApplication::processEvents();
            });
        });
    state.counters["ours_paints"] = benchpairs::Median(paints);
    std::fprintf(stderr, "header click: the grid painted %g time(s) a click (median)\n",
                 benchpairs::Median(paints));
}

} // namespace

BENCHMARK(BM_Sort_BesideProxy)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Sort_BesideStableSort)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_HeaderClickSort_Paired)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    return benchpairs::RunOffscreen(argc, argv);
}
