// The about box: the program's identity, the link to the maker's home page, and its looks.
#include "DialogFixture.h"
#include "configurator/UAbout.h"
#include "configurator/UMakerSite.h"
#include "configurator/UQuenvarroweFirmWare.h"
#include "controls/buttons/SbButton.h"
#include "toolkit/services/Shell.h"
#include "toolkit/stdctrls/ExtCtrls.h"
#include "toolkit/stdctrls/StdCtrls.h"

#include <gtest/gtest.h>

TEST_F(DialogsTest, AboutShowsTheIdentityAndLinksToTheMakersHomePage) {
    QStringList opened;
    TUrlOpener previous = SetUrlOpener([&](const QString& url) {
        opened << url;
        return true;
    });
    qvtest::ScriptedInteraction seam;
    seam.AnswerModal([&](TCustomForm* f) {
        auto* about = static_cast<TFAbout*>(f);
        EXPECT_EQ(about->Label1->Caption(), "Software Quenvarrow ");
        EXPECT_EQ(about->Label2->Caption(), "OPC UA Server / Serial - Converter");
        EXPECT_EQ(about->Label9->Caption(), "RV83K17");
        EXPECT_EQ(about->Label10->Caption(), "1.003");
        EXPECT_EQ(about->Label12->Caption(), "PN83K17");
        EXPECT_EQ(about->ClientWidth(), 425);
        EXPECT_EQ(about->ClientHeight(), 148);
        EXPECT_EQ(about->Label4->Cursor(), crHandPoint);
        SetMakerHostOverride("127.0.0.1:8081");
        about->Label4->Click();
        about->Image2->Click();
        about->SbButton1->Click();
    });
    FQuenvarroweFirmWare->Btn_Click(FQuenvarroweFirmWare->Btn_Info);
    EXPECT_EQ(seam.History().back().formClass, "TFAbout");
    const QString home = "http://127.0.0.1:8081/HOME/default.asp?frompg=RV83K17";
    EXPECT_EQ(opened, (QStringList{home, home}));
    SetUrlOpener(previous);
}

TEST_F(DialogsTest, GrabOfTheAboutBoxShowsOurLogo) {
    FAbout->FormShow(FAbout);
    QImage img = FAbout->Grab();
    img.save(QDir::tempPath() + "/qv-about.png");
    EXPECT_EQ(img.size(), QSize(425, 148));
    // The blue ring of the logo, left of the texts.
    EXPECT_EQ(img.pixelColor(12 + 40 - 29, 12 + 40), QColor(20, 70, 150));
}
