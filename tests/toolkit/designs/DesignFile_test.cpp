// Window designs: the text format, loading a window from a design, binding, and what the window shows.
#include "TestSupport.h"
#include "toolkit/designs/DesignFile.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/stdctrls/StdCtrls.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/stdctrls/Buttons.h"
#include "toolkit/stdctrls/ComCtrls_DateTime.h"
#include "toolkit/stdctrls/ComCtrls_TrackBar.h"
#include "toolkit/stdctrls/Mask.h"
#include "toolkit/system/SysUtils.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

const QString kTestDesign = QString(QV_TEST_DATA_DIR) + "/forms/UTestWindow.form";

// The one property of a one-object design.
TDesignValue ValueOf(const QString& line) {
    TDesignObject o = ParseDesign("object A: TForm\n" + line + "\nend", "t.form");
    EXPECT_EQ(o.Properties.size(), 1u);
    return o.Properties.empty() ? TDesignValue() : o.Properties[0].Value;
}

QString MessageOf(const QString& text) {
    try {
        ParseDesign(text, "bad.form");
    } catch (const EDesignError& e) {
        return e.Message();
    }
    return QString();
}

bool IsDark(QColor c) {
    return c.red() + c.green() + c.blue() < 3 * 128;
}

} // namespace

TEST(DesignFile, ValuesOfEveryKind) {
    struct Case {
        const char* line;
        TDesignValue::Kind kind;
        QString text;
        qint64 integer;
    } cases[] = {
        {"Left = 12", TDesignValue::Integer, "", 12},
        {"Left = -3", TDesignValue::Integer, "", -3},
        {"Color = $00FF8000", TDesignValue::Integer, "", 0xFF8000},
        {"Caption = 'it''s'", TDesignValue::Text, "it's", 0},
        {"Caption = ''", TDesignValue::Text, "", 0},
        {"Caption = 'a'#13#10'b'", TDesignValue::Text, "a\r\nb", 0},
        {"Caption = #$41'b'#67", TDesignValue::Text, "AbC", 0},
        {"Caption = 'one ' +\n  'two' + #33", TDesignValue::Text, "one two!", 0},
        {"Caption = 'x // not a comment' // a comment", TDesignValue::Text, "x // not a comment", 0},
        {"Align = alTop", TDesignValue::Ident, "alTop", 0},
        {"ActivePage = Form1.Sheet1", TDesignValue::Ident, "Form1.Sheet1", 0},
    };
    for (const Case& c : cases) {
        TDesignValue v = ValueOf(c.line);
        EXPECT_EQ(v.kind, c.kind) << c.line;
        EXPECT_EQ(v.text, c.text) << c.line;
        EXPECT_EQ(v.integer, c.integer) << c.line;
    }
    EXPECT_DOUBLE_EQ(ValueOf("Ratio = 1.25").AsFloat(), 1.25);
    EXPECT_DOUBLE_EQ(ValueOf("Ratio = -2.5e2").AsFloat(), -250.0);

    TDesignValue set = ValueOf("Font.Style = [fsBold, fsItalic]");
    EXPECT_EQ(set.kind, TDesignValue::Set);
    EXPECT_EQ(set.members, QStringList({"fsBold", "fsItalic"}));
    EXPECT_EQ(DesignSet(set), unsigned(fsBold | fsItalic));
    EXPECT_TRUE(ValueOf("Anchors = []").members.isEmpty());

    TDesignValue list = ValueOf("Items.Strings = (\n  'RS232'\n  'RS' + '485'\n  '')");
    EXPECT_EQ(list.kind, TDesignValue::List);
    EXPECT_EQ(list.AsStrings(), QStringList({"RS232", "RS485", ""}));

    TDesignValue coll = ValueOf("Columns = <\n item\n  Header = 'Name'\n  Width = 80\n end\n item\n end>");
    ASSERT_EQ(coll.kind, TDesignValue::Collection);
    ASSERT_EQ(coll.entries.size(), 2u);
    ASSERT_EQ(coll.entries[0].size(), 2u);
    EXPECT_EQ(coll.entries[0][0].first, "Header");
    EXPECT_EQ(coll.entries[0][0].second.text, "Name");
    EXPECT_EQ(coll.entries[0][1].second.integer, 80);
    EXPECT_TRUE(coll.entries[1].empty());
}

TEST(DesignFile, NestingKeepsOrderAndLines) {
    TDesignObject o =
        ParseDesign("object F: TForm\n  Left = 1\n  object P: TPanel\n    object E: TEdit\n    end\n"
                    "  end\n  object T: TTimer\n  end\nend\n",
                    "n.form");
    EXPECT_EQ(o.Name, "F");
    ASSERT_EQ(o.Children.size(), 2u);
    EXPECT_EQ(o.Children[0].ClassName, "TPanel");
    EXPECT_EQ(o.Children[0].Line, 3);
    ASSERT_EQ(o.Children[0].Children.size(), 1u);
    EXPECT_EQ(o.Children[0].Children[0].Name, "E");
    EXPECT_EQ(o.Children[1].Name, "T");
    EXPECT_EQ(o.Properties[0].Line, 2);
}

TEST(DesignFile, SyntaxErrorsNameFileAndLine) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"object F: TForm\n  Caption = 'open\nend", "bad.form:2: unterminated string"},
        {"object F: TForm\n  Left 3\nend", "bad.form:2: '=' expected"},
        {"object F: TForm\n  Left = 3\n", "bad.form:3: 'end' of F missing"},
        {"object F TForm\nend", "bad.form:1: ':' expected"},
        {"object F: TForm\n\n  Caption = 'a' +\nend", "bad.form:4: string expected after '+'"},
        {"object F: TForm\n  Style = [a b]\nend", "bad.form:2: ',' or ']' expected"},
        {"object F: TForm\n  Items.Strings = ('a'\nend", "bad.form:2: ')' missing"},
        {"object F: TForm\n  Left = ?\nend", "bad.form:2: unexpected character '?'"},
        {"object F: TForm\nend\nend", "bad.form:3: text after the end of the design"},
        {"object F: TForm\n  C = < item Width = 1 >\nend", "bad.form:2: property name expected"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MessageOf(c.text), c.message) << c.text;
}

TEST(DesignFile, LoadsAWindowAndBindsItsComponents) {
    TForm form(nullptr);
    LoadDesign(&form, kTestDesign);
    EXPECT_EQ(form.Name(), "FTestWindow");
    EXPECT_EQ(form.Caption(), "Test window");
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.BorderStyle(), bsSingle);
    EXPECT_FALSE(form.IsLoading());

    auto* panel = Bind<TPanel>(&form, "P_Title");
    auto* title = Bind<TLabel>(&form, "L_Title");
    auto* edit = Bind<TEdit>(&form, "E_Name");
    TComboBox* combo = nullptr;
    Bind(&form, "CB_Speed", combo);
    auto* check = Bind<TCheckBox>(&form, "CB_Enable");
    auto* timer = Bind<TTimer>(&form, "Timer1");
    for (TComponent* c :
         {static_cast<TComponent*>(panel), static_cast<TComponent*>(edit), static_cast<TComponent*>(timer)}) {
        EXPECT_EQ(c->Owner(), &form);
        EXPECT_FALSE(c->IsLoading());
    }
    EXPECT_EQ(title->Parent(), panel);
    EXPECT_EQ(edit->Parent(), &form);
    EXPECT_EQ(panel->BoundsRect(), TRect(0, 0, 300, 40));
    EXPECT_EQ(edit->Text(), "it's");
    EXPECT_EQ(edit->MaxLength(), 31);
    EXPECT_EQ(edit->Font()->Name(), "Verdana");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "115200");
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(check->Caption(), "Enable\r\nit");
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 60000u);
    EXPECT_FALSE(form.HandleAllocated());

    EXPECT_THROW(Bind<TEdit>(&form, "CB_Speed"), EDesignError);
    EXPECT_THROW(Bind<TEdit>(&form, "E_Missing"), EDesignError);
}

TEST(DesignFile, UnknownClassOrPropertyIsLoud) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"object F: TForm\n  object X: TNoSuchThing\n  end\nend",
         "d.form:2: unknown class TNoSuchThing of X"},
        {"object F: TForm\n  object E: TEdit\n    Left = 1\n    Colour = clRed\n  end\nend",
         "d.form:4: E (TEdit) has no property Colour"},
        {"object F: TForm\n  Wibble = 1\nend", "d.form:2: F (TForm) has no property Wibble"},
        {"object F: TForm\n  object T: TTimer\n    object E: TEdit\n    end\n  end\nend",
         "d.form:3: control E is not inside a windowed control"},
        {"object F: TForm\n  object E: TEdit\n  end\n  object E: TLabel\n  end\nend",
         "d.form:4: component name E is empty or used twice"},
        // Numbers that do not fit what they set, and values outside their enumeration.
        {"object F: TForm\n  Width = 1e10\nend", "d.form:2: F.Width: number 1e+10 is out of range"},
        {"object F: TForm\n  Left = 4294967296\nend", "d.form:2: F.Left: number 4294967296 is out of range"},
        {"object F: TForm\n  Font.Height = -2147483648\nend",
         "d.form:2: F.Font.Height: number -2147483648 is out of range"},
        {"object F: TForm\n  BorderStyle = 1000\nend", "d.form:2: F.BorderStyle: value 1000 is outside 0..5"},
        {"object F: TForm\n  object E: TEdit\n    Align = -1\n  end\nend",
         "d.form:3: E.Align: value -1 is outside 0..6"},
        {"object F: TForm\n  Position = mrAll\nend", "d.form:2: F.Position: value 12 is outside 0..7"},
    };
    for (const Case& c : cases) {
        TForm form(nullptr);
        QString message;
        try {
            LoadDesign(&form, ParseDesign(c.text, "d.form"), "d.form");
        } catch (const EDesignError& e) {
            message = e.Message();
        }
        EXPECT_EQ(message, c.message) << c.text;
    }
    TForm form(nullptr);
    EXPECT_THROW(LoadDesign(&form, QString(QV_TEST_DATA_DIR) + "/forms/NoSuch.form"), EDesignError);
}

// Deep nesting is refused with a message rather than by running out of stack.
TEST(DesignFile, NestingIsLimited) {
    const QString lists = "object F: TForm\n  Items.Strings = " + QString(10000, '(') + "\nend";
    EXPECT_EQ(MessageOf(lists), "bad.form:2: nested more than 64 levels deep");
    QString objects;
    for (int i = 0; i < 50000; ++i)
        objects += QString("object O%1: TPanel\n").arg(i);
    EXPECT_EQ(MessageOf(objects), "bad.form:65: nested more than 64 levels deep");
    // What real designs nest stays well inside.
    QString deep;
    for (int i = 0; i < 20; ++i)
        deep += QString("object O%1: TPanel\n").arg(i);
    for (int i = 0; i < 20; ++i)
        deep += "end\n";
    EXPECT_EQ(MessageOf(deep), QString());
}

TEST(DesignFile, OtherLayersRegisterTheirClasses) {
    struct Special : TEdit {
        using TEdit::TEdit;
        String ClassName() const override { return "TSpecialEdit"; }
    };
    EXPECT_FALSE(IsComponentClassRegistered("TSpecialEdit"));
    RegisterComponentClass("TSpecialEdit", [](TComponent* owner) { return new Special(owner); });
    EXPECT_TRUE(IsComponentClassRegistered("tspecialedit"));
    TForm form(nullptr);
    LoadDesign(&form,
               ParseDesign("object F: TForm\n object S: TSpecialEdit\n Text = 'x'\n end\nend", "s.form"),
               "s.form");
    EXPECT_EQ(Bind<TEdit>(&form, "S")->ClassName(), "TSpecialEdit");

    // The test main registered the toolkit already: doing it again keeps every class and identifier,
    // and the other layer's class too.
    RegisterToolkitClasses();
    TForm again(nullptr);
    LoadDesign(&again,
               ParseDesign("object F: TForm\n Color = clNavy\n object S: TSpecialEdit\n end\n"
                           " object X: TXMLDocument\n end\nend",
                           "again.form"),
               "again.form");
    EXPECT_EQ(again.Color(), clNavy);
    EXPECT_EQ(Bind<TEdit>(&again, "S")->ClassName(), "TSpecialEdit");
}

TEST(DesignFile, TheWindowShowsWhatTheDesignSays) {
    TForm form(nullptr);
    LoadDesign(&form, kTestDesign);
    QImage img = form.Grab();
    ASSERT_EQ(img.size(), QSize(300, 200));
    // The panel aligned top, in its colour (0x00800000 is navy), across the whole width.
    EXPECT_EQ(img.pixelColor(150, 35), QColor(0, 0, 128));
    EXPECT_EQ(img.pixelColor(295, 2), QColor(0, 0, 128));
    // Below it the form's silver.
    EXPECT_EQ(img.pixelColor(150, 45), QColor(192, 192, 192));
    // The edit's white field where its bounds are, the form's colour just outside them.
    auto* edit = Bind<TEdit>(&form, "E_Name");
    EXPECT_EQ(img.pixelColor(edit->Left() + edit->Width() - 10, edit->Top() + edit->Height() / 2),
              QColor(255, 255, 255));
    EXPECT_EQ(img.pixelColor(edit->Left() - 3, edit->Top() + 5), QColor(192, 192, 192));
    // The label's text lies inside its box and nothing is painted to its right.
    auto* label = Bind<TLabel>(&form, "L_Name");
    EXPECT_GT(label->Width(), 20);
    int dark = 0;
    for (int y = label->Top(); y < label->Top() + label->Height(); ++y)
        for (int x = label->Left(); x < label->Left() + label->Width(); ++x)
            dark += IsDark(img.pixelColor(x, y));
    EXPECT_GT(dark, 20);
    for (int y = label->Top() - 3; y < label->Top() + label->Height() + 3; ++y)
        for (int x = label->Left() + label->Width() + 1; x < label->Left() + label->Width() + 40; ++x)
            ASSERT_EQ(img.pixelColor(x, y), QColor(192, 192, 192)) << x << "," << y;
    // The white title text stands on the panel.
    auto* title = Bind<TLabel>(&form, "L_Title");
    int light = 0;
    for (int y = title->Top(); y < title->Top() + title->Height(); ++y)
        for (int x = title->Left(); x < title->Left() + title->Width(); ++x)
            light += img.pixelColor(x, y).red() > 200;
    EXPECT_GT(light, 10);
}

TEST(DesignFile, ButtonsMasksPickersAndTrackbarsReadTheirProperties) {
    TForm form(nullptr);
    LoadDesign(&form,
               ParseDesign("object F: TForm\n"
                           "  object B: TSpeedButton\n"
                           "    GroupIndex = 2\n    AllowAllUp = True\n    Down = True\n    Flat = True\n"
                           "    Layout = blGlyphTop\n    Margin = 3\n    Spacing = -1\n  end\n"
                           "  object M: TMaskEdit\n    EditMask = '00:00;1;_'\n    Text = '1234'\n  end\n"
                           "  object P: TDateTimePicker\n    Kind = dtkTime\n    DateMode = dmUpDown\n"
                           "    Format = 'HH:mm'\n    ShowCheckbox = True\n    Checked = False\n"
                           "    DateTime = 45000.5\n  end\n"
                           "  object T: TTrackBar\n    Max = 20\n    Position = 15\n    Frequency = 5\n"
                           "    PageSize = 4\n    Orientation = trVertical\n    TickStyle = tsNone\n  end\n"
                           "end\n",
                           "controls.form"),
               "controls.form");
    auto* b = Bind<TSpeedButton>(&form, "B");
    EXPECT_TRUE(b->Down() && b->AllowAllUp() && b->Flat());
    EXPECT_EQ(b->Layout(), blGlyphTop);
    EXPECT_EQ(b->Spacing(), -1);
    EXPECT_EQ(Bind<TMaskEdit>(&form, "M")->Text(), "12" + String(TimeSeparator()) + "34");
    auto* p = Bind<TDateTimePicker>(&form, "P");
    EXPECT_EQ(p->Kind(), dtkTime);
    EXPECT_FALSE(p->Checked());
    EXPECT_EQ(p->DateTime(), 45000.5);
    auto* t = Bind<TTrackBar>(&form, "T");
    EXPECT_EQ(t->Position(), 15);
    EXPECT_EQ(t->Orientation(), trVertical);
    EXPECT_EQ(t->TickStyle(), tsNone);
}
