// The detail and image pickers driven by real keys offscreen: caption completion and the modified flag, the
// popup's keys, Enter, Escape and the wheel, the notes drawn as markup, the image picker's column steps,
// its image index and its filling from the image list and from a folder.
#include "controls/dropdown/QvDetailDropDown.h"
#include "controls/dropdown/QvDropDownForm.h"
#include "controls/dropdown/QvImagePickerDropDown.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/graphics/ImgList.h"

#include "InputEvents.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

template <class Picker> class PickerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SetDropDownTickSource([] { return DWORD(100000); });
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 500, 400);
        picker = new Picker(form.get());
        picker->SetParent(form.get());
        picker->SetBounds(20, 20, 200, 21);
        other = new TEdit(form.get());
        other->SetParent(form.get());
        other->SetBounds(20, 60, 100, 21);
        form->Show();
        picker->SetFocus();
        QApplication::processEvents();
    }
    void TearDown() override {
        if (picker->DroppedDown()) picker->HideDropDown(true);
        form.reset();
        SetDropDownTickSource(nullptr);
    }
    static void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        qvtest::KeyToFocus(key, QString(), mods);
    }
    static void Type(const QString& text) {
        for (const QChar c : text)
            qvtest::KeyToFocus(Qt::Key_A + (c.toUpper().unicode() - 'A'), QString(c));
    }
    static void Backspace() { qvtest::KeyToFocus(Qt::Key_Backspace, QString(QChar(8))); }

    std::unique_ptr<TForm> form;
    Picker* picker = nullptr;
    TEdit* other = nullptr;
};

class DetailPicker : public PickerFixture<TQvDetailDropDown> {
protected:
    void Fill(std::initializer_list<const char*> captions) {
        for (const char* c : captions)
            picker->Items()->Add()->SetCaption(c);
    }
    String Selected() const { return picker->EditText().mid(picker->SelStart(), picker->SelLength()); }
};

TEST_F(DetailPicker, TypingCompletesCaptionsAndDeletingIsNotUndone) {
    Fill({"Apple", "Apricot"});
    struct Step {
        const char* typed;
        const char* text;
        const char* selected;
        int item;
    } steps[] = {{"a", "apple", "pple", 0}, {"p", "apple", "ple", 0}, {"r", "apricot", "icot", 1}};
    for (const Step& s : steps) {
        Type(s.typed);
        EXPECT_EQ(picker->Text(), s.text) << s.typed;
        EXPECT_EQ(Selected(), s.selected) << s.typed;
        EXPECT_EQ(picker->ItemIndex(), s.item) << s.typed;
    }
    Backspace();
    EXPECT_EQ(picker->Text(), "apr");
    Backspace();
    EXPECT_EQ(picker->Text(), "ap") << "no completion brings the tail back";
}

TEST_F(DetailPicker, EnterSelectsTheCaptionWrittenExactly) {
    Fill({"Apple", "Apricot"});
    int selects = 0;
    picker->OnSelect = [&selects](TObject*) { ++selects; };
    struct Case {
        const char* text;
        int item;
    } cases[] = {{"APRICOT", -1}, {"Apricot", 1}};
    for (const Case& k : cases) {
        picker->SetItemIndex(-1);
        picker->SetText(k.text);
        Key(Qt::Key_Return);
        EXPECT_EQ(picker->ItemIndex(), k.item) << k.text;
    }
    EXPECT_EQ(selects, 1);
}

TEST_F(DetailPicker, ModifiedMeansDifferentFromTheTextWhenTheFocusCame) {
    Fill({"Apple"});
    other->SetFocus();
    picker->SetText("Bonn");
    picker->SetFocus();
    QApplication::processEvents();
    EXPECT_FALSE(picker->IsModified());
    Key(Qt::Key_End);
    Type("x");
    EXPECT_EQ(picker->Text(), "Bonnx");
    EXPECT_TRUE(picker->IsModified());
    Backspace();
    EXPECT_EQ(picker->Text(), "Bonn");
    EXPECT_FALSE(picker->IsModified()) << "back to the text it had when the focus came";
}

TEST_F(DetailPicker, PopupKeysMoveTheSelectionAndEscapeRestoresIt) {
    Fill({"one", "two", "three"});
    struct Case {
        const char* name;
        int start, closeKey, item;
        const char* text;
    } cases[] = {
        {"Enter keeps", 0, Qt::Key_Return, 2, "three"},
        {"Escape restores", 0, Qt::Key_Escape, 0, "one"},
        {"Escape restores none", -1, Qt::Key_Escape, -1, ""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        picker->SetItemIndex(k.start);
        Key(Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(picker->DroppedDown());
        EXPECT_EQ(QApplication::focusWidget(), picker->ItemSelector()->Widget());
        Key(Qt::Key_Down);
        Key(Qt::Key_Down);
        EXPECT_TRUE(picker->DroppedDown()) << "a key's selection keeps the popup open";
        Key(Qt::Key_Down);
        EXPECT_EQ(picker->ItemSelector()->ItemIndex(), 2) << "no step past the last";
        EXPECT_EQ(picker->Text(), "three");
        Key(k.closeKey);
        EXPECT_FALSE(picker->DroppedDown());
        EXPECT_EQ(picker->ItemIndex(), k.item);
        EXPECT_EQ(picker->Text(), k.text);
    }
    // Closed, the wheel steps the picker's own selection.
    picker->SetItemIndex(0);
    QWidget* w = picker->Widget();
    QWheelEvent wheel(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &wheel);
    EXPECT_EQ(picker->ItemIndex(), 1);
}

TEST_F(DetailPicker, NotesAreDrawnAsMarkupBelowTheCaption) {
    picker->SetItemHeight(40);
    picker->SetDropDownWidth(200);
    TDetailItem* item = picker->Items()->Add();
    item->SetCaption("Caption");
    item->SetNotes("<font bgcolor=\"#FF0000\">marked</font> plain");
    picker->ShowDropDown();
    ASSERT_TRUE(picker->DroppedDown());
    TCustomItemSelector* panel = picker->ItemSelector()->SelectorPanel();
    TRect r;
    panel->GetItemRect(0, r);
    ASSERT_GT(r.Height(), 30);
    const QImage shot = panel->Widget()->grab().toImage();
    int red = 0, redInCaptionLine = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (FromQColor(shot.pixelColor(x, y)) == TColor(0x0000FF)) {
                ++red;
                if (y < r.Top + 2 + 8) ++redInCaptionLine;
            }
    EXPECT_GT(red, 20) << "the notes' background tag was rendered";
    EXPECT_EQ(redInCaptionLine, 0) << "the notes start below the caption";
}

class ImagePicker : public PickerFixture<TQvImagePickerDropDown> {
protected:
    void FillCaptions(int count) {
        for (int i = 0; i < count; ++i) {
            TImageItem* item = picker->Items()->Add();
            item->SetCaption(QString("item %1").arg(i));
            item->SetImageIndex(100 + i);
        }
    }
};

TEST_F(ImagePicker, UpAndDownMoveByColumnsInTheOpenPopup) {
    FillCaptions(10);
    picker->SetColumns(4);
    picker->SetItemIndex(1);
    Key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(picker->DroppedDown());
    struct Step {
        int key;
        int item;
    } steps[] = {{Qt::Key_Down, 5},  {Qt::Key_Down, 9}, {Qt::Key_Down, 9}, {Qt::Key_Up, 5},
                 {Qt::Key_Right, 6}, {Qt::Key_Home, 0}, {Qt::Key_Up, 0},   {Qt::Key_End, 9}};
    for (const Step& s : steps) {
        Key(s.key);
        EXPECT_EQ(picker->ItemIndex(), s.item) << s.key;
        EXPECT_TRUE(picker->DroppedDown());
    }
    Key(Qt::Key_Escape);
    EXPECT_EQ(picker->ItemIndex(), 1) << "cancel gives back the index at the opening";
    // Closed, Home, End and the arrows step the picker's own index.
    Key(Qt::Key_End);
    EXPECT_EQ(picker->ItemIndex(), 9);
    Key(Qt::Key_Up);
    EXPECT_EQ(picker->ItemIndex(), 8);
}

TEST_F(ImagePicker, ImageIndexChoosesTheFirstItemWithItOrNone) {
    FillCaptions(3);
    std::vector<String> events;
    picker->OnChange = [&events](TObject*) { events.push_back("change"); };
    picker->OnSelect = [&events](TObject*) { events.push_back("select"); };
    picker->SetImageIndex(101);
    EXPECT_EQ(picker->ItemIndex(), 1);
    EXPECT_EQ(picker->ImageIndex(), 101);
    picker->SetImageIndex(7);
    EXPECT_EQ(picker->ItemIndex(), -1);
    EXPECT_EQ(picker->ImageIndex(), -1);
    picker->SetItemIndex(3); // the count: ignored
    EXPECT_EQ(events, (std::vector<String>{"change", "select", "change", "select"}));
}

TEST_F(ImagePicker, FillsFromTheImageListAndFromTheFilesOfAFolder) {
    TImageList images(form.get());
    images.SetWidth(8);
    images.SetHeight(8);
    TBitmap strip;
    strip.SetSize(24, 8);
    images.Add(&strip, nullptr);
    picker->SetImages(&images);
    picker->AddImagesFromImageList();
    ASSERT_EQ(picker->Items()->Count(), 3);
    EXPECT_EQ(picker->Items()->Items(2)->ImageIndex(), 2);
    picker->Items()->Clear();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub.png"));
    QImage png(5, 7, QImage::Format_ARGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(png.save(dir.filePath("a.png")));
    QFile text(dir.filePath("b.png"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    EXPECT_EQ(picker->AddImagesFromFolder(dir.path() + "/*.png", true), 2) << "the folder is no item";
    ASSERT_EQ(picker->Items()->Count(), 2);
    const TImageItem* picture = picker->Items()->Items(0);
    EXPECT_EQ(picture->Caption(), "a.png");
    EXPECT_EQ(picture->Image()->Width(), 5);
    EXPECT_EQ(picture->Image()->Height(), 7);
    const TImageItem* broken = picker->Items()->Items(1);
    EXPECT_EQ(broken->Caption(), "");
    EXPECT_EQ(broken->Image()->Width(), 0);
    // A folder that is not there adds nothing.
    EXPECT_EQ(picker->AddImagesFromFolder(dir.filePath("missing") + "/*", true), 0);
}

TEST_F(ImagePicker, TheFaceShowsTheChosenPicture) {
    TImageItem* item = picker->Items()->Add();
    QTemporaryDir dir;
    QImage png(6, 6, QImage::Format_ARGB32);
    png.fill(QColor(0, 0, 255));
    ASSERT_TRUE(png.save(dir.filePath("blue.png")));
    item->Image()->LoadFromFile(dir.filePath("blue.png"));
    picker->SetItemIndex(0);
    const QImage shot = picker->Widget()->grab().toImage();
    const TRect r = picker->GetEditRect();
    const QPoint centre((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    EXPECT_EQ(FromQColor(shot.pixelColor(centre)), TColor(0xFF0000));
}

} // namespace
