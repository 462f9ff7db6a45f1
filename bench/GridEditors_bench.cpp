// Opening and closing a cell editor 1,000 times by keys (F2, then Escape) for each editor kind of the date,
// time, date-and-time, edit-button, unit, button, rich-text and custom (editor link) cells, beside
// QTableWidget opening its own editor for the same value (a date, time or date-time editor for those values,
// a line edit for text) in paired runs. Target: ours no slower than QTableWidget's.
#include "controls/ControlsClasses.h"
#include "controls/grid/QvGrid.h"
#include "controls/grid/edit/EditLink.h"
#include "controls/grid/edit/GridDatePicker.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/system/DateUtils.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QTableWidget>
#include <benchmark/benchmark.h>

#include "BenchPairs.h"

namespace {

constexpr int kOpenings = 1000;

void KeyToFocus(int key) {
    QWidget* w = QApplication::focusWidget();
    if (!w) return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    if (QWidget* now = QApplication::focusWidget()) w = now;
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// An application's link over a plain edit, made once and kept, as a link for an in-place editor would.
class TBenchEditLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    TWinControl* GetEditControl() override { return FEdit; }
    void CreateEditor(TWinControl* AParent) override {
        if (!FEdit) FEdit = new TEdit(AParent);
        FEdit->SetParent(AParent);
    }
    String GetEditorValue() override { return FEdit ? FEdit->Text() : String(); }
    void SetEditorValue(const String& Value) override {
        FEdit->SetText(Value);
        FEdit->SelectAll();
    }

private:
    TEdit* FEdit = nullptr;
};

String CellText(TEditorType kind) {
    TDateTime d = 0, t = 0;
    TryDateFromParts(2024, 3, 15, d);
    TryTimeFromParts(10, 20, 30, t);
    switch (kind) {
    case edDateEdit:
        return DateToStr(d);
    case edTimeEdit:
        return TimeToStr(t);
    case edDateTimeEdit:
        return CellDateTimeText(d + t);
    case edUnitEditBtn:
        return "12";
    default:
        return "abc";
    }
}

QVariant PeerValue(TEditorType kind) {
    const QDateTime at(QDate(2024, 3, 15), QTime(10, 20, 30));
    switch (kind) {
    case edDateEdit:
        return at.date();
    case edTimeEdit:
        return at.time();
    case edDateTimeEdit:
        return at;
    case edUnitEditBtn:
        return QString("12");
    default:
        return QString("abc");
    }
}

void BM_OpenAndCloseEditor(benchmark::State& state) {
    const auto kind = TEditorType(state.range(0));
    TForm form(nullptr);
    form.SetClientSize(400, 200);
    auto* grid = new TQvStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 380, 180);
    grid->SetOptions(grid->Options() | goEditing);
    grid->OnGetEditorType = [kind](TObject*, int, int, TEditorType& e) { e = kind; };
    if (kind == edCustom) grid->SetEditLink(new TBenchEditLink(&form));
    grid->SetCells(1, 1, CellText(kind));
    form.Show();
    QTableWidget table(3, 3);
    auto* item = new QTableWidgetItem;
    item->setData(Qt::EditRole, PeerValue(kind));
    table.setItem(1, 1, item);
    table.resize(380, 180);
    table.show();
    QApplication::processEvents();
    // Each side's keys go to its own window.
    bool opened = true, ownKeys = true;
    auto run = [&](const std::function<void()>& focus, const std::function<bool()>& isOpen) {
        focus();
        QApplication::processEvents();
        ownKeys = ownKeys && !isOpen();
        return benchpairs::TimeMs([&] {
            for (int i = 0; i < kOpenings; ++i) {
                KeyToFocus(Qt::Key_F2);
                opened = opened && isOpen();
                KeyToFocus(Qt::Key_Escape);
            }
            QApplication::processEvents();
        });
    };
    benchpairs::RunPairs(
        state, 5, QString("open and close editor kind %1, 1,000 times, ms").arg(int(kind)).toStdString(),
        "QTableWidget", 1.0,
        [&] {
            return run(
                [&] {
                    QApplication::setActiveWindow(form.Widget());
                    grid->SetFocus();
                    grid->SetCol(1);
                    grid->SetRow(1);
                },
                [&] { return grid->EditSession().EditMode; });
        },
        [&] {
            return run(
                [&] {
                    QApplication::setActiveWindow(&table);
                    table.setFocus();
                    table.setCurrentCell(1, 1);
                },
                // The table's editor takes the focus from it.
                [&] { return QApplication::focusWidget() && QApplication::focusWidget() != &table; });
        });
    if (!opened || !ownKeys) state.SkipWithError("an editor did not open");
    if (grid->Cells(1, 1) != CellText(kind)) state.SkipWithError("Escape changed the cell");
}

BENCHMARK(BM_OpenAndCloseEditor)
    ->Arg(edDateEdit)
    ->Arg(edTimeEdit)
    ->Arg(edDateTimeEdit)
    ->Arg(edEditBtn)
    ->Arg(edUnitEditBtn)
    ->Arg(edButton)
    ->Arg(edRichEdit)
    ->Arg(edCustom)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterControlsClasses();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
