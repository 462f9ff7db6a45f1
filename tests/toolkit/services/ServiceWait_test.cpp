// Long waits keep the windows alive but do not act on what the person types or clicks meanwhile.
#include "toolkit/controls/Forms.h"
#include "toolkit/services/ServiceWait.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
void postKeyStroke(QWidget* w, int key) {
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}
} // namespace

TEST(ServiceWait, KeysAndClicksDuringAWaitAreDroppedNotActedOnLater) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* update = new TButton(&form);
    update->SetParent(&form);
    update->SetBounds(10, 10, 120, 25);
    int clicks = 0;
    int keys = 0;
    update->OnClick = [&](TObject*) { ++clicks; };
    update->OnKeyDown = [&](TObject*, Word&, TShiftState) { ++keys; };
    form.Show();
    update->SetFocus();
    QApplication::processEvents();

    bool timerRan = false;
    QTimer::singleShot(0, [&] { timerRan = true; });
    // Enter struck again and a click on the button while the updater runs.
    postKeyStroke(update->Widget(), Qt::Key_Return);
    const QPointF inside(5, 5);
    QCoreApplication::postEvent(update->Widget(),
                                new QMouseEvent(QEvent::MouseButtonPress, inside, inside, Qt::LeftButton,
                                                Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(update->Widget(),
                                new QMouseEvent(QEvent::MouseButtonRelease, inside, inside, Qt::LeftButton,
                                                Qt::NoButton, Qt::NoModifier));
    for (int i = 0; i < 5; ++i)
        KeepWindowsPainting();
    EXPECT_TRUE(timerRan); // the wait does not freeze what is not input
    QApplication::processEvents();
    EXPECT_EQ(keys, 0);
    EXPECT_EQ(clicks, 0);

    // After the wait the same keys work again.
    postKeyStroke(update->Widget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(keys, 1);
    form.Hide();
}

TEST(ServiceWait, AModalWindowOpenedDuringAWaitStillTakesItsKeys) {
    int result = -1;
    bool forced = false;
    QTimer::singleShot(0, [&] {
        QDialog dialog;
        postKeyStroke(&dialog, Qt::Key_Escape); // arrives once the dialog runs

        // Should the Escape never arrive, the test ends instead of hanging.
        QTimer::singleShot(3000, &dialog, [&] {
            forced = true;
            dialog.accept();
        });
        result = dialog.exec();
    });
    KeepWindowsPainting();
    EXPECT_FALSE(forced);
    EXPECT_EQ(result, QDialog::Rejected);
}
