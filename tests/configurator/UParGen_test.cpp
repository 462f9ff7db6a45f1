// The communication settings window: panels, "ParGen.xml", the data check, keys, wheel and texts.
#include "TestSupport.h"
#include "configurator/UComon.h"
#include "configurator/ULanguage.h"
#include "configurator/UParGen.h"
#include "toolkit/CategoryPanels.h"
#include "toolkit/StdCtrls.h"

#include <gtest/gtest.h>

TEST(ParGen, Smoke) {
    Load_Default_Lang();
    auto* f = new TFParGen(Application);
    f->AfterConstruction();
    int visible = 0;
    for (TCategoryPanel* p : f->CPG->Panels())
        if (p->Visible()) {
            ++visible;
            printf("%s %d %d %s\n", qPrintable(p->Name()), p->Top(), p->Height(), qPrintable(p->Caption()));
        }
    EXPECT_EQ(visible, 4);
    delete f;
}
