// The wait blocks the user's input but not the painting, so the windows do not look hung meanwhile.
#include "configurator/UStartProgram.h"

#include "toolkit/controls/Forms.h"
#include "toolkit/services/Shell.h"

bool Start_Program(const String& NomeSW, const String& Parameter, bool tipo) {
    const TProgramRef program = StartProgram(NomeSW, Parameter, tipo);
    if (!program->Started()) return false;
    const TCursor previous = Screen->Cursor();
    Screen->SetCursor(crHourGlass);
    WaitForExit(program, Start_Program_Wait_Ms, KeepWindowsPainting);
    Screen->SetCursor(previous);
    return true;
}
