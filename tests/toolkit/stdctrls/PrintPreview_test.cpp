// The print preview window, driven by keys alone: paging, zoom, scrolling and closing.
#include "toolkit/stdctrls/PrintPreview.h"

#include "InputEvents.h"

#include <QImage>
#include <gtest/gtest.h>

#include <vector>

namespace {
// Five pages, each a different shade so the shown image tells which page was drawn.
struct ShadedPages : IPreviewPages {
    int Count = 5;
    std::vector<int> Drawn;
    int PageCount() override { return Count; }
    TSize PageSize() override { return TSize{200, 300}; }
    void DrawPage(int Page, TCanvas* Canvas, const TRect& Rect) override {
        Drawn.push_back(Page);
        Canvas->Brush()->SetColor(TColor(RGB(10 * Page, 10 * Page, 10 * Page)));
        Canvas->FillRect(Rect);
    }
};

int ShownPage(const TPreviewPageView* view) {
    const QImage* img = view->PageImage();
    return img && !img->isNull() ? qRed(img->pixel(img->width() / 2, img->height() / 2)) / 10 : 0;
}
} // namespace

TEST(PrintPreview, KeysTurnZoomScrollAndClose) {
    ShadedPages pages;
    TPrintPreviewForm form(nullptr, pages);
    form.SetBounds(0, 0, 400, 500);
    form.Show();
    TPreviewPageView* view = form.View();
    view->SetFocus();
    QApplication::processEvents();
    view->Widget()->repaint();
    EXPECT_EQ(ShownPage(view), 1);
    EXPECT_TRUE(form.Caption().contains("page 1 of 5")) << form.Caption().toStdString();

    struct Step {
        int Key;
        Qt::KeyboardModifiers Mods;
        int Page;
    } steps[] = {
        {Qt::Key_PageDown, Qt::NoModifier, 2}, {Qt::Key_PageDown, Qt::NoModifier, 3},
        {Qt::Key_PageUp, Qt::NoModifier, 2},   {Qt::Key_End, Qt::ControlModifier, 5},
        {Qt::Key_PageDown, Qt::NoModifier, 5}, {Qt::Key_Home, Qt::ControlModifier, 1},
        {Qt::Key_PageUp, Qt::NoModifier, 1},
    };
    for (const Step& s : steps) {
        qvtest::KeyToFocus(s.Key, QString(), s.Mods);
        view->Widget()->repaint();
        EXPECT_EQ(view->Page(), s.Page) << s.Key;
        EXPECT_EQ(ShownPage(view), s.Page) << s.Key;
        EXPECT_TRUE(form.Caption().contains(String("page %1 of 5").arg(s.Page)))
            << form.Caption().toStdString();
    }

    // The page starts fitted to the view; + and - zoom by steps, 0 fits again.
    const double fit = view->FitZoom();
    EXPECT_EQ(view->Zoom(), 0);
    qvtest::KeyToFocus(Qt::Key_Plus, "+");
    qvtest::KeyToFocus(Qt::Key_Plus, "+");
    qvtest::KeyToFocus(Qt::Key_Plus, "+");
    EXPECT_NEAR(view->Zoom(), fit * 1.25 * 1.25 * 1.25, 1e-9);
    view->Widget()->repaint();
    EXPECT_EQ(view->PageImage()->width(), int(std::lround(200 * view->Zoom())));
    // Zoomed beyond the view, the arrows scroll, and no further than the page goes.
    qvtest::KeyToFocus(Qt::Key_Down);
    EXPECT_GT(view->Scroll().Y, 0);
    for (int i = 0; i < 50; ++i)
        qvtest::KeyToFocus(Qt::Key_Down);
    const int bottom = view->Scroll().Y;
    qvtest::KeyToFocus(Qt::Key_Down);
    EXPECT_EQ(view->Scroll().Y, bottom);
    qvtest::KeyToFocus(Qt::Key_Home);
    EXPECT_EQ(view->Scroll().Y, 0);
    qvtest::KeyToFocus(Qt::Key_Minus, "-");
    EXPECT_NEAR(view->Zoom(), fit * 1.25 * 1.25, 1e-9);
    qvtest::KeyToFocus(Qt::Key_0, "0");
    EXPECT_EQ(view->Zoom(), 0);
    EXPECT_EQ(view->Scroll().Y, 0);

    // A turned or zoomed page is drawn once, however often the view repaints.
    pages.Drawn.clear();
    qvtest::KeyToFocus(Qt::Key_PageDown);
    view->Widget()->repaint();
    view->Widget()->repaint();
    EXPECT_EQ(pages.Drawn, std::vector<int>{2});

    qvtest::KeyToFocus(Qt::Key_Escape);
    EXPECT_FALSE(form.Visible());
}

TEST(PrintPreview, NoPagesShowsAnEmptyDeskAndSaysSo) {
    ShadedPages pages;
    pages.Count = 0;
    TPrintPreviewForm form(nullptr, pages);
    form.Show();
    form.View()->SetFocus();
    QApplication::processEvents();
    qvtest::KeyToFocus(Qt::Key_PageDown);
    form.View()->Widget()->repaint();
    EXPECT_TRUE(pages.Drawn.empty());
    EXPECT_TRUE(form.Caption().contains("no pages"));
}
