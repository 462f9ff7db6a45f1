// Every picker by the keyboard alone, one table: Alt+Down opens, keys change the value, the keep key
// closes keeping it, Escape closes bringing back the value and text of the opening.
#include "controls/dropdown/QvCalculatorDropdown.h"
#include "controls/dropdown/QvColorPickerDropDown.h"
#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvDropDown_Numbers.h"
#include "controls/dropdown/QvMemoDropDown.h"
#include "controls/dropdown/QvTrackBarDropDown.h"
#include "toolkit/stdctrls/ComCtrls_TrackBar.h"

#include "DropDownOnForm.h"

#include <functional>

namespace pickerkeystest {

using dropdowntest::PressKey;
using dropdowntest::TypeText;

struct Picker {
    const char* name;
    // Makes the picker on the form with its value at the opening.
    std::function<TQvCustomDropDown*(TForm*)> make;
    // The keys that change the value while the popup is open.
    std::function<void(TQvCustomDropDown*)> keys;
    int keepKey;
    Qt::KeyboardModifiers keepMods;
    // The value as the person sees it.
    std::function<String(TQvCustomDropDown*)> value;
    String before, after;
};

template <class T> T* Make(TForm* form) {
    auto* p = new T(form);
    p->SetParent(form);
    p->SetBounds(20, 20, 200, 21);
    return p;
}

String Dec(const char* text) {
    return String(text).replace(u'.', DecimalSeparatorChar());
}

TEST(PickerKeys, AltDownOpensKeysChangeTheKeepKeyKeepsAndEscapeRestores) {
    const Picker pickers[] = {
        {"trackbar",
         [](TForm* f) {
             auto* p = Make<TQvTrackBarDropDown>(f);
             p->SetPosition(4);
             p->SetText("4");
             return p;
         },
         [](TQvCustomDropDown* p) {
             static_cast<TQvTrackBarDropDown*>(p)->TrackBar()->SetFocus();
             PressKey(Qt::Key_Right);
         },
         Qt::Key_Return, Qt::NoModifier, [](TQvCustomDropDown* p) { return p->Text(); }, "4", "5"},
        {"memo",
         [](TForm* f) {
             auto* p = Make<TQvMemoDropDown>(f);
             p->SetEditorEnabled(false);
             p->MemoText()->SetText("alpha");
             return p;
         },
         [](TQvCustomDropDown*) {
             PressKey(Qt::Key_End, Qt::ControlModifier);
             PressKey(Qt::Key_Return);
             TypeText("beta");
         },
         Qt::Key_Up, Qt::AltModifier,
         [](TQvCustomDropDown* p) {
             return p->Text() + "|" + static_cast<TQvMemoDropDown*>(p)->MemoText()->Text();
         },
         "alpha|alpha\r\n", "alpha...|alpha\r\nbeta\r\n"},
        {"calculator",
         [](TForm* f) {
             auto* p = Make<TQvCalculatorDropdown>(f);
             p->SetValue(4);
             return p;
         },
         [](TQvCustomDropDown*) { TypeText("9*2"); }, Qt::Key_Return, Qt::NoModifier,
         [](TQvCustomDropDown* p) { return p->Text(); }, Dec("4.00"), Dec("18.00")},
        {"colour picker",
         [](TForm* f) {
             auto* p = Make<TQvColorPickerDropDown>(f);
             p->AddDefaultColors();
             p->SetItemIndex(0);
             return p;
         },
         [](TQvCustomDropDown*) {
             PressKey(Qt::Key_Down);
             PressKey(Qt::Key_End);
         },
         Qt::Key_Return, Qt::NoModifier,
         [](TQvCustomDropDown* p) { return static_cast<TQvColorPickerDropDown*>(p)->SelectedColorText(); },
         "Black", "White"},
    };
    for (const Picker& k : pickers) {
        for (const bool keep : {true, false}) {
            SCOPED_TRACE(std::string(k.name) + (keep ? " kept" : " cancelled"));
            SetDropDownTickSource([] { return DWORD(100000); });
            TForm form(nullptr);
            form.SetBounds(100, 100, 400, 300);
            TQvCustomDropDown* p = k.make(&form);
            form.Show();
            p->SetFocus();
            QApplication::processEvents();
            PressKey(Qt::Key_Down, Qt::AltModifier);
            ASSERT_TRUE(p->DroppedDown());
            k.keys(p);
            ASSERT_TRUE(p->DroppedDown());
            if (keep)
                PressKey(k.keepKey, k.keepMods);
            else
                PressKey(Qt::Key_Escape);
            EXPECT_FALSE(p->DroppedDown());
            EXPECT_EQ(k.value(p), keep ? k.after : k.before);
            SetDropDownTickSource(nullptr);
        }
    }
}

} // namespace pickerkeystest
