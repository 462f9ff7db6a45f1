// Standard controls: state before and after the window exists, events, keys, and layout of the containers.
#include "TestSupport.h"
#include "toolkit/stdctrls/CategoryPanels.h"
#include "toolkit/stdctrls/ComCtrls.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTabBar>
#include <gtest/gtest.h>

namespace {

template <class T> T* Put(TWinControl* parent, int left = 0, int top = 0) {
    auto* c = new T(parent);
    c->SetParent(parent);
    c->SetLeft(left);
    c->SetTop(top);
    return c;
}

void Type(QWidget* w, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

void ClickAt(QWidget* w, QPoint p) {
    QMouseEvent press(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

} // namespace

// Each case runs once on controls without a window and once after the window is made.
struct WithAndWithoutWindow : ::testing::TestWithParam<bool> {
    void MakeWindowIfAsked(TForm& form) {
        if (GetParam()) form.HandleNeeded();
    }
};

TEST_P(WithAndWithoutWindow, EditKeepsTextAndFiresOnChange) {
    TForm form(nullptr);
    auto* edit = Put<TEdit>(&form);
    QStringList changes;
    edit->OnChange = [&](TObject*) { changes << edit->Text(); };
    edit->SetText("before");
    MakeWindowIfAsked(form);
    if (GetParam()) {
        ASSERT_NE(edit->Widget(), nullptr);
        EXPECT_EQ(static_cast<QLineEdit*>(edit->Widget())->text(), "before");
    }
    edit->SetText("after");
    edit->SetText("after");
    EXPECT_EQ(edit->Text(), "after");
    EXPECT_EQ(changes, QStringList({"before", "after"}));
    // A text set by code is not cut by the limit, which holds for typing.
    edit->SetMaxLength(3);
    edit->SetText("longer");
    EXPECT_EQ(edit->Text(), "longer");
    edit->SetCharCase(ecUpperCase);
    EXPECT_EQ(edit->Text(), "LONGER");
    edit->SetText("abcdef");
    edit->SetSelStart(1);
    edit->SetSelLength(3);
    EXPECT_EQ(edit->SelText(), "BCD");
}

TEST_P(WithAndWithoutWindow, ComboIndexTextAndListOnlyStyle) {
    TForm form(nullptr);
    auto* combo = Put<TComboBox>(&form);
    combo->Items()->Add("NONE");
    combo->Items()->Add("ODD");
    combo->Items()->Add("EVEN");
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetStyle(csDropDownList);
    MakeWindowIfAsked(form);
    EXPECT_EQ(combo->Text(), "");
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "ODD");
    // An index outside the items leaves nothing chosen.
    combo->SetItemIndex(9);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    // A list-only combo refuses free text; an item's text chooses the item.
    combo->SetItemIndex(0);
    combo->SetText("MARK");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Text(), "NONE");
    combo->SetText("even");
    EXPECT_EQ(combo->ItemIndex(), 2);
    if (GetParam()) {
        EXPECT_EQ(static_cast<QComboBox*>(combo->Widget())->currentText(), "EVEN");
    }
    // A drop-down combo keeps free text and chooses nothing for it.
    combo->SetStyle(csDropDown);
    combo->SetText("free");
    EXPECT_EQ(combo->Text(), "free");
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->Items()->Clear();
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_P(WithAndWithoutWindow, CheckBoxClicksOnEveryChangeOfState) {
    TForm form(nullptr);
    auto* box = Put<TCheckBox>(&form);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    MakeWindowIfAsked(form);
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    box->SetState(cbGrayed);
    EXPECT_FALSE(box->Checked());
    box->SetChecked(false);
    EXPECT_EQ(clicks, 3);
    if (GetParam()) {
        EXPECT_FALSE(static_cast<QCheckBox*>(box->Widget())->isChecked());
    }
}

TEST_P(WithAndWithoutWindow, RadioButtonsBesideEachOtherAreExclusive) {
    TForm form(nullptr);
    auto* a = Put<TRadioButton>(&form);
    auto* b = Put<TRadioButton>(&form);
    auto* panel = Put<TPanel>(&form);
    auto* elsewhere = Put<TRadioButton>(panel);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    MakeWindowIfAsked(form);
    a->SetChecked(true);
    elsewhere->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(elsewhere->Checked());
    a->SetChecked(true);
    EXPECT_FALSE(b->Checked());
    EXPECT_EQ(clicks, 1); // switched off by its neighbour: no click
}

TEST_P(WithAndWithoutWindow, ListBoxSelection) {
    TForm form(nullptr);
    auto* list = Put<TListBox>(&form);
    SetStringsFromList(*list->Items(), {"a", "b", "c"});
    MakeWindowIfAsked(form);
    EXPECT_EQ(list->ItemIndex(), -1);
    list->SetItemIndex(1);
    EXPECT_TRUE(list->Selected(1));
    EXPECT_FALSE(list->Selected(0));
    list->SetMultiSelect(true);
    list->SetSelected(0, true);
    list->SetSelected(2, true);
    EXPECT_EQ(list->SelCount(), 3);
    if (GetParam()) {
        EXPECT_EQ(static_cast<QListWidget*>(list->Widget())->selectedItems().size(), 3);
    }
    EXPECT_THROW(list->Selected(3), EListError);
}

TEST_P(WithAndWithoutWindow, PageControlSwitchesSheets) {
    TForm form(nullptr);
    auto* pages = Put<TPageControl>(&form);
    auto* one = Put<TTabSheet>(pages);
    auto* two = Put<TTabSheet>(pages);
    one->SetCaption("One");
    two->SetCaption("Two");
    MakeWindowIfAsked(form);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), one);
    EXPECT_TRUE(one->Visible());
    EXPECT_FALSE(two->Visible());
    EXPECT_EQ(two->BoundsRect(), pages->DisplayRect());
    pages->SetActivePageIndex(1);
    EXPECT_EQ(pages->ActivePage(), two);
    EXPECT_FALSE(one->Visible());
    EXPECT_TRUE(two->Visible());
    one->SetTabVisible(false);
    EXPECT_EQ(one->TabIndex(), -1);
    EXPECT_EQ(two->TabIndex(), 0);
    two->SetPageIndex(0);
    EXPECT_EQ(pages->Pages(0), two);
    // Removing the active sheet activates the next one with a tab, none when there is none.
    auto* three = Put<TTabSheet>(pages);
    auto* four = Put<TTabSheet>(pages);
    pages->SetActivePage(three);
    delete three;
    EXPECT_EQ(pages->ActivePage(), four);
    two->SetTabVisible(false);
    delete four;
    EXPECT_EQ(pages->ActivePage(), nullptr);
    one->SetTabVisible(true);
    two->SetTabVisible(true);
    pages->SetActivePage(two);
    delete two;
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->ActivePage(), one);
}

TEST_P(WithAndWithoutWindow, CategoryPanelsStackAndCollapse) {
    TForm form(nullptr);
    form.SetClientSize(300, 200);
    auto* group = Put<TCategoryPanelGroup>(&form);
    group->SetAlign(alClient);
    group->SetHeaderHeight(20);
    std::vector<TCategoryPanel*> panels;
    for (int i = 0; i < 4; ++i) {
        auto* p = Put<TCategoryPanel>(group);
        p->SetHeight(100);
        panels.push_back(p);
    }
    MakeWindowIfAsked(form);
    // Hide one and order the others as a layout routine does: each below the previous one.
    panels[1]->Hide();
    TCategoryPanel* order[] = {panels[3], panels[0], panels[2]};
    order[0]->SetTop(0);
    for (int k = 1; k < 3; ++k)
        order[k]->SetTop(order[k - 1]->Top() + order[k - 1]->Height());
    EXPECT_EQ(panels[3]->Top(), 0);
    EXPECT_EQ(panels[0]->Top(), 100);
    EXPECT_EQ(panels[2]->Top(), 200);
    EXPECT_EQ(group->VertScrollBar()->Range(), 300);
    EXPECT_EQ(panels[0]->Width(), group->ViewportWidth());

    panels[3]->Collapse();
    EXPECT_EQ(panels[3]->Height(), 20);
    EXPECT_EQ(panels[0]->Top(), 20);
    EXPECT_EQ(panels[2]->Top(), 120);
    // A height set while collapsed is kept for later.
    panels[3]->SetHeight(60);
    EXPECT_EQ(panels[3]->Height(), 20);
    panels[3]->Expand();
    EXPECT_EQ(panels[3]->Height(), 60);
    EXPECT_EQ(panels[0]->Top(), 60);

    // Scroll commands move the view within the content.
    group->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(group->VertScrollBar()->Position(), 8);
    group->Perform(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(group->VertScrollBar()->Position(), 260 - group->ViewportHeight());
    group->Perform(WM_VSCROLL, SB_LINEUP, 0);
    group->Perform(WM_VSCROLL, SB_ENDSCROLL, 0);
    EXPECT_EQ(group->VertScrollBar()->Position(), 252 - group->ViewportHeight());
}

INSTANTIATE_TEST_SUITE_P(StdCtrls, WithAndWithoutWindow, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Window" : "NoWindow"; });

TEST(StdCtrls, KeyHandlerSwallowsOrReplacesCharactersAndMovesFocus) {
    TForm form(nullptr);
    auto* first = Put<TEdit>(&form);
    auto* second = Put<TEdit>(&form, 0, 30);
    first->SetMaxLength(3);
    first->OnKeyPress = [&](TObject*, QChar& key) {
        if (key == '.') {
            key = QChar();
            second->SetFocus();
        } else if (key == ',') {
            key = '9';
        }
    };
    form.Show();
    first->SetFocus();
    QWidget* w = first->Widget();
    Type(w, Qt::Key_1, "1");
    Type(w, Qt::Key_Comma, ",");
    Type(w, Qt::Key_Period, ".");
    EXPECT_EQ(first->Text(), "19");
    EXPECT_EQ(form.ActiveControl(), second);
    EXPECT_EQ(form.Widget()->focusWidget(), second->Widget());
    // The limit holds for typing.
    Type(w, Qt::Key_2, "2");
    Type(w, Qt::Key_3, "3");
    EXPECT_EQ(first->Text(), "192");
    form.Hide();
}

TEST(StdCtrls, ButtonsTakeDialogKeysAndHandTheirModalResultToTheForm) {
    TForm form(nullptr);
    auto* edit = Put<TEdit>(&form);
    auto* ok = Put<TButton>(&form, 0, 40);
    auto* cancel = Put<TButton>(&form, 80, 40);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    QStringList log;
    ok->OnClick = [&](TObject*) { log << QString("ok %1").arg(form.ModalResult()); };
    cancel->OnClick = [&](TObject*) { log << QString("cancel %1").arg(form.ModalResult()); };
    form.Show();
    edit->SetFocus();
    Type(edit->Widget(), Qt::Key_Return, "\r");
    Type(edit->Widget(), Qt::Key_Escape, "\x1b");
    ClickAt(ok->Widget(), QPoint(5, 5));
    EXPECT_EQ(log, QStringList({"ok 1", "cancel 2", "ok 1"}));
    form.Hide();
}

TEST(StdCtrls, CheckBoxClickByThePersonChangesStateOnce) {
    TForm form(nullptr);
    auto* box = Put<TCheckBox>(&form);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    form.Show();
    ClickAt(box->Widget(), QPoint(5, 8));
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
    form.Hide();
}

TEST(StdCtrls, ComboChoiceByThePersonSelects) {
    TForm form(nullptr);
    auto* combo = Put<TComboBox>(&form);
    combo->SetStyle(csDropDownList);
    SetStringsFromList(*combo->Items(), {"1200", "9600"});
    QStringList log;
    combo->OnChange = [&](TObject*) { log << "change " + combo->Text(); };
    combo->OnClick = [&](TObject*) { log << "click"; };
    form.Show();
    emit static_cast<QComboBox*>(combo->Widget())->activated(1);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(log, QStringList({"click", "change 9600"}));
    combo->OnSelect = [&](TObject*) { log << "select"; };
    emit static_cast<QComboBox*>(combo->Widget())->activated(0);
    EXPECT_EQ(log.last(), "select");
    form.Hide();
}

TEST(StdCtrls, LinkLabelReportsTheTargetOfTheClickedLink) {
    TForm form(nullptr);
    auto* link = Put<TLinkLabel>(&form, 10, 10);
    link->SetCaption("New version: <a href=\"https://example.org/download#X\">download</a> now");
    std::vector<TLinkLabel::Segment> segments = link->Segments();
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_TRUE(segments[1].IsLink);
    EXPECT_EQ(segments[1].Text, "download");
    EXPECT_EQ(link->Width(), segments[2].X + segments[2].Width);
    QStringList clicked;
    link->OnLinkClick = [&](TObject*, const String& target, TSysLinkType type) {
        clicked << target + (type == sltURL ? " url" : " id");
    };
    form.Show();
    ClickAt(link->Widget(), QPoint(segments[0].Width / 2, 5));
    EXPECT_TRUE(clicked.isEmpty());
    ClickAt(link->Widget(), QPoint(segments[1].X + segments[1].Width / 2, 5));
    EXPECT_EQ(clicked, QStringList({"https://example.org/download#X url"}));
    form.Hide();
}

TEST(StdCtrls, LabelAutoSizeKeepsTheAnchoredEdge) {
    TForm form(nullptr);
    auto* left = Put<TLabel>(&form, 100, 0);
    left->SetCaption("Hello");
    int w = left->Width();
    EXPECT_GT(w, 10);
    left->SetCaption("Hello, world");
    EXPECT_EQ(left->Left(), 100);
    EXPECT_GT(left->Width(), w);
    auto* right = Put<TLabel>(&form, 100, 30);
    right->SetAlignment(taRightJustify);
    right->SetCaption("x");
    int edge = right->Left() + right->Width();
    right->SetCaption("longer text");
    EXPECT_EQ(right->Left() + right->Width(), edge);
    // "&&" shows one ampersand; without accelerators both show.
    auto* amp = Put<TLabel>(&form);
    amp->SetCaption("A&&B");
    int shown = amp->Width();
    amp->SetShowAccelChar(false);
    EXPECT_GT(amp->Width(), shown);
}

TEST(StdCtrls, PanelAlignsChildrenInsideItsBevels) {
    TForm form(nullptr);
    form.SetClientSize(200, 100);
    auto* panel = Put<TPanel>(&form);
    panel->SetAlign(alClient);
    panel->SetBevelOuter(bvRaised);
    panel->SetBevelInner(bvLowered);
    panel->SetBorderWidth(2);
    auto* top = Put<TPanel>(panel);
    top->SetHeight(10);
    top->SetAlign(alTop);
    EXPECT_EQ(top->BoundsRect(), TRect(4, 4, 196, 14));
    form.SetColor(clWhite);
    panel->SetColor(clRed);
    top->SetColor(clBlue);
    top->SetBevelOuter(bvNone);
    QImage img = form.Grab();
    EXPECT_EQ(img.pixelColor(100, 8), QColor(0, 0, 255));
    EXPECT_EQ(img.pixelColor(100, 50), QColor(255, 0, 0));
}

TEST(StdCtrls, ScrollBarClampsPositionAndReportsChanges) {
    TForm form(nullptr);
    auto* bar = Put<TScrollBar>(&form);
    int changes = 0;
    bar->OnChange = [&](TObject*) { ++changes; };
    bar->SetParams(5, 0, 99);
    bar->SetPageSize(10);
    bar->SetPosition(200);
    EXPECT_EQ(bar->Position(), 90);
    EXPECT_EQ(changes, 2);
    EXPECT_THROW(bar->SetParams(0, 10, 5), Exception);
}
