// The pieces of a table sheet that windows share.
#include "tables/frame/TableSheet.h"

TTableTexts Block_Texts(Integer block, Integer buttonHints, Integer rowErrorPrefix, Integer deleteQuestion,
                        Integer lostRowsQuestion) {
    TTableTexts t;
    t.Caption = block;
    t.Description = block + 1;
    for (int i = 0; i < 6; ++i) {
        t.Buttons[i] = block + 2 + i;
        t.ButtonHints[i] = buttonHints + i;
    }
    t.RowErrorPrefix = rowErrorPrefix;
    t.DeleteQuestion = deleteQuestion;
    t.LostRowsQuestion = lostRowsQuestion;
    return t;
}
