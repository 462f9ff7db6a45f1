// Pop-up menus: picked by keyboard and by mouse, checks and radio groups, a control's own menu, menus from
// designs, and a handler that frees its menu.
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include "InputEvents.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

QMenu* openMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QAction* actionNamed(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text() == text) return a;
    return nullptr;
}

} // namespace

struct MenuTest : ::testing::Test {
    void SetUp() override {
        menu = std::make_unique<TPopupMenu>(nullptr);
        for (const char* caption : {"&Open", "-", "Save", "Sub"}) {
            auto* item = new TMenuItem(menu.get());
            item->SetCaption(caption);
            item->OnClick = [this, item](TObject*) { log << item->Caption(); };
            menu->Items()->Add(item);
        }
        menu->Items()->Find("Save")->SetEnabled(false);
        for (const char* caption : {"A", "B"}) {
            auto* item = new TMenuItem(menu.get());
            item->SetCaption(caption);
            item->OnClick = [this, item](TObject*) { log << item->Caption(); };
            menu->Items()->Find("Sub")->Add(item);
        }
        menu->OnClose = [this](TObject*) { log << "closed"; };
    }
    void TearDown() override {
        menu->CloseMenu();
        menu.reset();
        QApplication::processEvents();
    }
    std::unique_ptr<TPopupMenu> menu;
    QStringList log;
};

TEST_F(MenuTest, KeysPickAnItemWhichIsClickedOnceTheMenuHasClosed) {
    struct Case {
        std::vector<std::pair<int, QString>> Keys;
        QStringList Log;
    } cases[] = {
        {{{Qt::Key_Down, ""}, {Qt::Key_Return, "\r"}}, {"closed", "&Open"}},
        // The line and the disabled item are passed over; Right opens the sub-menu.
        {{{Qt::Key_Down, ""},
          {Qt::Key_Down, ""},
          {Qt::Key_Right, ""},
          {Qt::Key_Down, ""},
          {Qt::Key_Return, "\r"}},
         {"closed", "B"}},
        {{{Qt::Key_O, "o"}}, {"closed", "&Open"}}, // the accelerator
        {{{Qt::Key_Escape, ""}}, {"closed"}},
    };
    for (const Case& c : cases) {
        log.clear();
        menu->Popup(100, 100);
        QMenu* qmenu = openMenu();
        ASSERT_NE(qmenu, nullptr);
        EXPECT_TRUE(menu->Showing());
        for (const auto& [key, text] : c.Keys)
            qvtest::KeyToFocus(key, text);
        EXPECT_TRUE(log.isEmpty()); // nothing before the menu is gone
        QApplication::processEvents();
        EXPECT_FALSE(menu->Showing());
        EXPECT_EQ(log, c.Log);
    }
}

TEST_F(MenuTest, AClickPicksTheItemUnderTheMouse) {
    menu->Popup(50, 60);
    QMenu* qmenu = openMenu();
    ASSERT_NE(qmenu, nullptr);
    EXPECT_EQ(qmenu->pos(), QPoint(50, 60));
    QAction* open = actionNamed(qmenu, "&Open");
    ASSERT_NE(open, nullptr);
    const QPoint at = qmenu->actionGeometry(open).center();
    QMouseEvent move(QEvent::MouseMove, at, qmenu->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(qmenu, &move);
    qvtest::ClickAt(qmenu, at);
    QApplication::processEvents();
    EXPECT_EQ(log, QStringList({"closed", "&Open"}));
}

TEST(Menu, AutoCheckedItemsAndRadioGroups) {
    TPopupMenu menu(nullptr);
    std::vector<TMenuItem*> items;
    for (int i = 0; i < 4; ++i) {
        auto* item = new TMenuItem(&menu);
        item->SetCaption(QString("R%1").arg(i));
        item->SetAutoCheck(true);
        // Three radio items in group 1, and a plain check.
        if (i < 3) {
            item->SetRadioItem(true);
            item->SetGroupIndex(1);
        }
        menu.Items()->Add(item);
        items.push_back(item);
    }
    items[0]->SetChecked(true);
    items[2]->Click(); // the radio item takes the check of its group
    EXPECT_FALSE(items[0]->Checked());
    EXPECT_TRUE(items[2]->Checked());
    items[2]->Click(); // and keeps it when clicked again
    EXPECT_TRUE(items[2]->Checked());
    items[3]->Click();
    items[3]->Click();
    EXPECT_FALSE(items[3]->Checked());

    menu.Popup(10, 10);
    QMenu* qmenu = openMenu();
    ASSERT_NE(qmenu, nullptr);
    EXPECT_TRUE(actionNamed(qmenu, "R2")->isChecked());
    EXPECT_FALSE(actionNamed(qmenu, "R1")->isChecked());
    EXPECT_TRUE(actionNamed(qmenu, "R1")->actionGroup()->isExclusive());
    // Picking R1 by keyboard moves the group's check there.
    qvtest::KeyToFocus(Qt::Key_Down);
    qvtest::KeyToFocus(Qt::Key_Down);
    qvtest::KeyToFocus(Qt::Key_Return, "\r");
    QApplication::processEvents();
    EXPECT_TRUE(items[1]->Checked());
    EXPECT_FALSE(items[2]->Checked());
}

TEST(Menu, AControlsMenuOpensOnTheContextMenuRequest) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    TPopupMenu menu(nullptr);
    auto* item = new TMenuItem(&menu);
    item->SetCaption("Clear");
    menu.Items()->Add(item);
    edit->SetPopupMenu(&menu);
    form.Show();
    edit->SetFocus();
    QApplication::processEvents();
    ASSERT_TRUE(edit->Focused());
    for (auto reason : {QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard}) {
        const QPoint at(5, 5);
        QContextMenuEvent e(reason, at, edit->Widget()->mapToGlobal(at));
        QApplication::sendEvent(edit->Widget(), &e);
        QMenu* qmenu = openMenu();
        ASSERT_NE(qmenu, nullptr) << reason;
        EXPECT_EQ(menu.PopupComponent(), edit);
        // By mouse at the pointer, by keyboard over the middle of the control.
        const TPoint expected = reason == QContextMenuEvent::Mouse
                                    ? edit->ClientToScreen(TPoint(5, 5))
                                    : edit->ClientToScreen(TPoint(edit->Width() / 2, edit->Height() / 2));
        EXPECT_EQ(qmenu->pos(), expected.toQPoint()) << reason;
        menu.CloseMenu();
        QApplication::processEvents();
        // The keys go back where they went before, with or without a window manager.
        EXPECT_TRUE(edit->Focused()) << reason;
    }
    // A menu that goes is forgotten by the control that named it.
    {
        TPopupMenu gone(nullptr);
        edit->SetPopupMenu(&gone);
    }
    EXPECT_EQ(edit->PopupMenu(), nullptr);
}

TEST(Menu, AHandlerMayFreeItsMenu) {
    auto* menu = new TPopupMenu(nullptr);
    auto* item = new TMenuItem(menu);
    item->SetCaption("Go");
    bool clicked = false;
    item->OnClick = [&](TObject*) {
        clicked = true;
        delete menu;
    };
    menu->Items()->Add(item);
    menu->Popup(0, 0);
    qvtest::KeyToFocus(Qt::Key_Down);
    qvtest::KeyToFocus(Qt::Key_Return, "\r");
    QApplication::processEvents();
    EXPECT_TRUE(clicked);
    // An item freed while its choice is on the way is not clicked.
    TPopupMenu other(nullptr);
    auto* doomed = new TMenuItem(&other);
    doomed->SetCaption("Doomed");
    bool doomedClicked = false;
    doomed->OnClick = [&](TObject*) { doomedClicked = true; };
    other.Items()->Add(doomed);
    other.Popup(0, 0);
    qvtest::KeyToFocus(Qt::Key_Down);
    qvtest::KeyToFocus(Qt::Key_Return, "\r");
    delete doomed;
    QApplication::processEvents();
    EXPECT_FALSE(doomedClicked);
    EXPECT_EQ(other.Items()->Count(), 0);
}

TEST(Menu, ADesignNestsItemsInTheirMenu) {
    TForm form(nullptr);
    LoadDesign(&form,
               ParseDesign("object F: TForm\n"
                           "  object PopupMenu1: TPopupMenu\n"
                           "    object Item1: TMenuItem\n"
                           "      Caption = 'First'\n"
                           "      Checked = True\n"
                           "    end\n"
                           "    object Item2: TMenuItem\n"
                           "      Caption = 'More'\n"
                           "      object Item3: TMenuItem\n"
                           "        Caption = 'Inner'\n"
                           "      end\n"
                           "    end\n"
                           "  end\n"
                           "end\n",
                           "menu.form"),
               "menu.form");
    auto* menu = Bind<TPopupMenu>(&form, "PopupMenu1");
    ASSERT_EQ(menu->Items()->Count(), 2);
    EXPECT_EQ(menu->Items()->Items(0)->Caption(), "First");
    EXPECT_TRUE(menu->Items()->Items(0)->Checked());
    ASSERT_EQ(menu->Items()->Items(1)->Count(), 1);
    EXPECT_EQ(menu->Items()->Items(1)->Items(0)->Caption(), "Inner");

    // An item outside a menu is a fault of the design.
    TForm bad(nullptr);
    EXPECT_THROW(LoadDesign(&bad,
                            ParseDesign("object F: TForm\n  object P: TPanel\n    object I: TMenuItem\n"
                                        "    end\n  end\nend\n",
                                        "bad.form"),
                            "bad.form"),
                 EDesignError);
}
