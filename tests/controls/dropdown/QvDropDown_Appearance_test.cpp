// The dropdown bars' looks and the stepped gradient, blend and text routines.
#include "controls/dropdown/QvDropDown_Appearance.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<TBitmap> Canvas100(TColor fill) {
    auto bmp = std::make_unique<TBitmap>();
    bmp->SetSize(100, 20);
    bmp->Canvas()->Brush()->SetColor(fill);
    bmp->Canvas()->FillRect(TRect(0, 0, 100, 20));
    return bmp;
}

} // namespace

TEST(DrawGradient, StepsRunFromTheFirstColourToOneStepShortOfTheSecond) {
    TBitmap bmp;
    bmp.SetSize(100, 20);
    DrawGradient(bmp.Canvas(), RGB(0, 0, 0), RGB(200, 0, 0), 4, TRect(0, 0, 100, 20), true);
    EXPECT_EQ(bmp.Canvas()->Pixels(5, 10), RGB(0, 0, 0));
    EXPECT_EQ(bmp.Canvas()->Pixels(30, 10), RGB(50, 0, 0));
    EXPECT_EQ(bmp.Canvas()->Pixels(60, 10), RGB(100, 0, 0));
    EXPECT_EQ(bmp.Canvas()->Pixels(90, 10), RGB(150, 0, 0));
}

TEST(DrawGradient, NoStepsPaintsOneBandAndEqualColoursAPlainFill) {
    TBitmap bmp;
    bmp.SetSize(100, 20);
    DrawGradient(bmp.Canvas(), clRed, clBlue, 0, TRect(0, 0, 100, 20), false);
    for (int y : {0, 10, 18})
        EXPECT_EQ(bmp.Canvas()->Pixels(50, y), clRed) << y;
    DrawGradient(bmp.Canvas(), clLime, clLime, 80, TRect(0, 0, 100, 20), false);
    for (int y : {0, 7, 13, 18})
        EXPECT_EQ(bmp.Canvas()->Pixels(20, y), clLime) << y;
}

TEST(BlendColor, EndsGiveTheColourItselfAndTheMiddleMixes) {
    EXPECT_EQ(BlendColor(clBtnFace, clWhite, 100), clBtnFace);
    EXPECT_EQ(BlendColor(clBtnFace, clWhite, 0), clWhite);
    EXPECT_EQ(BlendColor(clBlack, clWhite, -3), clWhite);
    EXPECT_EQ(BlendColor(RGB(100, 0, 200), RGB(0, 100, 0), 50), RGB(50, 50, 100));
}

TEST(ColorTone, NegativeDeltasDarkenAndZeroChannelsTakeThePositiveDelta) {
    EXPECT_EQ(ColorTone(RGB(100, 200, 0), -20, 10, 30), RGB(80, 200, 30));
    EXPECT_EQ(ColorTone(RGB(0, 0, 0), -5, 0, 7), RGB(0, 0, 7));
}

TEST(DrawBackgroundBox, FillsWithAColourAndLeavesNoColourAlone) {
    auto owned = Canvas100(clWhite);
    TBitmap& bmp = *owned;
    DrawBackgroundBox(bmp.Canvas(), TRect(0, 0, 50, 20), clRed, clNone, clNone, 1, gdVertical);
    EXPECT_EQ(bmp.Canvas()->Pixels(10, 10), clRed);
    DrawBackgroundBox(bmp.Canvas(), TRect(50, 0, 100, 20), clNone, clNone, clNone, 1, gdVertical);
    EXPECT_EQ(bmp.Canvas()->Pixels(70, 10), clWhite);
    DrawBackgroundBox(nullptr, TRect(0, 0, 5, 5), clRed, clNone, clBlack, 1, gdVertical);
}

TEST(EllipsisText, ShortensUntilItFitsAndKeepsTheTextWhenNothingFits) {
    auto owned = Canvas100(clWhite);
    TBitmap& bmp = *owned;
    TCanvas* c = bmp.Canvas();
    const String text = "a rather long caption";
    EXPECT_EQ(EllipsisText(c, text, 10000, true), text);
    const int w = TextExtent(c, text).cx;
    const String cut = EllipsisText(c, text, w / 2, true);
    EXPECT_TRUE(cut.endsWith("..."));
    EXPECT_LT(TextExtent(c, cut).cx, w / 2);
    EXPECT_EQ(EllipsisText(c, text, 1, true), text);
    EXPECT_EQ(TextExtent(c, "").cx, 0);
}

TEST(CaseFoldUnless, FoldsOnlyWhenCaseDoesNotMatter) {
    EXPECT_EQ(CaseFoldUnless("Straße", true), "Straße");
    EXPECT_EQ(CaseFoldUnless("abc", false), "ABC");
}

TEST(BarAppearance, VisibleAnnouncesOnlyRealChanges) {
    THeaderAppearance header(nullptr);
    int changes = 0;
    header.OnChange = [&](TObject*) { ++changes; };
    header.SetVisible(true);
    header.SetColor(clRed);
    EXPECT_EQ(changes, 0);
    header.SetVisible(false);
    EXPECT_EQ(changes, 1);
}

TEST(BarAppearance, AssignCopiesItsOwnKindOnly) {
    THeaderAppearance a(nullptr), b(nullptr);
    a.SetCaption("<b>Pick</b>");
    a.SetHeight(30);
    a.SetButtonAlignment(baLeft);
    a.Font()->SetSize(12);
    a.SetVisible(false);
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.Assign(&a);
    EXPECT_EQ(b.Caption(), "<b>Pick</b>");
    EXPECT_EQ(b.Height(), 30);
    EXPECT_EQ(b.ButtonAlignment(), baLeft);
    EXPECT_EQ(b.Font()->Size(), 12);
    EXPECT_FALSE(b.Visible());
    EXPECT_EQ(changes, 1) << "visibility is copied through its setter";

    TFooterAppearance footer(nullptr);
    footer.SetSizeGrip(false);
    footer.SetCaption("foot");
    b.Assign(&footer);
    EXPECT_EQ(b.Caption(), "<b>Pick</b>");
    TFooterAppearance footer2(nullptr);
    footer2.Assign(&footer);
    EXPECT_FALSE(footer2.SizeGrip());

    THeaderAppearance colours(nullptr);
    colours.AssignColors(&a);
    EXPECT_EQ(colours.Font()->Size(), 12);
    EXPECT_EQ(colours.Height(), 22);
    EXPECT_EQ(colours.Caption(), "");
}
