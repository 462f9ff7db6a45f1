// The header drag button draws its caption as the dragged header shows it: markup through the renderer,
// plain text as it stands, over the look of the grid's top-left header cell.
#include "controls/grid/HeaderDragButton.h"
#include "controls/grid/QvGrid.h"
#include "toolkit/controls/Forms.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include <memory>

namespace headerdragbutton_test {

int PixelsOf(const QImage& img, QColor c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == c) ++n;
    return n;
}

TEST(HeaderDragButton, AMarkupCaptionIsDrawnAsMarkupOverTheHeaderCellsLook) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* grid = new TQvStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 300, 200);
    grid->OnGetCellColor = [](TObject*, int ARow, int ACol, TGridDrawState, TBrush* ABrush, TFont*) {
        if (ARow == 0 && ACol == 0) ABrush->SetColor(TColor(0x00FF00));
    };
    form.Show();
    THeaderDragButton* button = grid->HeaderDragButton();
    ASSERT_TRUE(button);
    button->SetBounds(10, 10, 120, 24);
    button->SetVisible(true);
    const struct {
        const char* Caption;
        bool Red;
    } cases[] = {
        {"<font color=\"#FF0000\"><b>Moved</b></font>", true},
        {"Moved", false},
    };
    for (const auto& k : cases) {
        button->SetCaption(k.Caption);
        QApplication::processEvents();
        const QImage shot = button->Widget()->grab().toImage();
        EXPECT_GT(PixelsOf(shot, QColor(0, 0xFF, 0)), 120 * 24 / 2)
            << k.Caption << ": the header cell's colour";
        EXPECT_EQ(PixelsOf(shot, QColor(0xFF, 0, 0)) > 0, k.Red) << k.Caption;
    }
}

} // namespace headerdragbutton_test
