// A dropdown edit of any kind on a shown form with the keyboard, and the keys and typing that go to its
// open popup first, for the pickers' tests.
#pragma once

#include "controls/dropdown/QvDropDown.h"
#include "toolkit/controls/Forms.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace dropdowntest {

// An open popup's focused widget (or the popup), else the focused widget.
inline QWidget* KeyTarget() {
    QWidget* popup = QApplication::activePopupWidget();
    return popup ? (popup->focusWidget() ? popup->focusWidget() : popup) : QApplication::focusWidget();
}

inline void PressKey(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* w = KeyTarget();
    ASSERT_NE(w, nullptr);
    QTest::keyClick(w, Qt::Key(key), mods);
}

inline void TypeText(const QString& text) {
    QWidget* w = KeyTarget();
    ASSERT_NE(w, nullptr);
    QTest::keyClicks(w, text);
}

template <class T> class DropDownOnForm : public ::testing::Test {
protected:
    void SetUp() override {
        // Far from any earlier closing: the button's re-open guard never holds.
        SetDropDownTickSource([] { return DWORD(100000); });
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 400, 300);
        edit = new T(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(20, 20, 200, 21);
        form->Show();
        edit->SetFocus();
        QApplication::processEvents();
    }
    void TearDown() override {
        if (edit->DroppedDown()) edit->HideDropDown(true);
        form.reset();
        SetDropDownTickSource(nullptr);
    }

    std::unique_ptr<TForm> form;
    T* edit = nullptr;
};

} // namespace dropdowntest
