// The edit with a button and the value-plus-unit edit: the unit split from a table, F4 with each modifier,
// the editor lock over typing and the clipboard, the button's click and focus by real mouse events, and
// the unit menu picked by keys.
#include "controls/editors/QSGEdit.h"
#include "toolkit/controls/Forms.h"

#include "InputEvents.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <gtest/gtest.h>

namespace qsgedittest {

namespace {

struct EditForm {
    TForm form{nullptr};
    TQsgEditBtn* edit;
    QStringList log;
    explicit EditForm(bool unit = false) {
        form.SetClientSize(300, 100);
        edit = unit ? new TQsgUnitEditBtn(&form) : new TQsgEditBtn(&form);
        edit->SetParent(&form);
        edit->SetBounds(20, 30, 160, 24);
        edit->OnClickBtn = [this](TObject* sender) {
            log << (sender == edit             ? "click by edit"
                    : sender == edit->Button() ? "click by button"
                                               : "click");
        };
        edit->OnKeyDown = [this](TObject*, Word& key, TShiftState) {
            if (key == VK_F4) log << "keydown";
        };
        form.Show();
        edit->SetFocus();
        QApplication::processEvents();
    }
    ~EditForm() { form.Hide(); }
};

QMenu* OpenMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

} // namespace

TEST(QsgUnitEditBtn, TextAndUnitSplitsOnTheFirstUnitThatEndsTheValue) {
    struct Case {
        QStringList units;
        const char* value;
        const char* text; // what the edit holds afterwards, starting from "7" in "s"
        const char* unit;
    } cases[] = {
        // "m" stands first inside "mm", not at its end, so "mm" is taken.
        {{"m", "mm"}, "12.5mm", "12.5", "mm"},
        {{"m", "mm"}, "12.5m", "12.5", "m"},
        {{"mm", "m"}, "3mm", "3", "mm"},
        {{"m", "mm"}, "12.5", "7", "s"}, // no unit ends it: nothing changes
        {{"", "kg"}, "4", "7", "s"},     // an empty unit never matches
        {{"V"}, "V", "", "V"},           // the unit alone
        {{}, "12V", "7", "s"},           // no units at all
        {{"m"}, "m/m", "7", "s"},        // "m" first occurs before the end
    };
    for (const Case& c : cases) {
        TQsgUnitEditBtn edit(nullptr);
        TStringList units;
        for (const QString& u : c.units)
            units.Add(u);
        edit.SetUnits(&units);
        edit.SetText("7");
        edit.SetUnitID("s");
        edit.SetTextAndUnit(c.value);
        EXPECT_EQ(edit.Text(), c.text) << c.value;
        EXPECT_EQ(edit.UnitID(), c.unit) << c.value;
        EXPECT_EQ(edit.TextAndUnit(), QString(c.text) + c.unit) << c.value;
    }
}

TEST(QsgEditBtn, F4PressesTheButtonUnlessCtrlOrAltIsHeld) {
    struct Case {
        Qt::KeyboardModifiers mods;
        QStringList log;
    } cases[] = {
        {Qt::NoModifier, {"keydown", "click by edit"}},
        {Qt::ShiftModifier, {"keydown", "click by edit"}},
        {Qt::ControlModifier, {"keydown"}},
        {Qt::AltModifier, {"keydown"}},
        {Qt::ControlModifier | Qt::AltModifier, {"keydown"}},
    };
    for (const Case& c : cases) {
        EditForm f;
        qvtest::KeyToFocus(Qt::Key_F4, QString(), c.mods);
        EXPECT_EQ(f.log, c.log) << int(c.mods);
    }
}

TEST(QsgEditBtn, WithTheEditorLockedNothingIsTypedCutOrPastedButTheButtonWorks) {
    for (const bool enabled : {true, false}) {
        EditForm f;
        f.edit->SetEditorEnabled(enabled);
        f.edit->SetText("ab");
        f.edit->SelectAll();
        QApplication::clipboard()->setText("pasted");
        qvtest::KeyToFocus(Qt::Key_X, "x");
        EXPECT_EQ(f.edit->Text(), enabled ? "x" : "ab") << enabled;
        f.edit->SelectAll();
        qvtest::KeyToFocus(Qt::Key_V, "\x16", Qt::ControlModifier);
        EXPECT_EQ(f.edit->Text(), enabled ? "pasted" : "ab") << enabled;
        f.edit->SelectAll();
        QApplication::clipboard()->setText("clip");
        qvtest::KeyToFocus(Qt::Key_X, "\x18", Qt::ControlModifier);
        EXPECT_EQ(f.edit->Text(), enabled ? "" : "ab") << enabled;
        EXPECT_EQ(QApplication::clipboard()->text(), enabled ? "pasted" : "clip") << enabled;
        qvtest::KeyToFocus(Qt::Key_F4);
        EXPECT_EQ(f.log.filter("click").size(), 1) << enabled;
    }
}

TEST(QsgEditBtn, AReleaseAwayFromThePressedButtonStillClicksAndFocusesTheEdit) {
    EditForm f;
    auto* elsewhere = new TQsgEditBtn(&f.form);
    elsewhere->SetParent(&f.form);
    elsewhere->SetBounds(20, 60, 160, 24);
    elsewhere->SetFocus();
    QApplication::processEvents();
    ASSERT_FALSE(f.edit->Focused());
    // The button sits inside the edit's right edge.
    TQsgEditButton* button = f.edit->Button();
    EXPECT_EQ(button->Parent(), f.edit);
    EXPECT_LE(button->Left() + button->Width(), f.edit->Width());
    EXPECT_GT(button->Left(), f.edit->Width() / 2);
    EXPECT_EQ(button->Button()->Width(), button->ClientWidth());
    QWidget* w = button->Button()->Widget();
    ASSERT_NE(w, nullptr);
    const QPointF in(3, 3), away(-80, 40);
    QMouseEvent press(QEvent::MouseButtonPress, in, w->mapToGlobal(in), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, away, w->mapToGlobal(away), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
    EXPECT_EQ(f.log, QStringList({"click by button"}));
    EXPECT_TRUE(f.edit->Focused());
    // The right button clicks nothing.
    QMouseEvent rpress(QEvent::MouseButtonPress, in, w->mapToGlobal(in), Qt::RightButton, Qt::RightButton,
                       Qt::NoModifier);
    QApplication::sendEvent(w, &rpress);
    QMouseEvent rrelease(QEvent::MouseButtonRelease, in, w->mapToGlobal(in), Qt::RightButton, Qt::NoButton,
                         Qt::NoModifier);
    QApplication::sendEvent(w, &rrelease);
    EXPECT_EQ(f.log.size(), 1);
}

TEST(QsgUnitEditBtn, TheButtonDropsTheUnitsAndAPickedNewUnitIsReported) {
    EditForm f(true);
    auto* unitEdit = static_cast<TQsgUnitEditBtn*>(f.edit);
    TStringList units;
    for (const char* u : {"V", "mV", "kV"})
        units.Add(u);
    unitEdit->SetUnits(&units);
    unitEdit->SetTextAndUnit("230V");
    QStringList changes;
    unitEdit->OnUnitChanged = [&](TObject* sender, const String& unit) {
        EXPECT_EQ(sender, unitEdit);
        changes << unit;
    };
    struct Case {
        int downs;
        const char* unit;
        QStringList changes;
    } cases[] = {
        {3, "kV", {"kV"}},
        {3, "kV", {"kV"}}, // the unit shown already: no event
        {1, "V", {"kV", "V"}},
    };
    for (const Case& c : cases) {
        f.log.clear();
        qvtest::KeyToFocus(Qt::Key_F4);
        QMenu* menu = OpenMenu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->actions().size(), 3);
        // Under the right end of the edit.
        EXPECT_EQ(menu->pos().y(), unitEdit->ClientToScreen(TPoint(0, unitEdit->ClientHeight())).Y);
        for (int i = 0; i < c.downs; ++i)
            qvtest::KeyToFocus(Qt::Key_Down);
        qvtest::KeyToFocus(Qt::Key_Return, "\r");
        QApplication::processEvents();
        EXPECT_EQ(unitEdit->UnitID(), c.unit);
        EXPECT_EQ(unitEdit->Text(), "230");
        EXPECT_EQ(changes, c.changes);
        EXPECT_EQ(f.log, QStringList({"keydown", "click by edit"}));
    }
    // No units: an empty menu, and nothing changes.
    TStringList none;
    unitEdit->SetUnits(&none);
    unitEdit->BtnClick(unitEdit);
    if (QMenu* menu = OpenMenu()) {
        EXPECT_TRUE(menu->actions().isEmpty());
        qvtest::KeyToFocus(Qt::Key_Escape);
    }
    QApplication::processEvents();
    EXPECT_EQ(unitEdit->UnitID(), "V");
}

} // namespace qsgedittest
