// Keys and clicks as the platform delivers them, as real Qt events, for the tests of every layer.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace qvtest {

// A key goes to an open list (a popup) first, else to the widget with the focus; the release goes to the
// widget that has the focus once the press is handled.
inline void KeyToFocus(int key, const QString& text = QString(),
                       Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* popup = QApplication::activePopupWidget();
    QWidget* w = popup ? (popup->focusWidget() ? popup->focusWidget() : popup) : QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    if (QWidget* now = QApplication::focusWidget()) w = now;
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

// A left click at a point of a widget.
inline void ClickAt(QWidget* w, QPointF at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

} // namespace qvtest
