// The program's windows as a whole: what every window on the way from a new configuration to the device
// update has in common.
#include "ProgramFixture.h"
#include "configurator/UAbout.h"
#include "configurator/UBoot.h"
#include "configurator/UNew_Project.h"
#include "configurator/UOPC_UA_Server_Access.h"
#include "configurator/UOpenConf.h"
#include "configurator/UParGen.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "configurator/USoftOptions.h"
#include "controls/buttons/SbButton.h"
#include "toolkit/graphics/Graphics.h"

#include <QApplication>
#include <QEnterEvent>
#include <QWindow>
#include <gtest/gtest.h>

class ProgramWindows : public qvtest::ProgramTest {};

TEST_F(ProgramWindows, EveryButtonOnTheRoadTurnsYellowUnderTheMouse) {
    Start();
    FBoot->Form_Type = 1;
    TForm* forms[] = {FQuenvarroweFirmWare,  FNew_Project, FOpenConf, FAbout, FSoftOptions, FParGen,
                      FOPC_UA_Server_Access, FBoot};
    const QColor yellow = ToQColor(clYellow);
    for (TForm* form : forms) {
        form->Show();
        QApplication::processEvents();
        int seen = 0;
        for (int i = 0; i < form->ComponentCount(); ++i) {
            auto* btn = dynamic_cast<TSbButton*>(form->Components(i));
            if (!btn || !btn->Widget()->isVisible()) continue;
            ++seen;
            QWidget* w = btn->Widget();
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
            QApplication::sendEvent(w, &enter);
            EXPECT_EQ(QColor(w->grab().toImage().pixel(3, 3)), yellow)
                << form->ClassName().toStdString() << "." << btn->Name().toStdString();
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(w, &leave);
        }
        EXPECT_GT(seen, 0) << form->ClassName().toStdString();
        form->Hide();
    }
}

TEST_F(ProgramWindows, EveryOtherWindowIsADialogOfTheMainWindowAndFixedOnesOfferNoMaximiseOrMinimise) {
    Start();
    FBoot->Form_Type = 1;
    FQuenvarroweFirmWare->Show();
    QApplication::processEvents();
    TForm* forms[] = {FQuenvarroweFirmWare,  FNew_Project, FOpenConf, FAbout, FSoftOptions, FParGen,
                      FOPC_UA_Server_Access, FBoot};
    const Qt::WindowFlags boxes = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    for (TForm* form : forms) {
        const std::string name = form->ClassName().toStdString();
        form->Show();
        QApplication::processEvents();
        QWidget* w = form->Widget();
        // Window managers keep a dialog with the window that owns it (it is not minimised away alone
        // while that window waits for it); the main window owns no window.
        if (form == FQuenvarroweFirmWare) {
            EXPECT_EQ(w->windowType(), Qt::Window) << name;
        } else {
            EXPECT_EQ(w->windowType(), Qt::Dialog) << name;
            EXPECT_EQ(w->windowHandle()->transientParent(), FQuenvarroweFirmWare->Widget()->windowHandle())
                << name;
        }
        EXPECT_FALSE(w->windowFlags() & boxes) << name;
        if (!form->Sizeable()) {
            EXPECT_EQ(w->minimumSize(), w->maximumSize()) << name;
        }
        if (form != FQuenvarroweFirmWare) form->Hide();
    }
    FQuenvarroweFirmWare->Hide();
}
