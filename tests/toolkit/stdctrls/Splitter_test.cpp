// The splitter bar dragged by a person: the control beside it grows and shrinks within the minimum sizes.
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/Splitter.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

void splitterMouse(QWidget* w, QEvent::Type type, QPoint p) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(p), w->mapToGlobal(QPointF(p)),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST(Splitter, DraggingResizesTheControlOnItsSideWithinTheMinimumSizes) {
    const struct {
        int moveY;
        int legendHeight;
    } cases[] = {{-40, 140}, {30, 70}, {95, 30}, {-1000, 367}};
    for (const auto& c : cases) {
        TForm form(nullptr);
        form.SetClientSize(300, 400);
        auto* legend = new TPanel(&form);
        legend->SetParent(&form);
        legend->SetBounds(0, 300, 300, 100);
        legend->SetAlign(alBottom);
        auto* splitter = new TSplitter(&form);
        splitter->SetParent(&form);
        splitter->SetAlign(alBottom);
        splitter->SetBounds(0, 297, 300, 3);
        splitter->Loaded();
        auto* client = new TPanel(&form);
        client->SetParent(&form);
        client->SetAlign(alClient);
        form.Show();
        form.Realign();
        ASSERT_EQ(client->Height(), 297);
        EXPECT_EQ(splitter->Cursor(), crVSplit);
        QWidget* w = splitter->Widget();
        ASSERT_NE(w, nullptr);
        splitterMouse(w, QEvent::MouseButtonPress, QPoint(10, 1));
        splitterMouse(w, QEvent::MouseMove, QPoint(10, 1 + c.moveY));
        splitterMouse(w, QEvent::MouseButtonRelease, QPoint(10, 1 + c.moveY));
        EXPECT_EQ(legend->Height(), c.legendHeight) << c.moveY;
        EXPECT_EQ(legend->Top() + legend->Height(), 400);
        EXPECT_EQ(splitter->Top() + 3, legend->Top());
        EXPECT_GE(client->Height(), 30);
        form.Hide();
    }
}

} // namespace
