// The program: the application object, the windows in their order, and the message loop.
#include "configurator/UWindows.h"
#include "controls/ControlsClasses.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/designs/DesignFile.h"

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    // Every layer's classes, before any window reads its design.
    RegisterToolkitClasses();
    RegisterControlsClasses();
    Application->Initialize();
    Application->SetMainFormOnTaskBar(true);
    Create_Program_Windows();
    Application->Run();
    return 0;
}
