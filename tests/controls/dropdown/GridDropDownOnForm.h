// A grid dropdown shown on a form beside a plain edit (to leave it and enter it again), for the tests that
// drive it and its popup grid by real keys and the mouse.
#pragma once

#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvGridDropDown.h"
#include "controls/grid/dropdown/QvColGrid.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace qvtest {

class GridDropDownOnForm : public ::testing::Test {
protected:
    void SetUp() override {
        SetDropDownTickSource([] { return DWORD(100000); });
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 500, 400);
        other = new TEdit(form.get());
        other->SetParent(form.get());
        other->SetBounds(20, 300, 100, 21);
        dd = new TCustomQvGridDropDown(form.get());
        dd->SetParent(form.get());
        dd->SetBounds(20, 20, 200, 21);
        form->Show();
        dd->SetFocus();
        QApplication::processEvents();
    }
    void TearDown() override {
        if (dd->DroppedDown()) dd->HideDropDown(true);
        form.reset();
        SetDropDownTickSource(nullptr);
    }
    void AddItem(const QStringList& texts, int image = -1) {
        TDropDownItem* item = dd->Items()->Add();
        for (const QString& t : texts)
            item->Text()->Add(t);
        item->SetImageIndex(image);
    }
    QvCustomGridDropDown::TQvColGrid* Grid() const {
        return dynamic_cast<QvCustomGridDropDown::TQvColGrid*>(dd->GetGrid());
    }
    // Alt+Down to the widget with the keyboard opens the popup.
    void Open() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(dd->DroppedDown());
        QApplication::processEvents();
    }

    std::unique_ptr<TForm> form;
    TEdit* other = nullptr;
    TCustomQvGridDropDown* dd = nullptr;
};

} // namespace qvtest
