// The topic template dialog: captions by what is edited, the keyword list, the text in and out.
#include "configurator/DialogFixture.h"
#include "controls/grid/QvGrid.h"
#include "tables/network/UTopicTemplate.h"
#include "toolkit/stdctrls/StdCtrls.h"

namespace {

TEST_F(DialogsTest, TopicTemplateCaptionsFollowWhatIsEdited) {
    qvtest::ScriptedInteraction seam;
    for (const bool isTemplate : {true, false}) {
        FTopicTemplate->TopicTemplate = isTemplate;
        FTopicTemplate->RE_TopicTemplate->SetText("$VALUE$");
        FTopicTemplate->QSG_Keywords->SetRowCount(5);
        FTopicTemplate->QSG_Keywords->SetCells(0, 1, "typed");
        seam.AnswerModal([&](TCustomForm* form) {
            auto* f = static_cast<TFTopicTemplate*>(form);
            EXPECT_EQ(f->Caption(), isTemplate ? "Set Template" : "Set Topic");
            EXPECT_EQ(f->L_SW_Desc->Caption(), isTemplate ? "Set Template" : "Set Topic");
            EXPECT_EQ(f->QSG_Keywords->RowCount(), 2);
            EXPECT_EQ(f->QSG_Keywords->Cells(0, 0), "Keyword");
            EXPECT_EQ(f->QSG_Keywords->Cells(1, 0), "Description of Keyword");
            EXPECT_EQ(f->QSG_Keywords->Cells(0, 1), "");
            EXPECT_TRUE(f->QSG_Keywords->GetCellProperties(1, 1)->ReadOnly());
            EXPECT_EQ(f->RE_TopicTemplate->Text(), "$VALUE$");
            if (isTemplate) f->Grab().save(QDir::tempPath() + "/qv-topictemplate.png");
            f->SetModalResult(mrOk);
        });
        EXPECT_EQ(FTopicTemplate->ShowModal(), mrOk);
    }
    EXPECT_EQ(seam.Pending(), 0);
}

} // namespace
